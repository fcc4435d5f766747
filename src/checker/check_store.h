#pragma once

#include "checker/commands.h"
#include "checker/verdict.h"

#include <QHash>

namespace checker {

// What the checks of one task have come to so far.
struct TaskCounts {
    int checks = 0;
    int bestPassed = 0;  // the most samples one check passed
    int samples = 0;     // samples of the task
    Verdict lastVerdict = Verdict::Unavailable;
};

// The checker's settings and the per-task counts of this run of the lesson.
// The program owns it, so the counts outlive the workbench window.
class CheckStore {
public:
    CheckSettings settings;

    void record(int task, const CheckResult& result);
    TaskCounts counts(int task) const { return counts_.value(task); }

private:
    QHash<int, TaskCounts> counts_;
};

}  // namespace checker
