#pragma once

#include "content/result.h"
#include "results/attempt_log.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The class summary: the attempt logs of one lesson from a whole class merged
// into one spreadsheet, one row per run.
namespace results {

struct ClassSummary {
    QList<Run> runs;      // by class, student, host, then start
    QStringList files;    // the file each run was read from, in the same order
    QStringList skipped;  // one line per file left out: its name and why
};

// Reads every ".csv" file of the folder (not its subfolders, not hidden
// files, not the answers the lesson keeps for a restart). Files that are not
// attempt logs, are damaged, belong to another
// lesson, repeat a run already read, cannot be read, are links to nothing or
// in a circle, or are no regular files are skipped with the reason. A folder
// that cannot be listed gives its reason instead.
content::Result<ClassSummary> readAttemptLogs(const QString& folder, const QString& lesson);

// The text of a task's cell: "passed/total" of the best check, "—" for a task
// opened but never checked, then " П" when the hint came and " Р" when the
// author's solution was shown.
QString taskCell(const TaskAttempt& attempt);

// Host, start, total time used, tasks opened, tasks solved, hints, solutions
// seen, student, class, then one column per task: its cell, empty for a task
// not opened. Same file conventions as the log.
QByteArray summaryDocument(const ClassSummary& summary);

// Whether a table of the folder may replace the file at path (no such file,
// or another file); the reason when it is one of the folder's ".csv" files,
// or an attempt log anywhere ("е дневник на опитите на ученик").
content::Done tableMayReplace(const QString& path, const QString& folder);

// "Прочетени дневници: N, пропуснати: M"
QString summaryCounts(const ClassSummary& summary);

// The largest log read; far above any lesson's.
constexpr qint64 MaxLogSize = 16 * 1024 * 1024;

}  // namespace results
