#include "checker/limited_process.h"

#include <grp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace checker {

namespace {

// How long stop() waits for the killed child to be reaped.
constexpr int StopWaitMs = 2000;

struct ChildSetup {
    int cpuSeconds;
    rlim_t addressSpace, fileSize, files;
};

bool limit(int resource, rlim_t soft, rlim_t hard)
{
    const rlimit value{soft, hard};
    return setrlimit(resource, &value) == 0;
}

// Runs in the child between fork and exec: async-signal-safe calls only, each
// checked; a child that cannot set itself up ends with SetupFailed.
void setUpChild(const ChildSetup& s)
{
    bool ok = setpgid(0, 0) == 0 && prctl(PR_SET_PDEATHSIG, SIGKILL) == 0 && limit(RLIMIT_CORE, 0, 0);
    // SIGXCPU at the soft limit, SIGKILL a second later.
    if (ok && s.cpuSeconds > 0)
        ok = limit(RLIMIT_CPU, rlim_t(s.cpuSeconds), rlim_t(s.cpuSeconds + 1));
    if (ok && s.addressSpace > 0)
        ok = limit(RLIMIT_AS, s.addressSpace, s.addressSpace);
    if (ok && s.fileSize > 0)
        ok = limit(RLIMIT_FSIZE, s.fileSize, s.fileSize);
    if (ok && s.files > 0)
        ok = limit(RLIMIT_NOFILE, s.files, s.files);
    // Never with the administrator's rights; the rights are dropped for good.
    if (ok && geteuid() == 0)
        ok = setgroups(0, nullptr) == 0 && setgid(LimitedProcess::Nobody) == 0 && setuid(LimitedProcess::Nobody) == 0 &&
             setuid(0) != 0;
    if (!ok)
        _exit(LimitedProcess::SetupFailed);
}

}  // namespace

LimitedProcess::LimitedProcess(QObject* parent) : QObject(parent)
{
    wall_.setSingleShot(true);
    connect(&wall_, &QTimer::timeout, this, [this] {
        outcome_.wallTimeout = true;
        killGroup();
    });
    connect(&process_, &QProcess::readyReadStandardOutput, this, &LimitedProcess::readOutput);
    connect(&process_, &QProcess::readyReadStandardError, this, &LimitedProcess::readErrors);
    connect(&process_, &QProcess::finished, this, &LimitedProcess::report);
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        outcome_.started = false;
        group_ = 0;
        wall_.stop();
        emit finished(outcome_);
    });
}

LimitedProcess::~LimitedProcess() { stop(); }

void LimitedProcess::start(const ProcessSpec& spec)
{
    spec_ = spec;
    outcome_ = {};
    const ChildSetup setup{spec.cpuSeconds, rlim_t(spec.addressSpace), rlim_t(spec.fileSize), rlim_t(spec.files)};
    process_.setChildProcessModifier([setup] { setUpChild(setup); });
    process_.setWorkingDirectory(spec.folder);
    process_.setEnvironment(spec.environment);
    wall_.start(spec.wallMs);
    process_.start(spec.program, spec.arguments);
    group_ = process_.processId();
    if (group_ == 0)
        return;  // errorOccurred has reported it
    process_.write(spec.input);
    process_.closeWriteChannel();
}

void LimitedProcess::stop()
{
    wall_.stop();
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.blockSignals(true);
    killGroup();
    process_.waitForFinished(StopWaitMs);
    group_ = 0;
}

void LimitedProcess::killGroup()
{
    if (group_ > 0)
        ::kill(pid_t(-group_), SIGKILL);
}

void LimitedProcess::readOutput()
{
    const QByteArray chunk = process_.readAllStandardOutput();
    const qint64 room = spec_.outputCap - outcome_.output.size();
    outcome_.output += chunk.left(std::max<qint64>(room, 0));
    if (chunk.size() > room && !outcome_.outputCapped) {
        outcome_.outputCapped = true;
        killGroup();
    }
}

void LimitedProcess::readErrors()
{
    const QByteArray chunk = process_.readAllStandardError();
    outcome_.errors += chunk.left(std::max<qint64>(spec_.errorCap - outcome_.errors.size(), 0));
}

void LimitedProcess::report(int exitCode, QProcess::ExitStatus status)
{
    wall_.stop();
    readOutput();
    readErrors();
    // Whatever the program left running in its group goes with it.
    killGroup();
    group_ = 0;
    outcome_.crashed = status == QProcess::CrashExit;
    outcome_.exitCode = exitCode;
    emit finished(outcome_);
}

}  // namespace checker
