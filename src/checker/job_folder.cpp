#include "checker/job_folder.h"

#include "checker/limited_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace checker {

namespace {

QString jobsFolder(const QString& cacheFolder) { return cacheFolder + u"/jobs"_s; }
QString headersFolder(const QString& cacheFolder) { return cacheFolder + u"/pch"_s; }

bool processAlive(qint64 pid) { return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM); }

// Folders of checks whose lesson was killed: "job-<pid>-XXXXXX".
void removeStaleJobs(const QString& jobs)
{
    for (const QFileInfo& entry : QDir(jobs).entryInfoList({u"job-*"_s}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QStringList parts = entry.fileName().split(u'-');
        if (parts.size() == 3 && !processAlive(parts[1].toLongLong()))
            QDir(entry.absoluteFilePath()).removeRecursively();
    }
}

// A folder of the cache is a real folder of this user's, never a link: a link
// or a folder someone else made (in a shared /var/tmp, say) could turn the
// checker's writes, and an administrator's permission changes, elsewhere.
bool ownFolder(const QString& folder)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(folder).constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid();
}

// An administrator's sandbox runs as nobody, who must be able to pass through
// the cache folders; what it reads and writes in them is its own.
bool openToSandbox(const QString& folder, mode_t mode)
{
    return ownFolder(folder) && (geteuid() != 0 || ::chmod(QFile::encodeName(folder).constData(), mode) == 0);
}

qint64 folderBytes(const QString& folder)
{
    qint64 total = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        total += it.fileInfo().size();
    }
    return total;
}

}  // namespace

content::Result<std::shared_ptr<JobFolder>> JobFolder::create(const QString& cacheFolder)
{
    const QString jobs = jobsFolder(cacheFolder);
    const QString reason = u"папката за проверката не може да бъде създадена в „"_s + jobs +
                           u"“ (нужна е папка на потребителя, не връзка, в която може да се пише)"_s;
    if (!QDir().mkpath(jobs) || !openToSandbox(cacheFolder, 0711) || !openToSandbox(jobs, 0711))
        return content::Result<std::shared_ptr<JobFolder>>::failure(reason);
    removeStaleJobs(jobs);
    std::shared_ptr<JobFolder> folder(
        new JobFolder(jobs + u"/job-"_s + QString::number(QCoreApplication::applicationPid()) + u"-XXXXXX"_s));
    const QByteArray path = QFile::encodeName(folder->path());
    if (!folder->dir_.isValid() || !QDir().mkdir(folder->filePath(u"tmp"_s)) ||
        (geteuid() == 0 && (::chown(path.constData(), LimitedProcess::Nobody, LimitedProcess::Nobody) != 0 ||
                            ::chown(QFile::encodeName(folder->filePath(u"tmp"_s)).constData(), LimitedProcess::Nobody,
                                    LimitedProcess::Nobody) != 0)))
        return content::Result<std::shared_ptr<JobFolder>>::failure(reason);
    return folder;
}

qint64 JobFolder::freeBytes() const { return QStorageInfo(path()).bytesAvailable(); }

bool writeJobFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly) || file.write(bytes) != bytes.size() || !file.flush())
        return false;
    file.close();
    return file.error() == QFileDevice::NoError &&
           (geteuid() != 0 || ::chmod(QFile::encodeName(path).constData(), 0644) == 0);
}

bool installHeader(const QString& built, const QString& text, const QString& headerFolder)
{
    const QString header = headerFolder + u"/lesko_pch.h"_s;
    if (!QDir().mkpath(headerFolder) || !openToSandbox(QFileInfo(headerFolder).path(), 0711) ||
        !openToSandbox(headerFolder, 0755))
        return false;
    if (!QFileInfo::exists(header)) {
        const QString part = header + u".part-"_s + QString::number(QCoreApplication::applicationPid());
        QFile::remove(part);
        if (!writeJobFile(part, text.toUtf8()) ||
            ::rename(QFile::encodeName(part).constData(), QFile::encodeName(header).constData()) != 0) {
            QFile::remove(part);
            return false;
        }
    }
    return ::chmod(QFile::encodeName(built).constData(), 0644) == 0 &&
           ::rename(QFile::encodeName(built).constData(), QFile::encodeName(header + u".gch"_s).constData()) == 0;
}

void markHeaderUsed(const QString& headerFolder)
{
    ::utimensat(AT_FDCWD, QFile::encodeName(headerFolder).constData(), nullptr, 0);
}

void trimHeaderCache(const QString& cacheFolder, qint64 maxBytes, const QString& keep)
{
    struct Entry {
        QString path;
        QDateTime used;
        qint64 bytes;
    };
    QList<Entry> entries;
    qint64 total = 0;
    for (const QFileInfo& f : QDir(headersFolder(cacheFolder)).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        entries.append({f.absoluteFilePath(), f.lastModified(), folderBytes(f.absoluteFilePath())});
        total += entries.constLast().bytes;
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.used < b.used; });
    for (const Entry& e : entries) {
        if (total <= maxBytes)
            return;
        if (QFileInfo(e.path) == QFileInfo(keep))
            continue;
        if (QDir(e.path).removeRecursively())
            total -= e.bytes;
    }
}

}  // namespace checker
