// The workbench's opening and return, the task list with its two questions,
// the extra tasks and the level/type report with its chooser.
#include "support/workbench_lesson.h"

#include <QFileInfo>
#include <QTest>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

namespace {
const QString SwitchQuestion = u"Да премина ли към друга задача?"_s;
const QString HardQuestion = u"Задачата е с повишена трудност! \r\nСмятате ли, че ще се справите?"_s;
constexpr int QuestionFlags = 260;
}  // namespace

class TestWorkbenchTasks : public QObject {
    Q_OBJECT
private slots:
    void openingHidesTheLessonAndLoadsTask1();
    void leavingGivesTheLessonBack_data();
    void leavingGivesTheLessonBack();
    void reopeningGoesOnWhereTheStudentLeft();
    void switchQuestion_data();
    void switchQuestion();
    void choosingTheLoadedTaskReloadsItWithoutAsking();
    void hardTaskQuestion_data();
    void hardTaskQuestion();
    void extraTasksAreAddedOnce();
    void levelAndTypeReport_data();
    void levelAndTypeReport();
    void chooserSelectsTheTaskItsLineEndsWith_data();
    void everyChooserWindowKeepsTheClassRestrictions_data();
    void everyChooserWindowKeepsTheClassRestrictions();
    void chooserSelectsTheTaskItsLineEndsWith();
    void aTaskBeyondTheLessonLoadsNothingAndBreaksNothing();
    void withoutTasksOpeningSelectsNothing();
};

void TestWorkbenchTasks::openingHidesTheLessonAndLoadsTask1()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko& lesko = t.program().lesko();
    QVERIFY(lesko.Visible());
    QVERIFY(lesko.Timer1.Enabled());

    Lesko_n& bench = openWorkbench(t);
    QVERIFY(!lesko.Visible());
    QVERIFY(!lesko.Timer1.Enabled());
    QVERIFY(bench.Visible());
    QVERIFY(bench.Timer_n.Enabled());
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].ListIndex(), 0);
    QCOMPARE(lesko.List_Ur[Lesko::ChoiceList].List(Lesko::RecordedTaskItem),
             u"0"_s);  // the list position, not the task number
    QCOMPARE(bench.CurrentTask, qint16(1));
    QCOMPARE(bench.Text_Un[Lesko_n::StatementBox].Text(), statementText(1));
    QCOMPARE(bench.RemainingTime, 20.0);
    QVERIFY(!bench.Text_Un[Lesko_n::AnswerBox].Locked());
    QVERIFY(t.services.shown.isEmpty());
}

void TestWorkbenchTasks::leavingGivesTheLessonBack_data()
{
    QTest::addColumn<bool>("byFrame");
    QTest::addRow("menu Връщане към урока") << false;
    QTest::addRow("closing the window by its frame") << true;
}

void TestWorkbenchTasks::leavingGivesTheLessonBack()
{
    QFETCH(bool, byFrame);
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko& lesko = t.program().lesko();
    Lesko_n& bench = openWorkbench(t);
    clickTask(t, 4, {true});
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"моят отговор"_s);
    tick(bench, 4);

    if (byFrame)
        QVERIFY(!bench.Form_QueryClose());  // hidden, not destroyed
    else
        bench.mnu_IzhodN.userClick();

    QVERIFY(lesko.Visible());
    QVERIFY(lesko.Timer1.Enabled());
    QVERIFY(!bench.Visible());
    QVERIFY(!bench.Timer_n.Enabled());
    QVERIFY(t.program().isLoaded(u"Lesko_n"_s));
    QCOMPARE(lesko.List_Ur[Lesko::ChoiceList].List(Lesko::RecordedTaskItem), u"3"_s);
    QCOMPARE(lesko.List_Ur[Lesko::ChoiceList].List(Lesko::RemainingTaskTimeItem), u"3199.6"_s);
    QCOMPARE(bench.List_Un[Lesko_n::AnswerStoreList].List(4), u"моят отговор"_s);
}

void TestWorkbenchTasks::reopeningGoesOnWhereTheStudentLeft()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    clickTask(t, 4, {true});
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"моят отговор"_s);
    tick(bench, 4);
    bench.mnu_IzhodN.userClick();

    openWorkbench(t);
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].ListIndex(), 3);
    QCOMPARE(t.program().lesko().List_Ur[Lesko::ChoiceList].List(Lesko::RecordedTaskItem), u"3"_s);
    QCOMPARE(bench.Text_Un[Lesko_n::AnswerBox].Text(), u"моят отговор"_s);
    tick(bench, 1);
    QCOMPARE(bench.Chasownik_Label[Lesko_n::ClockLabel].Caption(), u"3199"_s);
    QVERIFY(qAbs(bench.RemainingTime - 3199.5) < 1e-6);
}

void TestWorkbenchTasks::switchQuestion_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("loaded");
    QTest::addRow("Yes goes to the chosen task") << 5 << 8 << true << 8;
    QTest::addRow("No keeps task 5 with its typed answer") << 5 << 8 << false << 5;
    QTest::addRow("No keeps task 1") << 1 << 8 << false << 1;
}

void TestWorkbenchTasks::switchQuestion()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(bool, yes);
    QFETCH(int, loaded);
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    if (from != 1)
        clickTask(t, from, {true});
    bench.List_Un[Lesko_n::AnswerStoreList].setList(to, u"отговор, въведен по-рано"_s);
    const QString typed = u"започнат отговор"_s;
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(typed);
    t.services.shown.clear();

    clickTask(t, to, {yes});

    QCOMPARE(t.services.shown.size(), 1);
    QCOMPARE(t.services.shown[0].text, SwitchQuestion);
    QCOMPARE(t.services.shown[0].flags, QuestionFlags);
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].ListIndex(), loaded - 1);
    QCOMPARE(bench.CurrentTask, qint16(loaded));
    QCOMPARE(t.program().lesko().List_Ur[Lesko::ChoiceList].List(Lesko::RecordedTaskItem), QString::number(loaded));
    QCOMPARE(bench.Text_Un[Lesko_n::StatementBox].Text(), statementText(loaded));
    QCOMPARE(bench.Text_Un[Lesko_n::AnswerBox].Text(), loaded == from ? typed : u"отговор, въведен по-рано"_s);
    QCOMPARE(bench.List_Un[Lesko_n::AnswerStoreList].List(from), typed);
    QVERIFY(bench.Timer_n.Enabled());
}

void TestWorkbenchTasks::choosingTheLoadedTaskReloadsItWithoutAsking()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    tick(bench, 10);
    // The opener wrote the list position 0, so task 1 counts as another task
    // for the clock: it starts again.
    clickTask(t, 1);
    QCOMPARE(bench.RemainingTime, 20.0);
    QCOMPARE(bench.Chasownik_Label[Lesko_n::ClockLabel].Caption(), QString());

    tick(bench, 10);
    bench.Text_Un[Lesko_n::HintBox].setText(u"упътване"_s);
    bench.Text_Un[Lesko_n::StatementBox].setText(QString());
    clickTask(t, 1);
    QVERIFY(t.services.shown.isEmpty());
    QVERIFY(qAbs(bench.RemainingTime - 19.0) < 1e-6);  // the clock goes on
    QCOMPARE(bench.Text_Un[Lesko_n::HintBox].Text(), QString());
    QCOMPARE(bench.Text_Un[Lesko_n::StatementBox].Text(), statementText(1));
}

void TestWorkbenchTasks::hardTaskQuestion_data()
{
    QTest::addColumn<int>("flag25");
    QTest::addColumn<int>("task");
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<QStringList>("questions");
    QTest::addRow("Yes takes the hard task")
        << 1 << 3 << QList<bool>{true, true} << 3 << QStringList{SwitchQuestion, HardQuestion};
    QTest::addRow("No stays on the current task")
        << 1 << 3 << QList<bool>{true, false} << 1 << QStringList{SwitchQuestion, HardQuestion};
    QTest::addRow("a level 1 task never asks") << 1 << 4 << QList<bool>{true} << 4 << QStringList{SwitchQuestion};
    QTest::addRow("option 25 off never asks") << 0 << 3 << QList<bool>{true} << 3 << QStringList{SwitchQuestion};
}

void TestWorkbenchTasks::hardTaskQuestion()
{
    QFETCH(int, flag25);
    QFETCH(int, task);
    QFETCH(QList<bool>, answers);
    QFETCH(int, loaded);
    QFETCH(QStringList, questions);
    TestLesson t;
    startWorkbenchLesson(t, [&](content::ConfigRecords& r) { setFlag(r, 25, flag25); });
    Lesko_n& bench = openWorkbench(t);

    t.services.answers.assign(answers.begin(), answers.end());
    bench.List_Un[Lesko_n::TaskList].userClick(task - 1);

    QStringList asked;
    for (const ShownMessage& m : std::as_const(t.services.shown)) {
        asked << m.text;
        QCOMPARE(m.flags, QuestionFlags);
    }
    QCOMPARE(asked, questions);
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].ListIndex(), loaded - 1);
    QCOMPARE(bench.CurrentTask, qint16(loaded));
    QCOMPARE(bench.Text_Un[Lesko_n::StatementBox].Text(), statementText(loaded));
}

void TestWorkbenchTasks::extraTasksAreAddedOnce()
{
    TestLesson t;
    startWorkbenchLesson(t, [](content::ConfigRecords& r) { r[1].Count = 15; });
    Lesko_n& bench = openWorkbench(t);
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].ListCount(), 15);
    QCOMPARE(bench.mnu_All_zadachi.Caption(), u"+ 5 задачи"_s);
    QVERIFY(bench.mnu_All_zadachi.Enabled());
    clickTask(t, 4, {true});
    t.services.shown.clear();

    bench.mnu_All_zadachi.userClick();

    QCOMPARE(bench.List_Un[Lesko_n::TaskList].ListCount(), TaskCount);
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].List(15), u"16"_s);
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].List(TaskCount - 1), u"20"_s);
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].ListIndex(), 3);
    QCOMPARE(bench.Text_Un[Lesko_n::StatementBox].Text(), statementText(4));
    QCOMPARE(bench.mnu_All_zadachi.Caption(), u"+0 задачи"_s);
    QVERIFY(!bench.mnu_All_zadachi.Enabled());
    QVERIFY(t.services.shown.isEmpty());
}

void TestWorkbenchTasks::levelAndTypeReport_data()
{
    QTest::addColumn<int>("listed");
    QTest::addRow("15 tasks listed") << 15;
    QTest::addRow("all 20 tasks listed") << 20;
}

void TestWorkbenchTasks::levelAndTypeReport()
{
    QFETCH(int, listed);
    TestLesson t;
    startWorkbenchLesson(t, [&](content::ConfigRecords& r) { r[1].Count = listed; });
    Lesko_n& bench = openWorkbench(t);

    bench.mnu_Tip_Wid.userClick();

    Lesko_Glos& chooser = t.program().lesko_Glos();
    const forms::ListBox& byLevel = chooser.Wremena(GlossaryTables::LevelReport);
    const forms::ListBox& byType = chooser.Wremena(GlossaryTables::TypeReport);
    QVERIFY(chooser.Visible());
    QCOMPARE(byLevel.ListCount(), listed);
    QCOMPARE(byType.ListCount(), listed);
    QCOMPARE(byLevel.List(0), u"Сложност 1 за задача 1"_s);
    QCOMPARE(byLevel.List(2), u"Сложност 2 за задача 3"_s);
    QCOMPARE(byLevel.List(listed - 1),
             u"Сложност "_s + (isHard(listed) ? u'2' : u'1') + u" за задача "_s + QString::number(listed));
    QCOMPARE(byType.List(3), u"сортиране за задача 4"_s);
    QCOMPARE(byType.List(9), u"формула за задача 10"_s);
    QCOMPARE(byLevel.ListIndex(), -1);
    QCOMPARE(byType.ListIndex(), -1);
}

void TestWorkbenchTasks::chooserSelectsTheTaskItsLineEndsWith_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("ending");
    QTest::addRow("a blank and 7 selects index 6") << 3 << 6 << u" 7"_s;
    QTest::addRow("12 selects index 11") << 5 << 11 << u"12"_s;
}

void TestWorkbenchTasks::chooserSelectsTheTaskItsLineEndsWith()
{
    QFETCH(int, list);
    QFETCH(int, line);
    QFETCH(QString, ending);
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    bench.mnu_Tip_Wid.userClick();
    Lesko_Glos& chooser = t.program().lesko_Glos();
    QVERIFY(chooser.Wremena(list).List(line).endsWith(ending));

    t.services.answers = {true};
    chooser.Wremena(list).userClick(line);

    QVERIFY(!t.program().isLoaded(u"Lesko_Glos"_s));
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].ListIndex(), line);
    QCOMPARE(bench.CurrentTask, qint16(line + 1));
    QCOMPARE(bench.Text_Un[Lesko_n::StatementBox].Text(), statementText(line + 1));
}

void TestWorkbenchTasks::everyChooserWindowKeepsTheClassRestrictions_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("list");
    QTest::addRow("option 8 off locks the level list") << 8 << 3;
    QTest::addRow("option 26 off locks the type list") << 26 << 5;
}

void TestWorkbenchTasks::everyChooserWindowKeepsTheClassRestrictions()
{
    QFETCH(int, flag);
    QFETCH(int, list);
    TestLesson t;
    startWorkbenchLesson(t, [&](content::ConfigRecords& r) { setFlag(r, flag, 0); });
    Lesko_n& bench = openWorkbench(t);
    for (int window = 0; window < 3; ++window) {
        bench.mnu_Tip_Wid.userClick();
        Lesko_Glos& chooser = t.program().lesko_Glos();
        QVERIFY2(!chooser.Wremena(list).Enabled(), qPrintable(QString::number(window)));
        QVERIFY(chooser.Wremena(list == 3 ? 5 : 3).Enabled());
        QVERIFY(chooser.Form_QueryClose());
        t.program().releaseUnloaded();
        QVERIFY(!t.program().isLoaded(u"Lesko_Glos"_s));
    }
}

void TestWorkbenchTasks::aTaskBeyondTheLessonLoadsNothingAndBreaksNothing()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    forms::ListBox& tasks = bench.List_Un[Lesko_n::TaskList];
    while (tasks.ListCount() < 97)
        tasks.AddItem(QString());
    clickTask(t, 97, {true});

    QCOMPARE(bench.CurrentTask, qint16(97));
    QCOMPARE(bench.Text_Un[Lesko_n::StatementBox].Text(), QString());
    tick(bench, 3);
    QVERIFY(bench.Text_Un[Lesko_n::AnswerBox].Locked());  // no time limit: the time is over at once
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), QString());
    bench.Picture_Un_Click(0);
    bench.mnu_Tip_Wid.userClick();
    QCOMPARE(t.program().lesko_Glos().Wremena(GlossaryTables::LevelReport).ListCount(), 97);
    bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick();
    QVERIFY(QFileInfo::exists(t.path(u"FUNKR_97.TXT"_s)));
    QCOMPARE(t.services.shown.size(), 1);  // only the switch question
}

void TestWorkbenchTasks::withoutTasksOpeningSelectsNothing()
{
    TestLesson t;
    workbench_lesson::install(t.program());
    t.program().start();  // no configuration: the task list stays empty
    t.services.shown.clear();
    Lesko_n& bench = openWorkbench(t);
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].ListIndex(), -1);
    QCOMPARE(t.program().lesko().List_Ur[Lesko::ChoiceList].List(Lesko::RecordedTaskItem), u"-1"_s);
    bench.mnu_Tip_Wid.userClick();
    QCOMPARE(t.program().lesko_Glos().Wremena(GlossaryTables::LevelReport).ListCount(), 0);
    bench.mnu_IzhodN.userClick();
    QVERIFY(t.program().lesko().Visible());
    QVERIFY(t.services.shown.isEmpty());
}

QTEST_GUILESS_MAIN(TestWorkbenchTasks)
#include "test_workbench_tasks.moc"
