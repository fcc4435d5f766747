#include "program/answers.h"

#include "configuration/configuration.h"
#include "content/lesson.h"
#include "files/text_file.h"
#include "main_window/lesko.h"
#include "program/messages.h"
#include "program/program.h"
#include "results/kept_answers.h"
#include "workbench/lesko_n.h"

#include <QDir>
#include <optional>

using namespace Qt::StringLiterals;

namespace app {

using results::KeptAnswers;

namespace {

// The latest run of this lesson in the working folder that did not end and
// is not running, with its file's name.
std::optional<std::pair<QString, KeptAnswers>> unfinishedRun(Program& program)
{
    const QString lesson = lessonCode(program);
    std::optional<std::pair<QString, KeptAnswers>> latest;
    const QStringList names = QDir().entryList({results::keptAnswersFileName(lesson, u"*"_s)},
                                               QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        const content::Result<QByteArray> bytes = readRegularFile(name, results::MaxKeptAnswersBytes);
        if (!bytes)
            continue;
        const content::Result<KeptAnswers> kept = results::readKeptAnswers(*bytes);
        if (!kept || kept->lesson != lesson || kept->state != KeptAnswers::State::Running ||
            kept->runId == program.attemptLog().runId() || results::mayStillRun(*kept, program.attemptLog().host()))
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

void takeBack(Program& program, const KeptAnswers& kept)
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

QString answerOf(Program& program, int task)
{
    if (!program.isLoaded(u"Lesko_n"_s))
        return {};
    const Lesko_n& bench = program.lesko_n();
    return task == bench.CurrentTask ? bench.Text_Un[Lesko_n::AnswerBox].Text()
                                     : bench.List_Un[Lesko_n::AnswerStoreList].List(task);
}

QMap<int, QString> currentAnswers(Program& program)
{
    QMap<int, QString> answers;
    for (int task = 1; task <= content::MaxListedTasks && program.isLoaded(u"Lesko_n"_s); ++task)
        if (const QString answer = answerOf(program, task); !answer.trimmed().isEmpty())
            answers.insert(task, answer);
    return answers;
}

void offerKeptAnswers(Program& program)
{
    std::optional<std::pair<QString, KeptAnswers>> found = unfinishedRun(program);
    if (!found)
        return;
    auto& [name, kept] = *found;
    const bool yes = program.lesko().Greska_Otgowor1(message_code::AnswersKept, question(kept)) == u"Yes";
    if (yes)
        takeBack(program, kept);
    kept.state = yes ? KeptAnswers::State::TakenBack : KeptAnswers::State::Declined;
    replaceFileInWorkingFolder(name, results::keptAnswersDocument(kept));
}

}  // namespace app
