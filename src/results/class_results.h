#pragma once

#include "results/class_summary.h"

#include <QColor>
#include <QMap>
#include <QString>
#include <QStringList>

// What the teacher's results window shows of a folder of attempt logs: one
// row per student (per computer for runs without a name), the runs of each
// merged, one cell per task with the best result, the totals, and how many
// students solved each task.
namespace results {

// How a student stands with a task, from worst to best; it gives the cell
// its colour.
enum class Standing { NotOpened, Unchecked, NonePassed, SomePassed, Solved };

struct ResultCell {
    QString text;  // as in the summary; empty for a task not opened
    Standing standing = Standing::NotOpened;
};

// A student over every run of theirs in the folder.
struct StudentResults {
    QString name;  // the student's name; the host for runs without one
    QString className;
    QStringList hosts;
    QList<int> runs;               // positions in the summary's runs
    QMap<int, TaskAttempt> tasks;  // the runs' attempts at each task, merged
    int solved = 0;
    int hints = 0;
    int solutions = 0;
    qint64 seconds = 0;  // time used over every task
};

struct ClassResults {
    QString folder;
    QString problem;  // why the folder could not be read; empty when it was
    ClassSummary summary;
    QList<StudentResults> students;  // by class, then name
    int taskCount = 0;               // the highest task opened

    ResultCell cell(int student, int task) const;
    // The students who solved the task.
    int solvedBy(int task) const;
};

ClassResults readClassResults(const QString& folder, const QString& lesson);

// The student's saved solution file of the task in the folder: the hand-in
// copy named after the run (handInSolutionName), else the run's own file name when
// no other run in the folder names the same file. Empty when there is none.
QString savedAnswerPath(const ClassResults& results, int student, int task);
// Its text (Windows-1251), or why it cannot be shown.
content::Result<QString> savedAnswerText(const QString& path);

// The colour of a cell, the same on screen and on paper.
QColor standingColour(Standing standing);

// What the folder holds, by name, size and time of change: two equal
// snapshots mean the results have not changed.
QStringList folderSnapshot(const QString& folder);

}  // namespace results
