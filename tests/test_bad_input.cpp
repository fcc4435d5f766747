// What a classroom can hand the lesson: configuration files of the wrong size,
// random or extreme contents, files and folders that are in the way, and
// answers from empty to very long. Every row plays the same short lesson:
// start, read a little, open the workbench, type, let the clock run, save the
// answer, go back and leave. The student sees the row's messages, the lesson
// goes on to the exit and ends once, and no typed answer is lost.
#include "support/attempt_log_file.h"
#include "support/expected_files.h"
#include "support/lesson_files.h"
#include "support/workbench_lesson.h"

#include <unistd.h>
#include <QDir>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>
#include <algorithm>
#include <limits>

using namespace testing_support;
using namespace Qt::StringLiterals;

namespace {

const QString ConfigName = u"FUNKR.UFG"_s;
const QString ConfigMissing = u"1\r\nЛипсва съответстващ конфигурационен файл  \r\n"_s;
const QString ConfigFaulty = u"3\r\nИзползваният конфигурационния файл е некоректен!\r\n"_s;
const QString SaveFailed = u"40\r\nРаботата Ви не е записана.\r\n"_s;
const QString RecordFailed = u"41\r\nЗаписът с отговорите не можа да бъде запазен.\r\n"_s;
const QString AttemptLogFailed = u"42\r\nДневникът на опитите по задачите не можа да бъде запазен.\r\n"_s;
const QString HardTaskQuestion = u"Задачата е с повишена трудност! \r\nСмятате ли, че ще се справите?"_s;
const QString ExitQuestion = u"Желаете ли изход от урока?"_s;

// Things in the working folder's way, combined as bits.
enum Obstacle {
    NoObstacle = 0,
    NoConfigFile = 1,
    ReadOnlyConfig = 2,
    SolutionNameTaken = 4,  // a folder has the solution file's name
    RecordNameTaken = 8,    // a folder has the answer record's name
    ReadOnlyFolder = 16,
};

// n characters of a student's answer, taken in turn from Cyrillic, Latin,
// line breaks and characters Windows-1251 does not have; the first one lies
// outside the Basic Multilingual Plane, so 5 characters take 6 UTF-16 units.
QString answerOf(int n)
{
    const QList<uint> pattern = u"😀Жx中бй\r\nцикъл for (int i = 0; i < n; ++i) ✓ сума += a[i];\r\n"_s.toUcs4();
    std::vector<char32_t> characters;
    characters.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i)
        characters.push_back(char32_t(pattern.at(i % pattern.size())));
    return QString::fromUcs4(characters.data(), qsizetype(characters.size()));
}

// The bytes of a configuration that opens the lesson's features.
QByteArray goodConfig()
{
    TestLesson probe;
    return content::serialiseConfig(app::openLessonConfig(probe.program()));
}

// Every value of record r (1 to 6) and its count replaced.
QByteArray withRecord(QByteArray bytes, int r, qint16 value, qint32 count)
{
    char* record = bytes.data() + (r - 1) * content::ConfigRecordSize;
    for (int i = 0; i < 40; ++i)
        qToLittleEndian(value, record + 2 * i);
    qToLittleEndian(count, record + 80);
    return bytes;
}

QByteArray everyRecord(const QByteArray& bytes, qint16 value, qint32 count)
{
    QByteArray result = bytes;
    for (int r = 1; r <= 6; ++r)
        result = withRecord(result, r, value, count);
    return result;
}

QByteArray randomBytes(quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(content::ConfigFileSize, '\0');
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

// What a usable 600-byte file decides for the short lesson: the task the
// student types into (task 1 when record 2 lists any task, else none), whether
// option 12 lets the answer record be written and which of the lesson's two
// names option 31 gives it (a flag is on for the text "1", not "0" or "-1").
// A file that is not used leaves no task listed and both options off.
struct Outcome {
    int answerTask = 0;
    bool recordOn = false;
    QString recordName = content::Lesson::embedded().answerFiles().value(1);
};

bool flagOn(const QByteArray& config, int flag)
{
    return qFromLittleEndian<qint16>(config.constData() + 2 * (flag - 1)) % 2 == 1;
}

Outcome outcomeOf(const QByteArray& config)
{
    Outcome outcome;
    if (config.size() != content::ConfigFileSize)
        return outcome;
    const qint32 listed = qFromLittleEndian<qint32>(config.constData() + content::ConfigRecordSize + 80);
    outcome.answerTask = listed > 0 ? 1 : 0;
    outcome.recordOn = flagOn(config, 12);
    if (flagOn(config, 31))
        outcome.recordName = content::Lesson::embedded().answerFiles().value(0);
    return outcome;
}

void addRow(const char* name, const QByteArray& config, int obstacles, const QString& answer,
            const QStringList& notices)
{
    const Outcome outcome = obstacles & NoConfigFile ? Outcome{} : outcomeOf(config);
    QTest::addRow("%s", name) << config << obstacles << answer << notices << outcome.answerTask << outcome.recordOn
                              << outcome.recordName;
}

// One row of the table.
struct Row {
    QByteArray config;
    int obstacles = NoObstacle;
    QString answer;
    QStringList notices;  // how each box other than a question starts, in order
    int answerTask = 0;
    bool recordOn = false;
    QString recordName;
};

Row currentRow()
{
    QFETCH(QByteArray, config);
    QFETCH(int, obstacles);
    QFETCH(QString, answer);
    QFETCH(QStringList, notices);
    QFETCH(int, answerTask);
    QFETCH(bool, recordOn);
    QFETCH(QString, recordName);
    return {config, obstacles, answer, notices, answerTask, recordOn, recordName};
}

// Puts the configuration and the obstacles of a row into the working folder.
void prepareFolder(TestLesson& t, const Row& row)
{
    QDir folder(t.folder());
    if (!(row.obstacles & NoConfigFile))
        QVERIFY(writeFile(t.path(ConfigName), row.config));
    if (row.obstacles & ReadOnlyConfig)
        QVERIFY(QFile::setPermissions(t.path(ConfigName), QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    if (row.obstacles & SolutionNameTaken)
        QVERIFY(folder.mkdir(solutionFileName(row.answerTask)));
    if (row.obstacles & RecordNameTaken)
        QVERIFY(folder.mkdir(row.recordName));
    if (row.obstacles & ReadOnlyFolder)
        QVERIFY(QFile::setPermissions(t.folder(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
}

// The short lesson every row plays. The workbench is opened and the answer
// saved through their handlers, so that every row types and saves whatever
// its options leave enabled.
void playShortLesson(TestLesson& t, const QString& answer)
{
    Lesko& lesko = t.program().lesko();
    lesko.List_Ur[Lesko::PlanList].userClick(0);
    for (int i = 0; i < 30; ++i)
        lesko.Timer1_Timer();
    Lesko_n& bench = openWorkbench(t);
    QVERIFY(!bench.Text_Un[Lesko_n::AnswerBox].Locked());
    bench.Text_Un[Lesko_n::AnswerBox].userFocused();
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(answer);
    tick(bench, 3);
    bench.mnu_ZapReshen_Click(2);
    bench.mnu_IzhodN.userClick();
    QVERIFY(lesko.Visible());
    for (int i = 0; i < 10; ++i)
        lesko.Timer1_Timer();
    t.services.answers = {true};
    lesko.Izhod.userClick();
}

// The row's messages, the exit question once, and no other question than the
// one before a task of raised difficulty.
void checkTheBoxesShown(const QList<ShownMessage>& shown, const QStringList& notices)
{
    QStringList shownNotices, shownQuestions;
    for (const ShownMessage& box : shown)
        (box.flags & app::box::YesNo ? shownQuestions : shownNotices) << box.text;
    QCOMPARE(shownNotices.size(), notices.size());
    for (int i = 0; i < notices.size(); ++i)
        QVERIFY2(shownNotices[i].startsWith(notices[i]), qPrintable(shownNotices[i]));
    QCOMPARE(shownQuestions.count(ExitQuestion), 1);
    QCOMPARE(shownQuestions.count(HardTaskQuestion), shownQuestions.size() - 1);
}

// The attempt log of the short lesson: the one task typed into, with the
// answer's length and the solution file when its save succeeded.
void checkTheAttemptLog(TestLesson& t, const Row& row)
{
    const results::csv::Rows rows = attemptLogRows(t.folder());
    QCOMPARE(rows.size(), 2);
    const QStringList& task = rows[1];
    QCOMPARE(task.value(log_column::Task), QString::number(row.answerTask));
    QCOMPARE(task.value(log_column::AnswerLength), QString::number(QStringView(row.answer).toUcs4().size()));
    const bool saved = !(row.obstacles & SolutionNameTaken);
    QCOMPARE(task.value(log_column::SavedFile), saved ? solutionFileName(row.answerTask) : QString());
}

// The configuration as it was, the saved answer, the answer record, the
// attempt log, the obstacles, and nothing else.
void checkTheFolder(TestLesson& t, const Row& row)
{
    QStringList expectedEntries;
    if (!(row.obstacles & NoConfigFile)) {
        expectedEntries << ConfigName;
        QCOMPARE(readFile(t.path(ConfigName)), row.config);
    }
    const QString solution = solutionFileName(row.answerTask);
    if (row.obstacles & SolutionNameTaken) {
        expectedEntries << solution;
        QVERIFY(QFileInfo(t.path(solution)).isDir());
    } else if (!(row.obstacles & ReadOnlyFolder)) {
        expectedEntries << solution;
        QCOMPARE(readFile(t.path(solution)), referenceWindows1251(row.answer));
    }
    if (row.obstacles & RecordNameTaken) {
        expectedEntries << row.recordName;
        QVERIFY(QFileInfo(t.path(row.recordName)).isDir());
    } else if (row.recordOn && !(row.obstacles & ReadOnlyFolder)) {
        expectedEntries << row.recordName;
        QMap<int, QString> answers;
        if (row.answerTask > 0)
            answers.insert(row.answerTask, row.answer);
        QCOMPARE(readFile(t.path(row.recordName)), referenceWindows1251(answerRecordText(answers)));
    }
    // A task of raised difficulty the student declined was never opened.
    const bool declined = std::any_of(t.services.shown.cbegin(), t.services.shown.cend(),
                                      [](const ShownMessage& box) { return box.text == HardTaskQuestion; });
    if (row.recordOn && row.answerTask > 0 && !declined && !(row.obstacles & ReadOnlyFolder)) {
        expectedEntries << attemptLogName();
        if (!row.answer.trimmed().isEmpty())
            expectedEntries << keptAnswersName();
        checkTheAttemptLog(t, row);
    }
    expectedEntries.sort();
    QCOMPARE(folderEntries(t.folder()), expectedEntries);
}

}  // namespace

class TestBadInput : public QObject {
    Q_OBJECT
private slots:
    void theLessonGoesOnAndKeepsTheAnswer_data();
    void theLessonGoesOnAndKeepsTheAnswer();
};

void TestBadInput::theLessonGoesOnAndKeepsTheAnswer_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<int>("obstacles");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("notices");
    QTest::addColumn<int>("answerTask");
    QTest::addColumn<bool>("recordOn");
    QTest::addColumn<QString>("recordName");

    const QByteArray good = goodConfig();
    const QString answer = answerOf(12);

    addRow("no configuration file", {}, NoConfigFile, answer, {ConfigMissing});
    addRow("configuration of 0 bytes", QByteArray(), NoObstacle, answer, {ConfigFaulty});
    addRow("configuration of 599 bytes", good.left(599), NoObstacle, answer, {ConfigFaulty});
    addRow("configuration of 600 bytes", good, NoObstacle, answer, {});
    addRow("configuration of 601 bytes", good + '\0', NoObstacle, answer, {ConfigFaulty});
    // Seeds whose files between them list a task or none, keep tasks or none,
    // and let the answer record be written under either name or not at all.
    for (quint32 seed : {1u, 7u, 14u, 35u, 38u})
        addRow(qPrintable(u"random 600 bytes, seed "_s + QString::number(seed)), randomBytes(seed), NoObstacle, answer,
               {});
    addRow("600 bytes of 0xFF", QByteArray(content::ConfigFileSize, '\xFF'), NoObstacle, answer, {});

    constexpr qint16 LeastValue = std::numeric_limits<qint16>::min();
    constexpr qint16 MostValue = std::numeric_limits<qint16>::max();
    constexpr qint32 LeastCount = std::numeric_limits<qint32>::min();
    constexpr qint32 MostCount = std::numeric_limits<qint32>::max();
    for (int r = 1; r <= 6; ++r) {
        const QString record = u"record "_s + QString::number(r);
        addRow(qPrintable(record + u": negative values and count"_s), withRecord(good, r, LeastValue, LeastCount),
               NoObstacle, answer, {});
        addRow(qPrintable(record + u": maximal values and count"_s), withRecord(good, r, MostValue, MostCount),
               NoObstacle, answer, {});
    }
    addRow("every record negative", everyRecord(good, LeastValue, LeastCount), NoObstacle, answer, {});
    addRow("every record maximal", everyRecord(good, MostValue, MostCount), NoObstacle, answer, {});

    addRow("read-only configuration file", good, ReadOnlyConfig, answer, {});
    addRow("solution file name taken by a folder", good, SolutionNameTaken, answer, {SaveFailed});
    addRow("solution and record names taken by folders", good, SolutionNameTaken | RecordNameTaken, answer,
           {SaveFailed, RecordFailed});
    if (geteuid() != 0)  // the superuser writes into read-only folders anyway
        addRow("read-only working folder", good, ReadOnlyFolder, answer, {SaveFailed, AttemptLogFailed, RecordFailed});

    for (int length : {0, 1, 5, 6, 1000, 100000})
        addRow(qPrintable(u"answer of "_s + QString::number(length) + u" characters"_s), good, NoObstacle,
               answerOf(length), {});
}

void TestBadInput::theLessonGoesOnAndKeepsTheAnswer()
{
    const Row row = currentRow();
    TestLesson t;
    prepareFolder(t, row);
    t.program().start();
    playShortLesson(t, row.answer);
    QFile::setPermissions(t.folder(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (QTest::currentTestFailed())
        return;

    checkTheBoxesShown(t.services.shown, row.notices);
    // The lesson went on to the exit and ended once.
    QCOMPARE(t.services.ends, 1);
    QVERIFY(t.program().ended());
    // Nothing typed was lost.
    Lesko_n& bench = t.program().lesko_n();
    QCOMPARE(bench.Text_Un[Lesko_n::AnswerBox].Text(), row.answer);
    QCOMPARE(bench.List_Un[Lesko_n::AnswerStoreList].List(row.answerTask), row.answer);
    checkTheFolder(t, row);
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "test_bad_input.moc"
