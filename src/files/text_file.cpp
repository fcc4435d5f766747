#include "files/text_file.h"

#include "content/codepage.h"
#include "files/working_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace app {

namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset(int fd)
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = fd;
    }
    // Closes now and reports whether the close succeeded: on some file systems
    // the last write error only shows here.
    bool close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, const QByteArray& bytes)
{
    const char* p = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, std::size_t(left));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        p += n;
        left -= n;
    }
    return true;
}

bool isPlainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(u'/') && name != u"." && name != u"..";
}

// Creates a new, empty temporary file beside the target, never through a link,
// and locks it: while a save holds its temporary file, no lesson starting in
// the same folder takes it for a leftover (removeLeftoverTemporaries). A file
// such a lesson removed just before the lock was taken has no name any more;
// another one is made.
int createTemporary(int folder, const QByteArray& target, QByteArray& temporaryName)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryName = '.' + target + '.' + QByteArray::number(::getpid()) + '.' + QByteArray::number(attempt);
        const int fd =
            ::openat(folder, temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return -1;
        struct stat st {};
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0)
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

// Writes the bytes into a new temporary file and syncs them: 0 with the file
// left open (and locked) in file, or the error number of the step that failed,
// with nothing left behind.
int writeTemporary(int folder, const QByteArray& target, const QByteArray& bytes, Descriptor& file,
                   QByteArray& temporary)
{
    file.reset(createTemporary(folder, target, temporary));
    if (!file.valid())
        return errno;
    if (writeAll(file.get(), bytes) && ::fsync(file.get()) == 0)
        return 0;
    const int error = errno;
    ::unlinkat(folder, temporary.constData(), 0);
    file.close();
    return error;
}

// Renames the synced temporary file to its name, then closes it: the lock
// holds until the name is in place. 0, or the error number; when the rename
// fails, the temporary file is still there.
int putInPlace(int folder, const QByteArray& temporary, const QByteArray& target, Descriptor& file,
               int (*rename)(int, const char*, const char*))
{
    if (rename(folder, temporary.constData(), target.constData()) != 0)
        return errno;
    if (!file.close())
        return errno;
    // The new name is in place; make the folder entry itself durable.
    ::fsync(folder);
    return 0;
}

int renameOver(int folder, const char* from, const char* to) { return ::renameat(folder, from, folder, to); }

// Renames only when no file has the name yet, in one step. A file system that
// cannot do that (network file systems) gets the name claimed first by
// creating it exclusively, then renamed over.
int renameToNewName(int folder, const char* from, const char* to)
{
    if (::renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return -1;
    const int claim = ::openat(folder, to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (claim < 0)
        return -1;
    ::close(claim);
    if (::renameat(folder, from, folder, to) == 0)
        return 0;
    const int error = errno;
    ::unlinkat(folder, to, 0);
    errno = error;
    return -1;
}

// Replaces target in the open folder: 0, or the error number of the step
// that failed.
int replaceIn(int folder, const QByteArray& target, const QByteArray& bytes)
{
    QByteArray temporary;
    Descriptor file(-1);
    if (const int error = writeTemporary(folder, target, bytes, file, temporary))
        return error;
    const int error = putInPlace(folder, temporary, target, file, renameOver);
    if (error)
        ::unlinkat(folder, temporary.constData(), 0);
    return error;
}

content::Done systemFailure(int error) { return content::Done::failure(errorText(error), error); }

content::Done replaceNamed(const QByteArray& folderPath, const QByteArray& target, const QByteArray& bytes)
{
    const Descriptor folder(::open(folderPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const int failure = folder.valid() ? replaceIn(folder.get(), target, bytes) : errno;
    return failure == 0 ? content::Done() : systemFailure(failure);
}

}  // namespace

content::Done replaceFileInWorkingFolder(const QString& name, const QByteArray& bytes)
{
    if (!isPlainName(name))
        return systemFailure(EINVAL);
    return replaceNamed(".", QFile::encodeName(name), bytes);
}

content::Done replaceFile(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (!isPlainName(info.fileName()))
        return systemFailure(EINVAL);
    return replaceNamed(QFile::encodeName(info.path()), QFile::encodeName(info.fileName()), bytes);
}

content::Done writeTextFile(const QString& name, const QString& text)
{
    return replaceFileInWorkingFolder(name, content::toWindows1251(text));
}

QString errorText(int error)
{
    switch (error) {
        case ENOENT:
            return u"няма такъв файл или папка"_s;
        case EACCES:
        case EPERM:
            return u"няма права за това (нужни са права на администратор или на собственика)"_s;
        case EROFS:
            return u"дискът или папката са само за четене"_s;
        case ENOSPC:
        case EDQUOT:
            return u"няма място на диска"_s;
        case EISDIR:
            return u"на мястото на файла има папка"_s;
        case ENOTDIR:
            return u"част от пътя не е папка"_s;
        case ENAMETOOLONG:
            return u"пътят е твърде дълъг"_s;
        case ELOOP:
            return u"пътят води през твърде много връзки"_s;
        case EIO:
            return u"грешка при четене или запис на диска"_s;
        default:
            return u"системна грешка "_s + QString::number(error);
    }
}

QString systemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

namespace {

content::Result<QByteArray> unreadable(const QString& path, const QString& why)
{
    return content::Result<QByteArray>::failure(u"Файлът "_s + shownPath(path) + u" "_s + why);
}

}  // namespace

content::Result<QString> createNewFile(const QString& folder, const QStringList& names, const QByteArray& bytes)
{
    const auto fail = [](int error) { return content::Result<QString>::failure(errorText(error), error); };
    if (names.isEmpty() || !std::all_of(names.begin(), names.end(), isPlainName))
        return fail(EINVAL);
    const Descriptor dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid())
        return fail(errno);
    QByteArray temporary;
    Descriptor file(-1);
    if (const int failure = writeTemporary(dir.get(), QFile::encodeName(names.first()), bytes, file, temporary))
        return fail(failure);
    int failure = EEXIST;
    for (const QString& name : names) {
        failure = putInPlace(dir.get(), temporary, QFile::encodeName(name), file, renameToNewName);
        if (failure == 0)
            return name;
        if (failure != EEXIST)
            break;
    }
    ::unlinkat(dir.get(), temporary.constData(), 0);
    return fail(failure);
}

int removeLeftoverTemporaries(const QString& folder, const std::function<bool(const QString&)>& ours)
{
    const Descriptor dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    DIR* listing = dir.valid() ? ::fdopendir(::dup(dir.get())) : nullptr;
    if (!listing)
        return 0;
    static const QRegularExpression temporaryName(QStringLiteral("^\\.(.+)\\.[0-9]+\\.[0-9]+$"));
    QList<QByteArray> candidates;
    while (const dirent* entry = ::readdir(listing)) {
        const QRegularExpressionMatch m = temporaryName.match(QFile::decodeName(entry->d_name));
        if (m.hasMatch() && ours(m.captured(1)))
            candidates << QByteArray(entry->d_name);
    }
    ::closedir(listing);
    int removed = 0;
    for (const QByteArray& name : candidates) {
        // Opened for writing: on network file systems an exclusive lock needs it.
        Descriptor file(::openat(dir.get(), name.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        struct stat st {};
        if (file.valid() && ::fstat(file.get(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::flock(file.get(), LOCK_EX | LOCK_NB) == 0 && ::unlinkat(dir.get(), name.constData(), 0) == 0)
            ++removed;
    }
    return removed;
}

content::Result<QByteArray> readRegularFile(const QString& path, qsizetype maxBytes)
{
    // Non-blocking, so that opening a pipe never waits for a writer.
    Descriptor file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!file.valid() || ::fstat(file.get(), &st) != 0)
        return unreadable(path, u"не може да бъде отворен: "_s + errorText(errno) + u'.');
    if (!S_ISREG(st.st_mode))
        return unreadable(path, u"не е обикновен файл (а папка, устройство или канал)."_s);
    if (st.st_size > maxBytes)
        return unreadable(path, u"е по-дълъг от "_s + QString::number(maxBytes) + u" байта."_s);
    QByteArray bytes(maxBytes + 1, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(file.get(), bytes.data() + got, std::size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return unreadable(path, u"не може да бъде прочетен: "_s + errorText(errno) + u'.');
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxBytes)
        return unreadable(path, u"е по-дълъг от "_s + QString::number(maxBytes) + u" байта."_s);
    bytes.truncate(got);
    return bytes;
}

}  // namespace app
