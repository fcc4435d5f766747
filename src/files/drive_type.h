#pragma once

#include <QByteArray>
#include <QString>

namespace app {

// The type codes of the drive that holds the working folder.
enum DriveType : quint8 {
    DriveUnknown = 0,
    DriveRemovable = 1,
    DriveFixed = 2,
    DriveNetwork = 3,
    DriveCdRom = 4,
    DriveRam = 5
};

// The program's service for its working folder's drive: the Qt build asks
// the folder itself, tests script the answers.
class DriveService {
public:
    virtual ~DriveService() = default;
    virtual quint8 driveType() = 0;
    // Whether files can be created in the working folder (a read-only medium
    // or share cannot). A service that cannot tell says yes.
    virtual bool workingFolderWritable() { return true; }
};

// The type code of the drive that holds the working folder: 1 removable,
// 2 fixed, 3 network, 4 CD-ROM, 5 RAM disk. The folder itself is asked, not its
// path as text, so a name in any code page and a path of any length work. When
// the type cannot be found at all the drive counts as fixed, the answer for a
// platform that cannot tell, rather than refusing every save.
//
// A folder inside the user's own home counts as fixed even when the home lies
// on a network file system (as in many school labs) or in memory: the home is
// where the user's files are kept. It is inside the home when walking up from
// the folder itself, parent by parent, reaches the home folder (the same
// device and inode), so a link or a share mounted elsewhere is not mistaken
// for it; a share outside the home keeps its network code.
quint8 driveTypeOfWorkingFolder();

// On Linux: the code for a file system type as statfs reports it; removable
// tells whether the block device behind it is removable. A FUSE file system
// is told apart by its mount type ("fuse.sshfs"): the network ones count as
// network drives, the rest (NTFS and exFAT drivers) as local.
quint8 driveTypeForFileSystem(unsigned long magic, bool removable, const QString& mountType = {});

// The mount type ("ext4", "fuse.sshfs") of the mount with the device number
// major:minor in the text of /proc/self/mountinfo; empty when not listed.
QString mountTypeOf(const QByteArray& mountInfo, unsigned major, unsigned minor);

// Whether files can be created in the working folder: not on a read-only
// mount, and with write permission on the folder.
bool workingFolderWritable();

}  // namespace app
