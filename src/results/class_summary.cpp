#include "results/class_summary.h"

#include <QDir>
#include <QFile>
#include <algorithm>

namespace results {

namespace {

constexpr qint64 MaxLogSize = 16 * 1024 * 1024;  // far above any lesson's log

std::optional<QByteArray> fileBytes(const QString& path, QString& problem)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("не може да бъде прочетен");
        return std::nullopt;
    }
    if (file.size() > MaxLogSize) {
        problem = QStringLiteral("твърде голям");
        return std::nullopt;
    }
    return file.readAll();
}

std::optional<Run> readRun(const QString& path, const QString& lesson, QString& problem)
{
    const std::optional<QByteArray> bytes = fileBytes(path, problem);
    if (!bytes)
        return std::nullopt;
    std::optional<Run> run = readAttemptLog(*bytes, problem);
    if (run && run->lesson != lesson) {
        problem = u"на друг урок (" + run->lesson + u")";
        return std::nullopt;
    }
    return run;
}

const Run* sameRun(const QList<Run>& runs, const Run& run)
{
    for (const Run& r : runs)
        if (r.host == run.host && r.start == run.start)
            return &r;
    return nullptr;
}

QString taskCell(const TaskAttempt& a)
{
    QString cell =
        a.checks > 0 ? QString::number(a.bestPassed) + u'/' + QString::number(a.samplesTotal) : QStringLiteral("—");
    if (a.hintUsed())
        cell += QStringLiteral(" П");
    return cell;
}

int lastTask(const QList<Run>& runs)
{
    int last = 0;
    for (const Run& run : runs)
        for (const TaskAttempt& a : run.tasks)
            last = std::max(last, a.task);
    return last;
}

QStringList summaryRow(const Run& run, int tasks)
{
    qint64 tenths = 0;
    int solved = 0, hints = 0, solutions = 0;
    QStringList cells(tasks);
    for (const TaskAttempt& a : run.tasks) {
        tenths += a.tenthsUsed;
        solved += a.solved();
        hints += a.hintUsed();
        solutions += a.solutionSeen();
        cells[a.task - 1] = taskCell(a);
    }
    return QStringList{run.host,
                       run.start,
                       QString::number((tenths + 5) / 10),
                       QString::number(run.tasks.size()),
                       QString::number(solved),
                       QString::number(hints),
                       QString::number(solutions)} +
           cells;
}

}  // namespace

ClassSummary readAttemptLogs(const QString& folder, const QString& lesson)
{
    ClassSummary summary;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*.csv"), QStringLiteral("*.CSV")}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString& name : names) {
        QString problem;
        const std::optional<Run> run = readRun(dir.filePath(name), lesson, problem);
        if (run && sameRun(summary.runs, *run))
            problem = QStringLiteral("повтаря вече прочетено пускане");
        if (!run || !problem.isEmpty())
            summary.skipped << name + u": " + problem;
        else
            summary.runs << *run;
    }
    std::stable_sort(summary.runs.begin(), summary.runs.end(),
                     [](const Run& a, const Run& b) { return std::tie(a.host, a.start) < std::tie(b.host, b.start); });
    return summary;
}

QByteArray summaryDocument(const ClassSummary& summary)
{
    const int tasks = lastTask(summary.runs);
    QStringList header{QStringLiteral("Компютър"),       QStringLiteral("Начало"),
                       QStringLiteral("Общо време (с)"), QStringLiteral("Отворени задачи"),
                       QStringLiteral("Решени задачи"),  QStringLiteral("Упътвания"),
                       QStringLiteral("Видени решения")};
    for (int k = 1; k <= tasks; ++k)
        header << u"Задача " + QString::number(k);
    csv::Rows rows{header};
    for (const Run& run : summary.runs)
        rows << summaryRow(run, tasks);
    return csv::document(rows);
}

QString summaryCounts(const ClassSummary& summary)
{
    return u"Прочетени дневници: " + QString::number(summary.runs.size()) + u", пропуснати: " +
           QString::number(summary.skipped.size());
}

}  // namespace results
