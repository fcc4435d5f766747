// The setup's model of the class configuration: its fields, checks, text form
// and how it is read and written.
#include "configuration/lesson_facts.h"
#include "content/option_flags.h"
#include "setup/class_configuration.h"
#include "setup/config_store.h"
#include "setup/ini_form.h"
#include "setup/input_rules.h"
#include "setup/presets.h"
#include "support/lesson_files.h"

#include <unistd.h>
#include <QRandomGenerator>
#include <QTest>

using namespace Qt::StringLiterals;
using setup::ClassConfiguration;

namespace {

using Edit = std::function<void(ClassConfiguration&)>;
// One of the setup's input rules, its value widened.
using Rule = std::function<content::Result<qint64>(QStringView)>;

template <typename Parse>
Rule rule(Parse parse)
{
    return [parse](QStringView text) {
        const auto read = parse(text);
        return read ? content::Result<qint64>(qint64(*read)) : content::Result<qint64>::failure(read);
    };
}
using Check = std::function<bool(const ClassConfiguration&)>;

// Bytes with every value, count and reserved byte random, as no writer of
// this program would make them.
QByteArray randomFile(quint32 seed)
{
    QRandomGenerator random(seed);
    QByteArray bytes(content::ConfigFileSize, '\0');
    for (char& b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

const setup::LessonFacts& lesson()
{
    static const setup::LessonFacts facts = setup::readLessonFacts();
    return facts;
}

}  // namespace

Q_DECLARE_METATYPE(Edit)
Q_DECLARE_METATYPE(Check)
Q_DECLARE_METATYPE(Rule)

class TestSetupModel : public QObject {
    Q_OBJECT
private slots:
    void reservedBytesSurviveReadAndWrite();
    void lessonFactsComeFromTheLesson();
    void everyFieldRoundTrips_data();
    void everyFieldRoundTrips();
    void settersKeepValuesThatAlreadyMeanTheSame();
    void timesAsMinutesAndSeconds();
    void inputRulesGiveTheValueOrTheReason_data();
    void inputRulesGiveTheValueOrTheReason();
    void datesAreTheFilesNumbers();
    void problems_data();
    void problems();
    void theOpenAndDesignConfigurationsHaveNoProblems();
    void iniRoundTripIsByteForByte_data();
    void iniRoundTripIsByteForByte();
    void iniRefusesBadText_data();
    void iniRefusesBadText();
    void iniRefusesPartialRepeatedOrForeignText_data();
    void iniRefusesPartialRepeatedOrForeignText();
    void loadGivesTheFallbackForBadFiles_data();
    void loadGivesTheFallbackForBadFiles();
    void saveKeepsTheOldFileAsBak();
    void aFailedSaveLeavesTheOldFile_data();
    void aFailedSaveLeavesTheOldFile();
    void summarySaysWhatTheClassGets();
    void theTaskTableSaysTheRealTimeAndTheHint_data();
    void theTaskTableSaysTheRealTimeAndTheHint();
    void presetsSetTheFlagsAndNothingElse_data();
    void presetsSetTheFlagsAndNothingElse();
    void presetsAreFoundByNameOrTitleAndTabled();
    void closingTheMaterialOrEveryTaskIsNamed_data();
    void closingTheMaterialOrEveryTaskIsNamed();
};

void TestSetupModel::reservedBytesSurviveReadAndWrite()
{
    const QByteArray bytes = randomFile(7);
    const auto records = content::parseConfig(bytes);
    QVERIFY(records);
    QCOMPARE(content::serialiseConfig(*records), bytes);
}

void TestSetupModel::lessonFactsComeFromTheLesson()
{
    QCOMPARE(lesson().fileName, u"FUNKR.UFG"_s);
    QCOMPARE(lesson().taskCount(), 20);
    QCOMPARE(lesson().taskTitles.at(0), u"Задача 1. Стойност на линейна функция"_s);
    QCOMPARE(lesson().pointCount(), 5);
    QCOMPARE(lesson().points.at(0).title, u"1. Определение за функция"_s);
    QVERIFY(lesson().points.at(0).length > 1000);
    // The design: every flag with an effect off, fifteen tasks listed.
    const ClassConfiguration design(lesson().design);
    for (const content::OptionFlag& f : content::optionFlags())
        QVERIFY2(!design.flag(f.option), qPrintable(f.name));
    QCOMPARE(design.tasksListed(), 15);
    QCOMPARE(design.version(), 96);
    QCOMPARE(design.date(), 20091028);
    QCOMPARE(design.limitSeconds(2), 3000);
}

void TestSetupModel::everyFieldRoundTrips_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<Check>("check");
    QTest::addColumn<int>("offset");  // the byte the field starts at
    QTest::addRow("tasks kept") << Edit([](auto& c) { c.setTasksKept(7); })
                                << Check([](auto& c) { return c.tasksKept() == 7; }) << 80;
    QTest::addRow("tasks listed") << Edit([](auto& c) { c.setTasksListed(5); })
                                  << Check([](auto& c) { return c.tasksListed() == 5; }) << 180;
    QTest::addRow("difficulty of task 3")
        << Edit([](auto& c) { c.setDifficulty(3, 2); }) << Check([](auto& c) { return c.difficulty(3) == 2; }) << 104;
    QTest::addRow("hint of task 40") << Edit([](auto& c) { c.setHintSeconds(40, 90); })
                                     << Check([](auto& c) { return c.hintSeconds(40) == 90; }) << 278;
    QTest::addRow("limit of task 1") << Edit([](auto& c) { c.setLimitSeconds(1, 32767); })
                                     << Check([](auto& c) { return c.limitSeconds(1) == 32767; }) << 300;
    QTest::addRow("reading of point 2") << Edit([](auto& c) { c.setReadingFactor(2, 45); })
                                        << Check([](auto& c) { return c.readingFactor(2) == 45; }) << 402;
    QTest::addRow("flag 10 on") << Edit([](auto& c) { c.setFlag(content::Option::PlanAccess, true); })
                                << Check([](auto& c) { return c.flag(content::Option::PlanAccess); }) << 18;
    QTest::addRow("version") << Edit([](auto& c) { c.setVersion(123456); })
                             << Check([](auto& c) { return c.version() == 123456; }) << 280;
    QTest::addRow("date") << Edit([](auto& c) { c.setDate(20260915); })
                          << Check([](auto& c) { return c.date() == 20260915; }) << 380;
}

void TestSetupModel::everyFieldRoundTrips()
{
    QFETCH(Edit, edit);
    QFETCH(Check, check);
    QFETCH(int, offset);
    const QByteArray before = content::serialiseConfig({});
    ClassConfiguration c;
    edit(c);
    const QByteArray after = c.bytes();
    const auto back = content::parseConfig(after);
    QVERIFY(back);
    QVERIFY(check(ClassConfiguration(*back)));
    // Only the field's own bytes changed.
    for (int i = 0; i < after.size(); ++i)
        if (after[i] != before[i])
            QVERIFY2(i >= offset && i < offset + 4, qPrintable(u"byte "_s + QString::number(i)));
    QVERIFY(after != before);
}

void TestSetupModel::settersKeepValuesThatAlreadyMeanTheSame()
{
    content::ConfigRecords r;
    r[0].Values[4] = 3;   // flag 5 on, stored as 3
    r[1].Values[0] = 12;  // task 1 at difficulty 2
    ClassConfiguration c(r);
    c.setFlag(content::Option::ExtraHint, true);
    c.setDifficulty(1, 2);
    QCOMPARE(c.records()[0].Values[4], qint16(3));
    QCOMPARE(c.records()[1].Values[0], qint16(12));
    c.setFlag(content::Option::ExtraHint, false);
    c.setDifficulty(1, 1);
    QCOMPARE(c.records()[0].Values[4], qint16(0));
    QCOMPARE(c.records()[1].Values[0], qint16(1));
    r[0].Values[5] = -1;  // "-1" reads as off
    QVERIFY(!ClassConfiguration(r).flag(content::Option::Solutions));
}

void TestSetupModel::timesAsMinutesAndSeconds()
{
    QCOMPARE(setup::minutesSeconds(0), u"00:00"_s);
    QCOMPARE(setup::minutesSeconds(86), u"01:26"_s);
    QCOMPARE(setup::minutesSeconds(10200), u"170:00"_s);
    QCOMPARE(setup::minutesSeconds(-5), u"-00:05"_s);
    QCOMPARE(setup::parseMinutesSeconds(u"1:30"), 90);
    QCOMPARE(setup::parseMinutesSeconds(u" 170:00 "), 10200);
    QCOMPARE(setup::parseMinutesSeconds(u"45"), 45);
    QCOMPARE(setup::parseMinutesSeconds(u"1:60"), std::nullopt);
    QCOMPARE(setup::parseMinutesSeconds(u"-1:00"), std::nullopt);
    QCOMPARE(setup::parseMinutesSeconds(u"1:2"), std::nullopt);
    QCOMPARE(setup::parseMinutesSeconds(u""), std::nullopt);
    QCOMPARE(setup::versionText(96), u"0.96"_s);
}

// The window and lesko_config show these reasons after what the value was
// typed for, so the reason alone must say what is wanted.
void TestSetupModel::inputRulesGiveTheValueOrTheReason_data()
{
    QTest::addColumn<Rule>("rule");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value");  // -1: refused
    QTest::addColumn<QString>("reason");
    const Rule time = rule(setup::parseTaskTime);
    const Rule factor = rule(setup::parseReadingFactor);
    const Rule digit = rule(setup::parseDifficulty);
    const Rule tasks = rule([](QStringView text) { return setup::parseTaskCount(text, 20); });
    const Rule version = rule(setup::parseVersion);
    const Rule date = rule(setup::parseDate);
    const QString notATime = u"очаква се време мм:сс или секунди; „%1“ не е време от 00:00 до 546:07."_s;
    QTest::addRow("the longest time") << time << u"546:07"_s << qint64(32767) << QString();
    QTest::addRow("a time in seconds") << time << u" 90 "_s << qint64(90) << QString();
    QTest::addRow("a time past 16 bits") << time << u"546:08"_s << qint64(-1) << notATime.arg(u"546:08"_s);
    QTest::addRow("seconds past 59") << time << u"0:75"_s << qint64(-1) << notATime.arg(u"0:75"_s);
    QTest::addRow("the largest factor") << factor << u"32767"_s << qint64(32767) << QString();
    QTest::addRow("a factor past 16 bits")
        << factor << u"40000"_s << qint64(-1) << u"множителят е цяло число от 0 до 32767."_s;
    QTest::addRow("a negative factor") << factor << u"-1"_s << qint64(-1)
                                       << u"множителят е цяло число от 0 до 32767."_s;
    QTest::addRow("a difficulty digit") << digit << u" 7 "_s << qint64(7) << QString();
    QTest::addRow("a difficulty of two digits")
        << digit << u"10"_s << qint64(-1) << u"нивото на трудност е цифра от 0 до 9."_s;
    QTest::addRow("every task") << tasks << u"20"_s << qint64(20) << QString();
    QTest::addRow("no task") << tasks << u"0"_s << qint64(-1) << u"очаква се число от 1 до 20."_s;
    QTest::addRow("a version with a comma") << version << u"0,97"_s << qint64(97) << QString();
    QTest::addRow("a version that is no number")
        << version << u"nan"_s << qint64(-1) << u"очаква се число като 0.97."_s;
    QTest::addRow("a negative version") << version << u"-1"_s << qint64(-1) << u"очаква се число като 0.97."_s;
    QTest::addRow("a date with dashes") << date << u"2026-02-28"_s << qint64(20260228) << QString();
    QTest::addRow("a date as one number") << date << u"20261209"_s << qint64(20261209) << QString();
    QTest::addRow("a date that is none") << date << u"2026-02-30"_s << qint64(-1)
                                         << u"очаква се истинска дата ГГГГ-ММ-ДД или ГГГГММДД."_s;
}

void TestSetupModel::inputRulesGiveTheValueOrTheReason()
{
    QFETCH(Rule, rule);
    QFETCH(QString, text);
    QFETCH(qint64, value);
    QFETCH(QString, reason);
    const content::Result<qint64> read = rule(text);
    QCOMPARE(read.ok(), value >= 0);
    if (read)
        QCOMPARE(*read, value);
    QCOMPARE(read.reason(), reason);
}

void TestSetupModel::datesAreTheFilesNumbers()
{
    QCOMPARE(setup::dateNumber(QDate(2009, 10, 28)), 20091028);
    QCOMPARE(setup::dateOfNumber(20091028), QDate(2009, 10, 28));
    QVERIFY(!setup::dateOfNumber(20260230).isValid());
    QCOMPARE(setup::captionVersion(96), u" .96"_s);
}

void TestSetupModel::problems_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("problem");
    QTest::addRow("no task kept") << Edit([](auto& c) { c.setTasksKept(0), c.setTasksListed(1); })
                                  << u"Броят на задачите в урока трябва да е от 1 до 20."_s;
    QTest::addRow("more tasks than the lesson has")
        << Edit([](auto& c) { c.setTasksKept(21); }) << u"Броят на задачите в урока трябва да е от 1 до 20."_s;
    QTest::addRow("more listed than kept") << Edit([](auto& c) { c.setTasksKept(5), c.setTasksListed(6); })
                                           << u"Наведнъж могат да се показват от 1 до 5 задачи."_s;
    QTest::addRow("hint after the limit") << Edit([](auto& c) { c.setHintSeconds(3, 600), c.setLimitSeconds(3, 599); })
                                          << u"Задача 3: упътването (10:00) идва след края на времето (09:59)."_s;
    QTest::addRow("no time for a task") << Edit([](auto& c) { c.setLimitSeconds(2, 0), c.setHintSeconds(2, 0); })
                                        << u"Задача 2: времето за решаване трябва да е поне 00:01."_s;
    QTest::addRow("negative hint") << Edit([](auto& c) { c.setHintSeconds(4, -1); })
                                   << u"Задача 4: времето за упътване не може да е отрицателно."_s;
    QTest::addRow("negative difficulty") << Edit([](auto& c) { c.setDifficulty(6, -3); })
                                         << u"Задача 6: нивото на трудност трябва да е цифра от 0 до 9."_s;
    QTest::addRow("negative reading factor") << Edit([](auto& c) { c.setReadingFactor(1, -1); })
                                             << u"Точка 1: множителят за четене не може да е отрицателен."_s;
    QTest::addRow("reading time past 16 bits")
        << Edit([](auto& c) { c.setReadingFactor(1, 32767); }) << u"Точка 1: времето за четене"_s;
    QTest::addRow("negative version") << Edit([](auto& c) { c.setVersion(-1); })
                                      << u"Версията не може да е отрицателна."_s;
    QTest::addRow("no real date") << Edit([](auto& c) { c.setDate(20260230); })
                                  << u"Датата 20260230 не е истинска дата във вида ГГГГММДД."_s;
}

void TestSetupModel::problems()
{
    QFETCH(Edit, edit);
    QFETCH(QString, problem);
    ClassConfiguration c(lesson().open);
    edit(c);
    const QStringList found = setup::configurationProblems(c, lesson());
    QCOMPARE(found.size(), 1);
    QVERIFY2(found.at(0).startsWith(problem), qPrintable(found.at(0)));
}

void TestSetupModel::theOpenAndDesignConfigurationsHaveNoProblems()
{
    QCOMPARE(setup::configurationProblems(ClassConfiguration(lesson().open), lesson()), QStringList());
    QCOMPARE(setup::configurationProblems(ClassConfiguration(lesson().design), lesson()), QStringList());
    // A task the lesson does not keep is not checked.
    ClassConfiguration c(lesson().open);
    c.setTasksKept(3), c.setTasksListed(3), c.setLimitSeconds(4, 0);
    QCOMPARE(setup::configurationProblems(c, lesson()), QStringList());
}

void TestSetupModel::iniRoundTripIsByteForByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("the open configuration") << content::serialiseConfig(lesson().open);
    QTest::addRow("all zero") << content::serialiseConfig({});
    for (quint32 seed : {1u, 2u, 3u})
        QTest::addRow("random bytes %u", seed) << randomFile(seed);
}

void TestSetupModel::iniRoundTripIsByteForByte()
{
    QFETCH(QByteArray, bytes);
    const QString text = setup::toIni(*content::parseConfig(bytes));
    // From a base that differs everywhere, so no field is left out.
    const content::Result<content::ConfigRecords> back = setup::fromIni(text);
    QVERIFY2(back, qPrintable(back.reason()));
    QCOMPARE(content::serialiseConfig(*back), bytes);
}

void TestSetupModel::iniRefusesBadText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::addRow("unknown key") << u"[lesson]\nlessons = 3\n"_s << u"Ред 2: непознато име „lessons“"_s;
    QTest::addRow("key outside its section") << u"tasks-kept = 3\n"_s << u"Ред 1: непознато име"_s;
    QTest::addRow("past 16 bits") << u"; x\n[task-2]\nlimit = 32768\n"_s
                                  << u"Ред 3: limit: очаква се цяло число от -32768 до 32767."_s;
    QTest::addRow("past 32 bits") << u"[lesson]\ndate = 2147483648\n"_s << u"Ред 2: date: очаква се цяло число"_s;
    QTest::addRow("not a number") << u"[flags]\nglossary = yes\n"_s << u"Ред 2: glossary: очаква се цяло число"_s;
    QTest::addRow("short reserved bytes")
        << u"[reserved]\nrecord-1 = 00ff\n"_s << u"Ред 2: record-1: очакват се 32 шестнадесетични цифри."_s;
    QTest::addRow("line without =") << u"[lesson]\ntasks-kept\n"_s << u"Ред 2: очаква се"_s;
}

void TestSetupModel::iniRefusesBadText()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    const content::Result<content::ConfigRecords> result = setup::fromIni(text);
    QVERIFY(!result);
    QVERIFY2(result.reason().startsWith(error), qPrintable(result.reason()));
}

void TestSetupModel::iniRefusesPartialRepeatedOrForeignText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    const QString whole = setup::toIni(lesson().open);
    const qsizetype task20 = whole.indexOf(u"[task-20]"_s);
    const QString cut = whole.left(whole.indexOf(u"limit"_s, task20));  // ends before task 20's limit
    QTest::addRow("empty") << QString() << u"Ред 1: текстът свършва, а липсва „tasks-kept“ в раздел [lesson]"_s;
    QTest::addRow("cut short before task 20's limit")
        << cut
        << u"Ред "_s + QString::number(cut.count(u'\n')) + u": текстът свършва, а липсва „limit“ в раздел [task-20]"_s;
    QTest::addRow("a key given twice") << whole + u"\n[task-2]\nlimit = 90\n"_s
                                       << u"Ред "_s + QString::number(whole.count(u'\n') + 3) +
                                              u": „limit“ в раздел [task-2] вече е зададено на ред "_s;
    QTest::addRow("the class settings text") << QString::fromUtf8(content::serialiseClassSettings({}, u"FUNKR"_s))
                                             << u"Ред 5: непознато име „ask-name“ в раздел [class]."_s;
}

void TestSetupModel::iniRefusesPartialRepeatedOrForeignText()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    const content::Result<content::ConfigRecords> result = setup::fromIni(text);
    QVERIFY(!result);
    QVERIFY2(result.reason().startsWith(error), qPrintable(result.reason()));
}

void TestSetupModel::loadGivesTheFallbackForBadFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("message");
    QTest::addRow("599 bytes") << QByteArray(599, '\1') << false << u"е некоректен: има 599 байта вместо 600."_s;
    QTest::addRow("601 bytes") << QByteArray(601, '\1') << false << u"е некоректен: има 601 байта вместо 600."_s;
    QTest::addRow("a folder") << QByteArray() << true << u"не може да бъде прочетен."_s;
}

void TestSetupModel::loadGivesTheFallbackForBadFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, folder);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"FUNKR.UFG"_s);
    QVERIFY(folder ? QDir(dir.path()).mkdir(u"FUNKR.UFG"_s) : testing_support::writeFile(path, bytes));
    const ClassConfiguration fallback(lesson().design);
    const setup::LoadedConfiguration loaded = setup::loadConfiguration(path, fallback);
    QCOMPARE(loaded.state, setup::LoadedConfiguration::State::Unusable);
    QVERIFY2(loaded.message.endsWith(message), qPrintable(loaded.message));
    QVERIFY(loaded.configuration == fallback);
    if (!folder)
        QCOMPARE(testing_support::readFile(path), bytes);

    const setup::LoadedConfiguration missing = setup::loadConfiguration(dir.filePath(u"X.UFG"_s), fallback);
    QCOMPARE(missing.state, setup::LoadedConfiguration::State::Missing);
}

void TestSetupModel::saveKeepsTheOldFileAsBak()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"FUNKR.UFG"_s);
    const QByteArray old = randomFile(5);
    QVERIFY(testing_support::writeFile(path, old));
    ClassConfiguration c(lesson().open);
    c.setTasksKept(4);
    QCOMPARE(setup::saveConfiguration(path, c).reason(), QString());
    QCOMPARE(testing_support::readFile(path), c.bytes());
    QCOMPARE(testing_support::readFile(path + u".bak"_s), old);
    const setup::LoadedConfiguration loaded = setup::loadConfiguration(path, {});
    QCOMPARE(loaded.state, setup::LoadedConfiguration::State::Read);
    QVERIFY(loaded.configuration == c);
    // No temporary file is left behind.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

void TestSetupModel::aFailedSaveLeavesTheOldFile_data()
{
    QTest::addColumn<QString>("obstacle");
    QTest::addRow("the backup's place is taken by a folder") << u"backup"_s;
    QTest::addRow("the folder is read-only") << u"read-only"_s;
}

void TestSetupModel::aFailedSaveLeavesTheOldFile()
{
    QFETCH(QString, obstacle);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"FUNKR.UFG"_s);
    const QByteArray old = randomFile(6);
    QVERIFY(testing_support::writeFile(path, old));
    QStringList left{u"FUNKR.UFG"_s};
    if (obstacle == u"backup") {
        QVERIFY(QDir(dir.path()).mkpath(u"FUNKR.UFG.bak/inside"_s));
        left << u"FUNKR.UFG.bak"_s;
    } else {
        if (geteuid() == 0)
            QSKIP("root writes into read-only folders");
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    }
    const QString problem = setup::saveConfiguration(path, ClassConfiguration(lesson().open)).reason();
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY2(problem.contains(u"не е записан"_s), qPrintable(problem));
    QCOMPARE(testing_support::readFile(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), left);
}

void TestSetupModel::summarySaysWhatTheClassGets()
{
    ClassConfiguration c(lesson().open);
    c.setTasksKept(3);
    c.setTasksListed(2);
    c.setDifficulty(2, 2);
    c.setLimitSeconds(2, 90);
    c.setHintSeconds(2, 0);
    c.setFlag(content::Option::PlanAccess, false);
    c.setVersion(250);
    const QString text = setup::configurationSummary(c, lesson());
    QVERIFY2(text.contains(u"Задачи в урока: 3 от 20, наведнъж се показват 2."_s), qPrintable(text));
    QVERIFY(text.contains(
        u"Задача 2. Стойност на квадратна функция – трудност 2, време 15:00 (×10), упътване след 13:30"_s));
    QVERIFY(text.contains(lesson().taskTitles.at(2)));
    QVERIFY(text.contains(u", в „Допълнително“"_s));
    QVERIFY(!text.contains(u"Задача 4."_s));
    QVERIFY(text.contains(u"Заключено:\n  Учебният материал (планът на урока) е достъпен."_s));
    QVERIFY(text.contains(u"Версия  2.5 от  20091028"_s));
}

void TestSetupModel::theTaskTableSaysTheRealTimeAndTheHint_data()
{
    QTest::addColumn<int>("difficulty");
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("hint");
    QTest::addColumn<bool>("hints");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("shown");
    QTest::addRow("level 1") << 1 << 600 << 90 << true << u"10:00"_s << u"след 01:30"_s;
    QTest::addRow("level 2 takes ten times as long") << 2 << 900 << 0 << true << u"150:00 (×10)"_s << u"след 135:00"_s;
    QTest::addRow("a hint after the time is over never comes")
        << 2 << 60 << 60 << true << u"10:00 (×10)"_s << u"не идва: след края на времето"_s;
    QTest::addRow("option 5 off") << 1 << 600 << 90 << false << u"10:00"_s << u"изключено"_s;
}

void TestSetupModel::theTaskTableSaysTheRealTimeAndTheHint()
{
    QFETCH(int, difficulty);
    QFETCH(int, limit);
    QFETCH(int, hint);
    QFETCH(bool, hints);
    ClassConfiguration c(lesson().open);
    c.setDifficulty(4, difficulty);
    c.setLimitSeconds(4, qint16(limit));
    c.setHintSeconds(4, qint16(hint));
    c.setFlag(content::Option::ExtraHint, hints);
    QTEST(setup::studentTimeText(c, 4), "time");
    QTEST(setup::hintText(c, 4), "shown");
}

void TestSetupModel::presetsSetTheFlagsAndNothingElse_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<int>>("off");
    QTest::addRow("open: what lesko_config writes") << u"open"_s << QList<int>{31};
    QTest::addRow("a lesson in class paces the plan") << u"lesson"_s << QList<int>{17, 31};
    QTest::addRow("practice frees the tasks while reading") << u"practice"_s << QList<int>{13, 31};
    QTest::addRow("a test: no hint, solution, glossary") << u"test"_s << QList<int>{4, 5, 6, 9, 13, 31};
}

void TestSetupModel::presetsSetTheFlagsAndNothingElse()
{
    QFETCH(QString, name);
    QFETCH(QList<int>, off);
    ClassConfiguration c(*content::parseConfig(randomFile(7)));
    const ClassConfiguration before = c;
    setup::applyPreset(c, *setup::presetNamed(name));
    for (const content::OptionFlag& flag : content::optionFlags())
        QCOMPARE(c.flag(flag.option), !off.contains(flag.number()));
    QVERIFY(setup::matchesPreset(c, *setup::presetNamed(name)));
    // Every byte but the option flags of record 1 stays.
    QCOMPARE(c.bytes().mid(80), before.bytes().mid(80));
    QList<int> named;
    for (const content::OptionFlag& flag : content::optionFlags())
        named << flag.number();
    for (int n = 1; n <= 40; ++n)
        if (!named.contains(n))
            QCOMPARE(c.records()[0].Values[std::size_t(n - 1)], before.records()[0].Values[std::size_t(n - 1)]);
}

void TestSetupModel::presetsAreFoundByNameOrTitleAndTabled()
{
    QCOMPARE(setup::presetNamed(u"Контролна работа"_s)->name, u"test"_s);
    QCOMPARE(setup::presetNamed(u"TEST"_s)->title, u"Контролна работа"_s);
    QVERIFY(!setup::presetNamed(u"exam"_s));
    ClassConfiguration open(lesson().open);
    QVERIFY(setup::matchesPreset(open, *setup::presetNamed(u"open"_s)));
    QVERIFY(!setup::matchesPreset(open, *setup::presetNamed(u"test"_s)));
    const QString table = setup::presetTable();
    QVERIFY2(table.contains(u"\n 5 extra-hint           да        да        да        не"_s), qPrintable(table));
    QVERIFY(table.contains(u"  test      Контролна работа – Без упътване"_s));
}

void TestSetupModel::closingTheMaterialOrEveryTaskIsNamed_data()
{
    QTest::addColumn<bool>("plan");
    QTest::addColumn<bool>("tasksMenu");
    QTest::addColumn<int>("closed");
    QTest::addRow("everything open") << true << true << 0;
    QTest::addRow("tasks only after the whole plan: not closed") << true << false << 0;
    QTest::addRow("the plan closed, the tasks open at once") << false << true << 1;
    QTest::addRow("the plan closed and the tasks with it") << false << false << 2;
}

void TestSetupModel::closingTheMaterialOrEveryTaskIsNamed()
{
    QFETCH(bool, plan);
    QFETCH(bool, tasksMenu);
    QFETCH(int, closed);
    ClassConfiguration c(lesson().open);
    c.setFlag(content::Option::PlanAccess, plan);
    c.setFlag(content::Option::TasksMenu, tasksMenu);
    const QStringList parts = setup::closedParts(c);
    QCOMPARE(parts.size(), closed);
    if (closed > 0)
        QVERIFY(parts.first().startsWith(u"Учебният материал е заключен"_s));
    if (closed > 1)
        QVERIFY(parts.last().startsWith(u"Задачите не могат да бъдат отворени"_s));
    QCOMPARE(setup::closedParts(ClassConfiguration(content::ConfigRecords{})).size(), 2);  // every flag off
}

QTEST_GUILESS_MAIN(TestSetupModel)
#include "test_setup_model.moc"
