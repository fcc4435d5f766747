#include "program/recording.h"

#include "configuration/configuration.h"
#include "files/text_file.h"
#include "program/answers.h"
#include "program/exit.h"
#include "program/messages.h"
#include "program/program.h"
#include "results/attempt_log.h"
#include "results/kept_answers.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace app {

using results::AttemptLog;
using results::KeptAnswers;

namespace {

// The names a run's log may take in a folder: its own, then numbered.
QStringList logNames(const AttemptLog& log, const QString& lesson)
{
    QStringList names{log.fileName(lesson)};
    for (int n = 2; n < 100; ++n)
        names << log.fileName(lesson, u'-' + QString::number(n));
    return names;
}

// Writes the log into the folder: the first time under a name taken there in
// one step (tag receives its tag), then over that name.
content::Done writeLog(const QString& folder, QString& tag, const AttemptLog& log, const QString& lesson,
                       const QByteArray& bytes)
{
    if (!tag.isEmpty())
        return replaceFile(QDir(folder).filePath(results::logFileName(lesson, tag)), bytes);
    const content::Result<QString> taken = createNewFile(folder, logNames(log, lesson), bytes);
    if (!taken)
        return content::Done::failure(taken);
    const QString prefix = results::logFileName(lesson, {}).chopped(4);  // "FUNKR_opiti_"
    tag = taken->mid(prefix.size()).chopped(4);
    return {};
}

// The hand-in folder named by the class settings, a relative one taken from
// the working folder; empty when there is none, when option 12 keeps the
// records off, or when it is the working folder itself.
QString handInFolder(Program& program)
{
    const QString named = program.classSettings().handInFolder;
    if (named.isEmpty() || program.Option_Flag(content::Option::AnswerRecord) < 1)
        return {};
    const QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(named));
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return !canonical.isEmpty() && canonical == QDir::current().canonicalPath() ? QString() : folder;
}

void report(Program& program, quint8 code, const QString& detail, bool afterTick)
{
    const Message message = mainWindowMessage(code, detail);
    Services& services = program.services();
    if (afterTick)
        services.later.runLater([&services, message] { showMessage(services.messages, message); });
    else
        showMessage(services.messages, message);
}

class RunWriter {
public:
    RunWriter(Program& program, bool onlyIfChanged, bool afterTick)
        : program_(program),
          log_(program.attemptLog()),
          writing_(log_.writing),
          lesson_(lessonCode(program)),
          onlyIfChanged_(onlyIfChanged),
          afterTick_(afterTick)
    {
    }

    void write(KeptAnswers::State state)
    {
        if (log_.isEmpty())
            return;
        const QMap<int, QString> answers = currentAnswers(program_);
        for (const results::TaskAttempt& a : log_.tasks())
            log_.answerMeasured(a.task, answerOf(program_, a.task));
        const QByteArray logBytes = log_.document(lesson_);
        if (recordsMayBeWritten(program_))
            writeLocal(logBytes, answers, state);
        if (const QString folder = handInFolder(program_); !folder.isEmpty())
            writeHandIn(folder, logBytes);
    }

    void copySolutionFile(const QString& fileName, const QByteArray& bytes)
    {
        const QString folder = handInFolder(program_);
        if (folder.isEmpty() || writing_.handInTag.isEmpty())
            return;
        const QString path = QDir(folder).filePath(results::handInSolutionName(fileName, writing_.handInTag));
        if (const content::Done copied = replaceFile(path, bytes); !copied)
            handInFailed(path, copied.error());
    }

private:
    bool needed(const QByteArray& bytes, const QByteArray& written) const
    {
        return !onlyIfChanged_ || bytes != written;
    }

    void writeLocal(const QByteArray& logBytes, const QMap<int, QString>& answers, KeptAnswers::State state)
    {
        if (needed(logBytes, writing_.logWritten)) {
            if (!writeLog(u"."_s, writing_.tag, log_, lesson_, logBytes))
                return localFailed(writing_.tag.isEmpty() ? log_.fileName(lesson_)
                                                          : results::logFileName(lesson_, writing_.tag));
            writing_.logWritten = logBytes;
        }
        const KeptAnswers kept{lesson_,
                               log_.host(),
                               log_.start().toString(Qt::ISODate),
                               log_.runId(),
                               results::thisProcess(),
                               log_.student(),
                               state,
                               answers};
        const QByteArray keptBytes = results::keptAnswersDocument(kept);
        // No file until there is an answer to keep.
        if (answers.isEmpty() && writing_.answersWritten.isEmpty())
            return;
        if (needed(keptBytes, writing_.answersWritten)) {
            const QString name = results::keptAnswersFileName(lesson_, writing_.tag);
            if (!replaceFileInWorkingFolder(name, keptBytes))
                return localFailed(name);
            writing_.answersWritten = keptBytes;
        }
    }

    void writeHandIn(const QString& folder, const QByteArray& logBytes)
    {
        if (!needed(logBytes, writing_.handInLogWritten))
            return;
        if (const content::Done written = writeLog(folder, writing_.handInTag, log_, lesson_, logBytes); !written)
            return handInFailed(folder, written.error());
        writing_.handInLogWritten = logBytes;
    }

    // Every failure of a save or of the exit is reported; of the minute's
    // writes, the first.
    void localFailed(const QString& name)
    {
        if (afterTick_ && writing_.periodicFailureReported)
            return;
        writing_.periodicFailureReported = writing_.periodicFailureReported || afterTick_;
        report(program_, message_code::AttemptLogFailed, QDir::current().absoluteFilePath(name), afterTick_);
    }

    void handInFailed(const QString& path, int error)
    {
        if (writing_.handInFailureReported)
            return;
        writing_.handInFailureReported = true;
        report(program_, message_code::HandInUnusable,
               QDir::toNativeSeparators(path) + u": "_s + systemErrorText(error), afterTick_);
    }

    Program& program_;
    AttemptLog& log_;
    AttemptLog::Writing& writing_;
    const QString lesson_;
    const bool onlyIfChanged_;
    const bool afterTick_;
};

}  // namespace

void saveAtExit(Program& program) { RunWriter(program, false, false).write(KeptAnswers::State::Finished); }

void attemptLogTicked(Program& program)
{
    AttemptLog::Writing& writing = program.attemptLog().writing;
    if (++writing.ticks < TicksPerWrite)
        return;
    writing.ticks = 0;
    RunWriter(program, true, true).write(KeptAnswers::State::Running);
}

void solutionFileSaved(Program& program, int task, const QString& fileName, const QByteArray& bytes)
{
    program.attemptLog().solutionFileSaved(task, fileName);
    RunWriter writer(program, false, false);
    writer.write(KeptAnswers::State::Running);
    writer.copySolutionFile(fileName, bytes);
}

void startRecords(Program& program)
{
    const QString lesson = lessonCode(program);
    const QStringList records = program.lesson().answerFiles();
    const auto ours = [&](const QString& name) {
        return (!lesson.isEmpty() && name.startsWith(lesson)) || records.contains(name);
    };
    removeLeftoverTemporaries(u"."_s, ours);
    if (const QString folder = handInFolder(program); !folder.isEmpty())
        removeLeftoverTemporaries(folder, ours);
    offerKeptAnswers(program);
}

}  // namespace app
