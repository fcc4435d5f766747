#pragma once

#include "content/config_file.h"

#include <QString>
#include <optional>

// The configuration file as INI text, to diff and keep in version control.
// Every byte of the file has its place in the text (unused fields and the
// reserved bytes included), so text and file turn into each other unchanged.
namespace setup {

QString toIni(const content::ConfigRecords& records);

struct IniResult {
    std::optional<content::ConfigRecords> records;
    QString error;  // one Bulgarian line naming the line of the text; empty on success
};

// Keys the text leaves out keep their values from base.
IniResult fromIni(const QString& text, const content::ConfigRecords& base);

}  // namespace setup
