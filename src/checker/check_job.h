#pragma once

#include "checker/commands.h"
#include "checker/job_folder.h"
#include "checker/limited_process.h"
#include "checker/verdict.h"

#include <QElapsedTimer>
#include <QObject>
#include <memory>

namespace checker {

// Checks one answer in a private job folder: builds the precompiled header
// its includes need (once, into the cache), compiles it, then runs every test
// in one sandbox, two at a time. Compiler and answer alike run in bwrap
// (commands.h). Without a sandbox that starts, the answer is compiled but not
// run, and the verdict says so. Never blocks; cancelling or deleting the job
// kills whatever it has running and removes its folder.
class CheckJob : public QObject {
    Q_OBJECT
public:
    CheckJob(CheckSettings settings, QString answer, QList<TestCase> tests, QObject* parent = nullptr);
    ~CheckJob() override;

    void start();
    void cancel();
    bool running() const { return running_; }
    const CheckResult& result() const { return result_; }
    static constexpr int MaxErrors = 10;

signals:
    void finished(const checker::CheckResult& result);

private:
    void prepare();
    void buildHeader();
    void headerBuilt(const ProcessOutcome& outcome);
    void compile();
    void compiled(const ProcessOutcome& outcome);
    void runTests();
    void testsRan(const ProcessOutcome& outcome);
    void finish(Verdict verdict, const QString& reason = {});
    LimitedProcess& newProcess();
    using Step = void (CheckJob::*)(const ProcessOutcome&);
    // Starts the compiler (in the sandbox when there is one); then runs when it ends.
    void startCompiler(const QStringList& arguments, const QString& headerFolder, Step then);
    ProcessSpec sandboxSpec(const QStringList& arguments) const;
    // True when the sandbox started; otherwise the check goes on without it.
    bool sandboxStarted(const ProcessOutcome& outcome);
    // Sandboxes run in a scope of the user's manager, which limits their memory.
    bool inScope() const;
    // True when the scope kept the sandbox from starting: the step runs again without it.
    bool scopeFailed(const ProcessOutcome& outcome);
    int remainingMs() const;

    CheckSettings settings_;
    QString answer_;
    QList<TestCase> tests_;
    std::shared_ptr<JobFolder> folder_;
    std::unique_ptr<LimitedProcess> process_;
    QStringList includes_;
    QString headerFolder_;  // empty: compile without a precompiled header
    QString noSandbox_;     // why the answer cannot run; empty with a sandbox
    QElapsedTimer clock_;
    CheckResult result_;
    bool running_ = false;
};

}  // namespace checker
