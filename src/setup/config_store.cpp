#include "setup/config_store.h"

#include "configuration/configuration_source.h"
#include "files/text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace setup {

LoadedConfiguration loadConfiguration(const QString& path, const ClassConfiguration& fallback)
{
    const QString shown = QDir::toNativeSeparators(path);
    const QFileInfo info(path);
    if (!info.exists())
        return {LoadedConfiguration::State::Missing, fallback, u"Файлът "_s + shown + u" още не съществува."_s};
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return {LoadedConfiguration::State::Unusable, fallback, u"Файлът "_s + shown + u" не може да бъде прочетен."_s};
    const QByteArray bytes = file.read(content::ConfigFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return {LoadedConfiguration::State::Unusable, fallback, u"Файлът "_s + shown + u" не може да бъде прочетен."_s};
    const std::optional<content::ConfigRecords> records = content::parseConfig(bytes);
    if (!records)
        return {
            LoadedConfiguration::State::Unusable, fallback,
            u"Файлът "_s + shown + u" е некоректен: има "_s + QString::number(info.size()) + u" байта вместо 600."_s};
    return {LoadedConfiguration::State::Read, ClassConfiguration(*records), {}};
}

QString replaceFile(const QString& path, const QByteArray& bytes)
{
    int error = 0;
    if (app::replaceFile(path, bytes, &error))
        return {};
    return u"Файлът "_s + QDir::toNativeSeparators(path) + u" не е записан: "_s + app::errorText(error) + u'.';
}

QString saveConfiguration(const QString& path, const ClassConfiguration& configuration)
{
    if (QFileInfo(path).isFile()) {
        QFile previous(path);
        if (!previous.open(QIODevice::ReadOnly))
            return u"Предишният файл "_s + QDir::toNativeSeparators(path) +
                   u" не може да бъде прочетен, за да се запази копие от него; нищо не е записано."_s;
        const QByteArray old = previous.readAll();
        if (previous.error() != QFileDevice::NoError)
            return u"Предишният файл "_s + QDir::toNativeSeparators(path) +
                   u" не може да бъде прочетен докрай; нищо не е записано."_s;
        if (const QString problem = replaceFile(path + u".bak"_s, old); !problem.isEmpty())
            return problem;
    }
    return replaceFile(path, configuration.bytes());
}

QString classSettingsPathBeside(const QString& configurationPath, const QString& lessonCode)
{
    const QFileInfo info(configurationPath);
    const QString name = content::classSettingsFileName(lessonCode);
    return info.path() == u"." && !configurationPath.startsWith(u"./") ? name : info.path() + u'/' + name;
}

QString saveClassSettings(const QString& path, const content::ClassSettings& settings, const QString& lessonCode)
{
    return replaceFile(path, content::serialiseClassSettings(settings, lessonCode));
}

QString sharedConfigurationTarget(const QString& fileName)
{
    return app::sharedConfigurationFolders().constFirst() + u'/' + fileName;
}

QString makeSharedFolder(const QString& target)
{
    const QString folder = QFileInfo(target).path();
    if (QDir().mkpath(folder))
        return {};
    return u"Папката "_s + folder +
           u" не може да бъде създадена: общите настройки на компютъра се записват с права на администратор "
           u"(sudo)."_s;
}

}  // namespace setup
