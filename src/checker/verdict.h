#pragma once

#include "checker/diagnostics.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace checker {

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

// What became of one run of the answer, as the process runner saw it.
struct RunOutcome {
    bool started = true;
    bool sandboxed = false;
    bool wallTimeout = false;   // killed by the wall-clock timer
    bool outputCapped = false;  // killed for printing too much
    bool crashed = false;       // ended by a signal (outside the sandbox)
    int exitCode = 0;           // the signal number when crashed
    QByteArray output;
    QByteArray errors;
};

// One sample run of the answer.
struct SampleResult {
    Verdict verdict = Verdict::Accepted;
    QString detail;  // the signal in words, the exit code, a note on spacing
    QString input;
    QString expected;
    QString got;
    int firstDifferentLine = 0;
    bool onlySpacing = false;
};

// The signal that ended a run, 0 when it ended by itself. The sandbox hands a
// signal on as the exit code 128 + signal.
int endingSignal(const RunOutcome& run);
SampleResult classifyRun(const RunOutcome& run, const QString& input, const QString& expected);

// The whole check of one answer.
struct CheckResult {
    Verdict verdict = Verdict::Unavailable;
    QString reason;  // why the check is not available
    QList<SampleResult> samples;
    QList<Diagnostic> diagnostics;
    QString compilerText;  // the compiler's own English text
    bool sandboxed = false;

    int passed() const;
    // The tests run: every sample now.
    int total() const { return int(samples.size()); }
    // The overall verdict with its detail, as one line.
    QString summary() const;
};

// A sample's line in the result window: "Тест 2: Грешен отговор".
QString sampleLine(int number, const SampleResult& sample);
// The overall verdict of finished sample runs: the first one that is not right.
Verdict overallVerdict(const QList<SampleResult>& samples);

}  // namespace checker
