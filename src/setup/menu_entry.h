#pragma once

#include "content/result.h"

#include <QByteArray>
#include <QString>

// The setup's desktop entry is for teachers. While the computer's shared file
// is binding, students have nothing to set up, so saving that file hides the
// entry from every account: a copy marked NoDisplay in the first folder of
// $XDG_DATA_DIRS (/usr/local/share by default), which menus read before the
// package's own in /usr/share. When the file stops being binding, that copy
// is removed; a file there that this rule did not write is left alone.
namespace setup {

// The desktop entry's name, as the package installs it.
inline constexpr char SetupEntryName[] = "bg.lesko.funkr.setup.desktop";

QString hiddenSetupEntryPath();
QByteArray hiddenSetupEntry();

// Writes or removes the hidden entry for the binding mark; the Bulgarian
// reason when that failed.
content::Done applySetupEntryRule(bool binding);

}  // namespace setup
