#include "setup/class_configuration.h"

#include "content/numbers.h"
#include "content/option_flags.h"
#include "setup/input_rules.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace setup {

int ClassConfiguration::difficulty(int task) const { return content::basicMod(value(1, task), 10); }

void ClassConfiguration::setDifficulty(int task, int digit)
{
    if (difficulty(task) != digit)
        setValue(1, task, qint16(digit));
}

bool ClassConfiguration::flag(content::Option option) const
{
    return content::basicMod(value(0, content::number(option)), 2) >= 1;
}

void ClassConfiguration::setFlag(content::Option option, bool on)
{
    if (flag(option) != on)
        setValue(0, content::number(option), on ? 1 : 0);
}

bool ClassConfiguration::operator==(const ClassConfiguration& other) const { return bytes() == other.bytes(); }

int difficultyFactor(int digit) { return digit > 2 ? 1000 : digit > 1 ? 10 : 1; }

QString minutesSeconds(double seconds)
{
    const qint32 whole = content::roundToInt32(seconds);
    const qint64 magnitude = qAbs(qint64(whole));
    return (whole < 0 ? u"-"_s : QString()) + QStringLiteral("%1:%2")
                                                  .arg(magnitude / 60, 2, 10, QLatin1Char('0'))
                                                  .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

std::optional<int> parseMinutesSeconds(QStringView text)
{
    static const QRegularExpression form(uR"(^\s*(?:(\d{1,7}):([0-5]\d)|(\d{1,9}))\s*$)"_s);
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    if (m.hasCaptured(3))
        return m.captured(3).toInt();
    return m.captured(1).toInt() * 60 + m.captured(2).toInt();
}

QString versionText(qint32 hundredths) { return QString::number(double(hundredths) / 100, 'f', 2); }

QString captionVersion(qint32 hundredths) { return content::basicStr(double(hundredths) / 100); }

QString captionDate(qint32 date) { return content::basicStr(date); }

int mostTasksListed(const ClassConfiguration& c, const LessonFacts& lesson)
{
    return std::clamp<int>(c.tasksKept(), 1, lesson.taskCount());
}

namespace {

QString taskProblem(const ClassConfiguration& c, int task)
{
    const QString prefix = u"Задача "_s + QString::number(task) + u": "_s;
    if (c.difficulty(task) < 0)
        return prefix + u"нивото на трудност трябва да е цифра от 0 до 9."_s;
    if (c.limitSeconds(task) < 1)
        return prefix + u"времето за решаване трябва да е поне 00:01."_s;
    if (c.hintSeconds(task) < 0)
        return prefix + u"времето за упътване не може да е отрицателно."_s;
    if (c.hintSeconds(task) > c.limitSeconds(task))
        return prefix + u"упътването ("_s + minutesSeconds(c.hintSeconds(task)) + u") идва след края на времето ("_s +
               minutesSeconds(c.limitSeconds(task)) + u")."_s;
    return {};
}

QString pointProblem(const ClassConfiguration& c, const PlanPoint& point, int number)
{
    const QString prefix = u"Точка "_s + QString::number(number) + u": "_s;
    if (c.readingFactor(number) < 0)
        return prefix + u"множителят за четене не може да е отрицателен."_s;
    const double seconds = content::readingSeconds(point.length, c.readingFactor(number));
    if (seconds > std::numeric_limits<qint16>::max())
        return prefix + u"времето за четене ("_s + minutesSeconds(seconds) + u") е над най-голямото "_s +
               minutesSeconds(std::numeric_limits<qint16>::max()) + u"."_s;
    return {};
}

}  // namespace

QStringList configurationProblems(const ClassConfiguration& c, const LessonFacts& lesson)
{
    QStringList problems;
    const int tasks = lesson.taskCount();
    if (c.tasksKept() < 1 || c.tasksKept() > tasks)
        problems << u"Броят на задачите в урока трябва да е от 1 до "_s + QString::number(tasks) + u"."_s;
    const int kept = mostTasksListed(c, lesson);
    if (c.tasksListed() < 1 || c.tasksListed() > kept)
        problems << u"Наведнъж могат да се показват от 1 до "_s + QString::number(kept) + u" задачи."_s;
    for (int task = 1; task <= kept; ++task)
        if (const QString p = taskProblem(c, task); !p.isEmpty())
            problems << p;
    for (int point = 1; point <= lesson.pointCount() && point <= content::ConfigSlots; ++point)
        if (const QString p = pointProblem(c, lesson.points.at(point - 1), point); !p.isEmpty())
            problems << p;
    if (c.version() < 0)
        problems << u"Версията не може да е отрицателна."_s;
    if (!dateOfNumber(c.date()).isValid())
        problems << u"Датата "_s + QString::number(c.date()) + u" не е истинска дата във вида ГГГГММДД."_s;
    return problems;
}

namespace {

// The workbench counts the hint from the base time limit, so with a factor F
// the hint comes after (F - 1) × limit + F × hint seconds.
double hintShownAfter(const ClassConfiguration& c, int task)
{
    const double factor = difficultyFactor(c.difficulty(task));
    return (factor - 1) * c.limitSeconds(task) + factor * c.hintSeconds(task);
}

QString taskLine(const ClassConfiguration& c, const LessonFacts& lesson, int task)
{
    QString line = u"  "_s + lesson.taskTitles.value(task - 1) + u" – трудност "_s +
                   QString::number(c.difficulty(task)) + u", време "_s + studentTimeText(c, task) + u", упътване "_s +
                   hintText(c, task);
    if (!c.isListed(task))
        line += u", в „Допълнително“"_s;
    return line;
}

QString readingPart(const ClassConfiguration& c, const LessonFacts& lesson)
{
    QString text = u"Четене на плана:\n"_s;
    double total = 0;
    for (int point = 1; point <= lesson.pointCount() && point <= content::ConfigSlots; ++point) {
        const double seconds = content::readingSeconds(lesson.points.at(point - 1).length, c.readingFactor(point));
        total += seconds;
        text += u"  "_s + lesson.points.at(point - 1).title + u" – "_s + minutesSeconds(seconds) + u"\n"_s;
    }
    return text + u"  Общо: "_s + minutesSeconds(total) + u"\n"_s;
}

QString optionsPart(const ClassConfiguration& c)
{
    QString on = u"Включено:\n"_s, off = u"Заключено:\n"_s;
    for (const content::OptionFlag& f : content::optionFlags())
        (c.flag(f.option) ? on : off) += u"  "_s + f.explanation + u"\n"_s;
    return on + off;
}

}  // namespace

QString studentTimeText(const ClassConfiguration& c, int task)
{
    const int factor = difficultyFactor(c.difficulty(task));
    const QString time = minutesSeconds(double(factor) * c.limitSeconds(task));
    return factor > 1 ? time + u" (×"_s + QString::number(factor) + u")"_s : time;
}

QString hintText(const ClassConfiguration& c, int task)
{
    if (!c.flag(content::Option::ExtraHint))
        return u"изключено"_s;
    const double limit = double(difficultyFactor(c.difficulty(task))) * c.limitSeconds(task);
    if (hintShownAfter(c, task) >= limit)
        return u"не идва: след края на времето"_s;
    return u"след "_s + minutesSeconds(hintShownAfter(c, task));
}

QString configurationSummary(const ClassConfiguration& c, const LessonFacts& lesson)
{
    const int kept = std::clamp<int>(c.tasksKept(), 0, lesson.taskCount());
    QString text = u"Задачи в урока: "_s + QString::number(kept) + u" от "_s + QString::number(lesson.taskCount()) +
                   u", наведнъж се показват "_s + QString::number(c.tasksListed()) + u".\n"_s;
    for (int task = 1; task <= kept; ++task)
        text += taskLine(c, lesson, task) + u"\n"_s;
    text += u"\n"_s + readingPart(c, lesson) + u"\n"_s + optionsPart(c);
    text += u"\nВ заглавието на урока: Версия "_s + captionVersion(c.version()) + u" от "_s + captionDate(c.date()) +
            u"\n"_s;
    return text;
}

}  // namespace setup
