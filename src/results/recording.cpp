#include "results/recording.h"

#include "app/configuration.h"
#include "app/exit.h"
#include "app/messages.h"
#include "app/program.h"
#include "app/text_file.h"
#include "results/attempt_log.h"
#include "workbench/lesko_n.h"

#include <QDir>
#include <QFileInfo>

namespace results {

namespace {

// The answers as they stand: the answer box holds the current task's, the
// workbench's answer store the others'.
void measureAnswers(app::Program& program, AttemptLog& log)
{
    if (!program.isLoaded(QStringLiteral("Lesko_n")))
        return;
    const Lesko_n& bench = program.lesko_n();
    for (const TaskAttempt& a : log.tasks())
        log.answerMeasured(a.task, a.task == bench.CurrentTask ? bench.Text_Un[Lesko_n::AnswerBox].Text()
                                                               : bench.List_Un[Lesko_n::AnswerStoreList].List(a.task));
}

// The name is chosen at the first write; a name another run already took
// gets a number, so no run replaces another's log.
const QString& chosenFileName(app::Program& program, AttemptLog& log)
{
    QString& name = log.writing.fileName;
    const QString lesson = app::lessonCode(program);
    name = log.fileName(lesson);
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = log.fileName(lesson, u'-' + QString::number(n));
    return name;
}

enum class Outcome { NotNeeded, Written, Failed };

Outcome write(app::Program& program, bool onlyIfChanged)
{
    AttemptLog& log = program.attemptLog();
    if (log.isEmpty() || !app::recordsMayBeWritten(program))
        return Outcome::NotNeeded;
    measureAnswers(program, log);
    if (onlyIfChanged && !log.changed())
        return Outcome::NotNeeded;
    const QString& name = log.writing.fileName.isEmpty() ? chosenFileName(program, log) : log.writing.fileName;
    if (!app::replaceFileInWorkingFolder(name, log.document(app::lessonCode(program))))
        return Outcome::Failed;
    log.markWritten();
    return Outcome::Written;
}

void reportFailure(app::Program& program)
{
    const QString path = QDir::current().absoluteFilePath(program.attemptLog().writing.fileName);
    app::showMessage(program.services().messages, app::mainWindowMessage(app::message_code::AttemptLogFailed, path));
}

}  // namespace

void saveAttemptLog(app::Program& program)
{
    if (write(program, false) == Outcome::Failed)
        reportFailure(program);
}

void attemptLogTicked(app::Program& program)
{
    AttemptLog::Writing& writing = program.attemptLog().writing;
    if (++writing.ticks < TicksPerWrite)
        return;
    writing.ticks = 0;
    if (write(program, true) == Outcome::Failed && !writing.periodicFailureReported) {
        writing.periodicFailureReported = true;
        reportFailure(program);
    }
}

void solutionFileSaved(app::Program& program, int task, const QString& fileName)
{
    program.attemptLog().solutionFileSaved(task, fileName);
    saveAttemptLog(program);
}

}  // namespace results
