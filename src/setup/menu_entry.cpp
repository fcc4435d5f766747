#include "setup/menu_entry.h"

#include "setup/config_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace setup {

namespace {

constexpr char Marker[] = "X-Lesko-Hidden-While-Binding=true";
// More than any desktop entry holds: a larger file there is not ours.
constexpr qint64 MaxEntryBytes = 64 * 1024;

}  // namespace

QString hiddenSetupEntryPath()
{
    QString first = qEnvironmentVariable("XDG_DATA_DIRS").section(u':', 0, 0, QString::SectionSkipEmpty);
    if (!QDir::isAbsolutePath(first))
        first = u"/usr/local/share"_s;
    return QDir::cleanPath(first + u"/applications/"_s + QString::fromLatin1(SetupEntryName));
}

QByteArray hiddenSetupEntry()
{
    return QByteArray(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Lesson Setup\n"
               "Name[bg]=\xd0\x9d\xd0\xb0\xd1\x81\xd1\x82\xd1\x80\xd0\xbe\xd0\xb9\xd0\xba\xd0\xb0 \xd0\xbd\xd0\xb0 "
               "\xd1\x83\xd1\x80\xd0\xbe\xd0\xba\xd0\xb0\n"
               "Exec=lesko --setup --from-menu\n"
               "Icon=bg.lesko.funkr\n"
               "NoDisplay=true\n") +
           Marker + '\n';
}

content::Done applySetupEntryRule(bool binding)
{
    const QString path = hiddenSetupEntryPath();
    if (binding) {
        if (!QDir().mkpath(QFileInfo(path).path()))
            return content::Done::failure(u"Папката "_s + QFileInfo(path).path() + u" не може да бъде създадена."_s);
        return replaceFile(path, hiddenSetupEntry());
    }
    QFile entry(path);
    if (!entry.exists() || !entry.open(QIODevice::ReadOnly) || !entry.read(MaxEntryBytes).contains(Marker))
        return {};
    entry.close();
    if (!entry.remove())
        return content::Done::failure(u"Файлът "_s + path + u" не може да бъде изтрит."_s);
    return {};
}

}  // namespace setup
