#pragma once

#include <QString>

namespace app {

class Program;

// Writes the record of the tasks the student typed an answer for, when the
// options and the drive allow it.
void Write_Answer_Record(Program& program);
// Ends the program at once.
void End_Lesson(Program& program);

// The answer record's name: the first of the lesson's two names when option 31
// is on, the second otherwise.
QString answerRecordName(Program& program);

}  // namespace app
