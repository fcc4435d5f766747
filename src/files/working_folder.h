#pragma once

#include "program/services.h"

#include <QString>
#include <QStringList>

namespace content {
class Lesson;
}

// Where the lesson keeps its files. Started from a terminal it works in the
// folder it was started in, whatever its name or the length of its path, and
// even when it cannot write there (a lesson on a CD); started from the desktop
// menu (with FromMenuOption) it works in a folder of the student's own under
// the documents folder, named after the lesson, created on first start. Never
// the home folder itself, a system folder or a folder shared with other users.
namespace app {

// The command-line option the desktop entries pass.
inline constexpr char FromMenuOption[] = "--from-menu";

// Removes every `option` from the arguments; true when there was one.
bool takeOption(int& argc, char** argv, const char* option);

// The folders of the user and the system the choice starts from.
struct StartFolders {
    QString home;
    QString documents;
    QString appData;  // the program's own data folder of the user
};

// The folders of this session, as the system reports them.
StartFolders systemStartFolders();

// The lesson's title as its description names it: "Функционална релация".
QString lessonTitle(const content::Lesson& lesson);

// The folders the lesson started from the menu may work in, best first: the
// title's folder under documents, then under the program's data folder; a
// base that is not an absolute path, is the root or lies in a system folder
// is skipped, and the home folder itself is never one of them.
QStringList workingFolderCandidates(const StartFolders& folders, const QString& title);

// Makes the first candidate that can be created and written the working
// folder. When that is not the first one, the user is told where the work
// goes instead. When none can be written, the first that exists is used as it
// is (the lesson then runs without saving); when none exists, the user is told
// and false returned.
bool enterWorkingFolder(const QStringList& candidates, MessageService& messages);

// The working folder of a run: from the menu, the first usable candidate;
// from a terminal, the folder the process was started in, left as it is and
// never looked up again by its name. False when the lesson cannot start.
bool enterLessonFolder(bool fromMenu, const StartFolders& folders, const QString& title, MessageService& messages);

// The working folder as text for messages, read from the folder itself:
// bytes that are not UTF-8 show as U+FFFD, a path of any length is whole.
QString currentFolderPath();
// A path as the user should read it: a relative one inside the working folder.
QString shownPath(const QString& path);

}  // namespace app
