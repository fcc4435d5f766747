#include "checker/limited_process.h"

#include <grp.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace checker {

namespace {

constexpr uid_t Nobody = 65534;

void limit(int resource, rlim_t soft, rlim_t hard)
{
    const rlimit value{soft, hard};
    setrlimit(resource, &value);
}

// Runs in the child between fork and exec: async-signal-safe calls only.
void applyLimits(LimitedProcess::Role role, const Limits& l)
{
    setpgid(0, 0);
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    limit(RLIMIT_CORE, 0, 0);
    if (role == LimitedProcess::Role::Compiler) {
        limit(RLIMIT_CPU, rlim_t(l.compileWallMs / 1000 + 1), rlim_t(l.compileWallMs / 1000 + 2));
        return;
    }
    limit(RLIMIT_CPU, rlim_t(l.cpuSeconds), rlim_t(l.cpuSeconds + 1));
    limit(RLIMIT_AS, rlim_t(l.addressSpace), rlim_t(l.addressSpace));
    limit(RLIMIT_FSIZE, rlim_t(l.fileSize), rlim_t(l.fileSize));
    // An answer never runs with the administrator's rights: when the rights
    // cannot be dropped, it does not run at all.
    if (geteuid() == 0 && (setgroups(0, nullptr) != 0 || setgid(Nobody) != 0 || setuid(Nobody) != 0))
        _exit(127);
}

}  // namespace

LimitedProcess::LimitedProcess(Role role, const Limits& limits, QObject* parent)
    : QObject(parent), role_(role), limits_(limits)
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
    process_.setChildProcessModifier([role, limits] { applyLimits(role, limits); });
}

LimitedProcess::~LimitedProcess() { stop(); }

void LimitedProcess::start(const QString& program, const QStringList& arguments, const QString& folder,
                           const QByteArray& input)
{
    outcome_ = {};
    process_.setWorkingDirectory(folder);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process_.setProcessEnvironment(environment);
    wall_.start(role_ == Role::Compiler ? limits_.compileWallMs : limits_.wallMs);
    process_.start(program, arguments);
    group_ = process_.processId();
    if (group_ == 0)
        return;  // errorOccurred has reported it
    process_.write(input);
    process_.closeWriteChannel();
}

void LimitedProcess::stop()
{
    wall_.stop();
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.blockSignals(true);
    killGroup();
    process_.waitForFinished(2000);
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
    const qint64 room = limits_.outputBytes - outcome_.output.size();
    outcome_.output += chunk.left(std::max<qint64>(room, 0));
    if (role_ == Role::Answer && chunk.size() > room && !outcome_.outputCapped) {
        outcome_.outputCapped = true;
        killGroup();
    }
}

void LimitedProcess::readErrors()
{
    const QByteArray chunk = process_.readAllStandardError();
    const qint64 cap = role_ == Role::Compiler ? 4 * limits_.outputBytes : limits_.errorBytes;
    outcome_.errors += chunk.left(std::max<qint64>(cap - outcome_.errors.size(), 0));
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
