#include "settings/font_names.h"

#include <QRegularExpression>

namespace appearance {

QString plainFamilyName(const QString& family)
{
    static const QRegularExpression foundryTag(QStringLiteral("\\s*\\[[^\\[\\]]*\\]\\s*$"));
    return QString(family).remove(foundryTag).trimmed();
}

QStringList bulgarianFontNames(const QStringList& families, const std::function<bool(const QString&)>& showsCyrillic)
{
    QStringList names;
    for (const QString& family : families) {
        const QString name = plainFamilyName(family);
        if (!name.isEmpty() && !names.contains(name) && showsCyrillic(family))
            names << name;
    }
    return names;
}

}  // namespace appearance
