#pragma once

#include "checker/commands.h"
#include "checker/verdict.h"
#include "content/lesson.h"

// What a check of one of the lesson's tasks runs: the task's tests (samples
// shown, secret tests hidden with their hints) under the task's time limit.
namespace checker {

QList<TestCase> testCases(const QList<content::TaskTest>& tests);
QList<TestCase> taskTests(const content::Lesson& lesson, int task);
// The settings with the task's CPU time limit; a task without one keeps the settings' limit.
CheckSettings taskSettings(CheckSettings settings, const content::Lesson& lesson, int task);

}  // namespace checker
