#include "checker/check_store.h"

namespace checker {

void CheckStore::record(int task, const CheckResult& result)
{
    TaskCounts& c = counts_[task];
    ++c.checks;
    c.bestPassed = std::max(c.bestPassed, result.passed());
    c.samples = std::max(c.samples, int(result.samples.size()));
    c.lastVerdict = result.verdict;
}

}  // namespace checker
