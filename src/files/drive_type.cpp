#include "files/drive_type.h"

#include <QDir>
#include <QFile>
#include <QStringList>

#if defined(Q_OS_LINUX)
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

using namespace Qt::StringLiterals;

namespace app {

namespace {

constexpr unsigned long FuseMagic = 0x65735546;

// FUSE drivers of shares on other computers.
bool isNetworkFuse(const QString& mountType)
{
    static const QStringList network{u"fuse.sshfs"_s,  u"fuse.smbnetfs"_s,  u"fuse.gvfsd-fuse"_s, u"fuse.rclone"_s,
                                     u"fuse.s3fs"_s,   u"fuse.curlftpfs"_s, u"fuse.glusterfs"_s,  u"fuse.ceph-fuse"_s,
                                     u"fuse.davfs2"_s, u"fuse.gcsfuse"_s,   u"fuse.mfs"_s,        u"fuse.lizardfs"_s};
    return network.contains(mountType);
}

}  // namespace

quint8 driveTypeForFileSystem(unsigned long magic, bool removable, const QString& mountType)
{
    switch (magic) {
        case 0x6969:      // NFS
        case 0x517B:      // SMB
        case 0xFF534D42:  // CIFS
        case 0xFE534D42:  // SMB2
        case 0x564C:      // NCP
        case 0x73757245:  // Coda
        case 0x6B414653:  // AFS
        case 0x5346414F:  // kernel AFS
        case 0x00C36400:  // Ceph
            return DriveNetwork;
        case 0x9660:      // ISO 9660
        case 0x15013346:  // UDF
            return DriveCdRom;
        case 0x01021994:  // tmpfs
        case 0x858458F6:  // ramfs
            return DriveRam;
        case FuseMagic:
            if (isNetworkFuse(mountType))
                return DriveNetwork;
            [[fallthrough]];
        default:
            return removable ? DriveRemovable : DriveFixed;
    }
}

QString mountTypeOf(const QByteArray& mountInfo, unsigned major, unsigned minor)
{
    // "36 35 0:48 / /home/ana rw,relatime shared:1 - fuse.sshfs ana@server: rw"
    const QByteArray device = QByteArray::number(major) + ':' + QByteArray::number(minor);
    for (const QByteArray& line : mountInfo.split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 3 || fields.at(2) != device)
            continue;
        const qsizetype separator = fields.indexOf("-");
        if (separator > 0 && separator + 1 < fields.size())
            return QString::fromUtf8(fields.at(separator + 1));
    }
    return {};
}

#if defined(Q_OS_LINUX)
namespace {

// A block device counts as removable when it, or the disk it is a partition
// of, says so in sysfs.
bool isRemovableDevice(dev_t device)
{
    const QString base = QStringLiteral("/sys/dev/block/%1:%2").arg(major(device)).arg(minor(device));
    for (const QString& path : {QString(base + u"/removable"), QString(base + u"/../removable")}) {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly) && f.read(1) == "1")
            return true;
    }
    return false;
}

QString mountTypeOfDevice(dev_t device)
{
    QFile mounts(u"/proc/self/mountinfo"_s);
    if (!mounts.open(QIODevice::ReadOnly))
        return {};
    return mountTypeOf(mounts.readAll(), major(device), minor(device));
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Walks up from the working folder by its descriptors until the home folder
// or the root.
bool workingFolderInsideHome()
{
    struct stat home {};
    if (::stat(QFile::encodeName(QDir::homePath()).constData(), &home) != 0 || !S_ISDIR(home.st_mode))
        return false;
    int folder = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    bool inside = false;
    for (int depth = 0; folder >= 0 && depth < 4096; ++depth) {
        struct stat here {};
        if (::fstat(folder, &here) != 0)
            break;
        if (sameFile(here, home)) {
            inside = true;
            break;
        }
        const int parent = ::openat(folder, "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat up {};
        const bool atRoot = parent < 0 || ::fstat(parent, &up) != 0 || sameFile(up, here);
        ::close(folder);
        folder = parent;
        if (atRoot)
            break;
    }
    if (folder >= 0)
        ::close(folder);
    return inside;
}

}  // namespace
#endif

quint8 driveTypeOfWorkingFolder()
{
#if defined(Q_OS_LINUX)
    struct statfs fs {};
    struct stat st {};
    if (statfs(".", &fs) != 0 || stat(".", &st) != 0)
        return DriveFixed;
    const unsigned long magic = (unsigned long)(fs.f_type) & 0xFFFFFFFFul;
    const quint8 type = driveTypeForFileSystem(magic, isRemovableDevice(st.st_dev),
                                               magic == FuseMagic ? mountTypeOfDevice(st.st_dev) : QString());
    const bool keepsFiles = type == DriveRemovable || type == DriveFixed || type == DriveCdRom;
    return !keepsFiles && workingFolderInsideHome() ? quint8(DriveFixed) : type;
#else
    return DriveFixed;
#endif
}

bool workingFolderWritable()
{
#if defined(Q_OS_LINUX)
    struct statvfs fs {};
    if (::statvfs(".", &fs) == 0 && (fs.f_flag & ST_RDONLY))
        return false;
    return ::faccessat(AT_FDCWD, ".", W_OK | X_OK, AT_EACCESS) == 0;
#else
    return true;
#endif
}

}  // namespace app
