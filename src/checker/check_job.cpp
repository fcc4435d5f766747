#include "checker/check_job.h"

#include "checker/limited_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QThread>
#include <QTimer>

namespace checker {

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

QString headerPath(const QString& folder) { return folder + u'/' + QString::fromUtf16(HeaderName); }

}  // namespace

CheckJob::CheckJob(CheckSettings settings, QString answer, QList<content::Lesson::Sample> samples, QObject* parent)
    : QObject(parent), settings_(std::move(settings)), answer_(std::move(answer)), samples_(std::move(samples))
{
}

CheckJob::~CheckJob() { cancel(); }

void CheckJob::start()
{
    if (running_)
        return;
    running_ = true;
    result_ = {};
    // Reported from the event loop, so the caller sees no result inside start().
    QTimer::singleShot(0, this, [this] {
        if (!running_)
            return;
        if (!QFileInfo(settings_.toolchain.compiler).isExecutable())
            return finish(Verdict::Unavailable, QStringLiteral("няма компилатор g++"));
        if (!writeSource())
            return finish(Verdict::Unavailable, QStringLiteral("временната папка не може да се запише"));
        result_.sandboxed = QFileInfo(settings_.toolchain.sandbox).isExecutable();
        buildHeader();
    });
}

void CheckJob::cancel()
{
    for (auto& p : processes_)
        if (p)
            p->stop();
    retireProcesses();
    running_ = false;
}

// A process object may be the one whose signal is being handled: it is
// deleted from the event loop.
void CheckJob::retireProcesses()
{
    for (auto& p : processes_)
        if (p)
            p.release()->deleteLater();
    processes_.clear();
}

bool CheckJob::writeSource()
{
    if (!folder_.isValid())
        return false;
    // The answer runs under another user when the program has administrator rights.
    QFile::setPermissions(folder_.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther);
    return writeFile(folder_.filePath(QString::fromUtf16(SourceName)), answer_.toUtf8());
}

LimitedProcess& CheckJob::newProcess(LimitedProcess::Role role)
{
    processes_.push_back(std::make_unique<LimitedProcess>(role, settings_.limits));
    return *processes_.back();
}

void CheckJob::buildHeader()
{
    const QStringList includes = leadingIncludes(answer_);
    if (includes.isEmpty())
        return compile();
    headerFolder_ = headerFolder(settings_, includes);
    if (QFileInfo::exists(headerPath(headerFolder_) + u".gch")) {
        header_ = headerPath(headerFolder_);
        return compile();
    }
    if (!QDir().mkpath(headerFolder_) || !writeFile(headerPath(headerFolder_), headerText(includes).toUtf8()))
        return compile();
    LimitedProcess& p = newProcess(LimitedProcess::Role::Compiler);
    connect(&p, &LimitedProcess::finished, this, &CheckJob::headerBuilt);
    building_ = u"building-" + QFileInfo(folder_.path()).fileName();
    p.start(settings_.toolchain.compiler, headerBuildArguments(QString::fromUtf16(HeaderName), building_),
            headerFolder_);
}

// The header is built under a name of this job's own and renamed into place,
// so another lesson on the same machine never sees half of it.
void CheckJob::headerBuilt(const RunOutcome& outcome)
{
    const QString building = headerFolder_ + u'/' + building_;
    const QString target = headerPath(headerFolder_) + u".gch";
    if (outcome.started && !outcome.crashed && outcome.exitCode == 0 &&
        (QFile::exists(target) || QFile::rename(building, target)))
        header_ = headerPath(headerFolder_);
    QFile::remove(building);
    compile();
}

void CheckJob::compile()
{
    LimitedProcess& p = newProcess(LimitedProcess::Role::Compiler);
    connect(&p, &LimitedProcess::finished, this, &CheckJob::compiled);
    p.start(settings_.toolchain.compiler, compileArguments(header_, MaxErrors, settings_.toolchain.goldLinker),
            folder_.path());
}

void CheckJob::compiled(const RunOutcome& outcome)
{
    if (!outcome.started)
        return finish(Verdict::Unavailable, QStringLiteral("компилаторът g++ не може да се стартира"));
    if (outcome.crashed || outcome.exitCode != 0 || outcome.wallTimeout) {
        result_.diagnostics = parseDiagnostics(outcome.errors, MaxErrors);
        result_.compilerText = compilerText(result_.diagnostics);
        return finish(Verdict::CompileError);
    }
    QFile::setPermissions(folder_.filePath(QString::fromUtf16(ProgramName)),
                          QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    retireProcesses();
    result_.samples.fill(SampleResult{}, samples_.size());
    nextSample_ = 0;
    samplesDone_ = 0;
    if (samples_.isEmpty())
        return finish(Verdict::Accepted);
    // Samples run side by side, one per core; their results keep the samples' order.
    const int side = std::clamp(QThread::idealThreadCount(), 1, int(samples_.size()));
    for (int i = 0; i < side; ++i)
        runSample();
}

void CheckJob::runSample()
{
    const int i = nextSample_++;
    LimitedProcess& p = newProcess(LimitedProcess::Role::Answer);
    connect(&p, &LimitedProcess::finished, this, [this, i](const RunOutcome& outcome) { sampleRan(i, outcome); });
    const QString program = folder_.filePath(QString::fromUtf16(ProgramName));
    const QByteArray input = samples_.at(i).input.toUtf8();
    if (result_.sandboxed)
        p.start(settings_.toolchain.sandbox, sandboxArguments(settings_.toolchain, program, settings_.limits),
                folder_.path(), input);
    else
        p.start(program, {}, folder_.path(), input);
}

void CheckJob::sampleRan(int i, const RunOutcome& outcome)
{
    RunOutcome run = outcome;
    run.sandboxed = result_.sandboxed;
    if (!run.started || (run.sandboxed && run.exitCode == 1 && run.errors.startsWith("bwrap:"))) {
        cancel();
        result_.samples.clear();
        return finish(Verdict::Unavailable, QStringLiteral("пясъчникът bwrap не може да стартира програмата"));
    }
    result_.samples[i] = classifyRun(run, samples_.at(i).input, samples_.at(i).output);
    ++samplesDone_;
    if (nextSample_ < samples_.size())
        return runSample();
    if (samplesDone_ == samples_.size())
        finish(overallVerdict(result_.samples));
}

void CheckJob::finish(Verdict verdict, const QString& reason)
{
    result_.verdict = verdict;
    result_.reason = reason;
    running_ = false;
    retireProcesses();
    // The receiver may delete the job: nothing of it is used after this.
    emit finished(result_);
}

}  // namespace checker
