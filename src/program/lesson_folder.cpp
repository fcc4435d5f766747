#include "program/lesson_folder.h"

#include "program/messages.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace app {

namespace {

QString creationFailed(const QString& folder) { return u"Папката „"_s + folder + u"“ не може да бъде създадена."_s; }

}  // namespace

bool enterWorkingFolder(const QStringList& candidates, MessageService& messages)
{
    QStringList failed;
    for (const QString& folder : candidates) {
        if (QDir().mkpath(folder) && QFileInfo(folder).isWritable() && QDir::setCurrent(folder)) {
            if (!failed.isEmpty())
                messages.show(creationFailed(failed.first()) + u"\r\nУрокът ще работи в папката „"_s + folder + u"“."_s,
                              box::OkOnly, MessageTitle);
            return true;
        }
        failed << folder;
    }
    // A folder that cannot be written still holds a lesson to read; the
    // lesson says at its start that saving is off.
    for (const QString& folder : candidates)
        if (QFileInfo(folder).isDir() && QDir::setCurrent(folder))
            return true;
    messages.show((failed.isEmpty() ? u"Няма папка за работа на урока."_s : creationFailed(failed.first())) +
                      u"\r\nУрокът не може да бъде стартиран."_s,
                  box::OkOnly | box::Stop, MessageTitle);
    return false;
}

bool enterLessonFolder(bool fromMenu, const StartFolders& folders, const QString& title, MessageService& messages)
{
    return !fromMenu || enterWorkingFolder(workingFolderCandidates(folders, title), messages);
}

}  // namespace app
