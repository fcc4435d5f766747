#pragma once

#include "checker/commands.h"
#include "checker/verdict.h"

#include <QByteArray>
#include <QList>
#include <optional>

// The lesson's side of what it and the sandbox's runner say to each other
// (runner/protocol.h).
namespace checker {

// The bytes of output kept for a test: at least the limit's, twice the
// expected output's length for a test whose answer is longer.
qint64 outputCap(const TestCase& test, const Limits& limits);

// The request that runs every test with the limits.
QByteArray runRequest(const QList<TestCase>& tests, const Limits& limits);

// The report as far as it came. A test without a report did not end before
// the runner did (the whole check's time ran out, or the sandbox failed).
struct RunReport {
    bool ready = false;  // the sandbox started the runner
    bool done = false;   // every test was reported
    QList<std::optional<RunOutcome>> outcomes;
    QString problem;  // what was wrong with the report; empty when sound
};
RunReport parseRunReport(const QByteArray& bytes, int tests);

// The most bytes a whole report may take.
qint64 reportCap(const QList<TestCase>& tests, const Limits& limits);

}  // namespace checker
