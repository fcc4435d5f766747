// Start-up of the lesson: options, drive rule, reading times, caption and the
// message catalogue.
#include "aux_windows/lesko_glos.h"
#include "configuration/configuration.h"
#include "main_window/lesko.h"
#include "program/messages.h"
#include "program/program.h"
#include "support/lesson_files.h"
#include "support/scripted_services.h"
#include "workbench/lesko_n.h"

#include <QJsonArray>
#include <QTest>

using namespace testing_support;
using namespace Qt::StringLiterals;

namespace {
const QString DesignCaption =
    u"Програмиран урок - урочно съдържание. Функционална релация  Версия  .96 от 2009/10/28"_s;

void startWith(TestLesson& t, const content::ConfigRecords& records)
{
    QVERIFY(writeFile(t.path(u"FUNKR.UFG"_s), content::serialiseConfig(records)));
    t.program().start();
}
}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void withoutConfigurationTheDesignLessonStartsAfterMessage1();
    void everyOptionOffLocksTheLesson();
    void theOpenConfigurationOpensTheLesson();
    void drivesThatCannotBeWrittenDisableSaving_data();
    void drivesThatCannotBeWrittenDisableSaving();
    void informationWithoutTextIsDisabled();
    void informationItemsFollowFlags19To23_data();
    void informationItemsFollowFlags19To23();
    void aPlanOfOnlyTheTitleStartsCleanly();
    void readingTimesAreLoadedAndKeptInRange_data();
    void readingTimesAreLoadedAndKeptInRange();
    void mainWindowCatalogue_data();
    void mainWindowCatalogue();
    void workbenchCatalogue_data();
    void workbenchCatalogue();
    void onlyYesAnswersYes();
};

void TestStartup::withoutConfigurationTheDesignLessonStartsAfterMessage1()
{
    TestLesson t;
    t.program().start();
    Lesko& lesko = t.program().lesko();
    QCOMPARE(t.services.shown.size(), 1);
    QCOMPARE(t.services.shown[0].text, app::mainWindowMessage(1).text);
    QCOMPARE(t.services.shown[0].flags, 272);
    QCOMPARE(lesko.Caption(), DesignCaption);
    QVERIFY(lesko.Visible());
    QCOMPARE(lesko.Text_U[Lesko::TopicBox].Text(), u"Функционална релация"_s);
    QCOMPARE(lesko.Plan_Count, qint16(5));
    QCOMPARE(lesko.List_Ur[Lesko::PlanList].ListCount(), 5);
    QCOMPARE(lesko.List_Ur[Lesko::PlanList].List(0), u"1. Определение за функция"_s);
    QCOMPARE(lesko.List_Ur[Lesko::ChoiceList].List(Lesko::RecordedTaskItem), u"0"_s);
    QCOMPARE(int(lesko.Item_Done[0]), 5);
    QCOMPARE(lesko.Item_Time[0], qint16(0));
    QVERIFY(t.program().lesko_n().mnu_All_zadachi.Enabled());
    QCOMPARE(t.program().lesko_n().mnu_All_zadachi.Caption(), u"Допълнително"_s);
    // Design flags are all off but 27, 28 and 33 to 38.
    QVERIFY(!lesko.mnu_Wyprosi.Enabled());
    QCOMPARE(t.program().Option_Flag(content::Option(27)), 1);
    QCOMPARE(t.program().Option_Flag(content::Option::TimeRibbon), 0);
}

void TestStartup::everyOptionOffLocksTheLesson()
{
    TestLesson t;
    startWith(t, allFlagsOff());
    QVERIFY(t.services.shown.isEmpty());
    Lesko& lesko = t.program().lesko();
    Lesko_n& bench = t.program().lesko_n();
    QVERIFY(!bench.List_Un[Lesko_n::TaskList].Enabled());
    QVERIFY(!bench.List_Un[Lesko_n::TermList].Enabled());
    QCOMPARE(bench.Text_Un[Lesko_n::DefinitionBox].Text(), u"Достъпът до речника е забранен!"_s);
    QVERIFY(!bench.Chasownik_Label[Lesko_n::ClockLabel].Visible());
    QVERIFY(!lesko.Shape_Lenta[Lesko::TimeLeftRibbon].Visible());
    QVERIFY(!lesko.Shape_Lenta[Lesko::TimeUsedRibbon].Visible());
    QVERIFY(!lesko.List_Ur[Lesko::PlanList].Enabled());
    QCOMPARE(lesko.Text_U[Lesko::ContentBox].Text(), u"Достъпът до учебния материал е забранен!"_s);
    for (forms::MenuItem* m : {&lesko.mnu_Cwqt, &lesko.mnu_Wyprosi, &lesko.mnu_Fokus, &bench.mnu_Pylen_Ekran})
        QVERIFY2(!m->Enabled(), qPrintable(m->name()));
    QVERIFY(lesko.Sydyrv_pla[Lesko::ReferencesItem].Enabled());
    for (int i : {1, 3, 4, 5, 6, 7, 8, 9})
        QVERIFY2(!lesko.Sydyrv_pla[i].Enabled(), qPrintable(QString::number(i)));
    QVERIFY(!bench.mnu_ZapReshen[Lesko_n::SaveStatementAndAnswer].Visible());
    QVERIFY(!bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].Enabled());
    QVERIFY(!t.program().lesko_Glos().Wremena(GlossaryTables::LevelReport).Enabled());
    QVERIFY(!t.program().lesko_Glos().Wremena(GlossaryTables::TypeReport).Enabled());
    // A plan click does nothing while the material is closed.
    lesko.List_Ur[Lesko::PlanList].userClick(0);
    QCOMPARE(lesko.Item_Time[0], qint16(0));
    QCOMPARE(lesko.Text_U[Lesko::ContentBox].Text(), u"Достъпът до учебния материал е забранен!"_s);
}

void TestStartup::theOpenConfigurationOpensTheLesson()
{
    TestLesson t;
    content::ConfigRecords records = app::openLessonConfig(t.program());
    records[2].Count = 123;
    records[3].Count = 20261209;
    startWith(t, records);
    Lesko& lesko = t.program().lesko();
    Lesko_n& bench = t.program().lesko_n();
    QVERIFY(t.services.shown.isEmpty());
    QCOMPARE(lesko.Caption(),
             u"Програмиран урок - урочно съдържание. Функционална релация  Версия  1.23 от  20261209"_s);
    QVERIFY(lesko.List_Ur[Lesko::PlanList].Enabled());
    QVERIFY(bench.List_Un[Lesko_n::TaskList].Enabled());
    QVERIFY(bench.List_Un[Lesko_n::TermList].Enabled());
    QCOMPARE(bench.List_Un[Lesko_n::TermList].ListIndex(), 0);
    QCOMPARE(bench.Text_Un[Lesko_n::DefinitionBox].Text(), t.program().lesko_Glos().Glos(1).Text());
    QVERIFY(bench.mnu_ZapReshen[Lesko_n::SaveStatementAndAnswer].Visible());
    QVERIFY(bench.zap_resheshenie.Enabled());
    QVERIFY(lesko.mnu_Wyprosi.Enabled());
    QVERIFY(lesko.Shape_Lenta[Lesko::TimeLeftRibbon].Visible());
    QCOMPARE(lesko.Lenta_Div, qint16(10));
    for (int i = 1; i <= 9; ++i)
        QVERIFY(lesko.Sydyrv_pla[i].Enabled());
    QCOMPARE(bench.List_Un[Lesko_n::TaskList].ListCount(), 20);
}

void TestStartup::drivesThatCannotBeWrittenDisableSaving_data()
{
    QTest::addColumn<int>("drive");
    QTest::addColumn<bool>("saving");
    QTest::addRow("unknown") << 0 << false;
    QTest::addRow("removable") << 1 << true;
    QTest::addRow("fixed") << 2 << true;
    QTest::addRow("network") << 3 << false;
    QTest::addRow("CD-ROM") << 4 << false;
    QTest::addRow("RAM disk") << 5 << false;
}

void TestStartup::drivesThatCannotBeWrittenDisableSaving()
{
    QFETCH(int, drive);
    QFETCH(bool, saving);
    TestLesson t;
    t.services.drive = quint8(drive);
    t.program().start();
    QCOMPARE(t.program().lesko_n().zap_resheshenie.Enabled(), saving);
}

void TestStartup::informationWithoutTextIsDisabled()
{
    LessonVariant variant(u"Lesko_Dis"_s,
                          [](QJsonObject& json) { setMember(json, u"texts"_s, u"Dopyln_M"_s, 4, QString()); });
    TestLesson t(variant.lesson());
    startWith(t, app::openLessonConfig(t.program()));
    Lesko& lesko = t.program().lesko();
    QVERIFY(!lesko.Sydyrv_pla[Lesko::DurationItem].Enabled());
    QVERIFY(lesko.Sydyrv_pla[Lesko::StandardsItem].Enabled());
}

void TestStartup::informationItemsFollowFlags19To23_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QList<int>>("disabled");
    QTest::addRow("flag 19 off") << 19 << QList<int>{3, 5};
    QTest::addRow("flag 20 off") << 20 << QList<int>{4, 6};
    QTest::addRow("flag 23 off") << 23 << QList<int>{7, 9};
}

void TestStartup::informationItemsFollowFlags19To23()
{
    QFETCH(int, flag);
    QFETCH(QList<int>, disabled);
    TestLesson t;
    content::ConfigRecords records = app::openLessonConfig(t.program());
    records[0].Values[flag - 1] = 0;
    startWith(t, records);
    Lesko& lesko = t.program().lesko();
    for (int i = 1; i <= 9; ++i)
        QCOMPARE(lesko.Sydyrv_pla[i].Enabled(), !disabled.contains(i));
}

void TestStartup::aPlanOfOnlyTheTitleStartsCleanly()
{
    LessonVariant variant(u"Lesko_Dis"_s, [](QJsonObject& json) {
        setMember(json, u"lists"_s, u"Plan_Lesko"_s, 0, QJsonArray{u"Функционална релация"_s});
    });
    TestLesson t(variant.lesson());
    content::ConfigRecords records = app::openLessonConfig(t.program());
    startWith(t, records);
    Lesko& lesko = t.program().lesko();
    QCOMPARE(lesko.Plan_Count, qint16(0));
    QCOMPARE(int(lesko.Item_Done[0]), 0);
    QCOMPARE(lesko.List_Ur[Lesko::PlanList].ListCount(), 0);
    for (int tick = 0; tick < 30; ++tick)
        lesko.Timer1_Timer();
    lesko.setSize(lesko.Width() / 3, lesko.Height() / 3);
    lesko.Form_Resize();
    QCOMPARE(lesko.Lenta_Geom[Lesko::PlanStep], 0.0f);
}

void TestStartup::readingTimesAreLoadedAndKeptInRange_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("seconds");
    QTest::addRow("design number") << u"12"_s << 12;
    QTest::addRow("fraction rounds to even") << u"767.5"_s << 768;
    QTest::addRow("not a number") << u"скоро"_s << 0;
    QTest::addRow("too long for the clock") << u"40000"_s << 32767;
    QTest::addRow("negative") << u"-5"_s << 0;
}

void TestStartup::readingTimesAreLoadedAndKeptInRange()
{
    QFETCH(QString, stored);
    QFETCH(int, seconds);
    TestLesson t;
    t.program().lesko_Glos().Wremena(GlossaryTables::ReadingTimes).setList(2, stored);
    t.program().start();
    QCOMPARE(int(t.program().lesko().Item_Time[2]), seconds);
}

void TestStartup::mainWindowCatalogue_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flags");
    QTest::addRow("1 missing file")
        << 1
        << u"1\r\nЛипсва съответстващ конфигурационен файл  \r\nМоля, копирайте изпълнимия и "
           "коректния конфигурационен файл\r\nв основната директория на урока "_s
        << 272;
    QTest::addRow("2 exit") << 2 << u"Желаете ли изход от урока?"_s << 260;
    QTest::addRow("3 faulty file")
        << 3
        << u"3\r\nИзползваният конфигурационния файл е некоректен!\r\nКодът на несъответствие е: "
           "\r\nМоля, минете през режим Настройка."_s
        << 272;
    QTest::addRow("6 patience")
        << 6
        << u"Моля, бъдете търпеливи до завършване на \r\nзаписа от въведените отговори!\r\nЩракнете "
           "клавиша Ok за начало на процеса"_s
        << 16;
    QTest::addRow("8 next question") << 8 << u"Да премина ли към следващия въпрос?"_s << 260;
    QTest::addRow("27 arguments") << 27
                                  << u"27\r\nНужно е да аргументирате отговора си като напишете\r\nв текстовото поле "
                                     "кратък текст за обяснение.\r\nЛипсата на доводи ще намали оценката Ви!"_s
                                  << 256;
    QTest::addRow("0 unknown") << 0 << QString() << 0;
    QTest::addRow("255 unknown") << 255 << QString() << 0;
}

void TestStartup::mainWindowCatalogue()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(int, flags);
    TestLesson t;
    Lesko& lesko = t.program().lesko();  // start-up shows its own message first
    t.services.answers = {true};
    const QString answer = lesko.Greska_Otgowor1(quint8(code));
    QCOMPARE(t.services.shown.last().text, text);
    QCOMPARE(t.services.shown.last().flags, flags);
    QCOMPARE(t.services.shown.last().title, u"Електронен урок"_s);
    QCOMPARE(answer, u"Yes"_s);  // the scripted user said Yes; a real OK box can only say No
}

void TestStartup::workbenchCatalogue_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("flags");
    QTest::addRow("2 switch") << 2 << u"Да премина ли към друга задача?"_s << 260;
    QTest::addRow("3 hard task") << 3 << u"Задачата е с повишена трудност! \r\nСмятате ли, че ще се справите?"_s << 260;
    QTest::addRow("1 unknown") << 1 << QString() << 0;
}

void TestStartup::workbenchCatalogue()
{
    QFETCH(int, code);
    QFETCH(QString, text);
    QFETCH(int, flags);
    const app::Message m = app::workbenchMessage(quint8(code));
    QCOMPARE(m.text, text);
    QCOMPARE(m.flags, flags);
}

void TestStartup::onlyYesAnswersYes()
{
    ScriptedServices s;
    s.answers = {true, false};
    QCOMPARE(app::showMessage(s, app::mainWindowMessage(2)), u"Yes"_s);
    QCOMPARE(app::showMessage(s, app::mainWindowMessage(2)), u"No"_s);
    QCOMPARE(app::showMessage(s, app::mainWindowMessage(2)), u"No"_s);  // closing the box
}

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
