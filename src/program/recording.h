#pragma once

#include <QString>

// Writing the files of a run: its attempt log and the answers kept for a
// restart (kept_answers.h) into the working folder, under the same rules as
// the answer record (option 12 on, a removable or fixed drive), and, when the
// class settings name a hand-in folder, the log and the saved solution files
// there too (with option 12 on). A write that fails is reported in the
// program's message box; a hand-in folder that cannot be used is reported
// once per run, and the working folder's files go on.
namespace app {

class Program;

// Writes the run's files when the lesson is left and reports a failure; the
// kept answers are marked as those of a run that ended, so no later start
// offers them back. Nothing is written before the first task was opened.
void saveAtExit(Program& program);

// One tick of the workbench clock (every 100 ms while it is open). Every
// minute the files are written if they changed; a failure of these writes is
// reported once per run, so a full disk does not flood the student, and only
// after the tick has returned, so the clock goes on ticking under the box.
void attemptLogTicked(Program& program);

// A solution file of the task was saved with text: noted in the log, which is
// written, and copied into the hand-in folder.
void solutionFileSaved(Program& program, int task, const QString& fileName, const QByteArray& bytes);

// At the end of the lesson's start-up: removes the temporary files saves
// killed half-way left behind in the working and the hand-in folder, then
// offers the answers of a run that did not end back.
void startRecords(Program& program);

// Workbench clock ticks between two periodic writes: one minute.
constexpr int TicksPerWrite = 600;

}  // namespace app
