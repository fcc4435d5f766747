#pragma once

#include "results/attempt_log.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

namespace app {
class Program;
}

// The answers the student typed, kept on disk while the lesson runs so that
// a crash, a kill or a power cut loses nothing: one file per run in the
// working folder, "<lesson>_otgowori_<tag>.csv" (the tag of the run's attempt
// log), in the log's spreadsheet form. When the lesson starts again in the
// folder, it offers the answers of a run that did not end back.
namespace results {

struct KeptAnswers {
    enum class State {
        Running,    // the run has not ended: its answers can be offered back
        Finished,   // the lesson was left ("Изход")
        TakenBack,  // a later run took the answers back
        Declined    // a later run was told "Не"; the file stays for the teacher
    };

    QString lesson;
    QString host;
    QString start;  // ISO 8601
    QString runId;
    QString process;  // "<pid> <boot id>" of the run's program
    Student student;
    State state = State::Running;
    QMap<int, QString> answers;  // by task; answers of blanks only are left out
};

// The file name for a run's tag.
QString keptAnswersFileName(const QString& lesson, const QString& tag);

QByteArray keptAnswersDocument(const KeptAnswers& kept);
// Empty, with the reason in problem, for a file that is not such a file.
std::optional<KeptAnswers> readKeptAnswers(const QByteArray& bytes, QString& problem);

// "<pid> <boot id>" of this program.
QString thisProcess();
// Whether the run that wrote the file may still be running: its program, on
// this computer since the last boot, is alive and is not this program. A run
// of another computer counts as ended.
bool mayStillRun(const KeptAnswers& kept, const QString& thisHost);

// The answer of a task as the workbench holds it now: the answer box's text
// for the task on show, the workbench's answer store for the others.
QString answerOf(app::Program& program, int task);
// Every such answer that is more than blanks, by task.
QMap<int, QString> currentAnswers(app::Program& program);

// At start-up: when the working folder holds the answers of a run of this
// lesson that did not end (the latest such run), asks whether to take them
// back ("Да": they return to their tasks, with the student's name; "Не": the
// file stays as it is for the teacher and the lesson starts empty). Either
// way the file is marked, so it is offered once.
void offerKeptAnswers(app::Program& program);

}  // namespace results
