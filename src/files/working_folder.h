#pragma once

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

// The working folder as text for messages, read from the folder itself:
// bytes that are not UTF-8 show as U+FFFD, a path of any length is whole.
QString currentFolderPath();
// A path as the user should read it: a relative one inside the working folder.
QString shownPath(const QString& path);

}  // namespace app
