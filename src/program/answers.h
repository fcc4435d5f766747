#pragma once

#include <QMap>
#include <QString>

// The answers the workbench holds, as the run's records read them, and the
// answers of a run that did not end, taken back at start-up. The files'
// format is results/kept_answers.h; the workbench's members are read here,
// where the program owns both.
namespace app {

class Program;

// The answer of a task as the workbench holds it now: the answer box's text
// for the task on show, the workbench's answer store for the others.
QString answerOf(Program& program, int task);
// Every such answer that is more than blanks, by task.
QMap<int, QString> currentAnswers(Program& program);

// At start-up: when the working folder holds the answers of a run of this
// lesson that did not end (the latest such run), asks whether to take them
// back ("Да": they return to their tasks, with the student's name; "Не": the
// file stays as it is for the teacher and the lesson starts empty). Either
// way the file is marked, so it is offered once.
void offerKeptAnswers(Program& program);

}  // namespace app
