#pragma once

#include <QString>

namespace app {

// The type code of the drive that holds the working folder: 1 removable,
// 2 fixed, 3 network, 4 CD-ROM, 5 RAM disk. The folder itself is asked, not its
// path as text, so a name in any code page and a path of any length work. When
// the type cannot be found at all the drive counts as fixed, the answer for a
// platform that cannot tell, rather than refusing every save.
quint8 driveTypeOfWorkingFolder();

// On Linux: the code for a file system type as statfs reports it; removable
// tells whether the block device behind it is removable.
quint8 driveTypeForFileSystem(unsigned long magic, bool removable);

}  // namespace app
