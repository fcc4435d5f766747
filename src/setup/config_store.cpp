#include "setup/config_store.h"

#include "configuration/configuration_source.h"
#include "files/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace setup {

content::Result<ClassConfiguration> readConfiguration(const QString& path)
{
    using Failure = content::Result<ClassConfiguration>;
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists())
        return Failure::failure(u"Файлът "_s + shown + u" още не съществува."_s, ENOENT);
    const QString unreadable = u"Файлът "_s + shown + u" не може да бъде прочетен."_s;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return Failure::failure(unreadable);
    const QByteArray bytes = file.read(content::ConfigFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return Failure::failure(unreadable);
    const std::optional<content::ConfigRecords> records = content::parseConfig(bytes);
    if (!records)
        return Failure::failure(u"Файлът "_s + shown + u" е некоректен: има "_s + QString::number(info.size()) +
                                u" байта вместо 600."_s);
    return ClassConfiguration(*records);
}

LoadedConfiguration loadConfiguration(const QString& path, const ClassConfiguration& fallback)
{
    const content::Result<ClassConfiguration> read = readConfiguration(path);
    if (read)
        return {LoadedConfiguration::State::Read, *read, {}};
    const bool missing = read.error() == ENOENT;
    return {missing ? LoadedConfiguration::State::Missing : LoadedConfiguration::State::Unusable, fallback,
            read.reason()};
}

content::Done replaceFile(const QString& path, const QByteArray& bytes)
{
    const content::Done written = app::replaceFile(path, bytes);
    if (written)
        return {};
    return content::Done::failure(
        u"Файлът "_s + QDir::toNativeSeparators(path) + u" не е записан: "_s + written.reason() + u'.',
        written.error());
}

content::Done saveConfiguration(const QString& path, const ClassConfiguration& configuration)
{
    if (QFileInfo(path).isFile()) {
        QFile previous(path);
        if (!previous.open(QIODevice::ReadOnly))
            return content::Done::failure(
                u"Предишният файл "_s + QDir::toNativeSeparators(path) +
                u" не може да бъде прочетен, за да се запази копие от него; нищо не е записано."_s);
        const QByteArray old = previous.readAll();
        if (previous.error() != QFileDevice::NoError)
            return content::Done::failure(u"Предишният файл "_s + QDir::toNativeSeparators(path) +
                                          u" не може да бъде прочетен докрай; нищо не е записано."_s);
        if (const content::Done backup = replaceFile(path + u".bak"_s, old); !backup)
            return backup;
    }
    return replaceFile(path, configuration.bytes());
}

QString classSettingsPathBeside(const QString& configurationPath, const QString& lessonCode)
{
    const QFileInfo info(configurationPath);
    const QString name = content::classSettingsFileName(lessonCode);
    return info.path() == u"." && !configurationPath.startsWith(u"./") ? name : info.path() + u'/' + name;
}

content::Done saveClassSettings(const QString& path, const content::ClassSettings& settings, const QString& lessonCode)
{
    return replaceFile(path, content::serialiseClassSettings(settings, lessonCode));
}

QString sharedConfigurationTarget(const QString& fileName)
{
    return app::sharedConfigurationFolders().constFirst() + u'/' + fileName;
}

content::Done makeSharedFolder(const QString& target)
{
    const QString folder = QFileInfo(target).path();
    if (QDir().mkpath(folder))
        return {};
    return content::Done::failure(
        u"Папката "_s + folder +
        u" не може да бъде създадена: общите настройки на компютъра се записват с права на администратор "
        u"(sudo)."_s);
}

}  // namespace setup
