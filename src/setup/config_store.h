#pragma once

#include "content/class_settings.h"
#include "content/result.h"
#include "setup/class_configuration.h"

#include <QString>

// Reading and writing the class configuration file.
namespace setup {

// The file's configuration; the reason, naming the file, when it is missing
// (error() ENOENT), cannot be read or is mis-sized.
content::Result<ClassConfiguration> readConfiguration(const QString& path);

// What the setup window edits: the file's configuration, or the fallback with
// the reason it is shown.
struct LoadedConfiguration {
    enum class State { Read, Missing, Unusable };
    State state = State::Missing;
    ClassConfiguration configuration;  // the file's, or the fallback
    QString message;                   // why the fallback is shown (readConfiguration); empty when read
};

LoadedConfiguration loadConfiguration(const QString& path, const ClassConfiguration& fallback);

// Writes the 600 bytes in place of the file: a previous file is first copied
// to path + ".bak", then the new bytes go to a temporary file beside it that
// is renamed over it. Every step is checked and synced to the disk; on a
// failure the file is left as it was and the Bulgarian reason is given.
content::Done saveConfiguration(const QString& path, const ClassConfiguration& configuration);

// Writes bytes in place of the file through the safe replace; the reason
// names the file.
content::Done replaceFile(const QString& path, const QByteArray& bytes);

// The class settings file beside a configuration file.
QString classSettingsPathBeside(const QString& configurationPath, const QString& lessonCode);

// Writes the class settings beside the configuration through the same safe
// replace.
content::Done saveClassSettings(const QString& path, const content::ClassSettings& settings, const QString& lessonCode);

// The computer's shared configuration file to write: lesko/FUNKR.UFG in the
// first folder of XDG_CONFIG_DIRS (/etc/xdg by default). The lesson reads it
// from there when no other folder along the list holds one.
QString sharedConfigurationTarget(const QString& fileName);
// Creates the shared file's folder; the reason when it cannot be made.
content::Done makeSharedFolder(const QString& target);

}  // namespace setup
