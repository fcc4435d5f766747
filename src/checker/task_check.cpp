#include "checker/task_check.h"

namespace checker {

QList<TestCase> testCases(const QList<content::TaskTest>& tests)
{
    QList<TestCase> cases;
    for (const content::TaskTest& t : tests)
        cases.append({t.input, t.answer, t.hint, t.sample});
    return cases;
}

QList<TestCase> taskTests(const content::Lesson& lesson, int task) { return testCases(lesson.tests(task)); }

CheckSettings taskSettings(CheckSettings settings, const content::Lesson& lesson, int task)
{
    if (const int limit = lesson.timeLimitMs(task); limit > 0)
        settings.limits.cpuMs = limit;
    return settings;
}

}  // namespace checker
