#pragma once

#include "app/services.h"
#include "results/csv.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// The attempt log: what the student did with each task of one run, for the
// teacher's spreadsheet. The format is described in docs/attempt-log.md.
namespace results {

// One task the student opened.
struct TaskAttempt {
    int task = 0;
    double level = 0;
    qint64 timeLimit = 0;   // seconds, the limit the clock started from
    qint64 tenthsUsed = 0;  // tenths of a second the task's clock ran
    QDateTime hintAt;       // invalid while the hint has not come
    QDateTime solutionAt;   // invalid while the author's solution has not been shown
    int checks = 0;         // runs of the checker
    int bestPassed = 0;     // the most samples one check passed
    int samplesTotal = 0;
    QString lastVerdict;
    QString savedFile;           // the last solution file saved, empty when none
    qsizetype answerLength = 0;  // characters

    bool hintUsed() const { return hintAt.isValid(); }
    bool solutionSeen() const { return solutionAt.isValid(); }
    // Every sample passed in some check.
    bool solved() const { return checks > 0 && samplesTotal > 0 && bestPassed >= samplesTotal; }
};

// The column titles of the log, in order.
QStringList attemptLogColumns();

// A run as a log file holds it.
struct Run {
    QString lesson;
    QString host;
    QString start;  // ISO 8601, as written
    QList<TaskAttempt> tasks;
};

// Reads a log file. Empty, with the reason in problem, for a file that is not
// an attempt log or is damaged.
std::optional<Run> readAttemptLog(const QByteArray& bytes, QString& problem);

// Host names made safe for a file name on any file system: ASCII letters,
// digits and "-"; anything else becomes "-". Never empty.
QString safeNamePart(const QString& text);

class AttemptLog {
public:
    AttemptLog(app::ClockService& clock, const QString& host);

    // Events of the workbench. A task gets its row when first opened; later
    // openings keep its first difficulty and limit. The times of the hint and
    // of the author's solution are those of the first time.
    void taskOpened(int task, double level, double timeLimit);
    void hintShown(int task);
    void solutionShown(int task);
    void clockTicked(int task);  // the task's clock ran a tenth of a second
    void solutionFileSaved(int task, const QString& fileName);
    void answerMeasured(int task, const QString& answer);
    // A run of the checker on the task's samples; verdict is its text.
    void recordCheck(int task, int samplesPassed, int samplesTotal, const QString& verdictText);

    const QList<TaskAttempt>& tasks() const { return tasks_; }
    bool isEmpty() const { return tasks_.isEmpty(); }
    const QString& host() const { return host_; }
    const QDateTime& start() const { return start_; }

    // The file, header and one row per task in the order first opened.
    QByteArray document(const QString& lesson) const;
    // Lesson code + "_opiti_" + host + "_" + start as yyyyMMdd-HHmmss, then
    // suffix (for a name already taken), then ".csv".
    QString fileName(const QString& lesson, const QString& suffix = {}) const;

    // Whether anything changed since the last markWritten().
    bool changed() const { return changed_; }
    void markWritten() { changed_ = false; }

    // Kept for the writing of the file (recording.h): the name chosen at the
    // first write, the clock ticks since the last periodic write, and whether
    // a failed periodic write has been reported.
    struct Writing {
        QString fileName;
        int ticks = 0;
        bool periodicFailureReported = false;
    } writing;

private:
    TaskAttempt* find(int task);

    app::ClockService& clock_;
    QString host_;
    QDateTime start_;
    QList<TaskAttempt> tasks_;
    bool changed_ = false;
};

}  // namespace results
