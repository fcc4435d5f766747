#pragma once

#include "files/working_folder.h"
#include "program/services.h"

#include <QString>
#include <QStringList>

// Entering the lesson's working folder at start-up (files/working_folder.h
// chooses the candidates), telling the user in the program's message box
// where the work goes when it is not the first choice.
namespace app {

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

}  // namespace app
