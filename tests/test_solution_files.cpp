// "Запис": the three file layouts byte for byte, the file names, and what a
// save that cannot be written does.
#include "content/codepage.h"
#include "support/expected_files.h"
#include "support/workbench_lesson.h"

#include <unistd.h>
#include <QDir>
#include <QFileInfo>
#include <QTest>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

namespace {

// Opens the workbench and loads task k (its level is 1 in the fixture).
Lesko_n& openOnTask(TestLesson& t, int k)
{
    Lesko_n& bench = openWorkbench(t);
    if (k != 1)
        clickTask(t, k, {true});
    return bench;
}

// Every entry of the working folder but the configuration file and the
// attempt log (each save writes it; test_attempt_log checks it).
QStringList savedEntries(const QString& folder)
{
    QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    entries.removeAll(u"FUNKR.UFG"_s);
    entries.removeAll(attemptLogName());
    entries.removeAll(keptAnswersName());
    return entries;
}

}  // namespace

class TestSolutionFiles : public QObject {
    Q_OBJECT
private slots:
    void layouts_data();
    void layouts();
    void theAuthorsSolutionOnceTheTimeIsOver();
    void noAuthorsSolutionNeverReplacesASavedAnswer_data();
    void noAuthorsSolutionNeverReplacesASavedAnswer();
    void fileNames_data();
    void fileNames();
    void aSaveReplacesTheWholeFile();
    void savingFreesADisabledTaskList();
    void option15GovernsStatementAndAnswer_data();
    void option15GovernsStatementAndAnswer();
    void aCharacterOutsideTheCodePageIsSavedAsQuestionMark();
    void aFileThatCannotBeWrittenIsReported_data();
    void aFileThatCannotBeWrittenIsReported();
};

void TestSolutionFiles::layouts_data()
{
    QTest::addColumn<int>("task");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("contents");
    QTest::addRow("item 2 of task 7 is the answer alone") << 7 << 2 << u"abc"_s << u"FUNKR_07.TXT"_s << u"abc"_s;
    QTest::addRow("item 1 of task 12 ends its last text line")
        << 12 << 1 << u"отговор"_s << u"FUNKR_12.TXT"_s
        << u"Условие на задачата:\r\n"_s + statementText(12) + u"\r\nПредставено решение:\r\nотговор"_s;
    QTest::addRow("item 1 of a statement ending in empty lines adds no line")
        << 5 << 1 << u"x = 1;\r\n"_s << u"FUNKR_05.TXT"_s
        << u"Условие на задачата:\r\n"_s + statementText(5) + u"Представено решение:\r\nx = 1;\r\n"_s;
    QTest::addRow("an empty answer gives an empty file") << 4 << 2 << QString() << u"FUNKR_04.TXT"_s << QString();
    QTest::addRow("item 3 before the time is over is empty") << 6 << 3 << u"abc"_s << u"FUNKR_06.TXT"_s << QString();
}

void TestSolutionFiles::layouts()
{
    QFETCH(int, task);
    QFETCH(int, item);
    QFETCH(QString, answer);
    QFETCH(QString, name);
    QFETCH(QString, contents);
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openOnTask(t, task);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(answer);
    t.services.shown.clear();

    bench.mnu_ZapReshen[std::size_t(item)].userClick();

    QCOMPARE(savedEntries(t.folder()), QStringList{name});
    const QByteArray bytes = fileBytes(t.path(name));
    QCOMPARE(bytes.size(), contents.size());  // one byte per character
    QCOMPARE(bytes, content::toWindows1251(contents));
    QVERIFY(t.services.shown.isEmpty());
}

void TestSolutionFiles::theAuthorsSolutionOnceTheTimeIsOver()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openOnTask(t, 1);
    tick(bench, 201);
    bench.mnu_ZapReshen[Lesko_n::SaveAuthorSolution].userClick();
    QCOMPARE(fileBytes(t.path(u"FUNKR_01.TXT"_s)), content::toWindows1251(solutionText(1)));
}

// "Решение на автора" while the solution box holds no solution writes an empty
// file (or the notice) only where there was nothing: a saved answer stays,
// and the student is told why.
void TestSolutionFiles::noAuthorsSolutionNeverReplacesASavedAnswer_data()
{
    QTest::addColumn<int>("task");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("option6");
    QTest::addRow("before the time is over") << 1 << 10 << 1;
    QTest::addRow("the solution closed when the time is over") << 2 << 30100 << 0;
}

void TestSolutionFiles::noAuthorsSolutionNeverReplacesASavedAnswer()
{
    QFETCH(int, task);
    QFETCH(int, ticks);
    QFETCH(int, option6);
    TestLesson t;
    startWorkbenchLesson(t, [&](content::ConfigRecords& r) { setFlag(r, 6, option6); });
    Lesko_n& bench = openOnTask(t, task);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"моят отговор"_s);
    bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();
    tick(bench, ticks);
    t.services.shown.clear();
    const QString name = solutionFileName(task);

    bench.mnu_ZapReshen[Lesko_n::SaveAuthorSolution].userClick();

    QCOMPARE(fileBytes(t.path(name)), content::toWindows1251(u"моят отговор"_s));
    QCOMPARE(t.services.shown.size(), 1);
    QCOMPARE(t.services.shown[0].text,
             u"62\r\nРешението на автора не е показано за тази задача.\r\n"
             u"Файлът пази Вашия отговор и не е заменен:\r\n"_s +
                 QDir(t.folder()).absoluteFilePath(name));
    QCOMPARE(t.services.shown[0].flags, 0);
    // With nothing saved yet, the save goes on as described: an empty file.
    QVERIFY(QFile::remove(t.path(name)));
    bench.mnu_ZapReshen[Lesko_n::SaveAuthorSolution].userClick();
    QVERIFY(QFileInfo(t.path(name)).isFile());
    QCOMPARE(t.services.shown.size(), 1);
}

void TestSolutionFiles::fileNames_data()
{
    QTest::addColumn<int>("task");
    QTest::addColumn<QString>("name");
    QTest::addRow("no task selected") << 0 << u"FUNKR_00.TXT"_s;
    QTest::addRow("task 1") << 1 << u"FUNKR_01.TXT"_s;
    QTest::addRow("task 9") << 9 << u"FUNKR_09.TXT"_s;
    QTest::addRow("task 10") << 10 << u"FUNKR_10.TXT"_s;
    QTest::addRow("task 20") << 20 << u"FUNKR_20.TXT"_s;
    QTest::addRow("task 105 keeps its last two digits") << 105 << u"FUNKR_05.TXT"_s;
}

void TestSolutionFiles::fileNames()
{
    QFETCH(int, task);
    QFETCH(QString, name);
    TestLesson t;
    startWorkbenchLesson(t, [](content::ConfigRecords& r) { setFlag(r, 25, 0); });
    Lesko_n& bench = t.program().lesko_n();
    if (task > 0) {
        openWorkbench(t);
        while (bench.List_Un[Lesko_n::TaskList].ListCount() < task)
            bench.List_Un[Lesko_n::TaskList].AddItem(QString());
        if (task != 1)
            clickTask(t, task, {true});
    }
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].ListIndex(), task - 1);

    bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();

    QCOMPARE(bench.SolutionFileName, name);
    QCOMPARE(savedEntries(t.folder()), QStringList{name});
}

void TestSolutionFiles::aSaveReplacesTheWholeFile()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openOnTask(t, 4);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"първи запис, доста по-дълъг от втория"_s);
    bench.mnu_ZapReshen[Lesko_n::SaveStatementAndAnswer].userClick();
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"втори"_s);
    bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();
    QCOMPARE(fileBytes(t.path(bench.SolutionFileName)), content::toWindows1251(u"втори"_s));
}

void TestSolutionFiles::savingFreesADisabledTaskList()
{
    TestLesson t;
    startWorkbenchLesson(t, [](content::ConfigRecords& r) { setFlag(r, 1, 0); });
    Lesko_n& bench = openOnTask(t, 1);
    QVERIFY(!bench.List_Un[Lesko_n::TaskList].Enabled());
    bench.mnu_ZapReshen[Lesko_n::SaveAuthorSolution].userClick();
    QVERIFY(bench.List_Un[Lesko_n::TaskList].Enabled());
}

void TestSolutionFiles::option15GovernsStatementAndAnswer_data()
{
    QTest::addColumn<int>("flag15");
    QTest::addRow("option 15 on: shown and usable") << 1;
    QTest::addRow("option 15 off: hidden and disabled") << 0;
}

void TestSolutionFiles::option15GovernsStatementAndAnswer()
{
    QFETCH(int, flag15);
    TestLesson t;
    startWorkbenchLesson(t, [&](content::ConfigRecords& r) { setFlag(r, 15, flag15); });
    Lesko_n& bench = openOnTask(t, 1);
    forms::MenuItem& item = bench.mnu_ZapReshen[Lesko_n::SaveStatementAndAnswer];
    QCOMPARE(item.Visible(), flag15 == 1);
    QCOMPARE(item.Enabled(), flag15 == 1);
    item.userClick();
    QCOMPARE(savedEntries(t.folder()).size(), flag15);
}

void TestSolutionFiles::aCharacterOutsideTheCodePageIsSavedAsQuestionMark()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openOnTask(t, 7);
    const QString answer = u"x中y😀z Ж"_s;
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(answer);

    bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();
    bench.mnu_IzhodN.userClick();

    QCOMPARE(fileBytes(t.path(u"FUNKR_07.TXT"_s)), QByteArray("x?y?z \xC6"));
    QCOMPARE(bench.Text_Un[Lesko_n::AnswerBox].Text(), answer);
    QCOMPARE(bench.List_Un[Lesko_n::AnswerStoreList].List(7), answer);
}

void TestSolutionFiles::aFileThatCannotBeWrittenIsReported_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addRow("a folder has the file's name") << u"folder"_s;
    QTest::addRow("the working folder is gone") << u"gone"_s;
    if (geteuid() != 0)  // the superuser writes into read-only folders anyway
        QTest::addRow("the working folder is read-only") << u"read-only"_s;
}

void TestSolutionFiles::aFileThatCannotBeWrittenIsReported()
{
    QFETCH(QString, obstacle);
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openOnTask(t, 7);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"отговор"_s);
    QDir folder(t.folder());
    const QString name = u"FUNKR_07.TXT"_s;
    if (obstacle == u"folder") {
        QVERIFY(folder.mkdir(name));
    } else if (obstacle == u"gone") {
        QVERIFY(folder.mkdir(u"sub"_s));
        QVERIFY(QDir::setCurrent(folder.filePath(u"sub"_s)));
        QVERIFY(folder.rmdir(u"sub"_s));
    } else {
        QVERIFY(QFile::setPermissions(t.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    }
    t.services.shown.clear();

    bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();

    QCOMPARE(t.services.shown.size(), 1);
    const ShownMessage& box = t.services.shown[0];
    QVERIFY2(box.text.startsWith(u"40\r\nРаботата Ви не е записана.\r\n"), qPrintable(box.text));
    QVERIFY(box.text.contains(name));
    QCOMPARE(box.flags, 272);
    QCOMPARE(box.title, u"Електронен урок"_s);
    QFile::setPermissions(t.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QCOMPARE(savedEntries(t.folder()), obstacle == u"folder" ? QStringList{name} : QStringList{});
    QVERIFY(!QFileInfo(t.path(name)).isFile());

    // The lesson goes on: the clock ticks and the answer is still there.
    QCOMPARE(t.services.ends, 0);
    bench.Timer_n_Timer();
    QCOMPARE(bench.Text_Un[Lesko_n::AnswerBox].Text(), u"отговор"_s);
}

QTEST_GUILESS_MAIN(TestSolutionFiles)
#include "test_solution_files.moc"
