#pragma once

#include "setup/class_configuration.h"

#include <QString>

// Reading and writing the class configuration file.
namespace setup {

struct LoadedConfiguration {
    enum class State { Read, Missing, Unusable };
    State state = State::Missing;
    ClassConfiguration configuration;  // the file's, or the fallback
    QString message;                   // one line on why the fallback is shown; empty when read
};

// Reads the file; a missing, unreadable or mis-sized file gives the fallback
// and a Bulgarian message that says why.
LoadedConfiguration loadConfiguration(const QString& path, const ClassConfiguration& fallback);

// Writes the 600 bytes in place of the file: a previous file is first copied
// to path + ".bak", then the new bytes go to a temporary file beside it that
// is renamed over it. Every step is checked and synced to the disk; on a
// failure the file is left as it was and the Bulgarian reason is returned.
// Empty on success.
QString saveConfiguration(const QString& path, const ClassConfiguration& configuration);

// Writes bytes in place of the file through a temporary file and a rename.
QString replaceFile(const QString& path, const QByteArray& bytes);

}  // namespace setup
