#pragma once

// Compiles the lesson's programs the way the checker compiles them and runs
// them on test inputs under a CPU limit, a bounded number at a time. Shared by
// test_solutions (verdicts) and bench/task_limits (timings).

#include "checker/commands.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <memory>
#include <vector>

namespace testing_support {

// Compiles C++ sources with g++ and a set of flags, through a precompiled
// header of the standard headers the lesson's programs include: an answer's
// own includes still work, the header only saves the time of parsing them.
class ProgramBuilder {
public:
    explicit ProgramBuilder(QStringList flags) : flags_(std::move(flags))
    {
        compiler_ = QStandardPaths::findExecutable(QStringLiteral("g++"));
        if (compiler_.isEmpty()) {
            complaint_ = QStringLiteral("g++ is needed to build the lesson's programs");
            return;
        }
        header_ = dir_.filePath(QStringLiteral("lesson_headers.h"));
        QFile file(header_);
        const QByteArray text =
            "#include <algorithm>\n#include <cmath>\n#include <cstring>\n#include <iomanip>\n"
            "#include <iostream>\n#include <string>\n#include <vector>\n";
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) {
            complaint_ = QStringLiteral("cannot write the header to precompile");
            return;
        }
        file.close();
        complaint_ = run(flags_ + QStringList{QStringLiteral("-x"), QStringLiteral("c++-header"), header_,
                                              QStringLiteral("-o"), header_ + u".gch"});
    }

    // Why nothing can be compiled; empty when the builder works.
    const QString& complaint() const { return complaint_; }

    // Compiles the sources, at most two at once; the compiler's complaint per
    // source, empty where it succeeded.
    QStringList compileAll(const QList<QPair<QString, QString>>& sourcesAndPrograms) const
    {
        QStringList complaints;
        for (qsizetype i = 0; i < sourcesAndPrograms.size(); i += 2) {
            std::vector<std::unique_ptr<QProcess>> builds;
            for (qsizetype j = i; j < qMin(i + 2, sourcesAndPrograms.size()); ++j) {
                const auto& [source, program] = sourcesAndPrograms.at(j);
                builds.push_back(start(source, program));
            }
            for (const auto& build : builds)
                complaints << finished(*build);
        }
        return complaints;
    }

private:
    QStringList argumentsFor(const QString& source, const QString& program) const
    {
        QStringList args = flags_;
        if (checker::Toolchain::fromSystem().goldLinker)
            args << QStringLiteral("-fuse-ld=gold");
        return args +
               QStringList{QStringLiteral("-include"), header_, QStringLiteral("-x"), QStringLiteral("c++"), source,
                           QStringLiteral("-o"),       program};
    }

    std::unique_ptr<QProcess> start(const QString& source, const QString& program) const
    {
        auto build = std::make_unique<QProcess>();
        build->setProcessChannelMode(QProcess::MergedChannels);
        build->start(compiler_, argumentsFor(source, program));
        return build;
    }

    static QString finished(QProcess& build)
    {
        if (!build.waitForFinished(300000))
            return QStringLiteral("g++ did not finish");
        if (build.exitStatus() == QProcess::NormalExit && build.exitCode() == 0)
            return {};
        return u"g++ failed: " + QString::fromUtf8(build.readAll());
    }

    QString run(const QStringList& args) const
    {
        QProcess build;
        build.setProcessChannelMode(QProcess::MergedChannels);
        build.start(compiler_, args);
        return finished(build);
    }

    QTemporaryDir dir_;
    QStringList flags_;
    QString compiler_;
    QString header_;
    QString complaint_;
};

struct RunRequest {
    QString program;
    QString inputPath;
    int cpuLimitMs = 1000;
    QStringList arguments;
};

struct RunResult {
    enum class End { Exited, OverTime, Signalled };
    End end = End::Signalled;  // also when the program could not start
    int status = 0;            // the exit status, or the signal
    qint64 cpuMs = 0;          // user and system time of the run
    QByteArray output;
};

namespace detail {

struct Running {
    pid_t pid = 0;
    qsizetype index = 0;
    QElapsedTimer wall;
};

inline void limit(int resource, rlim_t value)
{
    const rlimit r{value, value};
    setrlimit(resource, &r);
}

// Between fork and exec only async-signal-safe calls.
[[noreturn]] inline void becomeProgram(char* const argv[], const QByteArray& input, const QByteArray& output,
                                       int cpuSeconds)
{
    const int in = open(input.constData(), O_RDONLY);
    const int out = open(output.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = open("/dev/null", O_WRONLY);
    if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0)
        _exit(127);
    const rlimit cpu{rlim_t(cpuSeconds), rlim_t(cpuSeconds) + 1};  // SIGXCPU, then SIGKILL a second later
    setrlimit(RLIMIT_CPU, &cpu);
    limit(RLIMIT_AS, rlim_t(1) << 30);
    limit(RLIMIT_FSIZE, rlim_t(64) << 20);
    limit(RLIMIT_CORE, 0);
    execv(argv[0], argv);
    _exit(127);
}

inline RunResult resultOf(int status, const rusage& usage, int cpuLimitMs, const QString& outputPath)
{
    RunResult r;
    r.cpuMs = qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000 +
              (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
    const bool cpuSignal = WIFSIGNALED(status) && (WTERMSIG(status) == SIGXCPU || WTERMSIG(status) == SIGKILL);
    if (r.cpuMs > cpuLimitMs || cpuSignal)
        r.end = RunResult::End::OverTime;
    else if (WIFEXITED(status))
        r.end = RunResult::End::Exited;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status);
    QFile output(outputPath);
    if (output.open(QIODevice::ReadOnly))
        r.output = output.readAll();
    return r;
}

}  // namespace detail

// Runs every request, at most atOnce at a time, each with its input file on
// standard input and a CPU limit (whole seconds for the kernel, the verdict to
// the millisecond); a run that sleeps is killed after a wall time well beyond
// its limit. Results in the order of the requests.
inline QList<RunResult> runAll(const QList<RunRequest>& requests, int atOnce)
{
    QTemporaryDir outputs;
    const auto outputPath = [&](qsizetype i) { return outputs.filePath(QString::number(i)); };
    QList<RunResult> results(requests.size());
    std::vector<detail::Running> running;
    const auto reap = [&] {
        while (true) {
            for (auto r = running.begin(); r != running.end(); ++r) {
                int status = 0;
                rusage usage{};
                const RunRequest& request = requests.at(r->index);
                if (wait4(r->pid, &status, WNOHANG, &usage) == r->pid) {
                    results[r->index] = detail::resultOf(status, usage, request.cpuLimitMs, outputPath(r->index));
                    running.erase(r);
                    return;
                }
                if (r->wall.elapsed() > qint64(request.cpuLimitMs) * 3 + 10000)
                    kill(r->pid, SIGKILL);
            }
            const timespec pause{0, 2000000};
            nanosleep(&pause, nullptr);
        }
    };
    for (qsizetype i = 0; i < requests.size(); ++i) {
        while (int(running.size()) >= atOnce)
            reap();
        QList<QByteArray> words{QFile::encodeName(requests.at(i).program)};
        for (const QString& argument : requests.at(i).arguments)
            words << argument.toLocal8Bit();
        std::vector<char*> argv;
        for (QByteArray& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        const QByteArray input = QFile::encodeName(requests.at(i).inputPath);
        const QByteArray output = QFile::encodeName(outputPath(i));
        const int cpuSeconds = (requests.at(i).cpuLimitMs + 999) / 1000;
        const pid_t pid = fork();
        if (pid == 0)
            detail::becomeProgram(argv.data(), input, output, cpuSeconds);
        if (pid < 0)
            continue;  // results[i] stays a run that did not start
        running.push_back({pid, i, {}});
        running.back().wall.start();
    }
    while (!running.empty())
        reap();
    return results;
}

}  // namespace testing_support
