#pragma once

#include <QString>
#include <QStringList>
#include <functional>

// The fonts a teacher may choose for the lesson's text.
namespace appearance {

// A family as the font system names it, without the foundry tag added when
// several foundries make a family of that name: "C059 [UKWN]" gives "C059".
QString plainFamilyName(const QString& family);

// The families that can show the lesson's Bulgarian text, each once by its
// plain name, in the order first met. A family counts when any of its
// foundries shows Cyrillic.
QStringList bulgarianFontNames(const QStringList& families, const std::function<bool(const QString&)>& showsCyrillic);

}  // namespace appearance
