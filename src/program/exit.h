#pragma once

#include <QString>

namespace app {

class Program;

// Whether the records of a run may be written: option 12 on and the working
// folder on a removable or fixed drive, and writable.
bool recordsMayBeWritten(Program& program);

// Writes the run's files (the attempt log and the answers kept for a restart,
// marked as those of a run that ended) and the record of the tasks the
// student typed an answer for, when the options and the drive allow it.
void Write_Answer_Record(Program& program);
// Ends the program at once.
void End_Lesson(Program& program);

// The answer record's name: the first of the lesson's two names when option 31
// is on, the second otherwise.
QString answerRecordName(Program& program);

}  // namespace app
