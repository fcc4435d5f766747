#include "app/drive_type.h"

#include "app/services.h"

#include <QFile>

#if defined(Q_OS_LINUX)
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/sysmacros.h>
#endif

namespace app {

quint8 driveTypeForFileSystem(unsigned long magic, bool removable)
{
    switch (magic) {
        case 0x6969:      // NFS
        case 0x517B:      // SMB
        case 0xFF534D42:  // CIFS
        case 0xFE534D42:  // SMB2
        case 0x564C:      // NCP
        case 0x73757245:  // Coda
        case 0x6B414653:  // AFS
            return DriveNetwork;
        case 0x9660:      // ISO 9660
        case 0x15013346:  // UDF
            return DriveCdRom;
        case 0x01021994:  // tmpfs
        case 0x858458F6:  // ramfs
            return DriveRam;
        default:
            return removable ? DriveRemovable : DriveFixed;
    }
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

}  // namespace
#endif

quint8 driveTypeOfWorkingFolder()
{
#if defined(Q_OS_LINUX)
    struct statfs fs {};
    struct stat st {};
    if (statfs(".", &fs) != 0 || stat(".", &st) != 0)
        return DriveFixed;
    return driveTypeForFileSystem((unsigned long)(fs.f_type) & 0xFFFFFFFFul, isRemovableDevice(st.st_dev));
#else
    return DriveFixed;
#endif
}

}  // namespace app
