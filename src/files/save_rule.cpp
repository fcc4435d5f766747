#include "files/save_rule.h"

using namespace Qt::StringLiterals;

namespace app {

SaveRule saveRule(DriveService& drive)
{
    const quint8 type = drive.driveType();
    if (type < DriveRemovable || type > DriveFixed)
        return SaveRule::DriveRule;
    return drive.workingFolderWritable() ? SaveRule::Allowed : SaveRule::ReadOnlyFolder;
}

QString saveRuleReason(SaveRule rule)
{
    switch (rule) {
        case SaveRule::DriveRule:
            return u"Записът е изключен: урокът е стартиран от мрежов диск, компактдиск или диск в паметта."_s;
        case SaveRule::ReadOnlyFolder:
            return u"Записът е изключен: папката на урока е само за четене."_s;
        case SaveRule::Allowed:
            break;
    }
    return {};
}

}  // namespace app
