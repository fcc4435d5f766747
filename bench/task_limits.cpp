// The margins of the tasks' time limits: the CPU time of each author's
// solution, compiled as the checker compiles it, on every test of its task
// (median of 5 runs), and of every typical wrong answer on every test. Prints
// one Markdown table row per task and one per wrong answer that exceeds the
// limit; a line starting with "!" names a run whose verdict could flip.
//
// The rule the limits follow: the solution's slowest test takes at most a
// tenth of the limit; a too slow answer takes at least five times the limit
// on its slowest test; and no run of any program lies between half the limit
// and twice it, where a loaded machine could turn one verdict into the other.
#include "checker/commands.h"
#include "checker/problem_packages.h"
#include "content/lesson.h"
#include "support/program_runs.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;
using testing_support::RunRequest;
using testing_support::RunResult;

namespace {

constexpr int Tasks = 20;
constexpr int RunsAtOnce = 2;
constexpr int SolutionRuns = 5;
constexpr int LongRunMs = 20000;  // a too slow answer's slowest test is followed this far

const content::Lesson& lesson() { return content::Lesson::embedded(); }

void print(const QString& line) { std::printf("%s\n", qPrintable(line)); }

QString seconds(qint64 ms) { return QString::number(double(ms) / 1000, 'f', 3) + u" s"; }

struct Program {
    QString name;
    QString folder;  // of submissions/
    QString path;
};

QList<Program> buildAll(const QString& dir, const QList<int>& tasks)
{
    const testing_support::ProgramBuilder solutions(checker::languageFlags());
    const testing_support::ProgramBuilder wrongAnswers(checker::languageFlags() + QStringList{u"-fwrapv"_s});
    QList<Program> programs;
    QList<QPair<QString, QString>> solutionBuilds, wrongBuilds;
    for (int task : tasks) {
        for (const app::Submission& s : app::submissions(lesson(), task)) {
            const QString source = dir + u'/' + u"%1_"_s.arg(task) + s.fileName;
            QFile file(source);
            if (!file.open(QIODevice::WriteOnly) || file.write(s.source.toUtf8()) < 0)
                qFatal("cannot write %s", qPrintable(source));
            const QString program = source.chopped(4);
            (s.folder == u"accepted" ? solutionBuilds : wrongBuilds).append({source, program});
            programs.append({u"%1 "_s.arg(task, 2, 10, QChar(u'0')) + s.fileName, s.folder, program});
        }
    }
    QStringList complaints = solutions.compileAll(solutionBuilds) + wrongAnswers.compileAll(wrongBuilds);
    for (const QString& complaint : complaints)
        if (!complaint.isEmpty())
            qFatal("%s", qPrintable(complaint));
    return programs;
}

QStringList writeInputs(const QString& dir, int task)
{
    QStringList paths;
    for (const content::TaskTest& test : lesson().tests(task)) {
        const QString path = dir + u"/in%1_"_s.arg(task) + QString(test.name).replace(u'/', u'_');
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(test.input.toUtf8()) < 0)
            qFatal("cannot write %s", qPrintable(path));
        paths << path;
    }
    return paths;
}

qint64 median(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// The CPU time per test, median of `runs` runs, each capped at capMs.
QList<qint64> timesPerTest(const QString& program, const QStringList& inputs, int runs, int capMs)
{
    QList<RunRequest> requests;
    for (const QString& input : inputs)
        for (int r = 0; r < runs; ++r)
            requests.append({program, input, capMs, {}});
    const QList<RunResult> results = testing_support::runAll(requests, RunsAtOnce);
    QList<qint64> times;
    for (qsizetype t = 0; t < inputs.size(); ++t) {
        QList<qint64> one;
        for (int r = 0; r < runs; ++r)
            one << results.at(t * runs + r).cpuMs;
        times << median(one);
    }
    return times;
}

void warnOfFlips(const Program& p, const QList<content::TaskTest>& tests, const QList<qint64>& times, int limitMs)
{
    for (qsizetype t = 0; t < times.size(); ++t)
        if (times.at(t) > limitMs / 2 && times.at(t) < 2 * limitMs)
            print(u"! "_s + p.name + u" on "_s + tests.at(t).name + u": "_s + seconds(times.at(t)) +
                  u" lies between half the limit and twice it"_s);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QList<int> tasks;  // the tasks named on the command line, or all
    for (const QString& argument : app.arguments().mid(1))
        tasks << argument.toInt();
    for (int task = 1; tasks.size() < Tasks && argc == 1; ++task)
        tasks << task;
    QTemporaryDir dir;
    const QList<Program> programs = buildAll(dir.path(), tasks);

    print(u"| task | limit | solution's slowest test | solution | share of the limit | slowest other answer |"_s);
    print(u"|---|---|---|---|---|---|"_s);
    QStringList slowRows;
    for (int task : tasks) {
        const int limitMs = lesson().timeLimitMs(task);
        const QList<content::TaskTest> tests = lesson().tests(task);
        const QStringList inputs = writeInputs(dir.path(), task);
        const QString prefix = u"%1 "_s.arg(task, 2, 10, QChar(u'0'));
        qint64 slowestWrong = 0;
        QString solutionRow;
        for (const Program& p : programs) {
            if (!p.name.startsWith(prefix))
                continue;
            if (p.folder == u"accepted") {
                const QList<qint64> times = timesPerTest(p.path, inputs, SolutionRuns, limitMs);
                const auto worst = std::max_element(times.begin(), times.end()) - times.begin();
                solutionRow = u"| %1 | %2 | %3 | %4 | 1/%5 |"_s.arg(task)
                                  .arg(seconds(limitMs), tests.at(worst).name, seconds(times.at(worst)))
                                  .arg(double(limitMs) / std::max<qint64>(times.at(worst), 1), 0, 'f', 0);
                if (times.at(worst) * 10 > limitMs)
                    print(u"! "_s + p.name + u" takes more than a tenth of the limit"_s);
                continue;
            }
            const QList<qint64> times = timesPerTest(p.path, inputs, 1, 3 * limitMs);
            warnOfFlips(p, tests, times, limitMs);
            auto worst = std::max_element(times.begin(), times.end()) - times.begin();
            if (p.folder != u"time_limit_exceeded") {
                slowestWrong = std::max(slowestWrong, times.at(worst));
                continue;
            }
            // Followed further on each test it was stopped on, until one reaches the far cap.
            qint64 longRun = 0;
            for (qsizetype t = 0; t < times.size() && longRun < LongRunMs; ++t) {
                if (times.at(t) <= limitMs)
                    continue;
                const qint64 ms = timesPerTest(p.path, {inputs.at(t)}, 1, LongRunMs).constFirst();
                if (ms > longRun) {
                    longRun = ms;
                    worst = t;
                }
            }
            const bool capped = longRun >= LongRunMs;
            const qint64 shownMs = capped ? LongRunMs : longRun;
            slowRows << u"| %1 | %2 | %3 | %4%5 | %4%6 x |"_s
                            .arg(p.name, tests.at(worst).name, seconds(limitMs), capped ? u"over "_s : QString(),
                                 seconds(shownMs))
                            .arg(double(shownMs) / limitMs, 0, 'f', 1);
            if (longRun < 5 * limitMs)
                print(u"! "_s + p.name + u" takes less than five times the limit"_s);
        }
        print(solutionRow + u' ' + seconds(slowestWrong) + u" |"_s);
    }
    print({});
    print(u"| too slow answer | its slowest test | limit | CPU time | times the limit |"_s);
    print(u"|---|---|---|---|---|"_s);
    for (const QString& row : slowRows)
        print(row);
    return 0;
}
