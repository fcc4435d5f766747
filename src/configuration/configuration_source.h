#pragma once

#include "content/class_settings.h"
#include "content/result.h"

#include <QString>
#include <QStringList>

// Where the lesson reads the class configuration from. The working folder's
// file comes first, as it always did; without one, the computer's shared file
// (lesko/FUNKR.UFG in the first folder along $XDG_CONFIG_DIRS that holds one,
// /etc/xdg by default), which an administrator installs once for every
// account. The class settings beside the shared file can mark it binding: then
// the working folder's files are not read at all, so a student's own file
// cannot loosen the class's settings. The class settings always come from
// beside the configuration file that is read.
namespace app {

// The folders of the shared configuration in the order they are searched:
// each folder of xdgConfigDirs (a value of XDG_CONFIG_DIRS, ":"-separated;
// /etc/xdg when empty) with "/lesko" appended. Relative entries are skipped.
QStringList sharedConfigurationFolders(const QString& xdgConfigDirs);
// The same for this session's environment.
QStringList sharedConfigurationFolders();

// Reads a class settings file: the defaults when there is none; the reason,
// naming the file, when it cannot be used.
content::Result<content::ClassSettings> readClassSettings(const QString& path);

struct ConfigurationSource {
    // The configuration file to read: the plain name in the working folder, or
    // the shared file's path. The working folder's name when neither exists.
    QString configuration;
    QString classSettingsFile;  // beside it
    bool shared = false;        // the computer's shared file is read
    // The shared file is binding and the working folder has a file of its own,
    // which is not read.
    bool workingFolderIgnored = false;
    content::ClassSettings classSettings;
    // Why a class settings file read on the way could not be used, one line
    // each; its defaults hold.
    QStringList settingsProblems;
};

// Chooses between the working folder's file and the first shared one along
// the folders, and reads the class settings that go with the choice.
ConfigurationSource findConfiguration(const QString& lessonCode, const QStringList& sharedFolders);

// The shared file the lesson would read along the folders; empty when none.
QString sharedConfigurationFile(const QString& lessonCode, const QStringList& sharedFolders);

}  // namespace app
