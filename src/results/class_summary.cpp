#include "results/class_summary.h"

#include "files/text_file.h"
#include "results/kept_answers.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace results {

namespace {

// The names of the folder's visible ".csv" entries, sorted; the reason when
// the folder cannot be listed.
content::Result<QStringList> csvEntries(const QString& folder)
{
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return content::Result<QStringList>::failure(u"Папката "_s + QDir::toNativeSeparators(folder) +
                                                     u" не може да бъде прочетена: "_s + app::systemErrorText(errno) +
                                                     u'.');
    QStringList names;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (!name.startsWith(u'.') && name.endsWith(u".csv"_s, Qt::CaseInsensitive))
            names << name;
    }
    ::closedir(dir);
    names.sort();
    return names;
}

// Whether a folder entry can be tried as a log, before reading it; why not.
content::Done readable(const QString& path)
{
    const auto refused = [](const QString& why) { return content::Done::failure(why); };
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0) {
        if (errno == ELOOP)
            return refused(u"връзка в кръг"_s);
        struct stat link {};
        if (errno == ENOENT && ::lstat(native.constData(), &link) == 0)
            return refused(u"връзка към файл, който не съществува"_s);
        return refused(u"не може да бъде прочетен: "_s + app::systemErrorText(errno));
    }
    if (!S_ISREG(st.st_mode))
        return refused(u"не е обикновен файл"_s);
    if (st.st_size > MaxLogSize)
        return refused(u"твърде голям"_s);
    if (::access(native.constData(), R_OK) != 0)
        return refused(u"не може да бъде прочетен: "_s + app::systemErrorText(errno));
    return {};
}

content::Result<Run> readRun(const QString& path, const QString& lesson)
{
    if (const content::Done tried = readable(path); !tried)
        return content::Result<Run>::failure(tried);
    const content::Result<QByteArray> bytes = app::readRegularFile(path, MaxLogSize);
    if (!bytes)
        return content::Result<Run>::failure(bytes);
    content::Result<Run> run = readAttemptLog(*bytes);
    if (run && run->lesson != lesson)
        return content::Result<Run>::failure(u"на друг урок (" + run->lesson + u")");
    return run;
}

// Runs are told apart by their identity; logs written before runs had one,
// by host and start.
bool sameRun(const Run& a, const Run& b)
{
    return a.runId == b.runId && (!a.runId.isEmpty() || (a.host == b.host && a.start == b.start));
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
                       QString::number(secondsOfTenths(tenths)),
                       QString::number(run.tasks.size()),
                       QString::number(solved),
                       QString::number(hints),
                       QString::number(solutions),
                       run.student.name,
                       run.student.className} +
           cells;
}

auto sortKey(const Run& r) { return std::tie(r.student.className, r.student.name, r.host, r.start); }

}  // namespace

content::Result<ClassSummary> readAttemptLogs(const QString& folder, const QString& lesson)
{
    const content::Result<QStringList> names = csvEntries(folder);
    if (!names)
        return content::Result<ClassSummary>::failure(names.reason());
    const QDir dir(folder);
    QList<std::pair<Run, QString>> read;
    ClassSummary summary;
    // The answers the lesson keeps for a restart lie beside the logs.
    const QRegularExpression keptAnswers(
        QRegularExpression::wildcardToRegularExpression(keptAnswersFileName(lesson, u"*"_s)));
    for (const QString& name : *names) {
        if (keptAnswers.match(name).hasMatch())
            continue;
        const content::Result<Run> run = readRun(dir.filePath(name), lesson);
        if (!run)
            summary.skipped << name + u": " + run.reason();
        else if (std::any_of(read.begin(), read.end(), [&](const auto& r) { return sameRun(r.first, *run); }))
            summary.skipped << name + u": " + QStringLiteral("повтаря вече прочетено пускане");
        else
            read.append({*run, name});
    }
    std::stable_sort(read.begin(), read.end(),
                     [](const auto& a, const auto& b) { return sortKey(a.first) < sortKey(b.first); });
    for (const auto& [run, name] : read) {
        summary.runs << run;
        summary.files << name;
    }
    return summary;
}

QString taskCell(const TaskAttempt& a)
{
    QString cell =
        a.checks > 0 ? QString::number(a.bestPassed) + u'/' + QString::number(a.samplesTotal) : QStringLiteral("—");
    if (a.hintUsed())
        cell += QStringLiteral(" П");
    if (a.solutionSeen())
        cell += QStringLiteral(" Р");
    return cell;
}

QByteArray summaryDocument(const ClassSummary& summary)
{
    const int tasks = lastTask(summary.runs);
    QStringList header{
        QStringLiteral("Компютър"),        QStringLiteral("Начало"),        QStringLiteral("Общо време (с)"),
        QStringLiteral("Отворени задачи"), QStringLiteral("Решени задачи"), QStringLiteral("Упътвания"),
        QStringLiteral("Видени решения"),  QStringLiteral("Ученик"),        QStringLiteral("Клас")};
    for (int k = 1; k <= tasks; ++k)
        header << u"Задача " + QString::number(k);
    csv::Rows rows{header};
    for (const Run& run : summary.runs)
        rows << summaryRow(run, tasks);
    return csv::document(rows);
}

content::Done tableMayReplace(const QString& path, const QString& folder)
{
    struct stat target {};
    if (::stat(QFile::encodeName(path).constData(), &target) != 0)
        return {};
    const content::Result<QStringList> names = csvEntries(folder);
    for (const QString& name : names ? *names : QStringList()) {
        struct stat st {};
        if (::stat(QFile::encodeName(QDir(folder).filePath(name)).constData(), &st) == 0 &&
            st.st_dev == target.st_dev && st.st_ino == target.st_ino)
            return content::Done::failure(u"е един от файловете в папката с дневниците"_s);
    }
    const content::Result<QByteArray> bytes = app::readRegularFile(path, MaxLogSize);
    if (bytes && readAttemptLog(*bytes))
        return content::Done::failure(u"е дневник на опитите на ученик"_s);
    return {};
}

QString summaryCounts(const ClassSummary& summary)
{
    return u"Прочетени дневници: " + QString::number(summary.runs.size()) + u", пропуснати: " +
           QString::number(summary.skipped.size());
}

}  // namespace results
