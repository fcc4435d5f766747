#pragma once

#include "program/services.h"
#include "results/csv.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

// The attempt log: what the student did with each task of one run, for the
// teacher's spreadsheet. The format is described in docs/attempt-log.md.
namespace results {

// Whole seconds of a time in tenths, rounded half up, as the log writes them.
constexpr qint64 secondsOfTenths(qint64 tenths) { return (tenths + 5) / 10; }

// One task the student opened.
struct TaskAttempt {
    int task = 0;
    double level = 0;
    qint64 timeLimit = 0;   // seconds, the limit the clock started from
    qint64 tenthsUsed = 0;  // tenths of a second the task's clock ran
    QDateTime hintAt;       // invalid while the hint has not come
    QDateTime solutionAt;   // invalid while the author's solution has not been shown
    int checks = 0;         // finished runs of the checker
    int bestPassed = 0;     // the most tests one check passed
    int samplesTotal = 0;   // the tests a check runs (samples and hidden tests)
    QString lastVerdict;
    QDateTime lastCheckAt;       // invalid while no check has finished
    QString savedFile;           // the last solution file saved, empty when none
    qsizetype answerLength = 0;  // characters

    bool hintUsed() const { return hintAt.isValid(); }
    bool solutionSeen() const { return solutionAt.isValid(); }
    // Every test passed in some check.
    bool solved() const { return checks > 0 && samplesTotal > 0 && bestPassed >= samplesTotal; }
};

// Who worked: the name and class the lesson asked for, empty when it did not.
struct Student {
    QString name;
    QString className;

    bool isEmpty() const { return name.isEmpty(); }
    bool operator==(const Student&) const = default;
};

// The column titles of the log, in order.
QStringList attemptLogColumns();

// A run as a log file holds it.
struct Run {
    QString lesson;
    QString host;
    QString start;  // ISO 8601, as written
    Student student;
    QString runId;  // empty in logs written before runs had one
    QList<TaskAttempt> tasks;
};

// Reads a log file; the reason for a file that is not an attempt log or is
// damaged. Logs of the earlier layout, without the last four columns, still
// read.
content::Result<Run> readAttemptLog(const QByteArray& bytes);

// The log's file name: lesson code + "_opiti_" + tag + ".csv".
QString logFileName(const QString& lesson, const QString& tag);

// The name a saved solution file gets in the hand-in folder: the run's tag
// after the task number, "FUNKR_07_<tag>.TXT", so that neither students nor
// computers collide.
QString handInSolutionName(const QString& fileName, const QString& tag);

// Host names made safe for a file name on any file system: ASCII letters,
// digits and "-"; anything else becomes "-". Never empty.
QString safeNamePart(const QString& text);
// A name in Latin letters: Bulgarian Cyrillic by the official
// transliteration ("Щерю Йорданов" → "Shteryu Yordanov"), Latin letters
// without their accents; other characters stay as they are.
QString transliterated(const QString& text);

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
    // A finished run of the checker on the task's tests; verdict is its text.
    // The row keeps the most tests passed and the most tests run (a check that
    // did not compile runs none), the last verdict and its time.
    void recordCheck(int task, int testsPassed, int testsTotal, const QString& verdictText);

    // The student, as the name box took it; set before the first task opens.
    void setStudent(const Student& student);
    const Student& student() const { return student_; }

    const QList<TaskAttempt>& tasks() const { return tasks_; }
    bool isEmpty() const { return tasks_.isEmpty(); }
    const QString& host() const { return host_; }
    const QDateTime& start() const { return start_; }
    // Tells this run apart from any other, even one started on the same
    // computer in the same second.
    const QString& runId() const { return runId_; }

    // The file, header and one row per task in the order first opened.
    QByteArray document(const QString& lesson) const;
    // What the run's file names share: the host, the student's name when
    // there is one, and the start as yyyyMMdd-HHmmss.
    QString nameTag() const;
    // logFileName(lesson, nameTag() + suffix): suffix for a name already taken.
    QString fileName(const QString& lesson, const QString& suffix = {}) const;

    // Kept for the writing of the run's files (program/recording.h): the name tags
    // taken in the working and the hand-in folder (nameTag() with the suffix
    // a name already taken got), the files as last written there, the clock
    // ticks since the last periodic write, and which failures were reported.
    struct Writing {
        QString tag;
        QString handInTag;
        QByteArray logWritten;
        QByteArray answersWritten;
        QByteArray handInLogWritten;
        int ticks = 0;
        bool periodicFailureReported = false;
        bool handInFailureReported = false;
    } writing;

private:
    TaskAttempt* find(int task);

    app::ClockService& clock_;
    QString host_;
    QDateTime start_;
    QString runId_;
    Student student_;
    QList<TaskAttempt> tasks_;
};

}  // namespace results
