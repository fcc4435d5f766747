#pragma once

#include "content/config_file.h"
#include "content/result.h"

#include <QString>

// The configuration file as INI text, to diff and keep in version control.
// Every byte of the file has its place in the text (unused fields and the
// reserved bytes included), so text and file turn into each other unchanged.
namespace setup {

QString toIni(const content::ConfigRecords& records);

// The text must give every field once: a text cut short, with a key twice or
// of another kind is refused with one Bulgarian line naming the line that is
// wrong.
content::Result<content::ConfigRecords> fromIni(const QString& text);

// The longest text lesko_config reads (a whole file is some 7 KB).
constexpr qsizetype MaxIniBytes = 256 * 1024;

}  // namespace setup
