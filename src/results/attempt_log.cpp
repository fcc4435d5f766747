#include "results/attempt_log.h"

#include "content/codepage.h"
#include "content/lesson.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

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
    // Added later: logs without them still read.
    LastCheckAt,
    StudentName,
    ClassName,
    RunId,
    ColumnCount
};
constexpr int EarlierColumnCount = LastCheckAt;

const QString Yes = QStringLiteral("да");
const QString No = QStringLiteral("не");

// Far above any lesson's time (a task of factor 1000 gets at most about 3.3e7
// seconds), low enough that no sum of them overflows.
constexpr qint64 MaxNumber = 1'000'000'000'000;

QString yesNo(bool value) { return value ? Yes : No; }
QString isoTime(const QDateTime& time) { return time.isValid() ? time.toString(Qt::ISODate) : QString(); }
// Check columns stay empty while no check has run.
QString checkNumber(const TaskAttempt& a, int value) { return a.checks > 0 ? QString::number(value) : QString(); }

// The titles of the log's first layout, where tests were called samples.
QStringList earlierColumns()
{
    QStringList titles = attemptLogColumns().mid(0, EarlierColumnCount);
    titles[BestPassed] = QStringLiteral("Най-много верни примери");
    titles[SamplesTotal] = QStringLiteral("Примери");
    return titles;
}

QStringList row(const QString& lesson, const AttemptLog& log, const TaskAttempt& a)
{
    QStringList r(ColumnCount);
    r[Lesson] = lesson;
    r[Host] = log.host();
    r[Start] = isoTime(log.start());
    r[Task] = QString::number(a.task);
    r[Level] = QString::number(a.level);
    r[TimeLimit] = QString::number(a.timeLimit);
    r[TimeUsed] = QString::number(secondsOfTenths(a.tenthsUsed));
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
    r[LastCheckAt] = isoTime(a.lastCheckAt);
    r[StudentName] = log.student().name;
    r[ClassName] = log.student().className;
    r[RunId] = log.runId();
    return r;
}

// Reads the fields of one row back; false with the reason in problem().
class RowReader {
public:
    explicit RowReader(const QStringList& fields) : fields_(fields) {}
    const QString& problem() const { return problem_; }

    bool number(Column c, qint64& value, bool emptyIsZero = false)
    {
        if (emptyIsZero && fields_[c].isEmpty()) {
            value = 0;
            return true;
        }
        bool ok = false;
        value = fields_[c].toLongLong(&ok);
        return ok && value >= 0 && value <= MaxNumber ? true : fail(c);
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
        return ok && std::isfinite(value) ? true : fail(c);
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
    // The time of the last check: there exactly when a check ran. The
    // earlier layout has no such column.
    bool lastCheck(int checks, QDateTime& time)
    {
        if (fields_.size() <= LastCheckAt)
            return true;
        time = QDateTime::fromString(fields_[LastCheckAt], Qt::ISODate);
        return (checks > 0) == time.isValid() ? true : fail(LastCheckAt);
    }

private:
    bool fail(Column c)
    {
        problem_ = u"неправилно поле „" + attemptLogColumns()[c] + u"“";
        return false;
    }

    const QStringList& fields_;
    QString problem_;
};

content::Result<TaskAttempt> attemptFromRow(const QStringList& fields)
{
    TaskAttempt a;
    RowReader r(fields);
    qint64 seconds = 0;
    const bool ok = r.number(Task, a.task) && a.task > 0 && a.task <= content::MaxListedTasks &&
                    r.decimal(Level, a.level) && r.number(TimeLimit, a.timeLimit) && r.number(TimeUsed, seconds) &&
                    r.event(Hint, HintAt, a.hintAt) && r.event(Solution, SolutionAt, a.solutionAt) &&
                    r.number(Checks, a.checks, true) && r.number(BestPassed, a.bestPassed, true) &&
                    r.number(SamplesTotal, a.samplesTotal, true) && r.number(AnswerLength, a.answerLength) &&
                    r.lastCheck(a.checks, a.lastCheckAt);
    if (!ok)
        return content::Result<TaskAttempt>::failure(
            r.problem().isEmpty() ? QStringLiteral("неправилен номер на задача") : r.problem());
    a.tenthsUsed = seconds * 10;
    a.lastVerdict = fields[LastVerdict];
    a.savedFile = fields[SavedFile];
    return a;
}

// The fields every row of one run repeats.
QStringList runFields(const QStringList& fields)
{
    QStringList same{fields[Lesson], fields[Host], fields[Start]};
    if (fields.size() > RunId)
        same << fields[StudentName] << fields[ClassName] << fields[RunId];
    return same;
}

Run runOf(const QStringList& fields)
{
    Run run;
    run.lesson = fields[Lesson];
    run.host = fields[Host];
    run.start = fields[Start];
    if (fields.size() > RunId) {
        run.student = {fields[StudentName], fields[ClassName]};
        run.runId = fields[RunId];
    }
    return run;
}

// The official transliteration of Bulgarian, lower case.
QString latinOf(QChar lower)
{
    static const QString cyrillic = QStringLiteral("абвгдежзийклмнопрстуфхцчшщъьюя");
    static const QStringList latin{u"a"_s,  u"b"_s,   u"v"_s, u"g"_s, u"d"_s,  u"e"_s, u"zh"_s, u"z"_s,
                                   u"i"_s,  u"y"_s,   u"k"_s, u"l"_s, u"m"_s,  u"n"_s, u"o"_s,  u"p"_s,
                                   u"r"_s,  u"s"_s,   u"t"_s, u"u"_s, u"f"_s,  u"h"_s, u"ts"_s, u"ch"_s,
                                   u"sh"_s, u"sht"_s, u"a"_s, u"y"_s, u"yu"_s, u"ya"_s};
    const qsizetype at = cyrillic.indexOf(lower);
    if (at >= 0)
        return latin.at(at);
    // A Latin letter with an accent loses it: "é" → "e".
    const QString plain = QString(lower).normalized(QString::NormalizationForm_D);
    return plain.isEmpty() ? QString(lower) : QString(plain.front());
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
            QStringLiteral("Най-много верни тестове"),
            QStringLiteral("Тестове"),
            QStringLiteral("Последен резултат"),
            QStringLiteral("Записан файл"),
            QStringLiteral("Име на файла"),
            QStringLiteral("Дължина на отговора (знаци)"),
            QStringLiteral("Последна проверка в"),
            QStringLiteral("Ученик"),
            QStringLiteral("Клас"),
            QStringLiteral("Пускане")};
}

content::Result<Run> readAttemptLog(const QByteArray& bytes)
{
    using Failure = content::Result<Run>;
    const content::Result<csv::Rows> rows = csv::parse(bytes);
    if (!rows)
        return Failure::failure(rows);
    if (rows->isEmpty() || (rows->first() != attemptLogColumns() && rows->first() != earlierColumns()))
        return Failure::failure(QStringLiteral("не е дневник на опитите"));
    if (rows->size() < 2)
        return Failure::failure(QStringLiteral("няма редове със задачи"));
    const qsizetype columns = rows->first().size();
    Run run;
    for (qsizetype i = 1; i < rows->size(); ++i) {
        const QStringList& fields = rows->at(i);
        const QString where = u"ред " + QString::number(i + 1) + u": ";
        if (fields.size() != columns)
            return Failure::failure(where + u"полетата са " + QString::number(fields.size()) + u", а трябва да са " +
                                    QString::number(columns));
        if (i == 1)
            run = runOf(fields);
        else if (runFields(fields) != runFields(rows->at(1)))
            return Failure::failure(where + u"урокът, компютърът, началото или ученикът се различават от първия ред");
        const content::Result<TaskAttempt> attempt = attemptFromRow(fields);
        if (!attempt)
            return Failure::failure(where + attempt.reason());
        for (const TaskAttempt& earlier : run.tasks)
            if (earlier.task == attempt->task)
                return Failure::failure(where + u"задача " + QString::number(attempt->task) + u" се повтаря");
        run.tasks << *attempt;
    }
    return run;
}

namespace {

// Long enough for a host name, short enough for any file system.
constexpr qsizetype MaxNamePartLength = 40;

}  // namespace

QString safeNamePart(const QString& text)
{
    QString safe;
    for (const QChar c : text)
        safe += c.isLetterOrNumber() && c.unicode() < 128 ? c : u'-';
    safe = safe.left(MaxNamePartLength);
    return safe.isEmpty() ? QStringLiteral("pc") : safe;
}

QString transliterated(const QString& text)
{
    QString latin;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar lower = c.toLower();
        QString part = latinOf(lower);
        // "-ия" at the end of a word is written "-ia" (София → Sofia).
        if (lower == u'я' && i > 0 && text[i - 1].toLower() == u'и' &&
            (i + 1 == text.size() || !text[i + 1].isLetter()))
            part = u"a"_s;
        if (c != lower) {
            const bool wordInCapitals = i + 1 < text.size() && text[i + 1].isUpper();
            part = wordInCapitals ? part.toUpper() : part.left(1).toUpper() + part.mid(1);
        }
        latin += part;
    }
    return latin;
}

AttemptLog::AttemptLog(app::ClockService& clock, const QString& host)
    : clock_(clock),
      host_(host),
      start_(clock.now()),
      runId_(QString::number(QRandomGenerator::system()->generate64(), 16).rightJustified(16, u'0'))
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
    a.timeLimit = std::isfinite(timeLimit) && timeLimit > 0 ? qint64(std::llround(std::min(timeLimit, 1e12))) : 0;
    tasks_ << a;
}

void AttemptLog::hintShown(int task)
{
    TaskAttempt* a = find(task);
    if (a && !a->hintUsed())
        a->hintAt = clock_.now();
}

void AttemptLog::solutionShown(int task)
{
    TaskAttempt* a = find(task);
    if (a && !a->solutionSeen())
        a->solutionAt = clock_.now();
}

void AttemptLog::clockTicked(int task)
{
    if (TaskAttempt* a = find(task))
        ++a->tenthsUsed;
}

void AttemptLog::solutionFileSaved(int task, const QString& fileName)
{
    if (TaskAttempt* a = find(task))
        a->savedFile = fileName;
}

void AttemptLog::answerMeasured(int task, const QString& answer)
{
    if (TaskAttempt* a = find(task))
        a->answerLength = content::characterCount(answer);
}

void AttemptLog::recordCheck(int task, int testsPassed, int testsTotal, const QString& verdictText)
{
    if (TaskAttempt* a = find(task)) {
        ++a->checks;
        a->bestPassed = std::max(a->bestPassed, testsPassed);
        a->samplesTotal = std::max(a->samplesTotal, testsTotal);
        a->lastVerdict = verdictText;
        a->lastCheckAt = clock_.now();
    }
}

void AttemptLog::setStudent(const Student& student) { student_ = student; }

QByteArray AttemptLog::document(const QString& lesson) const
{
    csv::Rows rows{attemptLogColumns()};
    for (const TaskAttempt& a : tasks_)
        rows << row(lesson, *this, a);
    return csv::document(rows);
}

QString AttemptLog::nameTag() const
{
    const QString student = student_.isEmpty() ? QString() : u'_' + safeNamePart(transliterated(student_.name));
    return safeNamePart(host_) + student + u'_' + start_.toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

QString AttemptLog::fileName(const QString& lesson, const QString& suffix) const
{
    return logFileName(lesson, nameTag() + suffix);
}

QString logFileName(const QString& lesson, const QString& tag)
{
    return safeNamePart(lesson) + u"_opiti_" + tag + u".csv";
}

QString handInSolutionName(const QString& fileName, const QString& tag)
{
    const QFileInfo info(fileName);
    return info.completeBaseName() + u'_' + tag + u'.' + info.suffix();
}

}  // namespace results
