#pragma once

#include "checker/commands.h"
#include "checker/verdict.h"

#include <QObject>
#include <QProcess>
#include <QTimer>

namespace checker {

// One program run in a process group of its own, under resource limits and a
// wall-clock timer, its output read and capped while it arrives. It never
// blocks; killing it kills the whole group (and so the whole sandbox).
class LimitedProcess : public QObject {
    Q_OBJECT
public:
    enum class Role { Compiler, Answer };
    LimitedProcess(Role role, const Limits& limits, QObject* parent = nullptr);
    ~LimitedProcess() override;

    void start(const QString& program, const QStringList& arguments, const QString& folder,
               const QByteArray& input = {});
    // Kills the group and waits for the direct child; nothing is reported.
    void stop();

signals:
    void finished(const checker::RunOutcome& outcome);

private:
    void readOutput();
    void readErrors();
    void killGroup();
    void report(int exitCode, QProcess::ExitStatus status);

    Role role_;
    Limits limits_;
    QProcess process_;
    QTimer wall_;
    RunOutcome outcome_;
    qint64 group_ = 0;
};

}  // namespace checker
