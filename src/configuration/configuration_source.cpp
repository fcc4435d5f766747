#include "configuration/configuration_source.h"

#include "files/text_file.h"
#include "files/working_folder.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace app {

QStringList sharedConfigurationFolders(const QString& xdgConfigDirs)
{
    QStringList folders;
    for (const QString& base : xdgConfigDirs.split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(base))
            folders << QDir::cleanPath(base + u"/lesko"_s);
    if (folders.isEmpty())
        folders << u"/etc/xdg/lesko"_s;
    folders.removeDuplicates();
    return folders;
}

QStringList sharedConfigurationFolders() { return sharedConfigurationFolders(qEnvironmentVariable("XDG_CONFIG_DIRS")); }

content::Result<content::ClassSettings> readClassSettings(const QString& path)
{
    if (!QFileInfo::exists(path))
        return content::ClassSettings{};
    const content::Result<QByteArray> bytes = readRegularFile(path, content::MaxClassSettingsBytes);
    if (!bytes)
        return content::Result<content::ClassSettings>::failure(bytes.reason());
    content::Result<content::ClassSettings> settings = content::parseClassSettings(*bytes);
    if (!settings)
        return content::Result<content::ClassSettings>::failure(shownPath(path) + u": "_s + settings.reason());
    return settings;
}

QString sharedConfigurationFile(const QString& lessonCode, const QStringList& sharedFolders)
{
    for (const QString& folder : sharedFolders) {
        const QString path = folder + u'/' + lessonCode + u".UFG"_s;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

namespace {

void readSettingsInto(ConfigurationSource& source)
{
    const content::Result<content::ClassSettings> settings = readClassSettings(source.classSettingsFile);
    if (settings)
        source.classSettings = *settings;
    else
        source.settingsProblems << settings.reason();
}

}  // namespace

ConfigurationSource findConfiguration(const QString& lessonCode, const QStringList& sharedFolders)
{
    const QString ownFile = lessonCode + u".UFG"_s;
    const QString settingsName = content::classSettingsFileName(lessonCode);
    const bool ownExists = QFileInfo(ownFile).isFile();
    ConfigurationSource source;
    source.configuration = ownFile;
    source.classSettingsFile = settingsName;
    if (const QString shared = sharedConfigurationFile(lessonCode, sharedFolders); !shared.isEmpty()) {
        ConfigurationSource sharedSource;
        sharedSource.configuration = shared;
        sharedSource.classSettingsFile = QFileInfo(shared).path() + u'/' + settingsName;
        sharedSource.shared = true;
        readSettingsInto(sharedSource);
        if (!ownExists || sharedSource.classSettings.binding) {
            sharedSource.workingFolderIgnored = ownExists;
            return sharedSource;
        }
        source.settingsProblems = sharedSource.settingsProblems;
    }
    readSettingsInto(source);
    return source;
}

}  // namespace app
