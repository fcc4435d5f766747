#include "checker/check_job.h"

#include "checker/run_report.h"
#include "runner/protocol.h"

#include <QFileInfo>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace checker {

namespace {

const QString NotRunPrefix = u"програмата е компилирана, но не е изпълнена: "_s;

QString noSandboxReason(const Toolchain& toolchain)
{
    if (!QFileInfo(toolchain.sandbox).isExecutable())
        return u"няма пясъчник bwrap. Инсталирайте пакета bubblewrap (sudo apt install bubblewrap)."_s;
    return u"липсва програмата lesko_runner на урока. Инсталирайте урока отново."_s;
}

// bwrap's own complaint, the first line it wrote.
QString sandboxComplaint(const QByteArray& errors)
{
    const QString first = QString::fromUtf8(errors).section(u'\n', 0, 0).trimmed();
    return u"пясъчникът bwrap не може да стартира"_s + (first.isEmpty() ? QString() : u" („"_s + first + u"“)"_s) +
           u". Проверете дали системата позволява потребителски пространства от имена (user namespaces)."_s;
}

qint64 mebibytes(qint64 bytes) { return bytes >> 20; }

// What a compile prints on its output: nothing but the runner's "ready".
constexpr qint64 CompilerOutputBytes = 1024;
// A step started when the check's time is nearly over still gets a second.
constexpr int LeastStepMs = 1000;

// Once a scope of the user's manager failed to start a sandbox, this lesson
// starts its sandboxes without one.
bool& scopeRefused()
{
    static bool refused = false;
    return refused;
}

}  // namespace

CheckJob::CheckJob(CheckSettings settings, QString answer, QList<TestCase> tests, QObject* parent)
    : QObject(parent), settings_(std::move(settings)), answer_(std::move(answer)), tests_(std::move(tests))
{
}

CheckJob::~CheckJob() { cancel(); }

void CheckJob::start()
{
    if (running_)
        return;
    running_ = true;
    result_ = {};
    clock_.start();
    // Reported from the event loop, so the caller sees no result inside start().
    QTimer::singleShot(0, this, [this] {
        if (running_)
            prepare();
    });
}

void CheckJob::cancel()
{
    if (process_)
        process_->stop();
    // The process object may be the one whose signal is being handled.
    if (process_)
        process_.release()->deleteLater();
    folder_.reset();
    running_ = false;
}

void CheckJob::prepare()
{
    if (!QFileInfo(settings_.toolchain.compiler).isExecutable())
        return finish(Verdict::Unavailable, u"няма компилатор g++"_s);
    const content::Result<std::shared_ptr<JobFolder>> folder = JobFolder::create(settings_.cacheFolder);
    if (!folder)
        return finish(Verdict::Unavailable, folder.reason());
    folder_ = *folder;
    if (const qint64 free = folder_->freeBytes(); free >= 0 && free < settings_.limits.freeSpaceNeeded)
        return finish(Verdict::Unavailable,
                      u"на диска няма място за проверката (свободни са %1 MiB, нужни са %2 MiB)"_s.arg(mebibytes(free))
                          .arg(mebibytes(settings_.limits.freeSpaceNeeded)));
    if (!writeJobFile(folder_->filePath(QString::fromUtf16(SourceName)), answer_.toUtf8()))
        return finish(Verdict::Unavailable, u"програмата не може да бъде записана в папката за проверката"_s);
    const Toolchain& t = settings_.toolchain;
    if (!QFileInfo(t.sandbox).isExecutable() || !QFileInfo(t.runner).isExecutable())
        noSandbox_ = noSandboxReason(t);
    result_.sandboxed = noSandbox_.isEmpty();
    buildHeader();
}

bool CheckJob::inScope() const { return !settings_.toolchain.memoryScope.isEmpty() && !scopeRefused(); }

ProcessSpec CheckJob::sandboxSpec(const QStringList& arguments) const
{
    ProcessSpec spec;
    spec.program = settings_.toolchain.sandbox;
    spec.arguments = arguments;
    spec.folder = folder_->path();
    spec.environment = {u"PATH=/usr/bin:/bin"_s};
    if (inScope()) {
        spec.program = settings_.toolchain.memoryScope;
        spec.arguments = scopeArguments(settings_.limits, settings_.toolchain.sandbox) + arguments;
        for (const char* name : {"XDG_RUNTIME_DIR", "DBUS_SESSION_BUS_ADDRESS"})
            spec.environment << QString::fromLatin1(name) + u'=' + qEnvironmentVariable(name);
    }
    spec.outputCap = CompilerOutputBytes;
    spec.errorCap = settings_.limits.compilerErrorBytes;
    spec.wallMs = std::min(settings_.limits.compileWallMs, remainingMs());
    return spec;
}

void CheckJob::startCompiler(const QStringList& arguments, const QString& headerFolder, Step then)
{
    ProcessSpec spec;
    const Limits& l = settings_.limits;
    if (result_.sandboxed) {
        spec = sandboxSpec(compileSandboxArguments(settings_, folder_->path(), headerFolder, arguments));
    } else {
        // No sandbox: the compiler alone, with the limits set on it directly.
        spec.program = settings_.toolchain.compiler;
        spec.arguments = arguments;
        spec.folder = folder_->path();
        spec.environment = compileEnvironment();
        spec.environment.replaceInStrings(u"TMPDIR="_s + QString::fromUtf16(JobMount), u"TMPDIR="_s + folder_->path());
        spec.outputCap = CompilerOutputBytes;
        spec.errorCap = l.compilerErrorBytes;
        spec.wallMs = std::min(l.compileWallMs, remainingMs());
        spec.cpuSeconds = l.compileCpuSeconds;
        spec.addressSpace = l.compileAddressSpace;
        spec.fileSize = l.compileFileSize;
        spec.files = l.compileFiles;
    }
    LimitedProcess& p = newProcess();
    connect(&p, &LimitedProcess::finished, this, then);
    p.start(spec);
}

LimitedProcess& CheckJob::newProcess()
{
    // The previous process may be the one whose signal is being handled.
    if (process_)
        process_.release()->deleteLater();
    process_ = std::make_unique<LimitedProcess>();
    return *process_;
}

void CheckJob::buildHeader()
{
    includes_ = leadingIncludes(answer_);
    // Without a sandbox the answer is only compiled: no header is worth building.
    if (includes_.isEmpty() || !result_.sandboxed)
        return compile();
    const QString folder = headerFolder(settings_, includes_);
    if (QFileInfo::exists(folder + u'/' + QString::fromUtf16(HeaderName) + u".gch"_s)) {
        headerFolder_ = folder;
        markHeaderUsed(folder);
        return compile();
    }
    if (!writeJobFile(folder_->filePath(QString::fromUtf16(HeaderName)), headerText(includes_).toUtf8()))
        return compile();
    startCompiler(headerBuildArguments(), {}, &CheckJob::headerBuilt);
}

void CheckJob::headerBuilt(const ProcessOutcome& outcome)
{
    if (scopeFailed(outcome))
        return buildHeader();
    if (!sandboxStarted(outcome))
        return compile();
    const QString folder = headerFolder(settings_, includes_);
    const QString built = folder_->filePath(QString::fromUtf16(HeaderName) + u".gch"_s);
    const bool ok = !outcome.crashed && !outcome.wallTimeout && outcome.exitCode == 0;
    if (ok && installHeader(built, headerText(includes_), folder)) {
        headerFolder_ = folder;
        trimHeaderCache(settings_.cacheFolder, settings_.headerCacheBytes, folder);
    }
    compile();
}

void CheckJob::compile()
{
    const QStringList arguments = compileArguments(!headerFolder_.isEmpty(), MaxErrors, settings_.toolchain.goldLinker);
    startCompiler(arguments, headerFolder_, &CheckJob::compiled);
}

bool CheckJob::scopeFailed(const ProcessOutcome& outcome)
{
    if (!result_.sandboxed || !inScope() ||
        outcome.output.startsWith(QByteArray(QByteArray(runner_protocol::Ready) + '\n')))
        return false;
    scopeRefused() = true;
    return true;
}

bool CheckJob::sandboxStarted(const ProcessOutcome& outcome)
{
    if (!result_.sandboxed || outcome.output.startsWith(QByteArray(QByteArray(runner_protocol::Ready) + '\n')))
        return true;
    noSandbox_ = sandboxComplaint(outcome.errors);
    result_.sandboxed = false;
    headerFolder_.clear();
    return false;
}

void CheckJob::compiled(const ProcessOutcome& outcome)
{
    if (!outcome.started && !inScope())
        return finish(Verdict::Unavailable, u"компилаторът g++ не може да се стартира"_s);
    if (scopeFailed(outcome))
        return compile();
    if (!sandboxStarted(outcome))
        return compile();
    if (outcome.exitCode == runner_protocol::SetupFailed && outcome.errors.startsWith("lesko_runner:"))
        return finish(Verdict::Unavailable,
                      u"пясъчникът не може да ограничи компилатора: "_s + QString::fromUtf8(outcome.errors).trimmed());
    if (outcome.crashed || outcome.exitCode != 0 || outcome.wallTimeout) {
        result_.diagnostics = parseDiagnostics(outcome.errors, MaxErrors);
        if (outcome.wallTimeout)
            result_.diagnostics.prepend(compileStopped(settings_.limits.compileWallMs));
        result_.compilerText = compilerText(result_.diagnostics);
        return finish(Verdict::CompileError);
    }
    if (!noSandbox_.isEmpty())
        return finish(Verdict::Unavailable, NotRunPrefix + noSandbox_);
    runTests();
}

int CheckJob::remainingMs() const
{
    return std::max<int>(LeastStepMs, settings_.limits.checkWallMs - int(clock_.elapsed()));
}

void CheckJob::runTests()
{
    if (tests_.isEmpty())
        return finish(Verdict::Accepted);
    ProcessSpec spec = sandboxSpec(testSandboxArguments(settings_, folder_->filePath(QString::fromUtf16(ProgramName))));
    spec.input = runRequest(tests_, settings_.limits);
    spec.outputCap = reportCap(tests_, settings_.limits);
    spec.wallMs = remainingMs();
    LimitedProcess& p = newProcess();
    connect(&p, &LimitedProcess::finished, this, &CheckJob::testsRan);
    p.start(spec);
}

void CheckJob::testsRan(const ProcessOutcome& outcome)
{
    const RunReport report = parseRunReport(outcome.output, int(tests_.size()));
    if (!report.ready && inScope()) {
        scopeRefused() = true;
        return runTests();
    }
    if (!report.ready)
        return finish(Verdict::Unavailable, sandboxComplaint(outcome.errors));
    if (!report.done && !outcome.wallTimeout)
        return finish(Verdict::Unavailable,
                      report.problem.isEmpty() ? u"пясъчникът спря преди да изпълни всички тестове"_s : report.problem);
    for (int i = 0; i < tests_.size(); ++i) {
        if (report.outcomes[i]) {
            result_.tests << classifyRun(*report.outcomes[i], tests_[i], settings_.limits);
            continue;
        }
        // The whole check's time ran out before this test ended.
        RunOutcome late;
        late.wallTimeout = true;
        result_.tests << classifyRun(late, tests_[i], settings_.limits);
        result_.tests.last().detail = u"времето за цялата проверка изтече"_s;
    }
    if (std::any_of(result_.tests.begin(), result_.tests.end(),
                    [](const TestResult& t) { return t.verdict == Verdict::Unavailable; }))
        return finish(Verdict::Unavailable, u"пясъчникът не може да стартира програмата"_s);
    finish(overallVerdict(result_.tests));
}

void CheckJob::finish(Verdict verdict, const QString& reason)
{
    result_.verdict = verdict;
    if (result_.reason.isEmpty())
        result_.reason = reason;
    if (process_)
        process_.release()->deleteLater();
    folder_.reset();
    running_ = false;
    // The receiver may delete the job: nothing of it is used after this.
    emit finished(result_);
}

}  // namespace checker
