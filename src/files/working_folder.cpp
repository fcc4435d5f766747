#include "files/working_folder.h"

#include "content/lesson.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// Folders of the operating system no student's work belongs in.
bool isSystemFolder(const QString& path)
{
    static const QStringList systemRoots{u"/bin"_s,   u"/boot"_s,  u"/dev"_s,  u"/etc"_s, u"/lib"_s,
                                         u"/lib32"_s, u"/lib64"_s, u"/proc"_s, u"/run"_s, u"/sbin"_s,
                                         u"/sys"_s,   u"/usr"_s,   u"/var"_s};
    for (const QString& root : systemRoots)
        if (path == root || path.startsWith(root + u'/'))
            return true;
    return false;
}

bool usableBase(const QString& base)
{
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        return false;
    const QString clean = QDir::cleanPath(base);
    return clean != u"/" && !isSystemFolder(clean);
}

// The title as one folder name: no separators, no leading dots, never empty.
QString folderName(const QString& title)
{
    QString name = QString(title).replace(u'/', u'-').replace(QChar(0), u'-').trimmed();
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name.isEmpty() ? u"lesko"_s : name;
}

}  // namespace

bool takeOption(int& argc, char** argv, const char* option)
{
    bool found = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            found = true;
        else
            argv[kept++] = argv[i];
    }
    for (int i = kept; i < argc; ++i)
        argv[i] = nullptr;
    argc = kept;
    return found;
}

StartFolders systemStartFolders()
{
    return {QDir::homePath(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)};
}

QString lessonTitle(const content::Lesson& lesson)
{
    const content::Lesson::Entry* plan = lesson.find(u"Lesko_Dis"_s, u"Plan_Lesko"_s, 0);
    return plan ? plan->items.value(0) : QString();
}

QStringList workingFolderCandidates(const StartFolders& folders, const QString& title)
{
    const QString name = folderName(title);
    QStringList candidates;
    for (const QString& base : {folders.documents, folders.appData})
        if (usableBase(base))
            candidates << QDir::cleanPath(base + u'/' + name);
    candidates.removeDuplicates();
    candidates.removeAll(QDir::cleanPath(folders.home));
    return candidates;
}

QString currentFolderPath()
{
    // The C library's own getcwd allocates and also walks paths longer than
    // PATH_MAX, which Qt's current path cannot name.
    char* path = ::getcwd(nullptr, 0);
    const QString text = path ? QFile::decodeName(path) : QString();
    std::free(path);
    return text;
}

QString shownPath(const QString& path) { return QDir::isAbsolutePath(path) ? path : currentFolderPath() + u'/' + path; }

}  // namespace app
