// Leaving the lesson: the question, the answer record and the end.
#include "configuration/configuration.h"
#include "content/codepage.h"
#include "main_window/lesko.h"
#include "program/exit.h"
#include "program/program.h"
#include "support/lesson_files.h"
#include "support/scripted_services.h"
#include "workbench/lesko_n.h"

#include <unistd.h>
#include <QRegularExpression>
#include <QTest>

using namespace testing_support;
using namespace Qt::StringLiterals;

namespace {

const QString Header = u"Има въведен текст по следните задачи:\r\n"_s;

void answer(TestLesson& t, int task, const QString& text)
{
    t.program().lesko_n().List_Un[Lesko_n::AnswerStoreList].setList(task, text);
}

QString recordText(TestLesson& t)
{
    return content::fromWindows1251(readFile(t.path(app::answerRecordName(t.program()))));
}

void exitWithYes(TestLesson& t)
{
    t.services.answers = {true};
    t.program().lesko().Izhod.userClick();
}

}  // namespace

class TestExit : public QObject {
    Q_OBJECT
private slots:
    void noKeepsTheLessonGoing();
    void yesWritesTheRecordAndEnds();
    void shortAnswersAreLeftOut();
    void taskNumbersAreWrittenByTheStrRule();
    void answersKeepTheirLinesAndUnknownCharactersBecomeQuestionMarks();
    void optionsAndDrivesCanForbidTheRecord_data();
    void optionsAndDrivesCanForbidTheRecord();
    void flag31ChoosesTheName();
    void anUnwritableFolderIsReportedAndTheLessonStillEnds();
    void closingTheMainWindowAsksLikeExit();
};

void TestExit::noKeepsTheLessonGoing()
{
    TestLesson t;
    startOpenLesson(t);
    answer(t, 2, u"шест б"_s);
    t.services.answers = {false};
    t.program().lesko().Izhod.userClick();
    QCOMPARE(t.services.shown.last().text, u"Желаете ли изход от урока?"_s);
    QCOMPARE(t.services.shown.last().flags, 260);
    QCOMPARE(t.services.ends, 0);
    QVERIFY(!t.program().ended());
    QVERIFY(QDir(t.folder()).entryList(QDir::Files) == QStringList{u"FUNKR.UFG"_s});
}

void TestExit::yesWritesTheRecordAndEnds()
{
    TestLesson t;
    startOpenLesson(t);
    answer(t, 2, u"шестте"_s);
    answer(t, 7, u"три"_s);
    exitWithYes(t);
    QCOMPARE(t.services.ends, 1);
    QVERIFY(t.program().ended());
    QCOMPARE(recordText(t), Header + u"Задача  2\r\nшестте\r\n"_s);
}

void TestExit::shortAnswersAreLeftOut()
{
    TestLesson t;
    startOpenLesson(t);
    answer(t, 1, u"12345"_s);
    exitWithYes(t);
    QCOMPARE(readFile(t.path(app::answerRecordName(t.program()))), content::toWindows1251(Header));
}

void TestExit::taskNumbersAreWrittenByTheStrRule()
{
    TestLesson t;
    startOpenLesson(t);
    answer(t, 3, u"отговор 3"_s);
    answer(t, 12, u"отговор 12"_s);
    answer(t, 20, u"отговор 20"_s);
    exitWithYes(t);
    QCOMPARE(recordText(t),
             Header + u"Задача  3\r\nотговор 3\r\nЗадача  12\r\nотговор 12\r\nЗадача  20\r\nотговор 20\r\n"_s);
}

void TestExit::answersKeepTheirLinesAndUnknownCharactersBecomeQuestionMarks()
{
    TestLesson t;
    startOpenLesson(t);
    answer(t, 4, u"int main()\r\n{ return 0; } ☺"_s);
    exitWithYes(t);
    QCOMPARE(recordText(t), Header + u"Задача  4\r\nint main()\r\n{ return 0; } ?\r\n"_s);
    QCOMPARE(t.program().lesko_n().List_Un[Lesko_n::AnswerStoreList].List(4), u"int main()\r\n{ return 0; } ☺"_s);
}

void TestExit::optionsAndDrivesCanForbidTheRecord_data()
{
    QTest::addColumn<int>("flag12");
    QTest::addColumn<int>("drive");
    QTest::addColumn<bool>("written");
    QTest::addRow("fixed drive") << 1 << 2 << true;
    QTest::addRow("removable drive") << 1 << 1 << true;
    QTest::addRow("flag 12 off") << 0 << 2 << false;
    QTest::addRow("CD-ROM") << 1 << 4 << false;
    QTest::addRow("network") << 1 << 3 << false;
    QTest::addRow("RAM disk") << 1 << 5 << false;
    QTest::addRow("unknown drive") << 1 << 0 << false;
}

void TestExit::optionsAndDrivesCanForbidTheRecord()
{
    QFETCH(int, flag12);
    QFETCH(int, drive);
    QFETCH(bool, written);
    TestLesson t;
    t.services.drive = quint8(drive);
    startOpenLesson(t, [&](content::ConfigRecords& r) { r[0].Values[11] = qint16(flag12); });
    answer(t, 5, u"дълъг отговор"_s);
    exitWithYes(t);
    QCOMPARE(QFileInfo::exists(t.path(app::answerRecordName(t.program()))), written);
    QCOMPARE(t.services.ends, 1);
}

void TestExit::flag31ChoosesTheName()
{
    TestLesson on;
    startOpenLesson(on, [](content::ConfigRecords& r) { r[0].Values[30] = 1; });
    TestLesson off;
    startOpenLesson(off);
    const QStringList names = content::Lesson::embedded().answerFiles();
    QCOMPARE(names.size(), 2);
    QCOMPARE(app::answerRecordName(on.program()), names[0]);
    QCOMPARE(app::answerRecordName(off.program()), names[1]);
    for (const QString& n : names)
        QVERIFY(QRegularExpression(u"^[a-z0-9._-]+@[a-z0-9-]+(\\.[a-z0-9-]+)+$"_s).match(n).hasMatch());
}

void TestExit::anUnwritableFolderIsReportedAndTheLessonStillEnds()
{
    TestLesson t;
    startOpenLesson(t);
    answer(t, 6, u"моят отговор"_s);
    // A folder in place of the record: it cannot be replaced by a file.
    QVERIFY(QDir(t.folder()).mkdir(app::answerRecordName(t.program())));
    exitWithYes(t);
    QCOMPARE(t.services.ends, 1);
    QVERIFY(t.services.shown.last().text.startsWith(u"41\r\nЗаписът с отговорите не можа да бъде запазен."_s));
    QVERIFY(t.services.shown.last().text.contains(t.path(app::answerRecordName(t.program()))));
    QVERIFY(QFileInfo(t.path(app::answerRecordName(t.program()))).isDir());
    QCOMPARE(QDir(t.folder()).entryList(QDir::Files), QStringList{u"FUNKR.UFG"_s});  // no stray temporary file
}

void TestExit::closingTheMainWindowAsksLikeExit()
{
    TestLesson t;
    startOpenLesson(t);
    answer(t, 2, u"шестте"_s);
    t.services.answers = {false};
    QVERIFY(!t.program().lesko().Form_QueryClose());
    QCOMPARE(t.services.ends, 0);
    t.services.answers = {true};
    t.program().lesko().Form_QueryClose();
    QCOMPARE(t.services.ends, 1);
    QCOMPARE(recordText(t), Header + u"Задача  2\r\nшестте\r\n"_s);
}

QTEST_GUILESS_MAIN(TestExit)
#include "test_exit.moc"
