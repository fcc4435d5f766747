#pragma once

#include "checker/diagnostics.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace checker {

struct Limits;

enum class Verdict {
    Accepted,
    WrongAnswer,
    TimeLimit,
    RuntimeError,
    OutputLimit,
    MemoryLimit,
    CompileError,
    Unavailable,
};

// The verdict's own words: "Верен", "Грешен отговор", …
QString verdictText(Verdict verdict);
// A signal in words, for "Грешка при изпълнение".
QString signalWords(int signal);

// One test of a task as a check runs it.
struct TestCase {
    QString input;
    QString expected;
    QString hint;        // the author's hint, shown when a hidden test fails
    bool shown = true;   // a sample: the result window shows its data in full
    bool judged = true;  // false for a run on the student's own input: no output is expected
};

// How one run of the answer ended, as the sandbox's runner reported it from
// the wait status and the resource usage: nothing the answer printed.
struct RunOutcome {
    enum class Ending { Exited, Signalled, Unstarted };
    Ending ending = Ending::Exited;
    int code = 0;  // the exit code, the signal, or the reason it did not start
    qint64 cpuMs = 0;
    qint64 wallMs = 0;
    qint64 maxRssKb = 0;
    bool outputCapped = false;  // stopped for printing too much
    bool wallTimeout = false;   // stopped by the wall clock
    bool cpuTimeout = false;    // used up its CPU time
    QByteArray output;
    QByteArray errors;
};

// One test's result.
struct TestResult {
    Verdict verdict = Verdict::Accepted;
    QString detail;  // the signal in words, the exit code, a note on spacing
    bool shown = true;
    QString hint;
    QString input;
    QString expected;
    QString got;
    QString errors;  // what the answer wrote on its error output
    int firstDifferentLine = 0;
    bool onlySpacing = false;
    qint64 cpuMs = 0;
};

// The verdict of a finished run. Time: the runner stopped it, or its CPU time
// reached the limit. Memory: it used more resident memory than the limit, or
// asked for more in one mapping (the runner's filter ends it with SIGSYS).
TestResult classifyRun(const RunOutcome& run, const TestCase& test, const Limits& limits);

// The whole check of one answer.
struct CheckResult {
    Verdict verdict = Verdict::Unavailable;
    QString reason;  // why the check is not available, why the compile stopped
    QList<TestResult> tests;
    QList<Diagnostic> diagnostics;
    QString compilerText;  // the compiler's own text
    bool sandboxed = false;

    int passed() const;
    int total() const { return int(tests.size()); }
    // The overall verdict with its detail, as one line.
    QString summary() const;
};

// A test's line in the result window: "Тест 2: Грешен отговор", for a hidden
// one "Тест 7 (скрит): Грешен отговор".
QString testLine(int number, const TestResult& test);
// The overall verdict of finished runs: the first one that is not right.
Verdict overallVerdict(const QList<TestResult>& tests);

}  // namespace checker
