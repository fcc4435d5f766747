// Every author's solution compiles cleanly and answers its samples.
#include "content/lesson.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSolutions : public QObject {
    Q_OBJECT
private slots:
    void solutionCompilesAndAnswersItsSamples_data();
    void solutionCompilesAndAnswersItsSamples();
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
    const content::Lesson& lesson = content::Lesson::embedded();
    const content::Lesson::Entry* lines = lesson.find(u"Lesko_Zad"_s, u"Uslowie_L"_s, task);
    const content::Lesson::Entry* first = lesson.find(u"Lesko_Zad"_s, u"Redowe_L"_s, 2);
    QVERIFY(lines && first);
    const int from = first->items.value(task).toInt();
    QVERIFY(from > 0 && from < lines->items.size());

    const QString compiler = QStandardPaths::findExecutable(u"g++"_s);
    QVERIFY2(!compiler.isEmpty(), "g++ is needed to check the solutions");
    QTemporaryDir dir;
    QFile source(dir.filePath(u"solution.cpp"_s));
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(lines->items.mid(from).join(u'\n').toUtf8() + '\n');
    source.close();

    QProcess build;
    build.start(compiler, {u"-std=c++17"_s, u"-Wall"_s, u"-Wextra"_s, u"-Werror"_s, u"-O1"_s, source.fileName(),
                           u"-o"_s, dir.filePath(u"solution"_s)});
    QVERIFY(build.waitForFinished(120000));
    QVERIFY2(build.exitCode() == 0, build.readAllStandardError().constData());

    const QList<content::Lesson::Sample> samples = lesson.samples(task);
    QVERIFY(!samples.isEmpty());
    for (const content::Lesson::Sample& sample : samples) {
        QProcess run;
        run.start(dir.filePath(u"solution"_s), {});
        QVERIFY(run.waitForStarted());
        run.write(sample.input.toUtf8());
        run.closeWriteChannel();
        QVERIFY(run.waitForFinished(10000));
        QCOMPARE(QString::fromUtf8(run.readAllStandardOutput()), sample.output);
    }
}

QTEST_GUILESS_MAIN(TestSolutions)
#include "test_solutions.moc"
