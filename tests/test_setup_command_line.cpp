// lesko_config: the options, the refusals, and the lesson started on the files
// it writes.
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_zad.h"
#include "configuration/lesson_facts.h"
#include "content/numbers.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "setup/class_configuration.h"
#include "setup/command_line.h"
#include "setup/ini_form.h"
#include "setup/presets.h"
#include "support/lesson_files.h"
#include "workbench/lesko_n.h"

#include <sys/stat.h>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace testing_support;

namespace {

struct Run {
    int code;
    QString out;
    QString err;
};

// Runs the tool in the working folder.
Run runTool(const QStringList& arguments)
{
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = setup::runConfigTool(QStringList{u"lesko_config"_s} + arguments, outStream, errStream);
    outStream.flush(), errStream.flush();
    return {code, out, err};
}

const QString ConfigName = u"FUNKR.UFG"_s;

setup::ClassConfiguration written(TestLesson& t)
{
    return setup::ClassConfiguration(*content::parseConfig(readFile(t.path(ConfigName))));
}

}  // namespace

class TestSetupCommandLine : public QObject {
    Q_OBJECT
private slots:
    void withoutOptionsItWritesTheOpenLesson();
    void optionsSetOneThingEach();
    void settingsChangeTheExistingFile();
    void theLessonStartsWithWhatTheToolWrote();
    void refusals_data();
    void refusals();
    void aBadExistingFileIsNotOverwritten();
    void textFormRoundTrip();
    void fromIniRefusesWhatIsNoWholeText_data();
    void fromIniRefusesWhatIsNoWholeText();
    void presetsAndWarnings();
    void theSharedFileAndItsClassSettings();
    void helpInBothLanguages();
};

void TestSetupCommandLine::withoutOptionsItWritesTheOpenLesson()
{
    TestLesson t;
    const Run run = runTool({});
    QCOMPARE(run.code, 0);
    QCOMPARE(run.out, ConfigName + u"\n"_s);
    QCOMPARE(readFile(t.path(ConfigName)), content::serialiseConfig(app::openLessonConfig(t.program())));
}

void TestSetupCommandLine::optionsSetOneThingEach()
{
    TestLesson t;
    const Run run = runTool({u"--tasks"_s,
                             u"10"_s,
                             u"--listed"_s,
                             u"4"_s,
                             u"--difficulty"_s,
                             u"1-3,5=2"_s,
                             u"--hint"_s,
                             u"2=1:30"_s,
                             u"--limit"_s,
                             u"1-10=40:00"_s,
                             u"--limit"_s,
                             u"2=120"_s,
                             u"--reading"_s,
                             u"2-3=40"_s,
                             u"--off"_s,
                             u"plan-access,solutions"_s,
                             u"--on"_s,
                             u"encoded-tasks"_s,
                             u"--lesson-version"_s,
                             u"1.25"_s,
                             u"--date"_s,
                             u"2026-09-15"_s});
    QVERIFY2(run.code == 0, qPrintable(run.err));
    const setup::ClassConfiguration c = written(t);
    setup::ClassConfiguration expected(app::openLessonConfig(t.program()));
    expected.setTasksKept(10), expected.setTasksListed(4);
    for (int task : {1, 2, 3, 5})
        expected.setDifficulty(task, 2);
    for (int task = 1; task <= 10; ++task)
        expected.setLimitSeconds(task, 2400);
    expected.setHintSeconds(2, 90), expected.setLimitSeconds(2, 120);  // a later option wins
    expected.setReadingFactor(2, 40), expected.setReadingFactor(3, 40);
    expected.setFlag(content::Option::PlanAccess, false), expected.setFlag(content::Option::Solutions, false),
        expected.setFlag(content::Option::EncodedTasks, true);
    expected.setVersion(125), expected.setDate(20260915);
    QCOMPARE(c.bytes().toHex(), expected.bytes().toHex());
}

void TestSetupCommandLine::settingsChangeTheExistingFile()
{
    TestLesson t;
    content::ConfigRecords r = app::openLessonConfig(t.program());
    r[5].Values[3] = 77;       // record 6 and the reserved bytes belong to nobody
    r[2].Reserved[15] = 0xAB;  // and stay as they are
    QVERIFY(writeFile(t.path(ConfigName), content::serialiseConfig(r)));
    QCOMPARE(runTool({u"--tasks"_s, u"12"_s, u"--listed"_s, u"12"_s}).code, 0);
    setup::ClassConfiguration expected(r);
    expected.setTasksKept(12), expected.setTasksListed(12);
    QCOMPARE(readFile(t.path(ConfigName)), expected.bytes());
    QCOMPARE(readFile(t.path(ConfigName + u".bak"_s)), content::serialiseConfig(r));
    // --new starts again from the file that opens everything.
    QCOMPARE(runTool({u"--new"_s, u"--tasks"_s, u"12"_s, u"--listed"_s, u"12"_s}).code, 0);
    QCOMPARE(written(t).records()[5].Values[3], qint16(0));
}

void TestSetupCommandLine::theLessonStartsWithWhatTheToolWrote()
{
    TestLesson t;
    const Run run =
        runTool({u"--tasks"_s, u"6"_s,           u"--listed"_s, u"3"_s,       u"--difficulty"_s,     u"4=2"_s,
                 u"--hint"_s,  u"4=0:30"_s,      u"--limit"_s,  u"4=2:00"_s,  u"--reading"_s,        u"1=10"_s,
                 u"--off"_s,   u"plan-access"_s, u"--off"_s,    u"colours"_s, u"--lesson-version"_s, u"2.5"_s,
                 u"--date"_s,  u"20261209"_s});
    QVERIFY2(run.code == 0, qPrintable(run.err));
    t.program().start();
    QVERIFY(t.services.shown.isEmpty());
    Lesko& lesko = t.program().lesko();
    QCOMPARE(t.program().lesko_Zad().Uslowie_L(TaskTexts::TaskLabels).ListCount(), 7);  // six tasks kept
    QCOMPARE(t.program().lesko_n().List_Un[Lesko_n::TaskList].ListCount(), 3);
    QCOMPARE(t.program().lesko_n().mnu_All_zadachi.Caption(), u"+ 3 задачи"_s);
    Lesko_Glos& tables = t.program().lesko_Glos();
    QCOMPARE(tables.Wremena(GlossaryTables::Levels).List(4), u"2"_s);
    QCOMPARE(tables.Wremena(GlossaryTables::HintTimes).List(4), u"30"_s);
    QCOMPARE(tables.Wremena(GlossaryTables::TimeLimits).List(4), u"120"_s);
    const setup::LessonFacts facts = setup::readLessonFacts();
    QCOMPARE(lesko.Item_Time[1], content::roundToInt16(content::readingSeconds(facts.points.at(0).length, 10)));
    QVERIFY(!lesko.List_Ur[Lesko::PlanList].Enabled());
    QCOMPARE(lesko.Text_U[Lesko::ContentBox].Text(), u"Достъпът до учебния материал е забранен!"_s);
    QVERIFY(!lesko.mnu_Cwqt.Enabled());
    QVERIFY(lesko.mnu_Fokus.Enabled());
    QVERIFY(lesko.Caption().endsWith(u"  Версия  2.5 от  20261209"_s));
}

void TestSetupCommandLine::refusals_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("reason");
    QTest::addRow("unknown option") << QStringList{u"--colour"_s} << 2 << u"Unknown option 'colour'."_s;
    QTest::addRow("stray argument") << QStringList{u"FILE"_s} << 2 << u"Непознат аргумент „FILE“"_s;
    QTest::addRow("tasks past the lesson")
        << QStringList{u"--tasks"_s, u"21"_s} << 1 << u"--tasks 21: очаква се число от 1 до 20."_s;
    QTest::addRow("tasks not a number") << QStringList{u"--tasks"_s, u"ten"_s} << 1 << u"--tasks ten:"_s;
    QTest::addRow("listed past kept") << QStringList{u"--tasks"_s, u"3"_s, u"--listed"_s, u"4"_s} << 1
                                      << u"Наведнъж могат да се показват от 1 до 3 задачи."_s;
    QTest::addRow("range past the tasks")
        << QStringList{u"--limit"_s, u"19-21=10:00"_s} << 1 << u"--limit 19-21=10:00: очаква се СПИСЪК=СТОЙНОСТ"_s;
    QTest::addRow("range backwards") << QStringList{u"--hint"_s, u"5-3=1:00"_s} << 1 << u"--hint 5-3=1:00:"_s;
    QTest::addRow("time past 16 bits") << QStringList{u"--limit"_s, u"1=546:08"_s} << 1
                                       << u"--limit 1=546:08: очаква се време"_s;
    QTest::addRow("seconds past 59") << QStringList{u"--hint"_s, u"1=0:75"_s} << 1 << u"--hint 1=0:75:"_s;
    QTest::addRow("hint after the limit") << QStringList{u"--hint"_s, u"2=60:00"_s} << 1
                                          << u"Задача 2: упътването (60:00) идва след края на времето (50:00)."_s;
    QTest::addRow("difficulty not a digit") << QStringList{u"--difficulty"_s, u"1=10"_s} << 1
                                            << u"--difficulty 1=10: нивото на трудност е цифра от 0 до 9."_s;
    QTest::addRow("reading past 16 bits") << QStringList{u"--reading"_s, u"1=40000"_s} << 1 << u"--reading 1=40000:"_s;
    QTest::addRow("reading point past the plan") << QStringList{u"--reading"_s, u"6=10"_s} << 1 << u"--reading 6=10:"_s;
    QTest::addRow("unknown flag") << QStringList{u"--on"_s, u"glossary,ribbons"_s} << 1
                                  << u"--on glossary,ribbons: няма опция „ribbons“"_s;
    QTest::addRow("flag with no effect") << QStringList{u"--off"_s, u"flag-2"_s} << 1 << u"--off flag-2:"_s;
    QTest::addRow("no real date") << QStringList{u"--date"_s, u"2026-02-30"_s} << 1 << u"--date 2026-02-30:"_s;
    QTest::addRow("negative version") << QStringList{u"--lesson-version"_s, u"-1"_s} << 1 << u"--lesson-version -1:"_s;
    QTest::addRow("show a missing file") << QStringList{u"--show"_s, u"X.UFG"_s} << 1
                                         << u"Файлът X.UFG още не съществува."_s;
    QTest::addRow("show with a setting") << QStringList{u"--show"_s, ConfigName, u"--tasks"_s, u"3"_s} << 2
                                         << u"--show и --to-ini само извеждат"_s;
    QTest::addRow("from-ini without -o") << QStringList{u"--from-ini"_s, u"a.ini"_s} << 2
                                         << u"--from-ini иска и -o ФАЙЛ (или --system)."_s;
    QTest::addRow("nan as the version") << QStringList{u"--lesson-version"_s, u"nan"_s} << 1
                                        << u"--lesson-version nan: очаква се число като 0.97."_s;
    QTest::addRow("infinity as the version")
        << QStringList{u"--lesson-version"_s, u"inf"_s} << 1 << u"--lesson-version inf:"_s;
    QTest::addRow("unknown preset") << QStringList{u"--preset"_s, u"exam"_s} << 1
                                    << u"--preset exam: няма такъв шаблон"_s;
    QTest::addRow("binding not yes or no")
        << QStringList{u"--binding"_s, u"maybe"_s} << 1 << u"--binding maybe: очаква се yes или no."_s;
    QTest::addRow("--system with -o") << QStringList{u"--system"_s, u"-o"_s, u"X.UFG"_s} << 2
                                      << u"--system записва общия файл на компютъра"_s;
    QTest::addRow("output into a missing folder")
        << QStringList{u"-o"_s, u"no/such/F.UFG"_s} << 1 << u"Файлът no/such/F.UFG не е записан:"_s;
}

void TestSetupCommandLine::refusals()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, reason);
    TestLesson t;
    const QByteArray before = content::serialiseConfig(app::openLessonConfig(t.program()));
    QVERIFY(writeFile(t.path(ConfigName), before));
    const Run run = runTool(arguments);
    QCOMPARE(run.code, code);
    QVERIFY2(run.err.startsWith(reason), qPrintable(run.err));
    QCOMPARE(run.err.count(u'\n'), 1);  // one line
    QVERIFY(run.out.isEmpty());
    QCOMPARE(readFile(t.path(ConfigName)), before);
    QCOMPARE(QDir(t.folder()).entryList(QDir::Files), QStringList{ConfigName});
}

void TestSetupCommandLine::aBadExistingFileIsNotOverwritten()
{
    TestLesson t;
    QVERIFY(writeFile(t.path(ConfigName), QByteArray(599, '\0')));
    const Run run = runTool({u"--tasks"_s, u"5"_s});
    QCOMPARE(run.code, 1);
    QCOMPARE(run.err, u"Файлът FUNKR.UFG е некоректен: има 599 байта вместо 600. С --new ще бъде заменен.\n"_s);
    QCOMPARE(readFile(t.path(ConfigName)).size(), 599);
    QCOMPARE(runTool({u"--new"_s, u"--tasks"_s, u"5"_s, u"--listed"_s, u"5"_s}).code, 0);
    QCOMPARE(readFile(t.path(ConfigName + u".bak"_s)).size(), 599);
}

void TestSetupCommandLine::textFormRoundTrip()
{
    TestLesson t;
    content::ConfigRecords r = app::openLessonConfig(t.program());
    r[5].Count = -7, r[0].Reserved[0] = 1, r[1].Values[30] = 9;
    QVERIFY(writeFile(t.path(ConfigName), content::serialiseConfig(r)));
    const Run ini = runTool({u"--to-ini"_s, ConfigName});
    QCOMPARE(ini.code, 0);
    QVERIFY(ini.out.contains(u"\n[flags]\ntask-list = 1\nflag-2 = 0\n"_s));
    QVERIFY(writeFile(t.path(u"class.ini"_s), ini.out.toUtf8()));
    QCOMPARE(runTool({u"--from-ini"_s, u"class.ini"_s, u"-o"_s, u"B.UFG"_s}).code, 0);
    QCOMPARE(readFile(t.path(u"B.UFG"_s)), content::serialiseConfig(r));

    const Run show = runTool({u"--show"_s, ConfigName});
    QCOMPARE(show.code, 0);
    QVERIFY(show.out.startsWith(u"Файл: FUNKR.UFG\nЗадачи в урока: 20 от 20"_s));
}

void TestSetupCommandLine::fromIniRefusesWhatIsNoWholeText_data()
{
    QTest::addColumn<QString>("ini");  // a path in the working folder, or of the system
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QString whole = setup::toIni(setup::readLessonFacts().open);
    const QByteArray cut = whole.left(whole.indexOf(u"limit"_s, whole.indexOf(u"[task-20]"_s))).toUtf8();
    QTest::addRow("empty") << u"a.ini"_s << QByteArray("") << u"a.ini: Ред 1: текстът свършва, а липсва"_s;
    QTest::addRow("cut short: task 20's limit would have been taken from the open lesson")
        << u"a.ini"_s << cut
        << u"a.ini: Ред "_s + QString::number(cut.count('\n')) +
               u": текстът свършва, а липсва „limit“ в раздел [task-20]"_s;
    QTest::addRow("not UTF-8") << u"a.ini"_s << QByteArray("[lesson]\ntasks-kept = \xff\n")
                               << u"a.ini: текстът не е в UTF-8"_s;
    QTest::addRow("longer than any such text") << u"a.ini"_s << QByteArray(setup::MaxIniBytes + 1, ';') << u"Файлът "_s;
    QTest::addRow("missing") << u"none.ini"_s << QByteArray() << u"Файлът "_s;
    QTest::addRow("an endless device") << u"/dev/zero"_s << QByteArray() << u"Файлът /dev/zero не е обикновен файл"_s;
    QTest::addRow("a pipe nobody writes to") << u"fifo"_s << QByteArray() << u"Файлът "_s;
    QTest::addRow("a folder") << u"/tmp"_s << QByteArray() << u"Файлът /tmp не е обикновен файл"_s;
}

void TestSetupCommandLine::fromIniRefusesWhatIsNoWholeText()
{
    QFETCH(QString, ini);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TestLesson t;
    if (ini == u"fifo")
        QVERIFY(::mkfifo("fifo", 0600) == 0);
    else if (ini == u"a.ini")
        QVERIFY(writeFile(t.path(ini), bytes));
    const Run run = runTool({u"--from-ini"_s, ini, u"-o"_s, ConfigName});
    QCOMPARE(run.code, 1);
    QVERIFY2(run.err.startsWith(reason), qPrintable(run.err));
    QCOMPARE(run.err.count(u'\n'), 1);
    QVERIFY(!QFile::exists(t.path(ConfigName)));
    if (reason == u"Файлът ")
        QVERIFY2(run.err.contains(t.path(ini)), qPrintable(run.err));  // named with its folder
}

void TestSetupCommandLine::presetsAndWarnings()
{
    TestLesson t;
    Run run = runTool({u"--preset"_s, u"test"_s, u"--on"_s, u"extra-material"_s, u"--lesson-version"_s, u"0,97"_s});
    QVERIFY2(run.code == 0, qPrintable(run.err));
    QVERIFY(run.err.isEmpty());
    setup::ClassConfiguration expected(app::openLessonConfig(t.program()));
    setup::applyPreset(expected, *setup::presetNamed(u"test"_s));
    expected.setFlag(content::Option::ExtraMaterial, true);  // a later option wins over the preset
    expected.setVersion(97);
    QCOMPARE(written(t).bytes().toHex(), expected.bytes().toHex());

    run = runTool({u"--off"_s, u"plan-access,tasks-menu"_s});
    QCOMPARE(run.code, 0);  // written, and said what it closes
    QCOMPARE(run.err.count(u"Внимание: "_s), 2);
    QVERIFY(run.err.contains(u"Задачите не могат да бъдат отворени"_s));
    QVERIFY(!written(t).flag(content::Option::PlanAccess));

    run = runTool({u"--presets"_s});
    QCOMPARE(run.code, 0);
    QVERIFY(run.out.contains(u"Самостоятелна работа"_s));
}

void TestSetupCommandLine::theSharedFileAndItsClassSettings()
{
    QTemporaryDir first, second, data;
    const QByteArray previous = qgetenv("XDG_CONFIG_DIRS"), previousData = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(first.path() + u':' + second.path()));
    qputenv("XDG_DATA_DIRS", QFile::encodeName(data.path() + u":/usr/share"_s));
    const QString hiddenEntry = data.filePath(u"applications/bg.lesko.funkr.setup.desktop"_s);
    TestLesson t;
    const QString shared = first.filePath(u"lesko/FUNKR.UFG"_s);
    const QString settings = first.filePath(u"lesko/FUNKR_klas.ini"_s);
    Run run = runTool({u"--system"_s, u"--tasks"_s, u"9"_s, u"--listed"_s, u"9"_s, u"--binding"_s, u"yes"_s,
                       u"--hand-in-folder"_s, u"/srv/klas 7a"_s});
    QVERIFY2(run.code == 0, qPrintable(run.err));
    QCOMPARE(run.out, shared + u"\n"_s + settings + u"\n"_s);
    QCOMPARE(setup::ClassConfiguration(*content::parseConfig(readFile(shared))).tasksKept(), 9);
    QCOMPARE(*content::parseClassSettings(readFile(settings)),
             (content::ClassSettings{false, true, u"/srv/klas 7a"_s}));
    // A later change keeps what it does not name, in both files.
    run = runTool({u"--system"_s, u"--ask-name"_s, u"да"_s});
    QVERIFY2(run.code == 0, qPrintable(run.err));
    QCOMPARE(setup::ClassConfiguration(*content::parseConfig(readFile(shared))).tasksKept(), 9);
    QCOMPARE(*content::parseClassSettings(readFile(settings)), (content::ClassSettings{true, true, u"/srv/klas 7a"_s}));
    // The lesson in a student's folder with a file of its own reads the shared one.
    QVERIFY(writeFile(t.path(ConfigName), content::serialiseConfig(app::openLessonConfig(t.program()))));
    t.program().start();
    QCOMPARE(t.program().lesko_Zad().Uslowie_L(TaskTexts::TaskLabels).ListCount(), 10);
    QVERIFY(t.program().classSettings().binding);
    QCOMPARE(QDir(t.folder()).entryList(QDir::Files), QStringList{ConfigName});  // nothing written here
    // No longer binding: the entry shows again; an entry of someone else's stays.
    QCOMPARE(runTool({u"--system"_s, u"--binding"_s, u"no"_s}).code, 0);
    QVERIFY(!QFile::exists(hiddenEntry));
    QVERIFY(writeFile(hiddenEntry, "[Desktop Entry]\nType=Application\nName=x\nExec=x\nNoDisplay=true\n"));
    QCOMPARE(runTool({u"--system"_s, u"--binding"_s, u"no"_s}).code, 0);
    QVERIFY(QFile::exists(hiddenEntry));
    qputenv("XDG_CONFIG_DIRS", previous);
    qputenv("XDG_DATA_DIRS", previousData);
}

void TestSetupCommandLine::helpInBothLanguages()
{
    const Run run = runTool({u"--help"_s});
    QCOMPARE(run.code, 0);
    QVERIFY(run.out.contains(u"Колко задачи остават в урока."_s));
    QVERIFY(run.out.contains(u"Tasks the lesson"_s));
    QVERIFY(run.out.contains(u"--limit <TASKS=TIME>"_s));
}

QTEST_GUILESS_MAIN(TestSetupCommandLine)
#include "test_setup_command_line.moc"
