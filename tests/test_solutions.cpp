// Every author's solution compiles cleanly and answers its samples, and the
// samples are strong enough that every typical wrong answer fails one of them.
#include "aux_windows/lesko_zad.h"
#include "content/lesson.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const content::Lesson& lesson() { return content::Lesson::embedded(); }

// The author's solution of a task: its lines from the first solution line on.
QString authorSolution(int task)
{
    const content::Lesson::Entry* lines = lesson().find(u"Lesko_Zad"_s, u"Uslowie_L"_s, task);
    const content::Lesson::Entry* first = lesson().find(u"Lesko_Zad"_s, u"Redowe_L"_s, TaskTexts::FirstSolutionLines);
    if (!lines || !first)
        return {};
    const int from = first->items.value(task).toInt();
    if (from < 1 || from >= lines->items.size())
        return {};
    return lines->items.mid(from).join(u'\n') + u'\n';
}

// Compiles a source file with g++; returns the compiler's complaint, empty on success.
QString compile(const QString& source, const QString& program, const QStringList& flags)
{
    const QString compiler = QStandardPaths::findExecutable(u"g++"_s);
    if (compiler.isEmpty())
        return u"g++ is needed to check the solutions"_s;
    QProcess build;
    build.start(compiler, QStringList{u"-std=c++17"_s, u"-O1"_s} + flags + QStringList{source, u"-o"_s, program});
    if (!build.waitForFinished(120000))
        return u"g++ did not finish"_s;
    if (build.exitStatus() == QProcess::NormalExit && build.exitCode() == 0)
        return {};
    return u"g++ failed: "_s + QString::fromUtf8(build.readAllStandardError());
}

struct Run {
    bool finished = false;  // ended by itself within the time limit
    QString output;
};

Run run(const QString& program, const QString& input)
{
    QProcess process;
    process.start(program, {});
    if (!process.waitForStarted())
        return {};
    process.write(input.toUtf8());
    process.closeWriteChannel();
    const bool finished = process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit;
    if (!finished)
        process.kill();
    return {finished, QString::fromUtf8(process.readAllStandardOutput())};
}

QString wrongAnswersDir() { return QStringLiteral(LESKO_WRONG_ANSWERS_DIR); }

// Wrong answers are named by their task: "10_square_of_a_prime.cpp".
int taskOfWrongAnswer(const QString& fileName)
{
    const QRegularExpressionMatch m = QRegularExpression(u"^(\\d\\d)_\\w+\\.cpp$"_s).match(fileName);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QStringList wrongAnswerFiles() { return QDir(wrongAnswersDir()).entryList({u"*.cpp"_s}, QDir::Files, QDir::Name); }

}  // namespace

class TestSolutions : public QObject {
    Q_OBJECT
private slots:
    void solutionCompilesAndAnswersItsSamples_data();
    void solutionCompilesAndAnswersItsSamples();
    void wrongAnswersCoverEveryTask();
    void wrongAnswerFailsASample_data();
    void wrongAnswerFailsASample();
};

void TestSolutions::solutionCompilesAndAnswersItsSamples_data()
{
    QTest::addColumn<int>("task");
    for (int k = 1; k <= 20; ++k)
        QTest::addRow("task %d", k) << k;
}

void TestSolutions::solutionCompilesAndAnswersItsSamples()
{
    QFETCH(int, task);
    const QString solution = authorSolution(task);
    QVERIFY(solution.contains(u"int main"_s));
    QTemporaryDir dir;
    QFile source(dir.filePath(u"solution.cpp"_s));
    QVERIFY(source.open(QIODevice::WriteOnly));
    QVERIFY(source.write(solution.toUtf8()) > 0);
    source.close();
    const QString program = dir.filePath(u"solution"_s);
    const QString complaint = compile(source.fileName(), program, {u"-Wall"_s, u"-Wextra"_s, u"-Werror"_s});
    QVERIFY2(complaint.isEmpty(), qPrintable(complaint));

    const QList<content::Lesson::Sample> samples = lesson().samples(task);
    QVERIFY(!samples.isEmpty());
    for (const content::Lesson::Sample& sample : samples) {
        const Run r = run(program, sample.input);
        QVERIFY2(r.finished, qPrintable(sample.input));
        QCOMPARE(r.output, sample.output);
    }
}

void TestSolutions::wrongAnswersCoverEveryTask()
{
    QSet<int> tasks;
    for (const QString& file : wrongAnswerFiles()) {
        const int task = taskOfWrongAnswer(file);
        QVERIFY2(task >= 1 && task <= 20, qPrintable(file));
        tasks.insert(task);
    }
    for (int k = 1; k <= 20; ++k)
        QVERIFY2(tasks.contains(k), qPrintable(u"no wrong answer for task "_s + QString::number(k)));
}

void TestSolutions::wrongAnswerFailsASample_data()
{
    QTest::addColumn<QString>("file");
    for (const QString& file : wrongAnswerFiles())
        QTest::newRow(qPrintable(file.chopped(4))) << file;
}

void TestSolutions::wrongAnswerFailsASample()
{
    QFETCH(QString, file);
    QTemporaryDir dir;
    const QString program = dir.filePath(u"wrong"_s);
    // A student's code need not be warning-free; -fwrapv makes its int overflow
    // wrap the way it does on the classroom's machines instead of being undefined.
    const QString complaint = compile(QDir(wrongAnswersDir()).filePath(file), program, {u"-fwrapv"_s});
    QVERIFY2(complaint.isEmpty(), qPrintable(complaint));

    const QList<content::Lesson::Sample> samples = lesson().samples(taskOfWrongAnswer(file));
    QVERIFY(!samples.isEmpty());
    int failed = 0;
    for (const content::Lesson::Sample& sample : samples) {
        const Run r = run(program, sample.input);
        failed += !r.finished || r.output != sample.output;
    }
    QVERIFY2(failed > 0, "the wrong answer passes every sample of its task");
}

QTEST_GUILESS_MAIN(TestSolutions)
#include "test_solutions.moc"
