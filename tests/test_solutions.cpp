// Every author's solution, compiled as the checker compiles it, is right on
// every test of its task within the task's time limit; every typical wrong
// answer fails a test the way its name says (a wrong output, over the time
// limit, or a crash); every test input is one the statement admits.
#include "checker/commands.h"
#include "checker/compare.h"
#include "checker/problem_packages.h"
#include "content/lesson.h"
#include "support/program_runs.h"

#include <QDir>
#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;
using testing_support::RunRequest;
using testing_support::RunResult;

namespace {

const content::Lesson& lesson() { return content::Lesson::embedded(); }

constexpr int Tasks = 20;
constexpr int RunsAtOnce = 2;

QString taskFolderName(int task) { return u"%1"_s.arg(task, 2, 10, QChar(u'0')); }

QStringList wrongAnswerFiles()
{
    return QDir(lesson().folder() + u"/wrong_answers").entryList({u"*.cpp"_s}, QDir::Files, QDir::Name);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What a run came to, as the checker would say it.
QString verdict(const RunResult& run, const content::TaskTest& test)
{
    if (run.end == RunResult::End::OverTime)
        return u"time_limit_exceeded"_s;
    if (run.end == RunResult::End::Signalled || run.status != 0)
        return u"run_time_error"_s;
    return checker::compareOutputs(test.answer, QString::fromUtf8(run.output)).equal ? u"accepted"_s
                                                                                     : u"wrong_answer"_s;
}

}  // namespace

class TestSolutions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyInputIsAdmissible_data();
    void everyInputIsAdmissible();
    void solutionIsRightOnEveryTest_data();
    void solutionIsRightOnEveryTest();
    void wrongAnswersCoverEveryTask();
    void wrongAnswerFailsATest_data();
    void wrongAnswerFailsATest();

private:
    QList<QList<RunRequest>> requestsFor(const QString& program, int task) const;

    QTemporaryDir dir_;
    QHash<int, QList<content::TaskTest>> tests_;
    QHash<int, QStringList> inputs_;      // every test's input written to a file once, in the tests' order
    QHash<QString, QString> programs_;    // "solution 07" or a wrong answer's file name -> program
    QHash<QString, QString> complaints_;  // the same names -> what g++ said
};

void TestSolutions::initTestCase()
{
    QVERIFY(dir_.isValid());
    for (int task = 1; task <= Tasks; ++task) {
        tests_.insert(task, lesson().tests(task));
        for (const content::TaskTest& test : tests_.value(task)) {
            const QString path = dir_.filePath(taskFolderName(task) + u'_' + QString(test.name).replace(u'/', u'_'));
            QVERIFY(writeFile(path, test.input.toUtf8()));
            inputs_[task] << path;
        }
    }

    // The author's solutions must compile without a warning; a student's code
    // need not, and -fwrapv makes its int overflow wrap the way it does on the
    // classroom's machines instead of being undefined.
    const testing_support::ProgramBuilder solutions(checker::languageFlags() + QStringList{u"-Wextra"_s, u"-Werror"_s});
    const testing_support::ProgramBuilder wrongAnswers(checker::languageFlags() + QStringList{u"-fwrapv"_s});
    QVERIFY2(solutions.complaint().isEmpty(), qPrintable(solutions.complaint()));
    QVERIFY2(wrongAnswers.complaint().isEmpty(), qPrintable(wrongAnswers.complaint()));

    QList<QPair<QString, QString>> solutionBuilds, wrongBuilds;
    QStringList solutionNames, wrongNames;
    for (int task = 1; task <= Tasks; ++task) {
        const QString name = u"solution "_s + taskFolderName(task);
        const QString source = dir_.filePath(u"solution%1.cpp"_s.arg(taskFolderName(task)));
        QVERIFY(writeFile(source, app::authorSolution(lesson(), task).toUtf8()));
        solutionBuilds.append({source, dir_.filePath(u"solution"_s + taskFolderName(task))});
        solutionNames << name;
    }
    const QString wrongFolder = lesson().folder() + u"/wrong_answers/";
    for (const QString& file : wrongAnswerFiles()) {
        const QString source = dir_.filePath(file);
        QVERIFY(QFile::copy(wrongFolder + file, source));
        wrongBuilds.append({source, dir_.filePath(file.chopped(4))});
        wrongNames << file;
    }
    const QStringList solutionComplaints = solutions.compileAll(solutionBuilds);
    const QStringList wrongComplaints = wrongAnswers.compileAll(wrongBuilds);
    for (qsizetype i = 0; i < solutionNames.size(); ++i) {
        programs_.insert(solutionNames.at(i), solutionBuilds.at(i).second);
        complaints_.insert(solutionNames.at(i), solutionComplaints.at(i));
    }
    for (qsizetype i = 0; i < wrongNames.size(); ++i) {
        programs_.insert(wrongNames.at(i), wrongBuilds.at(i).second);
        complaints_.insert(wrongNames.at(i), wrongComplaints.at(i));
    }
}

// The requests that run a program on the task's tests, in the tests' order,
// in groups of RunsAtOnce.
QList<QList<RunRequest>> TestSolutions::requestsFor(const QString& program, int task) const
{
    QList<QList<RunRequest>> groups;
    const QStringList inputs = inputs_.value(task);
    for (qsizetype i = 0; i < inputs.size(); ++i) {
        if (i % RunsAtOnce == 0)
            groups.append(QList<RunRequest>());
        groups.last().append({program, inputs.at(i), lesson().timeLimitMs(task), {}});
    }
    return groups;
}

void TestSolutions::everyInputIsAdmissible_data()
{
    QTest::addColumn<int>("task");
    for (int task = 1; task <= Tasks; ++task)
        QTest::addRow("task %d", task) << task;
}

// The task's input validator (a Python program of the package) accepts every input.
void TestSolutions::everyInputIsAdmissible()
{
    QFETCH(int, task);
    // Debian's own python3 first: a version manager's wrapper found first on
    // the path would add a tenth of a second to every run. -S: no site packages.
    QString python = QStandardPaths::findExecutable(u"python3"_s, {u"/usr/bin"_s});
    if (python.isEmpty())
        python = QStandardPaths::findExecutable(u"python3"_s);
    QVERIFY2(!python.isEmpty(), "python3 runs the input validators");
    const QString validator = lesson().folder() + u"/tasks/" + taskFolderName(task) + u"/input_validators/validate.py";
    const QString copy = dir_.filePath(u"validate%1.py"_s.arg(taskFolderName(task)));
    QVERIFY(QFile::exists(copy) || QFile::copy(validator, copy));
    QList<RunRequest> requests;
    for (const QString& input : inputs_.value(task))
        requests.append({python, input, 10000, {u"-S"_s, copy}});
    const QList<RunResult> runs = testing_support::runAll(requests, RunsAtOnce);
    const QList<content::TaskTest> tests = tests_.value(task);
    for (qsizetype i = 0; i < runs.size(); ++i)
        QVERIFY2(runs.at(i).end == RunResult::End::Exited && runs.at(i).status == 42, qPrintable(tests.at(i).name));
}

void TestSolutions::solutionIsRightOnEveryTest_data()
{
    QTest::addColumn<int>("task");
    for (int task = 1; task <= Tasks; ++task)
        QTest::addRow("task %d", task) << task;
}

void TestSolutions::solutionIsRightOnEveryTest()
{
    QFETCH(int, task);
    const QString name = u"solution "_s + taskFolderName(task);
    QVERIFY2(complaints_.value(name).isEmpty(), qPrintable(complaints_.value(name)));
    QVERIFY(lesson().timeLimitMs(task) > 0);
    const QList<content::TaskTest> tests = tests_.value(task);
    QList<RunRequest> all;
    for (const QList<RunRequest>& group : requestsFor(programs_.value(name), task))
        all << group;
    const QList<RunResult> runs = testing_support::runAll(all, RunsAtOnce);
    QCOMPARE(runs.size(), tests.size());
    for (qsizetype i = 0; i < runs.size(); ++i)
        QVERIFY2(verdict(runs.at(i), tests.at(i)) == u"accepted", qPrintable(tests.at(i).name));
}

void TestSolutions::wrongAnswersCoverEveryTask()
{
    QHash<int, int> perTask;
    for (const QString& file : wrongAnswerFiles()) {
        const int task = app::taskOfWrongAnswer(file);
        QVERIFY2(task >= 1 && task <= Tasks, qPrintable(file));
        perTask[task]++;
    }
    for (int task = 1; task <= Tasks; ++task)
        QVERIFY2(perTask.value(task) >= 2,
                 qPrintable(u"fewer than two wrong answers for task "_s + QString::number(task)));
}

void TestSolutions::wrongAnswerFailsATest_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : wrongAnswerFiles())
        QTest::newRow(qPrintable(file.chopped(4))) << file;
}

// The tests run in order until the first one the wrong answer fails: that
// failure must be of the kind the answer's name gives, the folder of
// submissions/ it goes to in the task's problem package.
void TestSolutions::wrongAnswerFailsATest()
{
    QFETCH(QString, file);
    QVERIFY2(complaints_.value(file).isEmpty(), qPrintable(complaints_.value(file)));
    const int task = app::taskOfWrongAnswer(file);
    const QList<content::TaskTest> tests = tests_.value(task);
    qsizetype next = 0;
    for (const QList<RunRequest>& group : requestsFor(programs_.value(file), task)) {
        const QList<RunResult> runs = testing_support::runAll(group, RunsAtOnce);
        for (const RunResult& run : runs) {
            const content::TaskTest& test = tests.at(next++);
            const QString got = verdict(run, test);
            if (got == u"accepted")
                continue;
            QVERIFY2(got == app::wrongAnswerFolder(file),
                     qPrintable(test.name + u": "_s + got + u" instead of "_s + app::wrongAnswerFolder(file)));
            return;
        }
    }
    QFAIL("the wrong answer passes every test of its task");
}

QTEST_GUILESS_MAIN(TestSolutions)
#include "test_solutions.moc"
