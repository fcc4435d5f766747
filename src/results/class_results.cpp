#include "results/class_results.h"

#include "content/codepage.h"
#include "files/text_file.h"
#include "results/attempt_log.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace results {

namespace {

constexpr qsizetype MaxAnswerBytes = 1024 * 1024;

// Whose run it is: the student by name and class, or the computer.
QString ownerKey(const Run& run)
{
    if (run.student.isEmpty())
        return u"host\x1f"_s + run.host;
    return u"student\x1f"_s + run.student.name + u'\x1f' + run.student.className;
}

QDateTime earlier(const QDateTime& a, const QDateTime& b)
{
    if (!a.isValid() || !b.isValid())
        return a.isValid() ? a : b;
    return std::min(a, b);
}

// The better of two checked results: solved first, then the larger share of
// tests passed.
bool better(const TaskAttempt& a, const TaskAttempt& b)
{
    if (a.solved() != b.solved())
        return a.solved();
    if (a.checks == 0 || b.checks == 0)
        return a.checks > b.checks;
    return qint64(a.bestPassed) * std::max(b.samplesTotal, 1) > qint64(b.bestPassed) * std::max(a.samplesTotal, 1);
}

// Two runs' attempts at one task: the best check, the time of both, the
// first hint and solution.
TaskAttempt merged(const TaskAttempt& a, const TaskAttempt& b)
{
    TaskAttempt m = better(b, a) ? b : a;
    m.checks = a.checks + b.checks;
    m.tenthsUsed = a.tenthsUsed + b.tenthsUsed;
    m.hintAt = earlier(a.hintAt, b.hintAt);
    m.solutionAt = earlier(a.solutionAt, b.solutionAt);
    if (m.savedFile.isEmpty())
        m.savedFile = a.savedFile.isEmpty() ? b.savedFile : a.savedFile;
    return m;
}

void addRun(StudentResults& student, const Run& run, int position)
{
    student.runs << position;
    if (!student.hosts.contains(run.host))
        student.hosts << run.host;
    for (const TaskAttempt& a : run.tasks)
        student.tasks.insert(a.task, student.tasks.contains(a.task) ? merged(student.tasks[a.task], a) : a);
}

void countTotals(StudentResults& student)
{
    for (const TaskAttempt& a : std::as_const(student.tasks)) {
        student.solved += a.solved();
        student.hints += a.hintUsed();
        student.solutions += a.solutionSeen();
        student.seconds += secondsOfTenths(a.tenthsUsed);
    }
}

Standing standingOf(const TaskAttempt& a)
{
    if (a.checks == 0)
        return Standing::Unchecked;
    if (a.solved())
        return Standing::Solved;
    return a.bestPassed > 0 ? Standing::SomePassed : Standing::NonePassed;
}

// The tag of a log read from the folder under the name the lesson gave it;
// empty for a log renamed since.
QString tagOfLog(const QString& fileName, const QString& lesson)
{
    const QString prefix = logFileName(lesson, {}).chopped(4);
    return fileName.startsWith(prefix) && fileName.endsWith(u".csv"_s) ? fileName.mid(prefix.size()).chopped(4)
                                                                       : QString();
}

const TaskAttempt* attemptOf(const Run& run, int task)
{
    for (const TaskAttempt& a : run.tasks)
        if (a.task == task)
            return &a;
    return nullptr;
}

}  // namespace

ClassResults readClassResults(const QString& folder, const QString& lesson)
{
    ClassResults results;
    results.folder = folder;
    const content::Result<ClassSummary> summary = readAttemptLogs(folder, lesson);
    if (!summary) {
        results.problem = summary.reason();
        return results;
    }
    results.summary = *summary;
    QMap<QString, int> byOwner;
    for (int i = 0; i < results.summary.runs.size(); ++i) {
        const Run& run = results.summary.runs.at(i);
        const QString key = ownerKey(run);
        if (!byOwner.contains(key)) {
            byOwner.insert(key, int(results.students.size()));
            StudentResults student;
            student.name = run.student.isEmpty() ? run.host : run.student.name;
            student.className = run.student.className;
            results.students << student;
        }
        addRun(results.students[byOwner.value(key)], run, i);
        for (const TaskAttempt& a : run.tasks)
            results.taskCount = std::max(results.taskCount, a.task);
    }
    for (StudentResults& student : results.students)
        countTotals(student);
    std::stable_sort(results.students.begin(), results.students.end(), [](const auto& a, const auto& b) {
        return std::tie(a.className, a.name) < std::tie(b.className, b.name);
    });
    return results;
}

ResultCell ClassResults::cell(int student, int task) const
{
    const StudentResults& s = students.at(student);
    if (!s.tasks.contains(task))
        return {};
    const TaskAttempt& a = s.tasks[task];
    return {taskCell(a), standingOf(a)};
}

int ClassResults::solvedBy(int task) const
{
    return int(std::count_if(students.begin(), students.end(),
                             [task](const StudentResults& s) { return s.tasks.value(task).solved(); }));
}

QString savedAnswerPath(const ClassResults& results, int student, int task)
{
    const QDir dir(results.folder);
    const QList<int>& runs = results.students.at(student).runs;
    // The latest run that saved the task first.
    for (auto run = runs.crbegin(); run != runs.crend(); ++run) {
        const TaskAttempt* a = attemptOf(results.summary.runs.at(*run), task);
        if (!a || a->savedFile.isEmpty())
            continue;
        const QString tag = tagOfLog(results.summary.files.at(*run), results.summary.runs.at(*run).lesson);
        if (!tag.isEmpty() && QFileInfo(dir.filePath(handInSolutionName(a->savedFile, tag))).isFile())
            return dir.filePath(handInSolutionName(a->savedFile, tag));
        const int namers =
            int(std::count_if(results.summary.runs.begin(), results.summary.runs.end(), [&](const Run& r) {
                const TaskAttempt* other = attemptOf(r, task);
                return other && other->savedFile == a->savedFile;
            }));
        if (namers == 1 && QFileInfo(dir.filePath(a->savedFile)).isFile())
            return dir.filePath(a->savedFile);
    }
    return {};
}

content::Result<QString> savedAnswerText(const QString& path)
{
    const content::Result<QByteArray> bytes = app::readRegularFile(path, MaxAnswerBytes);
    if (!bytes)
        return content::Result<QString>::failure(bytes.reason());
    return content::fromWindows1251(*bytes);
}

QColor standingColour(Standing standing)
{
    switch (standing) {
        case Standing::Solved:
            return QColor(0xb6, 0xe3, 0xa8);  // green: done
        case Standing::SomePassed:
            return QColor(0xf7, 0xe2, 0x8b);  // yellow: on the way
        case Standing::NonePassed:
            return QColor(0xf2, 0xa3, 0x9b);  // red: stuck
        case Standing::Unchecked:
            return QColor(0xdd, 0xdd, 0xdd);  // grey: opened, never checked
        case Standing::NotOpened:
            break;
    }
    return QColor(Qt::white);
}

QStringList folderSnapshot(const QString& folder)
{
    QStringList snapshot;
    const QFileInfoList entries =
        QDir(folder).entryInfoList(QDir::Files | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& e : entries)
        snapshot << e.fileName() + u'\x1f' + QString::number(e.size()) + u'\x1f' +
                        QString::number(e.lastModified().toMSecsSinceEpoch());
    return snapshot;
}

}  // namespace results
