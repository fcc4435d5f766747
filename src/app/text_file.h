#pragma once

#include <QString>

namespace app {

// Writes text to a file in Windows-1251, replacing the file whole: the text
// goes to a temporary file beside it that is renamed over it, so a failed save
// never leaves a half-written file in place of a good one. False when the file
// could not be written.
bool writeTextFile(const QString& name, const QString& text);

}  // namespace app
