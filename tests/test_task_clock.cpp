// The answer box against the task's clock: focus marking, countdown, hint,
// end of the time and the solution access rule. Ticks are driven directly.
#include "content/task_cipher.h"
#include "settings/appearance_record.h"
#include "support/announcements.h"
#include "support/workbench_lesson.h"

#include <QTest>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

namespace {

const QString HintNotice = u"Имате достъп до допълнително упътване за въпроса"_s;
const QString NoAccess = u"Нямате достъп за раглеждане на решението!"_s;
const QString HintReleased = u"Имате достъп до допълнително упътване."_s;
const QString TimeUp = u"Времето за задачата изтече."_s;
const QString SolutionShown = u"Показано е решението на автора."_s;

QString hintBoxText(const QString& hint) { return HintNotice + u"\r\n\r\n" + hint; }

// Ticks until the answer box locks; the number of the tick that locked it.
int ticksUntilLocked(Lesko_n& bench, int limit)
{
    for (int n = 1; n <= limit; ++n) {
        bench.Timer_n_Timer();
        if (bench.Text_Un[Lesko_n::AnswerBox].Locked())
            return n;
    }
    return -1;
}

forms::ListBox& timeTable(TestLesson& t, int i) { return t.program().glossaryTables().Wremena[std::size_t(i)]; }

}  // namespace

class TestTaskClock : public QObject {
    Q_OBJECT
private slots:
    void focusMarksTheBoxAndEmptiesTheClipboard_data();
    void focusMarksTheBoxAndEmptiesTheClipboard();
    void task1RunsItsFullCourse_data();
    void task1RunsItsFullCourse();
    void laterTasksShowTheirSolutionOnlyWithOption6_data();
    void laterTasksShowTheirSolutionOnlyWithOption6();
    void withoutOption5TheHintWaitsForTheTimeToRunOut();
    void aTaskWhoseTimeRanOutEndsAtTheNextTick();
    void difficultyFactor_data();
    void difficultyFactor();
    void aLevel2TaskGetsTenTimesItsTime();
    void aHugeRemainingTimeShowsAsWholeSeconds();
    void withoutATaskTicksOnlyEmptyTheClipboard();
    void encodedTaskLinesAreShownDecoded();
};

void TestTaskClock::focusMarksTheBoxAndEmptiesTheClipboard_data()
{
    QTest::addColumn<int>("box");
    QTest::addRow("answer box") << 0;
    QTest::addRow("statement box") << 2;
    QTest::addRow("hint box") << 4;
}

void TestTaskClock::focusMarksTheBoxAndEmptiesTheClipboard()
{
    QFETCH(int, box);
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = t.program().lesko_n();
    bench.List_Un[Lesko_n::AppearanceRecordList].setList(appearance::colourItem(appearance::TextBack), u"255"_s);
    bench.Text_Un[Lesko_n::TimeUsedBox].setBackColor(4242);
    const int clearsBefore = t.services.clipboardClears;

    bench.Text_Un[std::size_t(box)].userFocused();

    for (int i = 0; i <= 4; ++i)
        QCOMPARE(bench.Text_Un[std::size_t(i)].BackColor(), i == box ? 6909565 : 255);
    QCOMPARE(bench.Text_Un[Lesko_n::TimeUsedBox].BackColor(), 4242);
    QCOMPARE(t.services.clipboardClears, clearsBefore + 1);
    QCOMPARE(int(bench.FocusedBox), box);
}

void TestTaskClock::task1RunsItsFullCourse_data()
{
    QTest::addColumn<int>("flag6");
    QTest::addRow("option 6 off") << 0;
    QTest::addRow("option 6 on") << 1;
}

void TestTaskClock::task1RunsItsFullCourse()
{
    QFETCH(int, flag6);
    TestLesson t;
    startWorkbenchLesson(t, [&](content::ConfigRecords& r) { setFlag(r, 6, flag6); });
    Lesko_n& bench = openWorkbench(t);
    AnnouncementRecorder heard(bench);

    bench.Timer_n_Timer();
    QCOMPARE(bench.Chasownik_Label[Lesko_n::ClockLabel].Caption(), u"19"_s);

    int hintTick = 1;
    while (bench.Text_Un[Lesko_n::HintBox].Text().isEmpty() && hintTick < 100) {
        bench.Timer_n_Timer();
        ++hintTick;
    }
    QVERIFY2(hintTick == 40 || hintTick == 41, qPrintable(QString::number(hintTick)));
    QCOMPARE(bench.Text_Un[Lesko_n::HintBox].Text(), hintBoxText(hintLine(1)));
    QCOMPARE(timeTable(t, 0).List(1), u"0"_s);
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), QString());
    QCOMPARE(heard.messages, QStringList{HintReleased});

    QCOMPARE(hintTick + ticksUntilLocked(bench, 300), 201);
    QCOMPARE(heard.messages, QStringList({HintReleased, TimeUp, SolutionShown}));
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), solutionText(1));
    QCOMPARE(bench.Chasownik_Label[Lesko_n::ClockLabel].Caption(), u"0"_s);
    QCOMPARE(timeTable(t, 1).List(1), u"0"_s);
    QCOMPARE(int(bench.PictureContext), 2);

    tick(bench, 20);  // finished: the clock stands still
    QCOMPARE(bench.Chasownik_Label[Lesko_n::ClockLabel].Caption(), u"0"_s);
    QCOMPARE(heard.messages.size(), 3);
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), solutionText(1));
}

void TestTaskClock::laterTasksShowTheirSolutionOnlyWithOption6_data()
{
    QTest::addColumn<int>("flag6");
    QTest::addColumn<QString>("solutionBox");
    QTest::addRow("option 6 off: no access") << 0 << NoAccess;
    QTest::addRow("option 6 on: the solution") << 1 << solutionText(2);
}

void TestTaskClock::laterTasksShowTheirSolutionOnlyWithOption6()
{
    QFETCH(int, flag6);
    QFETCH(QString, solutionBox);
    TestLesson t;
    startWorkbenchLesson(t, [&](content::ConfigRecords& r) { setFlag(r, 6, flag6); });
    timeTable(t, 1).setList(2, u"2"_s);
    Lesko_n& bench = openWorkbench(t);
    clickTask(t, 2, {true});
    AnnouncementRecorder heard(bench);

    QCOMPARE(ticksUntilLocked(bench, 100), 21);
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), solutionBox);
    QCOMPARE(heard.messages.contains(SolutionShown), flag6 == 1);  // no solution, nothing said of one
    QVERIFY(heard.messages.contains(TimeUp));
    tick(bench, 5);
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), solutionBox);

    // Loaded again, the task ends at its next tick the same way.
    clickTask(t, 2);
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), QString());
    QVERIFY(bench.Text_Un[Lesko_n::AnswerBox].Locked());
    bench.Timer_n_Timer();
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), solutionBox);
    QCOMPARE(bench.Chasownik_Label[Lesko_n::ClockLabel].Caption(), QString());
    QCOMPARE(bench.Text_Un[Lesko_n::HintBox].Text(), hintBoxText(hintLine(2)));
    QCOMPARE(t.services.shown.size(), 1);  // only the switch to task 2 asked
}

void TestTaskClock::withoutOption5TheHintWaitsForTheTimeToRunOut()
{
    TestLesson t;
    startWorkbenchLesson(t, [](content::ConfigRecords& r) { setFlag(r, 5, 0); });
    Lesko_n& bench = openWorkbench(t);

    QCOMPARE(ticksUntilLocked(bench, 300), 201);
    QCOMPARE(bench.Text_Un[Lesko_n::HintBox].Text(), QString());
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), solutionText(1));

    clickTask(t, 1);
    QCOMPARE(bench.Text_Un[Lesko_n::HintBox].Text(), QString());
    bench.Timer_n_Timer();
    QCOMPARE(bench.Text_Un[Lesko_n::HintBox].Text(), hintBoxText(hintLine(1)));
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), solutionText(1));
}

// Task 1 ran out; task 4 opens the answer box; back on task 1 the box is
// open, but task 1 has no time left.
void TestTaskClock::aTaskWhoseTimeRanOutEndsAtTheNextTick()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    QCOMPARE(ticksUntilLocked(bench, 300), 201);
    clickTask(t, 4, {true});
    QVERIFY(!bench.Text_Un[Lesko_n::AnswerBox].Locked());
    clickTask(t, 1, {true});
    QVERIFY(!bench.Text_Un[Lesko_n::AnswerBox].Locked());
    QCOMPARE(bench.RemainingTime, 0.0);

    bench.Timer_n_Timer();
    QVERIFY(bench.Text_Un[Lesko_n::AnswerBox].Locked());
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), solutionText(1));
}

void TestTaskClock::difficultyFactor_data()
{
    QTest::addColumn<QString>("level");
    QTest::addColumn<int>("factor");
    QTest::addRow("no level") << QString() << 1;
    QTest::addRow("level 1") << u"1"_s << 1;
    QTest::addRow("level 1.5") << u"1.5"_s << 10;
    QTest::addRow("level 2") << u"2"_s << 10;
    QTest::addRow("level 3") << u"3"_s << 1000;
    QTest::addRow("not a number") << u"лесна"_s << 1;
}

void TestTaskClock::difficultyFactor()
{
    QFETCH(QString, level);
    QFETCH(int, factor);
    TestLesson t;
    timeTable(t, 4).setList(6, level);
    QCOMPARE(t.program().lesko_n().DifficultyFactor(6), factor);
}

void TestTaskClock::aLevel2TaskGetsTenTimesItsTime()
{
    TestLesson t;
    startWorkbenchLesson(t);
    QCOMPARE(timeTable(t, 1).List(3), u"3100"_s);
    Lesko_n& bench = openWorkbench(t);
    clickTask(t, 3, {true, true});
    QCOMPARE(bench.RemainingTime, 31000.0);
    bench.Timer_n_Timer();
    QCOMPARE(bench.Chasownik_Label[Lesko_n::ClockLabel].Caption(), u"30999"_s);
    QCOMPARE(timeTable(t, 0).List(3), u"90"_s);
    QCOMPARE(bench.HintThreshold, 900.0);
}

void TestTaskClock::aHugeRemainingTimeShowsAsWholeSeconds()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    bench.RemainingTime = 1e300;
    bench.Timer_n_Timer();
    const QString caption = bench.Chasownik_Label[Lesko_n::ClockLabel].Caption();
    QCOMPARE(caption.size(), 301);
    for (QChar c : caption)
        QVERIFY(c.isDigit());
}

void TestTaskClock::withoutATaskTicksOnlyEmptyTheClipboard()
{
    TestLesson t;
    workbench_lesson::install(t.program());
    t.program().start();  // no configuration: no task listed
    Lesko_n& bench = openWorkbench(t);
    bench.Chasownik_Label[Lesko_n::ClockLabel].setCaption(u"10"_s);
    const int clearsBefore = t.services.clipboardClears;

    tick(bench, 5);

    QCOMPARE(t.services.clipboardClears, clearsBefore + 5);
    QCOMPARE(bench.RemainingTime, 10.0);
    QCOMPARE(bench.Chasownik_Label[Lesko_n::ClockLabel].Caption(), u"10"_s);
    QCOMPARE(bench.Text_Un[Lesko_n::TimeUsedBox].Text(), QString());
}

// With option 31 a task's lines are stored encoded and its hint is line 1.
void TestTaskClock::encodedTaskLinesAreShownDecoded()
{
    TestLesson t;
    startWorkbenchLesson(t, [](content::ConfigRecords& r) { setFlag(r, 31, 1); });
    QStringList stored{u"ред без значение"_s};
    for (const QString& line : taskLines(2))
        stored << content::encodeTaskLine(line);
    t.program().taskTexts().Uslowie_L[2].setItems(stored);
    t.program().taskTexts().Redowe_L[TaskTexts::FirstStatementLines].setList(2, u"3"_s);
    t.program().taskTexts().Redowe_L[TaskTexts::FirstSolutionLines].setList(2, u"12"_s);
    timeTable(t, 1).setList(2, u"2"_s);
    timeTable(t, 0).setList(2, u"1"_s);
    Lesko_n& bench = openWorkbench(t);

    clickTask(t, 2, {true});
    QCOMPARE(bench.Text_Un[Lesko_n::StatementBox].Text(), statementText(2));
    ticksUntilLocked(bench, 100);
    QCOMPARE(bench.Text_Un[Lesko_n::HintBox].Text(), hintBoxText(hintLine(2)));
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), solutionText(2));
}

QTEST_GUILESS_MAIN(TestTaskClock)
#include "test_task_clock.moc"
