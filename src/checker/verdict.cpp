#include "checker/verdict.h"

#include "checker/compare.h"

#include <csignal>

namespace checker {

QString verdictText(Verdict verdict)
{
    switch (verdict) {
        case Verdict::Accepted:
            return QStringLiteral("Верен");
        case Verdict::WrongAnswer:
            return QStringLiteral("Грешен отговор");
        case Verdict::TimeLimit:
            return QStringLiteral("Превишено време");
        case Verdict::RuntimeError:
            return QStringLiteral("Грешка при изпълнение");
        case Verdict::OutputLimit:
            return QStringLiteral("Твърде много изход");
        case Verdict::MemoryLimit:
            return QStringLiteral("Недостиг на памет");
        case Verdict::CompileError:
            return QStringLiteral("Компилационна грешка");
        case Verdict::Unavailable:
            return QStringLiteral("Проверката не е налична");
    }
    return {};
}

QString signalWords(int signal)
{
    switch (signal) {
        case SIGSEGV:
            return QStringLiteral("недопустим достъп до паметта");
        case SIGFPE:
            return QStringLiteral("аритметична грешка, например деление на нула");
        case SIGABRT:
            return QStringLiteral("програмата е прекратена аварийно");
        case SIGBUS:
            return QStringLiteral("грешка при достъп до паметта");
        case SIGILL:
            return QStringLiteral("недопустима инструкция");
        case SIGKILL:
            return QStringLiteral("програмата е спряна принудително");
        case SIGPIPE:
            return QStringLiteral("писане в затворен канал");
        default:
            return QStringLiteral("сигнал %1").arg(signal);
    }
}

int endingSignal(const RunOutcome& run)
{
    if (run.crashed)
        return run.exitCode;
    if (run.sandboxed && run.exitCode > 128 && run.exitCode < 128 + 65)
        return run.exitCode - 128;
    return 0;
}

namespace {

SampleResult withVerdict(SampleResult sample, Verdict verdict, const QString& detail = {})
{
    sample.verdict = verdict;
    sample.detail = detail;
    return sample;
}

}  // namespace

SampleResult classifyRun(const RunOutcome& run, const QString& input, const QString& expected)
{
    SampleResult sample;
    sample.input = input;
    sample.expected = expected;
    sample.got = QString::fromUtf8(run.output);
    const int signal = endingSignal(run);
    if (run.outputCapped || signal == SIGXFSZ)
        return withVerdict(sample, Verdict::OutputLimit);
    if (run.wallTimeout || signal == SIGXCPU)
        return withVerdict(sample, Verdict::TimeLimit);
    // The CPU limit's hard end is SIGKILL, which nothing else sends here.
    if (signal == SIGKILL)
        return withVerdict(sample, Verdict::TimeLimit);
    if (run.errors.contains("std::bad_alloc"))
        return withVerdict(sample, Verdict::MemoryLimit);
    if (signal != 0)
        return withVerdict(sample, Verdict::RuntimeError, signalWords(signal));
    if (run.exitCode != 0)
        return withVerdict(sample, Verdict::RuntimeError, QStringLiteral("изходен код %1").arg(run.exitCode));
    const Comparison comparison = compareOutputs(expected, sample.got);
    if (comparison.equal)
        return withVerdict(sample, Verdict::Accepted);
    sample.firstDifferentLine = comparison.firstDifferentLine;
    sample.onlySpacing = comparison.onlySpacing;
    return withVerdict(sample, Verdict::WrongAnswer,
                       comparison.onlySpacing ? QStringLiteral("разликата е само в интервалите") : QString());
}

int CheckResult::passed() const
{
    int n = 0;
    for (const SampleResult& s : samples)
        n += s.verdict == Verdict::Accepted ? 1 : 0;
    return n;
}

QString CheckResult::summary() const
{
    QString line = verdictText(verdict);
    if (!reason.isEmpty())
        line += u": " + reason;
    else if (!samples.isEmpty())
        line += QStringLiteral(" (%1 от %2 теста)").arg(passed()).arg(samples.size());
    return line;
}

QString sampleLine(int number, const SampleResult& sample)
{
    QString line = QStringLiteral("Тест %1: ").arg(number) + verdictText(sample.verdict);
    if (!sample.detail.isEmpty())
        line += u" (" + sample.detail + u')';
    return line;
}

Verdict overallVerdict(const QList<SampleResult>& samples)
{
    for (const SampleResult& s : samples)
        if (s.verdict != Verdict::Accepted)
            return s.verdict;
    return Verdict::Accepted;
}

}  // namespace checker
