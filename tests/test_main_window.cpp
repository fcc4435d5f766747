// The main window: proportional layout, reading clock and ribbons, the
// full-size picture, the pop-up menu, the authors' texts and the focus view.
#include "aux_windows/lesko_dis.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "aux_windows/lesko_zad.h"
#include "configuration/configuration.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "support/announcements.h"
#include "support/lesson_files.h"
#include "support/scripted_services.h"
#include "workbench/lesko_n.h"

#include <QJsonArray>
#include <QTest>

using namespace testing_support;
using namespace Qt::StringLiterals;

namespace {

void ticks(Lesko& lesko, int n)
{
    for (int i = 0; i < n; ++i)
        lesko.Timer1_Timer();
}

// The 21 controls that follow the main window's size.
std::vector<forms::Control*> walked(Lesko& lesko, Lesko_n& bench)
{
    std::vector<forms::Control*> c;
    for (auto* x : {&lesko.Text_U[Lesko::TopicBox], &lesko.Text_U[Lesko::ContentBox]})
        c.push_back(x);
    for (int i = 0; i <= 4; ++i)
        c.push_back(&bench.Text_Un[std::size_t(i)]);
    for (auto& x : lesko.Label_U)
        c.push_back(&x);
    c.push_back(&bench.Chasownik_Label[Lesko_n::ClockLabel]);
    c.push_back(&lesko.Picture_Ur[0]);
    c.push_back(&bench.Picture_Un[Lesko_n::ItemPicture]);
    c.push_back(&lesko.List_Ur[Lesko::PlanList]);
    c.push_back(&bench.List_Un[Lesko_n::TermList]);
    c.push_back(&bench.List_Un[Lesko_n::TaskList]);
    for (auto& x : lesko.Shape_Lenta)
        c.push_back(&x);
    return c;
}

struct PopupRecorder : forms::FormObserver {
    QStringList menus;
    void popupRequested(forms::Form&, forms::MenuItem& menu) override { menus << menu.name(); }
};

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void doublingTheWidthDoublesTheWalkedControls();
    void aResizeReloadsAnUnloadedWorkbench();
    void shrinkingToNothingKeepsSizesNonNegative();
    void aTenSecondPointStepsTheTimeRibbonBy500();
    void theTimeRibbonTellsItsShareAndTheEndIsAnnounced();
    void everyTenthTickCountsASecond();
    void optionsShapeTheReadingClock_data();
    void optionsShapeTheReadingClock();
    void tenPointsMoveThePlanRibbonBy1100();
    void aZeroReadingTimeLeavesTheRibbonsStill();
    void fullSizeViewOnlyForPicturesThatDoNotFit_data();
    void fullSizeViewOnlyForPicturesThatDoNotFit();
    void rightClickPopsUpTheInformationMenu();
    void authorsTexts();
    void focusViewRemembersTheChosenSize();
    void enlargedTextFieldFollowsTheWindow();
    void closedWindowsComeBackAfresh_data();
    void closedWindowsComeBackAfresh();
};

void TestMainWindow::doublingTheWidthDoublesTheWalkedControls()
{
    TestLesson t;
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    Lesko_n& bench = t.program().lesko_n();
    lesko.Form_Resize();
    const auto controls = walked(lesko, bench);
    QCOMPARE(controls.size(), std::size_t(21));
    std::vector<std::array<double, 4>> before;
    for (forms::Control* c : controls)
        before.push_back({c->Left(), c->Top(), c->Width(), c->Height()});
    const QList<double> spare{bench.Text_Un[Lesko_n::TimeUsedBox].Left(), bench.Text_Un[Lesko_n::TimeUsedBox].Top(),
                              bench.Text_Un[Lesko_n::TimeUsedBox].Width()};
    lesko.setSize(lesko.Width() * 2, lesko.Height());
    lesko.Form_Resize();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const QByteArray name = controls[i]->qualifiedName().toUtf8();
        QVERIFY2(qAbs(controls[i]->Left() - 2 * before[i][0]) < 0.01, name.constData());
        QVERIFY2(qAbs(controls[i]->Width() - 2 * before[i][2]) < 0.01, name.constData());
        QVERIFY2(qAbs(controls[i]->Top() - before[i][1]) < 0.01, name.constData());
        QVERIFY2(qAbs(controls[i]->Height() - before[i][3]) < 0.01, name.constData());
    }
    QCOMPARE(QList<double>({bench.Text_Un[Lesko_n::TimeUsedBox].Left(), bench.Text_Un[Lesko_n::TimeUsedBox].Top(),
                            bench.Text_Un[Lesko_n::TimeUsedBox].Width()}),
             spare);
    QCOMPARE(lesko.Text_U[Lesko::FocusBuffer].Width(), 2000.0);  // the hidden buffer keeps its design rectangle
}

void TestMainWindow::aResizeReloadsAnUnloadedWorkbench()
{
    TestLesson t;
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    t.program().unload(t.program().lesko_n());
    QVERIFY(!t.program().isLoaded(u"Lesko_n"_s));
    lesko.Form_Resize();
    QVERIFY(t.program().isLoaded(u"Lesko_n"_s));
    QVERIFY(!t.program().lesko_n().Visible());
}

void TestMainWindow::shrinkingToNothingKeepsSizesNonNegative()
{
    TestLesson t;
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    for (double w : {15.0, 1.0, 0.0}) {
        lesko.setSize(w, w);
        lesko.Form_Resize();
        for (forms::Control* c : walked(lesko, t.program().lesko_n())) {
            QVERIFY(c->Width() >= 0 && c->Height() >= 0);
            QVERIFY(c->Left() >= 0 && c->Top() >= 0);
        }
    }
    ticks(lesko, 20);
}

void TestMainWindow::aTenSecondPointStepsTheTimeRibbonBy500()
{
    TestLesson t;
    startOpenLesson(t, [](content::ConfigRecords& r) { setFlag(r, 18, 0); });
    Lesko& lesko = t.program().lesko();
    lesko.Form_Resize();
    t.program()
        .lesko_Glos()
        .Wremena(GlossaryTables::ReadingTimes)
        .setList(1, u"10"_s);  // flag 18 off: the click reloads the time
    lesko.List_Ur[Lesko::PlanList].userClick(0);
    QCOMPARE(lesko.Lenta_Div, qint16(10));
    QCOMPARE(lesko.Lenta_Geom[Lesko::TimeStep], 500.0f);
    ticks(lesko, 10);
    QCOMPARE(lesko.Shape_Lenta[Lesko::TimeLeftRibbon].Height(), 4500.0);
    QCOMPARE(lesko.Shape_Lenta[Lesko::TimeUsedRibbon].Top(), 5000.0);
    QCOMPARE(lesko.Shape_Lenta[Lesko::TimeUsedRibbon].Height(), 515.0);
    QVERIFY(lesko.Shape_Lenta[Lesko::TimeLeftRibbon].Visible());
    QVERIFY(!lesko.mnu_Wyprosi.Enabled());  // locked while a point's time runs (flag 13)
    ticks(lesko, 90);
    QCOMPARE(lesko.Item_Time[1], qint16(0));
    QCOMPARE(lesko.Item_Done[1], quint8(1));
    QCOMPARE(lesko.Shape_Lenta[Lesko::TimeLeftRibbon].Height(), 0.0);
    QCOMPARE(lesko.Shape_Lenta[Lesko::TimeUsedRibbon].Height(), 5015.0);
    QVERIFY(lesko.mnu_Wyprosi.Enabled());  // flag 16 releases it when a point runs out
    ticks(lesko, 10);
    QVERIFY(!lesko.Shape_Lenta[Lesko::TimeLeftRibbon].Visible());
}

void TestMainWindow::theTimeRibbonTellsItsShareAndTheEndIsAnnounced()
{
    TestLesson t;
    startOpenLesson(t, [](content::ConfigRecords& r) { setFlag(r, 18, 0); });
    Lesko& lesko = t.program().lesko();
    AnnouncementRecorder heard(lesko);
    t.program().lesko_Glos().Wremena(GlossaryTables::ReadingTimes).setList(1, u"10"_s);
    lesko.List_Ur[Lesko::PlanList].userClick(0);
    QCOMPARE(lesko.Shape_Lenta[Lesko::TimeLeftRibbon].ProgressValue(), 100);
    QCOMPARE(lesko.Shape_Lenta[Lesko::TimeUsedRibbon].ProgressValue(), 0);
    ticks(lesko, 30);
    QCOMPARE(lesko.Shape_Lenta[Lesko::TimeLeftRibbon].ProgressValue(), 70);
    QCOMPARE(lesko.Shape_Lenta[Lesko::TimeUsedRibbon].ProgressValue(), 30);
    QVERIFY(heard.messages.isEmpty());
    ticks(lesko, 70);
    QCOMPARE(lesko.Shape_Lenta[Lesko::TimeLeftRibbon].ProgressValue(), 0);
    QCOMPARE(heard.messages, QStringList{u"Времето за четене на тази точка изтече."_s});
    ticks(lesko, 30);  // a point read to its end is announced once
    QCOMPARE(heard.messages.size(), 1);
}

void TestMainWindow::everyTenthTickCountsASecond()
{
    TestLesson t;
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    lesko.List_Ur[Lesko::PlanList].userClick(1);
    const qint16 full = lesko.Item_Time[2];
    const int clears = t.services.clipboardClears;
    ticks(lesko, 9);
    QCOMPARE(lesko.Item_Time[2], full);
    ticks(lesko, 1);
    QCOMPARE(lesko.Item_Time[2], qint16(full - 1));
    ticks(lesko, 19);
    QCOMPARE(lesko.Item_Time[2], qint16(full - 2));
    QCOMPARE(t.services.clipboardClears - clears, 29);
}

void TestMainWindow::optionsShapeTheReadingClock_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<int>("value");
    QTest::addRow("flag 13 off: no time ribbon, no lock") << 13 << 0;
    QTest::addRow("flag 16 off: workbench waits for every point") << 16 << 0;
    QTest::addRow("flag 17 off: plan locked while reading") << 17 << 0;
    QTest::addRow("flag 19 off: no plan ribbon") << 19 << 0;
    QTest::addRow("all on") << 13 << 1;
}

void TestMainWindow::optionsShapeTheReadingClock()
{
    QFETCH(int, flag);
    QFETCH(int, value);
    TestLesson t;
    startOpenLesson(t, [&](content::ConfigRecords& r) { setFlag(r, flag, value); });
    Lesko& lesko = t.program().lesko();
    const bool on = value == 1;
    QCOMPARE(lesko.mnu_Wyprosi.Enabled(), flag == 16 ? on : true);
    lesko.List_Ur[Lesko::PlanList].userClick(0);
    QCOMPARE(lesko.List_Ur[Lesko::PlanList].Enabled(), flag == 17 ? on : true);
    ticks(lesko, 10);
    QCOMPARE(lesko.Shape_Lenta[Lesko::TimeLeftRibbon].Visible(), flag == 13 ? on : true);
    QCOMPARE(lesko.mnu_Wyprosi.Enabled(), flag == 13 ? !on : false);
    ticks(lesko, 10 * lesko.Item_Time[1]);
    QCOMPARE(lesko.Shape_Lenta[Lesko::PlanDoneRibbon].Visible(), flag == 19 ? on : true);
    QCOMPARE(lesko.Shape_Lenta[Lesko::PlanDoneRibbon].Width() > 15, flag == 19 ? on : true);
    QCOMPARE(lesko.mnu_Wyprosi.Enabled(), flag == 16 ? on : true);
    if (flag == 19 && on)
        QVERIFY(lesko.Label_U[Lesko::PlanRibbonFrame].ToolTipText().contains(u"зелената"_s));
}

void TestMainWindow::tenPointsMoveThePlanRibbonBy1100()
{
    LessonVariant variant(u"Lesko_Dis"_s, [](QJsonObject& json) {
        QJsonArray plan{u"Функционална релация"_s};
        for (int i = 1; i <= 10; ++i)
            plan.append(u"%1 Точка номер %2"_s.arg(i, 3, 10, QChar(u'0')).arg(i));
        setMember(json, u"lists"_s, u"Plan_Lesko"_s, 0, plan);
    });
    TestLesson t(variant.lesson());
    startOpenLesson(t, [](content::ConfigRecords& r) {
        for (int i = 0; i < 10; ++i)
            r[4].Values[i] = 0;  // two seconds a point
    });
    Lesko& lesko = t.program().lesko();
    QCOMPARE(lesko.Plan_Count, qint16(10));
    QCOMPARE(lesko.Lenta_Geom[Lesko::PlanStep], 1100.0f);
    for (int p = 0; p < 10; ++p) {
        lesko.List_Ur[Lesko::PlanList].userClick(p);
        ticks(lesko, 20);
        QCOMPARE(lesko.Shape_Lenta[Lesko::PlanLeftRibbon].Left(), 360.0 + 1100.0 * (p + 1));
        QCOMPARE(lesko.Shape_Lenta[Lesko::PlanDoneRibbon].Width(), 15.0 + 1100.0 * (p + 1));
        QCOMPARE(lesko.Shape_Lenta[Lesko::PlanDoneRibbon].ProgressValue(), 10 * (p + 1));
        QCOMPARE(lesko.Shape_Lenta[Lesko::PlanLeftRibbon].ProgressValue(), 100 - 10 * (p + 1));
    }
    QCOMPARE(lesko.Shape_Lenta[Lesko::PlanLeftRibbon].Width(), 0.0);
    QVERIFY(!lesko.Shape_Lenta[Lesko::PlanLeftRibbon].Visible());
    QCOMPARE(int(lesko.Item_Done[0]), 0);
    QVERIFY(lesko.mnu_Wyprosi.Enabled());
}

void TestMainWindow::aZeroReadingTimeLeavesTheRibbonsStill()
{
    TestLesson t;
    startOpenLesson(t, [](content::ConfigRecords& r) { r[4].Values[0] = -1000; });
    Lesko& lesko = t.program().lesko();
    QCOMPARE(lesko.Item_Time[1], qint16(0));
    lesko.List_Ur[Lesko::PlanList].userClick(0);
    QCOMPARE(lesko.Lenta_Div, qint16(0));
    QCOMPARE(lesko.Lenta_Geom[Lesko::TimeStep], 0.0f);
    ticks(lesko, 50);
    QCOMPARE(lesko.Item_Time[1], qint16(0));
    QVERIFY(lesko.List_Ur[Lesko::PlanList].Enabled());
}

void TestMainWindow::fullSizeViewOnlyForPicturesThatDoNotFit_data()
{
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<bool>("opens");
    QTest::addRow("3000 x 1995 twips") << QSize(200, 133) << true;
    QTest::addRow("wider only") << QSize(120, 50) << true;
    QTest::addRow("smaller than the box") << QSize(100, 140) << false;
}

void TestMainWindow::fullSizeViewOnlyForPicturesThatDoNotFit()
{
    QFETCH(QSize, pixels);
    QFETCH(bool, opens);
    TestLesson t;
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    lesko.Form_Resize();
    Lesko_Gra& store = t.program().lesko_Gra();
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    store.Grafika_G[16].setPicture(forms::Picture::fromImage(image));
    lesko.List_Ur[Lesko::PlanList].userClick(4);  // point 5 shows picture 16
    lesko.Picture_Ur[0].userClick();
    QCOMPARE(t.program().isLoaded(u"Lesko_Gra"_s) && store.Visible(), opens);
    if (opens) {
        QCOMPARE(store.Width(), pixels.width() * 15 + 100.0);
        QCOMPARE(store.Height(), pixels.height() * 15 + 100.0);
        QCOMPARE(store.Grafika_G[0].Left(), 0.0);
        QCOMPARE(store.Grafika_G[0].Width(), pixels.width() * 15.0);
        QVERIFY(store.Grafika_G[0].Picture().sameAs(store.Grafika_G[16].Picture()));
    }
}

void TestMainWindow::rightClickPopsUpTheInformationMenu()
{
    TestLesson t;
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    PopupRecorder popups;
    lesko.setFormObserver(&popups);
    const int clears = t.services.clipboardClears;
    lesko.Form_MouseDown(forms::MouseButton::Left, 100, 100);
    QVERIFY(popups.menus.isEmpty());
    lesko.Form_MouseDown(forms::MouseButton::Right, 100, 100);
    QCOMPARE(popups.menus, QStringList{u"mnu_Sydyrv_plan"_s});
    QCOMPARE(t.services.clipboardClears, clears + 1);
}

void TestMainWindow::authorsTexts()
{
    TestLesson t;
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    lesko.List_Ur[Lesko::PlanList].userClick(4);
    for (int i : {Lesko::LessonAuthorItem, Lesko::AboutProgramItem}) {
        lesko.awtori[std::size_t(i)].userClick();
        QCOMPARE(lesko.Text_U[Lesko::ContentBox].Text(), t.program().authorsText(i));
        QCOMPARE(int(lesko.Pic_Index), 16);  // the picture stays
    }
    lesko.awtori[Lesko::SponsorItem].userClick();
    QCOMPARE(lesko.Text_U[Lesko::ContentBox].Text(), t.program().authorsText(1));
    QVERIFY(!lesko.Text_U[Lesko::ContentBox].Text().isEmpty());
    QCOMPARE(int(lesko.Pic_Index), 2);
    QCOMPARE(int(lesko.Pic_Shown), 2);
    QVERIFY(
        lesko.Picture_Ur[0].Picture().sameAs(t.program().lesko_Gra().Grafika_W[Lesko_Gra::AuthorsPicture].Picture()));
    QVERIFY(!lesko.Picture_Ur[0].Picture().isNull());
}

void TestMainWindow::focusViewRemembersTheChosenSize()
{
    TestLesson t;
    startOpenLesson(t);
    Lesko& lesko = t.program().lesko();
    lesko.List_Ur[Lesko::PlanList].userClick(0);
    lesko.mnu_Fokus.userClick();
    Lesko_Zad* view = &t.program().lesko_Zad();
    QVERIFY(view->Visible());
    QVERIFY(view->Obsho_Pole.Locked());
    QCOMPARE(view->Obsho_Pole.Text(), lesko.Text_U[Lesko::ContentBox].Text());
    QCOMPARE(view->Obsho_Pole.FontSize(), 10.0);  // first entry of the size list
    view->List_font.userClick(7);
    QCOMPARE(view->List_font.Text(), u"24"_s);
    QCOMPARE(view->Obsho_Pole.FontSize(), 24.0);
    QCOMPARE(lesko.List_Ur[Lesko::ChoiceList].List(Lesko::FocusFontSizeItem), u"24"_s);
    QCOMPARE(lesko.List_Ur[Lesko::ChoiceList].List(Lesko::FocusFontPositionItem), u"7"_s);
    // Closed by its frame the window is discarded; the next focus view is new
    // and opens at the remembered size.
    QVERIFY(view->Form_QueryClose());
    t.program().releaseUnloaded();
    QVERIFY(!t.program().isLoaded(u"Lesko_Zad"_s));
    lesko.List_Ur[Lesko::PlanList].userClick(1);
    lesko.mnu_Fokus.userClick();
    view = &t.program().lesko_Zad();
    QCOMPARE(view->List_font.ListIndex(), 7);
    QCOMPARE(view->Obsho_Pole.FontSize(), 24.0);
    QCOMPARE(view->Obsho_Pole.Text(), t.program().lesko_Dis().Podtochki[2].Text());
}

void TestMainWindow::enlargedTextFieldFollowsTheWindow()
{
    TestLesson t;
    startOpenLesson(t);
    Lesko_Zad& view = t.program().lesko_Zad();
    view.setSize(8000, 5000);
    view.Form_Resize();
    QCOMPARE(view.Obsho_Pole.Width(), 7600.0);
    QCOMPARE(view.Obsho_Pole.Height(), 5000.0 - 1320);
    view.setSize(5001, 1000);  // shorter than four list heights: the height stays
    view.Form_Resize();
    QCOMPARE(view.Obsho_Pole.Width(), 4750.0);
    QCOMPARE(view.Obsho_Pole.Height(), 5000.0 - 1320);
    QCOMPARE(view.Obsho_Pole.Left(), 120.0);
    QCOMPARE(view.List_font.Width(), 1815.0);
}

void TestMainWindow::closedWindowsComeBackAfresh_data()
{
    QTest::addColumn<QString>("window");
    QTest::addRow("full-size viewer") << u"Lesko_Gra"_s;
    QTest::addRow("chooser") << u"Lesko_Glos"_s;
    QTest::addRow("enlarged text") << u"Lesko_Zad"_s;
}

void TestMainWindow::closedWindowsComeBackAfresh()
{
    QFETCH(QString, window);
    TestLesson t;
    startOpenLesson(t);
    app::Program& p = t.program();
    const auto touch = [&]() -> forms::Form& {
        if (window == u"Lesko_Gra")
            return p.lesko_Gra();
        if (window == u"Lesko_Glos")
            return p.lesko_Glos();
        return p.lesko_Zad();
    };
    touch().Show();
    QVERIFY(touch().Form_QueryClose());
    QVERIFY(!p.isLoaded(window));
    p.releaseUnloaded();
    forms::Form& again = touch();
    QVERIFY(!again.Visible());
    again.Show();
    QVERIFY(again.Visible());
}

QTEST_GUILESS_MAIN(TestMainWindow)
#include "test_main_window.moc"
