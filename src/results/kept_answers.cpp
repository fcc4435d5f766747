#include "results/kept_answers.h"

#include "configuration/configuration.h"
#include "files/text_file.h"
#include "main_window/lesko.h"
#include "program/messages.h"
#include "program/program.h"
#include "workbench/lesko_n.h"

#include <signal.h>
#include <unistd.h>
#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace results {

namespace {

enum Column { Lesson, Host, Start, RunId, Process, StudentName, ClassName, StateColumn, Task, Answer, ColumnCount };

QStringList columns()
{
    return {u"Урок"_s,   u"Компютър"_s, u"Начало"_s,    u"Пускане"_s, u"Процес"_s,
            u"Ученик"_s, u"Клас"_s,     u"Състояние"_s, u"Задача"_s,  u"Отговор"_s};
}

const QStringList& stateNames()
{
    static const QStringList names{u"работи"_s, u"завършен"_s, u"върнат"_s, u"отказан"_s};
    return names;
}

constexpr qsizetype MaxKeptBytes = 8 * 1024 * 1024;

// The start of a small file of the system; empty when it cannot be read.
QByteArray systemFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(512) : QByteArray();
}

QString bootId() { return QString::fromLatin1(systemFile(u"/proc/sys/kernel/random/boot_id"_s)).trimmed(); }

QString processName(qint64 pid)
{
    return QString::fromLocal8Bit(systemFile(u"/proc/"_s + QString::number(pid) + u"/comm"_s)).trimmed();
}

// A process that ended but was not yet reaped by its parent still has its
// number: "Z" (or "X") in its state.
bool running(qint64 pid)
{
    if (::kill(pid_t(pid), 0) != 0)
        return false;
    const QByteArray stat = systemFile(u"/proc/"_s + QString::number(pid) + u"/stat"_s);
    const qsizetype nameEnd = stat.lastIndexOf(')');
    const char state = nameEnd >= 0 && nameEnd + 2 < stat.size() ? stat.at(nameEnd + 2) : '?';
    return state != 'Z' && state != 'X';
}

// The latest run of this lesson in the working folder that did not end and
// is not running, with its file's name.
std::optional<std::pair<QString, KeptAnswers>> unfinishedRun(app::Program& program)
{
    const QString lesson = app::lessonCode(program);
    std::optional<std::pair<QString, KeptAnswers>> latest;
    const QStringList names =
        QDir().entryList({keptAnswersFileName(lesson, u"*"_s)}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        const content::Result<QByteArray> bytes = app::readRegularFile(name, MaxKeptBytes);
        QString problem;
        const std::optional<KeptAnswers> kept = bytes ? readKeptAnswers(*bytes, problem) : std::nullopt;
        if (!kept || kept->lesson != lesson || kept->state != KeptAnswers::State::Running ||
            kept->runId == program.attemptLog().runId() || mayStillRun(*kept, program.attemptLog().host()))
            continue;
        if (!latest || kept->start > latest->second.start)
            latest.emplace(name, *kept);
    }
    return latest;
}

QString question(const KeptAnswers& kept)
{
    const QDateTime start = QDateTime::fromString(kept.start, Qt::ISODate);
    QString who = kept.student.isEmpty() ? QString() : u" от "_s + kept.student.name;
    if (!kept.student.isEmpty() && !kept.student.className.isEmpty())
        who += u" ("_s + kept.student.className + u')';
    QStringList tasks;
    for (auto it = kept.answers.cbegin(); it != kept.answers.cend(); ++it)
        tasks << QString::number(it.key());
    return u"Урокът, започнат на "_s + start.toString(u"dd.MM.yyyy в HH:mm"_s) + who + u", не е завършен."_s +
           u"\r\nЗапазени са отговорите по задачи "_s + tasks.join(u", "_s) + u'.';
}

void takeBack(app::Program& program, const KeptAnswers& kept)
{
    Lesko_n& bench = program.lesko_n();
    forms::ListBox& store = bench.List_Un[Lesko_n::AnswerStoreList];
    for (auto it = kept.answers.cbegin(); it != kept.answers.cend(); ++it)
        store.setList(it.key(), it.value());
    // The workbench stores the answer box's text for its current task when it
    // first opens a task: the box holds that task's answer from now on.
    bench.Text_Un[Lesko_n::AnswerBox].setText(store.List(bench.CurrentTask));
    if (program.attemptLog().student().isEmpty())
        program.attemptLog().setStudent(kept.student);
}

}  // namespace

QString keptAnswersFileName(const QString& lesson, const QString& tag)
{
    return safeNamePart(lesson) + u"_otgowori_"_s + tag + u".csv"_s;
}

QByteArray keptAnswersDocument(const KeptAnswers& kept)
{
    csv::Rows rows{columns()};
    for (auto it = kept.answers.cbegin(); it != kept.answers.cend(); ++it)
        rows << QStringList{kept.lesson,
                            kept.host,
                            kept.start,
                            kept.runId,
                            kept.process,
                            kept.student.name,
                            kept.student.className,
                            stateNames().at(int(kept.state)),
                            QString::number(it.key()),
                            it.value()};
    return csv::document(rows);
}

std::optional<KeptAnswers> readKeptAnswers(const QByteArray& bytes, QString& problem)
{
    const std::optional<csv::Rows> rows = csv::parse(bytes, problem);
    if (!rows)
        return std::nullopt;
    if (rows->isEmpty() || rows->first() != columns()) {
        problem = u"не е файл с отговори"_s;
        return std::nullopt;
    }
    KeptAnswers kept;
    for (qsizetype i = 1; i < rows->size(); ++i) {
        const QStringList& f = rows->at(i);
        bool ok = false;
        const int task = f.size() == ColumnCount ? f[Task].toInt(&ok) : 0;
        const qsizetype state = f.size() == ColumnCount ? stateNames().indexOf(f[StateColumn]) : -1;
        if (!ok || task < 1 || task > app::MaxListedTasks || state < 0 || kept.answers.contains(task)) {
            problem = u"ред "_s + QString::number(i + 1) + u": неправилен ред"_s;
            return std::nullopt;
        }
        if (i == 1) {
            kept.lesson = f[Lesson];
            kept.host = f[Host];
            kept.start = f[Start];
            kept.runId = f[RunId];
            kept.process = f[Process];
            kept.student = {f[StudentName], f[ClassName]};
            kept.state = KeptAnswers::State(state);
        }
        kept.answers.insert(task, f[Answer]);
    }
    return kept;
}

QString thisProcess() { return QString::number(::getpid()) + u' ' + bootId(); }

bool mayStillRun(const KeptAnswers& kept, const QString& thisHost)
{
    // Another computer's run cannot be seen from here: it counts as ended.
    if (kept.host != thisHost)
        return false;
    const QStringList process = kept.process.split(u' ');
    bool ok = false;
    const qint64 pid = process.value(0).toLongLong(&ok);
    if (process.value(1) != bootId() || !ok || pid <= 0 || pid == ::getpid())
        return false;
    return running(pid) && processName(pid) == processName(::getpid());
}

QString answerOf(app::Program& program, int task)
{
    if (!program.isLoaded(u"Lesko_n"_s))
        return {};
    const Lesko_n& bench = program.lesko_n();
    return task == bench.CurrentTask ? bench.Text_Un[Lesko_n::AnswerBox].Text()
                                     : bench.List_Un[Lesko_n::AnswerStoreList].List(task);
}

QMap<int, QString> currentAnswers(app::Program& program)
{
    QMap<int, QString> answers;
    for (int task = 1; task <= app::MaxListedTasks && program.isLoaded(u"Lesko_n"_s); ++task)
        if (const QString answer = answerOf(program, task); !answer.trimmed().isEmpty())
            answers.insert(task, answer);
    return answers;
}

void offerKeptAnswers(app::Program& program)
{
    std::optional<std::pair<QString, KeptAnswers>> found = unfinishedRun(program);
    if (!found)
        return;
    auto& [name, kept] = *found;
    const bool yes = program.lesko().Greska_Otgowor1(app::message_code::AnswersKept, question(kept)) == u"Yes";
    if (yes)
        takeBack(program, kept);
    kept.state = yes ? KeptAnswers::State::TakenBack : KeptAnswers::State::Declined;
    app::replaceFileInWorkingFolder(name, keptAnswersDocument(kept));
}

}  // namespace results
