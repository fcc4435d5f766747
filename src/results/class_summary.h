#pragma once

#include "results/attempt_log.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The class summary: the attempt logs of one lesson from a whole class merged
// into one spreadsheet, one row per run.
namespace results {

struct ClassSummary {
    QList<Run> runs;      // by host, then start
    QStringList skipped;  // one line per file left out: its name and why
};

// Reads every ".csv" file of the folder (not its subfolders). Files that are
// not attempt logs, are damaged, belong to another lesson or repeat a run
// already read are skipped.
ClassSummary readAttemptLogs(const QString& folder, const QString& lesson);

// Host, start, total time used, tasks opened, tasks solved, hints, solutions
// seen, then one column per task: "passed/total" of the best check, "—" for a
// task opened but never checked, " П" after it when the hint came, empty for
// a task not opened. Same file conventions as the log.
QByteArray summaryDocument(const ClassSummary& summary);

// "Прочетени дневници: N, пропуснати: M"
QString summaryCounts(const ClassSummary& summary);

}  // namespace results
