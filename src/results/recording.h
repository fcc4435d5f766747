#pragma once

#include <QString>

namespace app {
class Program;
}

// Writing the program's attempt log into the working folder, under the same
// rules as the answer record: only with option 12 on and on a removable or
// fixed drive. A write that fails is reported in the program's message box.
namespace results {

// Writes the log now and reports a failure. Nothing is written before the
// first task was opened.
void saveAttemptLog(app::Program& program);

// One tick of the workbench clock (every 100 ms while it is open). Every
// minute the log is written if it changed; a failure of these writes is
// reported once per run, so a full disk does not flood the student.
void attemptLogTicked(app::Program& program);

// A solution file of the task was saved: noted in the log, which is written.
void solutionFileSaved(app::Program& program, int task, const QString& fileName);

// Workbench clock ticks between two periodic writes: one minute.
constexpr int TicksPerWrite = 600;

}  // namespace results
