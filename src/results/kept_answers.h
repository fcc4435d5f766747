#pragma once

#include "results/attempt_log.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <optional>

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

// The largest file read as such a file.
constexpr qsizetype MaxKeptAnswersBytes = 8 * 1024 * 1024;

// The file name for a run's tag.
QString keptAnswersFileName(const QString& lesson, const QString& tag);

QByteArray keptAnswersDocument(const KeptAnswers& kept);
// The reason for a file that is not such a file.
content::Result<KeptAnswers> readKeptAnswers(const QByteArray& bytes);

// "<pid> <boot id>" of this program.
QString thisProcess();
// Whether the run that wrote the file may still be running: its program, on
// this computer since the last boot, is alive and is not this program. A run
// of another computer counts as ended.
bool mayStillRun(const KeptAnswers& kept, const QString& thisHost);

}  // namespace results
