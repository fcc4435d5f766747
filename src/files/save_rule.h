#pragma once

#include "files/drive_type.h"

#include <QString>

namespace app {

// Whether the lesson may write into its working folder at all: the drive
// rule (only a removable or fixed drive) and a folder that cannot be written
// (read-only media or share). Option 12 is the records' own condition.
enum class SaveRule {
    Allowed,
    DriveRule,       // a network, CD-ROM, RAM or unknown drive
    ReadOnlyFolder,  // the folder itself cannot be written
};

SaveRule saveRule(DriveService& drive);

// Why "Запис" is off, for its tool tip; empty when saving is allowed.
QString saveRuleReason(SaveRule rule);

}  // namespace app
