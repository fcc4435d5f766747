#pragma once

#include <QObject>
#include <QProcess>
#include <QTimer>

namespace checker {

// What a program is given when it starts.
struct ProcessSpec {
    QString program;
    QStringList arguments;
    QString folder;
    QStringList environment;  // "NAME=value"; nothing else is inherited
    QByteArray input;
    qint64 outputCap = 0;  // bytes of standard output kept; past it the process is stopped
    qint64 errorCap = 0;   // bytes of standard error kept; past it they are dropped
    int wallMs = 0;
    // Limits set on the process itself, for a compile without a sandbox; 0
    // leaves a limit as it is. (In a sandbox the runner sets them.)
    int cpuSeconds = 0;
    qint64 addressSpace = 0;
    qint64 fileSize = 0;
    int files = 0;
};

// What became of a process.
struct ProcessOutcome {
    bool started = true;
    bool wallTimeout = false;   // stopped by the wall clock
    bool outputCapped = false;  // stopped for printing past its cap
    bool crashed = false;       // ended by a signal
    int exitCode = 0;           // the signal when crashed
    QByteArray output;
    QByteArray errors;
};

// One program started in a process group of its own, its output read and
// capped while it arrives, stopped by a wall-clock timer. It never runs with
// the administrator's rights: started as root it becomes nobody first. It
// never blocks; killing it kills the whole group (with bwrap, the sandbox).
class LimitedProcess : public QObject {
    Q_OBJECT
public:
    explicit LimitedProcess(QObject* parent = nullptr);
    ~LimitedProcess() override;

    void start(const ProcessSpec& spec);
    // Kills the group and waits for the direct child; nothing is reported.
    void stop();

    // The user and group a process started as root runs as: "nobody" and
    // "nogroup", the same numbers on every Debian system.
    static constexpr uid_t Nobody = 65534;
    // The exit status of a child that could not set itself up.
    static constexpr int SetupFailed = 125;

signals:
    void finished(const checker::ProcessOutcome& outcome);

private:
    void readOutput();
    void readErrors();
    void killGroup();
    void report(int exitCode, QProcess::ExitStatus status);

    ProcessSpec spec_;
    QProcess process_;
    QTimer wall_;
    ProcessOutcome outcome_;
    qint64 group_ = 0;
};

}  // namespace checker
