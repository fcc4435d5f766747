#pragma once

#include "checker/commands.h"
#include "checker/limited_process.h"
#include "checker/verdict.h"
#include "content/lesson.h"

#include <QObject>
#include <QTemporaryDir>
#include <memory>
#include <vector>

namespace checker {

// Checks one answer: builds the precompiled header its includes need (once,
// into the cache folder), compiles the answer in a private temporary folder,
// then runs it on each sample, one run per core at a time. Never blocks; cancelling or deleting
// the job kills whatever it has running.
class CheckJob : public QObject {
    Q_OBJECT
public:
    CheckJob(CheckSettings settings, QString answer, QList<content::Lesson::Sample> samples, QObject* parent = nullptr);
    ~CheckJob() override;

    void start();
    void cancel();
    bool running() const { return running_; }
    const CheckResult& result() const { return result_; }
    static constexpr int MaxErrors = 10;

signals:
    void finished(const checker::CheckResult& result);

private:
    bool writeSource();
    void buildHeader();
    void headerBuilt(const RunOutcome& outcome);
    void compile();
    void compiled(const RunOutcome& outcome);
    void runSample();
    void sampleRan(int sample, const RunOutcome& outcome);
    void finish(Verdict verdict, const QString& reason = {});
    LimitedProcess& newProcess(LimitedProcess::Role role);
    void retireProcesses();

    CheckSettings settings_;
    QString answer_;
    QList<content::Lesson::Sample> samples_;
    QTemporaryDir folder_;
    QString headerFolder_;
    QString building_;                                        // the header's name while it is built
    QString header_;                                          // empty: compile without a precompiled header
    std::vector<std::unique_ptr<LimitedProcess>> processes_;  // the compiler's, or the sample runs
    int nextSample_ = 0;
    int samplesDone_ = 0;
    CheckResult result_;
    bool running_ = false;
};

}  // namespace checker
