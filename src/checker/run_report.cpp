#include "checker/run_report.h"

#include "runner/protocol.h"

#include <QStringList>

namespace checker {

using runner_protocol::ReportLineBytes;

namespace {

// Takes the next line off the front of bytes; null without a line break.
std::optional<QByteArray> takeLine(QByteArray& bytes)
{
    const qsizetype end = bytes.indexOf('\n');
    if (end < 0)
        return std::nullopt;
    QByteArray line = bytes.left(end);
    bytes.remove(0, end + 1);
    return line;
}

std::optional<RunOutcome::Ending> endingFrom(const QByteArray& word)
{
    if (word == "exit")
        return RunOutcome::Ending::Exited;
    if (word == "signal")
        return RunOutcome::Ending::Signalled;
    if (word == "unstarted")
        return RunOutcome::Ending::Unstarted;
    return std::nullopt;
}

// "test <i> <how> <code> <cpu> <wall> <rss> <flags> <out> <err>" and its bytes.
bool takeTest(QByteArray& bytes, const QByteArray& line, RunReport& report)
{
    enum Field { Word, Index, How, Code, Cpu, Wall, Rss, Flags, OutLength, ErrLength, FieldCount };
    const QList<QByteArray> f = line.split(' ');
    bool ok[FieldCount - 1] = {};  // each number read, and the whole line sound
    if (f.size() != FieldCount)
        return false;
    const int index = f[Index].toInt(&ok[0]);
    const std::optional<RunOutcome::Ending> ending = endingFrom(f[How]);
    RunOutcome run;
    run.code = f[Code].toInt(&ok[1]);
    run.cpuMs = f[Cpu].toLongLong(&ok[2]);
    run.wallMs = f[Wall].toLongLong(&ok[3]);
    run.maxRssKb = f[Rss].toLongLong(&ok[4]);
    const uint flags = f[Flags].toUInt(&ok[5]);
    const qint64 outLength = f[OutLength].toLongLong(&ok[6]);
    const qint64 errLength = f[ErrLength].toLongLong(&ok[7]);
    ok[8] = ending && index >= 0 && index < report.outcomes.size() && !report.outcomes[index] && outLength >= 0 &&
            errLength >= 0 && outLength + errLength <= bytes.size();
    if (!std::all_of(std::begin(ok), std::end(ok), [](bool b) { return b; }))
        return false;
    run.ending = *ending;
    run.outputCapped = flags & runner_protocol::OutputCapped;
    run.wallTimeout = flags & runner_protocol::WallTimeout;
    run.cpuTimeout = flags & runner_protocol::CpuTimeout;
    run.output = bytes.left(outLength);
    run.errors = bytes.mid(outLength, errLength);
    bytes.remove(0, outLength + errLength);
    report.outcomes[index] = run;
    return true;
}

}  // namespace

qint64 outputCap(const TestCase& test, const Limits& limits)
{
    // Twice the expected answer and a margin, so that a long wrong answer is
    // still read whole enough to compare.
    constexpr qint64 Margin = 4096;
    return std::max(limits.outputBytes, 2 * qint64(test.expected.toUtf8().size()) + Margin);
}

QByteArray runRequest(const QList<TestCase>& tests, const Limits& l)
{
    QByteArray request = QByteArray(runner_protocol::Magic) + '\n';
    request += QByteArrayLiteral("limits ") + QByteArray::number(l.cpuMs) + ' ' + QByteArray::number(l.wallMs()) + ' ' +
               QByteArray::number(l.addressSpace) + ' ' + QByteArray::number(l.memoryBytes / 1024) + ' ' +
               QByteArray::number(l.fileSize) + ' ' + QByteArray::number(l.processes()) + ' ' +
               QByteArray::number(l.files) + ' ' + QByteArray::number(l.parallel) + '\n';
    request += QByteArrayLiteral("tests ") + QByteArray::number(tests.size()) + '\n';
    for (const TestCase& test : tests) {
        const QByteArray input = test.input.toUtf8();
        request += QByteArray::number(input.size()) + ' ' + QByteArray::number(outputCap(test, l)) + ' ' +
                   QByteArray::number(l.errorBytes) + '\n' + input;
    }
    return request;
}

qint64 reportCap(const QList<TestCase>& tests, const Limits& limits)
{
    qint64 cap = 2 * ReportLineBytes;  // "ready" and "done"
    for (const TestCase& test : tests)
        cap += ReportLineBytes + outputCap(test, limits) + limits.errorBytes;
    return cap;
}

RunReport parseRunReport(const QByteArray& bytes, int tests)
{
    RunReport report;
    report.outcomes.resize(tests);
    QByteArray rest = bytes;
    std::optional<QByteArray> line = takeLine(rest);
    report.ready = line && *line == runner_protocol::Ready;
    if (!report.ready)
        return report;
    while ((line = takeLine(rest))) {
        if (*line == runner_protocol::Done) {
            report.done = rest.isEmpty() && std::all_of(report.outcomes.begin(), report.outcomes.end(),
                                                        [](const auto& o) { return o.has_value(); });
            if (!report.done)
                report.problem = QStringLiteral("отчетът на пясъчника е непълен");
            return report;
        }
        if (!line->startsWith("test ") || !takeTest(rest, *line, report)) {
            report.problem = QStringLiteral("отчетът на пясъчника е повреден");
            return report;
        }
    }
    return report;
}

}  // namespace checker
