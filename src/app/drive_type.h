#pragma once

#include <QString>

namespace app {

// The type code of the drive that holds a folder: 0 unknown, 1 removable,
// 2 fixed, 3 network, 4 CD-ROM, 5 RAM disk.
quint8 driveTypeOf(const QString& folder);

// On Linux: the code for a file system type as statfs reports it; removable
// tells whether the block device behind it is removable.
quint8 driveTypeForFileSystem(unsigned long magic, bool removable);

}  // namespace app
