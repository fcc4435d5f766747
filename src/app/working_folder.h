#pragma once

#include "app/services.h"

#include <QString>
#include <QStringList>

namespace content {
class Lesson;
}

// Where the lesson keeps its files. Started from a terminal it works in the
// current folder; started from the desktop menu (with FromMenuOption) it works
// in a folder of the student's own under the documents folder, named after
// the lesson, created on first start. Never the home folder itself, a system
// folder or a folder shared with other users.
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
    QString current;
};

// The folders of this session, as the system reports them.
StartFolders systemStartFolders();

// The lesson's title as its description names it: "Функционална релация".
QString lessonTitle(const content::Lesson& lesson);

// The folders the lesson may work in, best first. From a terminal: only the
// current folder. From the menu: the title's folder under documents, then
// under the program's data folder; a base that is not an absolute path, is
// the root or lies in a system folder is skipped, and the home folder itself
// is never one of them.
QStringList workingFolderCandidates(const StartFolders& folders, bool fromMenu, const QString& title);

// Creates the first candidate that can be created and makes it the working
// folder. When that is not the first one, the user is told where the work
// goes instead; when none can be used, the user is told and false returned.
bool enterWorkingFolder(const QStringList& candidates, MessageService& messages);

}  // namespace app
