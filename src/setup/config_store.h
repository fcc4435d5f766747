#pragma once

#include "content/class_settings.h"
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

// The class settings file beside a configuration file.
QString classSettingsPathBeside(const QString& configurationPath, const QString& lessonCode);

// Writes the class settings beside the configuration through the same safe
// replace; the Bulgarian reason on a failure, empty on success.
QString saveClassSettings(const QString& path, const content::ClassSettings& settings, const QString& lessonCode);

// The computer's shared configuration file to write: lesko/FUNKR.UFG in the
// first folder of XDG_CONFIG_DIRS (/etc/xdg by default). The lesson reads it
// from there when no other folder along the list holds one.
QString sharedConfigurationTarget(const QString& fileName);
// Creates the shared file's folder; the reason when it cannot be made.
QString makeSharedFolder(const QString& target);

}  // namespace setup
