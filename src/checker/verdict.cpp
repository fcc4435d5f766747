#include "checker/verdict.h"

#include "checker/commands.h"
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

namespace {

TestResult withVerdict(TestResult test, Verdict verdict, const QString& detail = {})
{
    test.verdict = verdict;
    test.detail = detail;
    return test;
}

}  // namespace

TestResult classifyRun(const RunOutcome& run, const TestCase& test, const Limits& limits)
{
    TestResult result;
    result.shown = test.shown;
    result.hint = test.hint;
    result.input = test.input;
    result.expected = test.expected;
    result.got = QString::fromUtf8(run.output);
    result.errors = QString::fromUtf8(run.errors);
    result.cpuMs = run.cpuMs;
    const int signal = run.ending == RunOutcome::Ending::Signalled ? run.code : 0;
    if (run.ending == RunOutcome::Ending::Unstarted)
        return withVerdict(result, Verdict::Unavailable, QStringLiteral("програмата не можа да бъде стартирана"));
    if (run.outputCapped || signal == SIGXFSZ)
        return withVerdict(result, Verdict::OutputLimit);
    if (run.wallTimeout || run.cpuTimeout || signal == SIGXCPU)
        return withVerdict(result, Verdict::TimeLimit);
    if (signal == SIGSYS || run.maxRssKb * 1024 > limits.memoryBytes)
        return withVerdict(result, Verdict::MemoryLimit);
    if (signal != 0)
        return withVerdict(result, Verdict::RuntimeError, signalWords(signal));
    if (run.code != 0)
        return withVerdict(result, Verdict::RuntimeError, QStringLiteral("изходен код %1").arg(run.code));
    if (!test.judged)
        return withVerdict(result, Verdict::Accepted);
    const Comparison comparison = compareOutputs(test.expected, result.got);
    if (comparison.equal)
        return withVerdict(result, Verdict::Accepted);
    result.firstDifferentLine = comparison.firstDifferentLine;
    result.onlySpacing = comparison.onlySpacing;
    return withVerdict(result, Verdict::WrongAnswer,
                       comparison.onlySpacing ? QStringLiteral("разликата е само в интервалите") : QString());
}

int CheckResult::passed() const
{
    int n = 0;
    for (const TestResult& t : tests)
        n += t.verdict == Verdict::Accepted ? 1 : 0;
    return n;
}

QString CheckResult::summary() const
{
    QString line = verdictText(verdict);
    if (!reason.isEmpty())
        line += u": " + reason;
    else if (!tests.isEmpty())
        line += QStringLiteral(" (%1 от %2 теста)").arg(passed()).arg(total());
    return line;
}

QString testLine(int number, const TestResult& test)
{
    QString line =
        QStringLiteral("Тест %1").arg(number) + (test.shown ? u"" : u" (скрит)") + u": " + verdictText(test.verdict);
    if (!test.detail.isEmpty())
        line += u" (" + test.detail + u')';
    return line;
}

Verdict overallVerdict(const QList<TestResult>& tests)
{
    for (const TestResult& t : tests)
        if (t.verdict != Verdict::Accepted)
            return t.verdict;
    return Verdict::Accepted;
}

}  // namespace checker
