// The plan list, the reading pane and the information menu.
#include "aux_windows/lesko_dis.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "configuration/configuration.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "support/lesson_files.h"
#include "support/scripted_services.h"

#include <QJsonArray>
#include <QTest>

using namespace testing_support;
using namespace Qt::StringLiterals;

namespace {

void choose(Lesko& lesko, int row) { lesko.List_Ur[Lesko::PlanList].userClick(row); }

void runSeconds(Lesko& lesko, int seconds)
{
    for (int i = 0; i < seconds * 10; ++i)
        lesko.Timer1_Timer();
}

}  // namespace

class TestPlan : public QObject {
    Q_OBJECT
private slots:
    void thePlanShowsItsLabelsWithoutTheOrderNumber();
    void choosingAPointShowsItsTextAndPicture_data();
    void choosingAPointShowsItsTextAndPicture();
    void shortPlanItemsAreNotListedAndTimesFollowTheList();
    void theLaterOfTwoEqualEndingsWins();
    void flag18DecidesRestartOrResume_data();
    void flag18DecidesRestartOrResume();
    void flag17LocksThePlanUntilThePointIsRead();
    void informationItemsShowTheirText();
};

void TestPlan::thePlanShowsItsLabelsWithoutTheOrderNumber()
{
    TestLesson t;
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    const forms::ListBox& plan = t.program().lesko_Dis().Plan_Lesko[0];
    QCOMPARE(lesko.List_Ur[Lesko::PlanList].ListCount(), plan.ListCount() - 1);
    for (int i = 1; i < plan.ListCount(); ++i)
        QCOMPARE(lesko.List_Ur[Lesko::PlanList].List(i - 1), plan.List(i).mid(4));
    QCOMPARE(lesko.List_Ur[Lesko::PlanList].List(2), u"2а) Входни данни"_s);
    QCOMPARE(lesko.List_Ur[Lesko::PlanOrderList].List(1), plan.List(1));
    QCOMPARE(lesko.List_Ur[Lesko::PlanOrderList].List(0).size(), 64);
}

void TestPlan::choosingAPointShowsItsTextAndPicture_data()
{
    QTest::addColumn<int>("point");
    QTest::addColumn<int>("picture");
    QTest::addRow("point 1, picture 1") << 1 << 1;
    for (int p = 2; p <= 4; ++p)
        QTest::addRow("point %d, default picture", p) << p << 0;
    QTest::addRow("point 5, picture 16") << 5 << 16;
}

void TestPlan::choosingAPointShowsItsTextAndPicture()
{
    QFETCH(int, point);
    QFETCH(int, picture);
    TestLesson t;
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    Lesko_Gra& store = t.program().lesko_Gra();
    choose(lesko, point - 1);
    QCOMPARE(lesko.Text_U[Lesko::ContentBox].Text(), t.program().lesko_Dis().Podtochki[std::size_t(point)].Text());
    QVERIFY(lesko.Text_U[Lesko::ContentBox].Text().startsWith(lesko.List_Ur[Lesko::PlanList].List(point - 1)));
    QCOMPARE(lesko.Item_Time[0], qint16(point));
    QCOMPARE(int(lesko.Pic_Index), picture);
    const forms::Picture& expected =
        picture ? store.Grafika_G[std::size_t(picture)].Picture() : store.Grafika_W[Lesko_Gra::BlankPicture].Picture();
    QVERIFY(lesko.Picture_Ur[0].Picture().sameAs(expected));
    QCOMPARE(int(lesko.Pic_Shown), picture ? 1 : 0);
}

void TestPlan::shortPlanItemsAreNotListedAndTimesFollowTheList()
{
    LessonVariant variant(u"Lesko_Dis"_s, [](QJsonObject& json) {
        setMember(json, u"lists"_s, u"Plan_Lesko"_s, 0,
                  QJsonArray{u"Функционална релация"_s, u"001 Първа точка"_s, u"002 аб"_s, u"003 Трета точка"_s});
    });
    TestLesson t(variant.lesson());
    t.program().lesko_Glos().Wremena(GlossaryTables::ReadingTimes).setItems({u"заглавие"_s, u"10"_s, u"20"_s, u"30"_s});
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    QCOMPARE(lesko.List_Ur[Lesko::PlanList].items(), QStringList({u"Първа точка"_s, u"Трета точка"_s}));
    choose(lesko, 1);
    // The text is that of plan item 3, the clock that of list position 2.
    QCOMPARE(lesko.Text_U[Lesko::ContentBox].Text(), t.program().lesko_Dis().Podtochki[3].Text());
    QCOMPARE(lesko.Item_Time[2], qint16(20));
}

void TestPlan::theLaterOfTwoEqualEndingsWins()
{
    LessonVariant variant(u"Lesko_Dis"_s, [](QJsonObject& json) {
        setMember(json, u"lists"_s, u"Plan_Lesko"_s, 0,
                  QJsonArray{u"Функционална релация"_s, u"001 Обща точка"_s, u"002 Обща точка"_s});
    });
    TestLesson t(variant.lesson());
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    choose(lesko, 0);
    QCOMPARE(lesko.Text_U[Lesko::ContentBox].Text(), t.program().lesko_Dis().Podtochki[2].Text());
}

void TestPlan::flag18DecidesRestartOrResume_data()
{
    QTest::addColumn<int>("flag18");
    QTest::addColumn<bool>("restarts");
    QTest::addRow("off restarts the full time") << 0 << true;
    QTest::addRow("on resumes with the time left") << 1 << false;
}

void TestPlan::flag18DecidesRestartOrResume()
{
    QFETCH(int, flag18);
    QFETCH(bool, restarts);
    TestLesson t;
    startOpenLesson(t, [&](content::ConfigRecords& r) { r[0].Values[17] = qint16(flag18); });
    Lesko& lesko = t.program().lesko();
    const int full = lesko.Item_Time[1];
    QVERIFY(full > 3);
    choose(lesko, 0);
    runSeconds(lesko, 3);
    QCOMPARE(int(lesko.Item_Time[1]), full - 3);
    choose(lesko, 1);
    QCOMPARE(int(lesko.Item_Time[1]), full - 3);  // another point stops the count where it is
    choose(lesko, 0);
    const int expected = restarts ? full : full - 3;
    QCOMPARE(int(lesko.Item_Time[1]), expected);
    QCOMPARE(int(lesko.Lenta_Div), expected);
}

void TestPlan::flag17LocksThePlanUntilThePointIsRead()
{
    TestLesson t;
    startOpenLesson(t, [](content::ConfigRecords& r) { r[0].Values[16] = 0; });
    Lesko& lesko = t.program().lesko();
    choose(lesko, 0);
    QVERIFY(!lesko.List_Ur[Lesko::PlanList].Enabled());
    runSeconds(lesko, lesko.Item_Time[1]);
    QVERIFY(!lesko.List_Ur[Lesko::PlanList].Enabled());  // run out now, unlocked on the next second
    QCOMPARE(lesko.Item_Done[1], quint8(1));
    runSeconds(lesko, 1);
    QVERIFY(lesko.List_Ur[Lesko::PlanList].Enabled());
    // A point already read shows its text again but restarts nothing.
    choose(lesko, 0);
    QCOMPARE(lesko.Item_Time[1], qint16(0));
}

void TestPlan::informationItemsShowTheirText()
{
    TestLesson t;
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    choose(lesko, 4);
    const forms::Picture shown = lesko.Picture_Ur[0].Picture();
    for (int i = 1; i <= 9; ++i) {
        lesko.Sydyrv_pla[std::size_t(i)].userClick();
        QCOMPARE(lesko.Text_U[Lesko::ContentBox].Text(), t.program().lesko_Dis().Dopyln_M[std::size_t(i)].Text());
        QVERIFY(!lesko.Text_U[Lesko::ContentBox].Text().isEmpty());
    }
    // The lesson's information picture is blank, so the point's picture stays.
    QVERIFY(lesko.Picture_Ur[0].Picture().sameAs(shown));
    QCOMPARE(int(lesko.Pic_Index), 16);
}

QTEST_GUILESS_MAIN(TestPlan)
#include "test_plan.moc"
