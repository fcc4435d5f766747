#include "results/attempt_log.h"

#include "app/configuration.h"
#include "content/codepage.h"

#include <cmath>
#include <limits>

namespace results {

namespace {

enum Column {
    Lesson,
    Host,
    Start,
    Task,
    Level,
    TimeLimit,
    TimeUsed,
    Hint,
    HintAt,
    Solution,
    SolutionAt,
    Checks,
    BestPassed,
    SamplesTotal,
    LastVerdict,
    Saved,
    SavedFile,
    AnswerLength,
    ColumnCount
};

const QString Yes = QStringLiteral("да");
const QString No = QStringLiteral("не");

QString yesNo(bool value) { return value ? Yes : No; }
QString isoTime(const QDateTime& time) { return time.isValid() ? time.toString(Qt::ISODate) : QString(); }
// Check columns stay empty while no check has run.
QString checkNumber(const TaskAttempt& a, int value) { return a.checks > 0 ? QString::number(value) : QString(); }

QStringList row(const QString& lesson, const QString& host, const QDateTime& start, const TaskAttempt& a)
{
    QStringList r(ColumnCount);
    r[Lesson] = lesson;
    r[Host] = host;
    r[Start] = isoTime(start);
    r[Task] = QString::number(a.task);
    r[Level] = QString::number(a.level);
    r[TimeLimit] = QString::number(a.timeLimit);
    r[TimeUsed] = QString::number((a.tenthsUsed + 5) / 10);
    r[Hint] = yesNo(a.hintUsed());
    r[HintAt] = isoTime(a.hintAt);
    r[Solution] = yesNo(a.solutionSeen());
    r[SolutionAt] = isoTime(a.solutionAt);
    r[Checks] = checkNumber(a, a.checks);
    r[BestPassed] = checkNumber(a, a.bestPassed);
    r[SamplesTotal] = checkNumber(a, a.samplesTotal);
    r[LastVerdict] = a.lastVerdict;
    r[Saved] = yesNo(!a.savedFile.isEmpty());
    r[SavedFile] = a.savedFile;
    r[AnswerLength] = QString::number(a.answerLength);
    return r;
}

// Reads the fields of one row back; false with the reason in problem.
class RowReader {
public:
    RowReader(const QStringList& fields, QString& problem) : fields_(fields), problem_(problem) {}

    bool number(Column c, qint64& value, bool emptyIsZero = false)
    {
        if (emptyIsZero && fields_[c].isEmpty()) {
            value = 0;
            return true;
        }
        bool ok = false;
        value = fields_[c].toLongLong(&ok);
        return ok && value >= 0 ? true : fail(c);
    }
    bool number(Column c, int& value, bool emptyIsZero = false)
    {
        qint64 wide = 0;
        if (!number(c, wide, emptyIsZero) || wide > std::numeric_limits<int>::max())
            return fail(c);
        value = int(wide);
        return true;
    }
    bool decimal(Column c, double& value)
    {
        bool ok = false;
        value = fields_[c].toDouble(&ok);
        return ok ? true : fail(c);
    }
    // A yes/no column and the time beside it: a time exactly when "да".
    bool event(Column flag, Column at, QDateTime& time)
    {
        const QString& f = fields_[flag];
        if (f != Yes && f != No)
            return fail(flag);
        time = QDateTime::fromString(fields_[at], Qt::ISODate);
        return (f == Yes) == time.isValid() ? true : fail(at);
    }

private:
    bool fail(Column c)
    {
        problem_ = u"неправилно поле „" + attemptLogColumns()[c] + u"“";
        return false;
    }

    const QStringList& fields_;
    QString& problem_;
};

std::optional<TaskAttempt> attemptFromRow(const QStringList& fields, QString& problem)
{
    TaskAttempt a;
    RowReader r(fields, problem);
    qint64 seconds = 0;
    const bool ok = r.number(Task, a.task) && a.task > 0 && a.task <= app::MaxListedTasks &&
                    r.decimal(Level, a.level) && r.number(TimeLimit, a.timeLimit) && r.number(TimeUsed, seconds) &&
                    r.event(Hint, HintAt, a.hintAt) && r.event(Solution, SolutionAt, a.solutionAt) &&
                    r.number(Checks, a.checks, true) && r.number(BestPassed, a.bestPassed, true) &&
                    r.number(SamplesTotal, a.samplesTotal, true) && r.number(AnswerLength, a.answerLength);
    if (!ok) {
        if (problem.isEmpty())
            problem = QStringLiteral("неправилен номер на задача");
        return std::nullopt;
    }
    a.tenthsUsed = seconds * 10;
    a.lastVerdict = fields[LastVerdict];
    a.savedFile = fields[SavedFile];
    return a;
}

}  // namespace

QStringList attemptLogColumns()
{
    return {QStringLiteral("Урок"),
            QStringLiteral("Компютър"),
            QStringLiteral("Начало"),
            QStringLiteral("Задача"),
            QStringLiteral("Трудност"),
            QStringLiteral("Време за задачата (с)"),
            QStringLiteral("Използвано време (с)"),
            QStringLiteral("Упътване"),
            QStringLiteral("Упътване в"),
            QStringLiteral("Решение на автора"),
            QStringLiteral("Решение на автора в"),
            QStringLiteral("Проверки"),
            QStringLiteral("Най-много верни примери"),
            QStringLiteral("Примери"),
            QStringLiteral("Последен резултат"),
            QStringLiteral("Записан файл"),
            QStringLiteral("Име на файла"),
            QStringLiteral("Дължина на отговора (знаци)")};
}

std::optional<Run> readAttemptLog(const QByteArray& bytes, QString& problem)
{
    const std::optional<csv::Rows> rows = csv::parse(bytes, problem);
    if (!rows)
        return std::nullopt;
    if (rows->isEmpty() || rows->first() != attemptLogColumns()) {
        problem = QStringLiteral("не е дневник на опитите");
        return std::nullopt;
    }
    if (rows->size() < 2) {
        problem = QStringLiteral("няма редове със задачи");
        return std::nullopt;
    }
    Run run;
    for (qsizetype i = 1; i < rows->size(); ++i) {
        const QStringList& fields = rows->at(i);
        const QString where = u"ред " + QString::number(i + 1) + u": ";
        if (fields.size() != ColumnCount) {
            problem = where + u"полетата са " + QString::number(fields.size()) + u", а трябва да са " +
                      QString::number(ColumnCount);
            return std::nullopt;
        }
        if (i == 1) {
            run.lesson = fields[Lesson];
            run.host = fields[Host];
            run.start = fields[Start];
        } else if (fields[Lesson] != run.lesson || fields[Host] != run.host || fields[Start] != run.start) {
            problem = where + u"урокът, компютърът или началото се различават от първия ред";
            return std::nullopt;
        }
        std::optional<TaskAttempt> attempt = attemptFromRow(fields, problem);
        if (!attempt) {
            problem.prepend(where);
            return std::nullopt;
        }
        for (const TaskAttempt& earlier : run.tasks) {
            if (earlier.task == attempt->task) {
                problem = where + u"задача " + QString::number(attempt->task) + u" се повтаря";
                return std::nullopt;
            }
        }
        run.tasks << *attempt;
    }
    return run;
}

QString safeNamePart(const QString& text)
{
    QString safe;
    for (const QChar c : text)
        safe += c.isLetterOrNumber() && c.unicode() < 128 ? c : u'-';
    safe = safe.left(40);
    return safe.isEmpty() ? QStringLiteral("pc") : safe;
}

AttemptLog::AttemptLog(app::ClockService& clock, const QString& host) : clock_(clock), host_(host), start_(clock.now())
{
}

TaskAttempt* AttemptLog::find(int task)
{
    for (TaskAttempt& a : tasks_)
        if (a.task == task)
            return &a;
    return nullptr;
}

void AttemptLog::taskOpened(int task, double level, double timeLimit)
{
    if (task < 1 || find(task))
        return;
    TaskAttempt a;
    a.task = task;
    a.level = level;
    a.timeLimit = std::isfinite(timeLimit) && timeLimit > 0 ? qint64(std::llround(std::min(timeLimit, 1e15))) : 0;
    tasks_ << a;
    changed_ = true;
}

void AttemptLog::hintShown(int task)
{
    TaskAttempt* a = find(task);
    if (a && !a->hintUsed()) {
        a->hintAt = clock_.now();
        changed_ = true;
    }
}

void AttemptLog::solutionShown(int task)
{
    TaskAttempt* a = find(task);
    if (a && !a->solutionSeen()) {
        a->solutionAt = clock_.now();
        changed_ = true;
    }
}

void AttemptLog::clockTicked(int task)
{
    if (TaskAttempt* a = find(task)) {
        ++a->tenthsUsed;
        changed_ = true;
    }
}

void AttemptLog::solutionFileSaved(int task, const QString& fileName)
{
    if (TaskAttempt* a = find(task)) {
        a->savedFile = fileName;
        changed_ = true;
    }
}

void AttemptLog::answerMeasured(int task, const QString& answer)
{
    TaskAttempt* a = find(task);
    const qsizetype length = content::characterCount(answer);
    if (a && a->answerLength != length) {
        a->answerLength = length;
        changed_ = true;
    }
}

void AttemptLog::recordCheck(int task, int samplesPassed, int samplesTotal, const QString& verdictText)
{
    if (TaskAttempt* a = find(task)) {
        ++a->checks;
        a->bestPassed = std::max(a->bestPassed, samplesPassed);
        a->samplesTotal = samplesTotal;
        a->lastVerdict = verdictText;
        changed_ = true;
    }
}

QByteArray AttemptLog::document(const QString& lesson) const
{
    csv::Rows rows{attemptLogColumns()};
    for (const TaskAttempt& a : tasks_)
        rows << row(lesson, host_, start_, a);
    return csv::document(rows);
}

QString AttemptLog::fileName(const QString& lesson, const QString& suffix) const
{
    return safeNamePart(lesson) + u"_opiti_" + safeNamePart(host_) + u'_' +
           start_.toString(QStringLiteral("yyyyMMdd-HHmmss")) + suffix + u".csv";
}

}  // namespace results
