// The class configuration file: its format, every record's effect and the
// files it refuses.
#include "aux_windows/lesko_dis.h"
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_zad.h"
#include "configuration/configuration.h"
#include "content/lesson.h"
#include "content/numbers.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "support/lesson_files.h"
#include "support/scripted_services.h"
#include "workbench/lesko_n.h"

#include <unistd.h>
#include <QTest>

using namespace testing_support;
using namespace Qt::StringLiterals;

namespace {

const QString ConfigName = u"FUNKR.UFG"_s;

// A configuration that keeps all 20 tasks and lists them all.
content::ConfigRecords keepAllTasks()
{
    content::ConfigRecords r;
    r[0].Count = 20;
    r[1].Count = 20;
    return r;
}

void startWith(TestLesson& t, const QByteArray& bytes)
{
    QVERIFY(writeFile(t.path(ConfigName), bytes));
    t.program().start();
}

}  // namespace

class TestConfiguration : public QObject {
    Q_OBJECT
private slots:
    void formatRoundTripsLittleEndian();
    void filesOfTheWrongSizeAreRefused_data();
    void filesOfTheWrongSizeAreRefused();
    void aFolderInPlaceOfTheFileCountsAsMissing();
    void aReadOnlyFileIsReadAndMadeWritable();
    void anUnreadableFileGivesMessage3();
    void record1KeepsTasksAndSetsFlags_data();
    void record1KeepsTasksAndSetsFlags();
    void record2ListsTasksAndNamesTheRest_data();
    void record2ListsTasksAndNamesTheRest();
    void record2LevelsAndHugeCountsAreBounded();
    void records3And4SetTimesVersionAndDate();
    void record5SetsReadingTimes_data();
    void record5SetsReadingTimes();
    void record5ProductsBeyond32BitsDoNotOverflow();
};

void TestConfiguration::formatRoundTripsLittleEndian()
{
    content::ConfigRecords r;
    r[0].Values[0] = 1;
    r[0].Values[39] = -2;
    r[0].Count = 0x01020304;
    r[5].Count = -1;
    const QByteArray bytes = content::serialiseConfig(r);
    QCOMPARE(bytes.size(), 600);
    QCOMPARE(bytes.mid(0, 2), QByteArray::fromHex("0100"));
    QCOMPARE(bytes.mid(78, 2), QByteArray::fromHex("feff"));
    QCOMPARE(bytes.mid(80, 4), QByteArray::fromHex("04030201"));
    QCOMPARE(bytes.mid(84, 16), QByteArray(16, '\0'));
    QCOMPARE(bytes.mid(580, 4), QByteArray::fromHex("ffffffff"));
    const auto back = content::parseConfig(bytes);
    QVERIFY(back);
    QCOMPARE((*back)[0].Values[39], qint16(-2));
    QCOMPARE((*back)[0].Count, 0x01020304);
    QVERIFY(!content::parseConfig(bytes + 'x'));
}

void TestConfiguration::filesOfTheWrongSizeAreRefused_data()
{
    QTest::addColumn<int>("size");
    QTest::addRow("empty") << 0;
    QTest::addRow("599 bytes") << 599;
    QTest::addRow("601 bytes") << 601;
}

void TestConfiguration::filesOfTheWrongSizeAreRefused()
{
    QFETCH(int, size);
    TestLesson t;
    startWith(t, content::serialiseConfig(keepAllTasks()).leftJustified(size, '\0', true));
    QCOMPARE(t.services.shown.size(), 1);
    QVERIFY(t.services.shown[0].text.startsWith(u"3\r\nИзползваният конфигурационния файл е некоректен!"_s));
    QCOMPARE(t.services.shown[0].flags, 272);
    // The design lesson: all labels, design item 0, design flags.
    QCOMPARE(t.program().lesko_Zad().Uslowie_L(TaskTexts::TaskLabels).ListCount(), 21);
    QCOMPARE(t.program().lesko_Zad().Uslowie_L(TaskTexts::TaskLabels).List(TaskTexts::TasksAtOnceItem), u"15"_s);
    QCOMPARE(t.program().Option_Flag(content::Option(27)), 1);
    QVERIFY(t.program().lesko().Caption().endsWith(u"  Версия  .96 от 2009/10/28"_s));
}

void TestConfiguration::aFolderInPlaceOfTheFileCountsAsMissing()
{
    TestLesson t;
    QVERIFY(QDir(t.folder()).mkdir(ConfigName));
    t.program().start();
    QCOMPARE(t.services.shown.size(), 1);
    QVERIFY(t.services.shown[0].text.startsWith(u"1\r\n"_s));
}

void TestConfiguration::aReadOnlyFileIsReadAndMadeWritable()
{
    TestLesson t;
    QVERIFY(writeFile(t.path(ConfigName), content::serialiseConfig(keepAllTasks())));
    QFile::setPermissions(t.path(ConfigName), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    t.program().start();
    QVERIFY(t.services.shown.isEmpty());
    QVERIFY(QFileInfo(t.path(ConfigName)).permissions().testFlag(QFileDevice::WriteOwner));
    QCOMPARE(t.program().Option_Flag(content::Option(27)), 0);  // the file's flags replaced the design ones
}

void TestConfiguration::anUnreadableFileGivesMessage3()
{
    if (geteuid() == 0)
        QSKIP("root reads every file");
    TestLesson t;
    QVERIFY(writeFile(t.path(ConfigName), content::serialiseConfig(keepAllTasks())));
    QFile::setPermissions(t.path(ConfigName), QFileDevice::WriteOwner);
    t.program().start();
    QCOMPARE(t.services.shown.size(), 1);
    QVERIFY(t.services.shown[0].text.startsWith(u"3\r\n"_s));
}

void TestConfiguration::record1KeepsTasksAndSetsFlags_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("labels");
    QTest::addRow("five tasks") << 5 << 6;
    QTest::addRow("all twenty") << 20 << 21;
    QTest::addRow("more than there are") << 30 << 21;
    QTest::addRow("none") << 0 << 1;
    QTest::addRow("negative keeps item 0") << -5 << 1;
    QTest::addRow("most negative") << int(std::numeric_limits<qint32>::min()) << 1;
}

void TestConfiguration::record1KeepsTasksAndSetsFlags()
{
    QFETCH(int, count);
    QFETCH(int, labels);
    TestLesson t;
    content::ConfigRecords r = keepAllTasks();
    r[0].Count = count;
    r[0].Values[9] = 3;    // flag 10: 3 mod 2 = 1
    r[0].Values[12] = -1;  // flag 13: "-1" reads as off
    r[0].Values[3] = -3;   // flag 4: "-1"
    startWith(t, content::serialiseConfig(r));
    QCOMPARE(t.program().lesko_Zad().Uslowie_L(TaskTexts::TaskLabels).ListCount(), labels);
    QCOMPARE(t.program().optionFlagList().List(10), u"1"_s);
    QCOMPARE(t.program().optionFlagList().List(13), u"-1"_s);
    QCOMPARE(t.program().Option_Flag(content::Option::TimeRibbon), 0);
    QCOMPARE(t.program().Option_Flag(content::Option::Glossary), 0);
    const forms::ListBox& copy = t.program().lesko_n().List_Un[Lesko_n::OptionCopyList];
    QCOMPARE(copy.ListCount(), 41);
    QCOMPARE(copy.List(0), u" "_s);
    QCOMPARE(copy.List(10), u"1"_s);
    QCOMPARE(copy.List(40), u"0"_s);
}

void TestConfiguration::record2ListsTasksAndNamesTheRest_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("listed");
    QTest::addColumn<QString>("caption");
    QTest::addRow("three of twenty") << 3 << 3 << u"+ 17 задачи"_s;
    QTest::addRow("all twenty") << 20 << 20 << u"+ 0 задачи"_s;
    QTest::addRow("more than there are") << 25 << 25 << u"Допълнително"_s;
}

void TestConfiguration::record2ListsTasksAndNamesTheRest()
{
    QFETCH(int, count);
    QFETCH(int, listed);
    QFETCH(QString, caption);
    TestLesson t;
    content::ConfigRecords r = keepAllTasks();
    r[1].Count = count;
    startWith(t, content::serialiseConfig(r));
    const forms::ListBox& tasks = t.program().lesko_n().List_Un[Lesko_n::TaskList];
    QCOMPARE(tasks.ListCount(), listed);
    QCOMPARE(tasks.List(0), u"01 "_s);
    QCOMPARE(tasks.List(2), u"03"_s);
    if (count > 20)
        QCOMPARE(tasks.List(20), QString());
    QCOMPARE(t.program().lesko_Zad().Uslowie_L(TaskTexts::TaskLabels).List(TaskTexts::TasksAtOnceItem),
             QString::number(count));
    QCOMPARE(t.program().lesko_n().mnu_All_zadachi.Caption(), caption);
}

void TestConfiguration::record2LevelsAndHugeCountsAreBounded()
{
    TestLesson t;
    content::ConfigRecords r = keepAllTasks();
    r[0].Count = 5;  // keep five tasks: record 2 writes levels of those only
    r[1].Count = std::numeric_limits<qint32>::max();
    r[1].Values[0] = 12;  // 12 mod 10
    r[1].Values[1] = -3;
    r[1].Values[7] = 2;
    startWith(t, content::serialiseConfig(r));
    forms::ListBox& levels = t.program().lesko_Glos().Wremena(GlossaryTables::Levels);
    QCOMPARE(levels.List(1), u"2"_s);
    QCOMPARE(levels.List(2), u"-3"_s);
    QCOMPARE(levels.List(8), u"1"_s);  // task 8 is not kept: its design level stays
    QCOMPARE(t.program().lesko_n().List_Un[Lesko_n::TaskList].ListCount(), content::MaxListedTasks);
    QCOMPARE(t.program().lesko_n().List_Un[Lesko_n::TaskList].List(4), u"05"_s);
    QCOMPARE(t.program().lesko_n().List_Un[Lesko_n::TaskList].List(5), QString());
}

void TestConfiguration::records3And4SetTimesVersionAndDate()
{
    TestLesson t;
    content::ConfigRecords r = keepAllTasks();
    for (int i = 0; i < 40; ++i) {
        r[2].Values[i] = qint16(100 + i);
        r[3].Values[i] = qint16(-i);
    }
    r[2].Count = 250;
    r[3].Count = 20261209;
    startWith(t, content::serialiseConfig(r));
    Lesko_Glos& tables = t.program().lesko_Glos();
    QCOMPARE(tables.Wremena(GlossaryTables::HintTimes).List(1), u"100"_s);
    QCOMPARE(tables.Wremena(GlossaryTables::HintTimes).List(20), u"119"_s);
    QCOMPARE(tables.Wremena(GlossaryTables::HintTimes).ListCount(), 21);  // only the lesson's tasks are written
    QCOMPARE(tables.Wremena(GlossaryTables::TimeLimits).List(3), u"-2"_s);
    QCOMPARE(t.program().lesko().List_Ur[Lesko::ServiceList].List(Lesko::VersionItem), u" 250"_s);
    QCOMPARE(t.program().lesko().List_Ur[Lesko::ServiceList].List(Lesko::DateItem), u" 20261209"_s);
    QVERIFY(t.program().lesko().Caption().endsWith(u"  Версия  2.5 от  20261209"_s));
}

void TestConfiguration::record5SetsReadingTimes_data()
{
    QTest::addColumn<int>("factor");
    QTest::addRow("factor 0 gives 2 seconds") << 0;
    QTest::addRow("factor 50") << 50;
    QTest::addRow("factor 3") << 3;
    QTest::addRow("negative factor") << -100;
}

void TestConfiguration::record5SetsReadingTimes()
{
    QFETCH(int, factor);
    TestLesson t;
    content::ConfigRecords r = keepAllTasks();
    for (int i = 0; i < 40; ++i)
        r[4].Values[i] = qint16(factor);
    startWith(t, content::serialiseConfig(r));
    for (int point = 1; point <= 5; ++point) {
        const qint64 length = t.program().lesko_Dis().Podtochki[std::size_t(point)].Text().size();
        const double seconds = double(length * factor) / 100 + 2;
        QCOMPARE(t.program().lesko_Glos().Wremena(GlossaryTables::ReadingTimes).List(point),
                 content::numberText(seconds));
        QCOMPARE(t.program().lesko().Item_Time[std::size_t(point)],
                 std::max<qint16>(0, content::roundToInt16(seconds)));
    }
    QCOMPARE(t.program().lesko_Glos().Wremena(GlossaryTables::ReadingTimes).ListCount(), 6);
}

void TestConfiguration::record5ProductsBeyond32BitsDoNotOverflow()
{
    LessonVariant variant(u"Lesko_Dis"_s, [](QJsonObject& json) {
        setMember(json, u"texts"_s, u"Podtochki"_s, 1, QString(70000, u'а'));
    });
    TestLesson t(variant.lesson());
    content::ConfigRecords r = keepAllTasks();
    r[4].Values[0] = 32767;
    startWith(t, content::serialiseConfig(r));
    QCOMPARE(t.program().lesko_Glos().Wremena(GlossaryTables::ReadingTimes).List(1),
             u"22936902"_s);  // 70000 * 32767 / 100 + 2
    QCOMPARE(t.program().lesko().Item_Time[1], qint16(32767));
}

QTEST_GUILESS_MAIN(TestConfiguration)
#include "test_configuration.moc"
