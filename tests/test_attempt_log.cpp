// The attempt log of a run: its rows after a scripted run through the
// workbench, and when and whether its file is written.
#include "program/recording.h"
#include "results/attempt_log.h"
#include "support/attempt_log_file.h"
#include "support/workbench_lesson.h"

#include <QDir>
#include <QSysInfo>
#include <QTest>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

namespace {

const QDateTime RunStart{QDate(2025, 3, 10), QTime(9, 0)};

QStringList csvFiles(const QString& folder)
{
    return QDir(folder).entryList({u"*.csv"_s}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
}

results::csv::Rows logRows(TestLesson& t) { return attemptLogRows(t.folder()); }

void at(ScriptedServices& s, int minutes, int seconds) { s.clock = RunStart.addSecs(60 * minutes + seconds); }
void at(TestLesson& t, int minutes, int seconds) { at(t.services, minutes, seconds); }

void saveAnswerOnly(Lesko_n& bench) { bench.mnu_ZapReshen[Lesko_n::SaveAnswerOnly].userClick(); }

void exitByTheFrame(TestLesson& t)
{
    t.program().lesko_n().Form_QueryClose();  // back to the lesson
    t.services.answers = {true};
    t.program().lesko().Form_QueryClose();
}

int logMessages(TestLesson& t)
{
    int n = 0;
    for (const ShownMessage& m : t.services.shown)
        n += m.text.startsWith(u"42\r\n"_s);
    return n;
}

}  // namespace

class TestAttemptLog : public QObject {
    Q_OBJECT
private slots:
    void aScriptedRunGivesOneRowPerTaskOpened();
    void theFileIsWrittenAtEachSave();
    void theFileIsWrittenEveryMinuteTheLogChanged();
    void nothingIsWrittenWhereTheRecordIsNot_data();
    void nothingIsWrittenWhereTheRecordIsNot();
    void aFailedPeriodicWriteIsReportedOnce();
    void aNameAnotherRunTookGetsANumber();
    void checksKeepTheBestResultAndTheLastVerdict();
    void namesAreWrittenInLatinLetters_data();
    void namesAreWrittenInLatinLetters();
    void theStudentNamesTheFileAndEveryRow();
};

// Task 1 (20 s, hint after 5 s) runs out with the hint and the solution shown
// and is saved; task 2 is opened, answered and left; the lesson is closed by
// its frame.
void TestAttemptLog::aScriptedRunGivesOneRowPerTaskOpened()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].setText(u"abcdefg"_s);
    tick(bench, 30);
    at(t, 0, 30);
    tick(bench, 20);  // the hint comes at the 40th tick
    at(t, 0, 50);
    saveAnswerOnly(bench);
    at(t, 1, 0);
    tick(bench, 200);  // the time runs out and the solution is shown
    QCOMPARE(bench.Text_Un[Lesko_n::SolutionBox].Text(), solutionText(1));
    at(t, 1, 10);
    clickTask(t, 2, {true});
    bench.Text_Un[Lesko_n::AnswerBox].setText(u"x😀y"_s);
    tick(bench, 14);
    exitByTheFrame(t);

    const QString host = QSysInfo::machineHostName();
    const QString start = u"2025-03-10T09:00:00"_s;
    const QString runId = t.program().attemptLog().runId();
    QCOMPARE(runId.size(), 16);
    const results::csv::Rows expected{
        results::attemptLogColumns(),
        {u"FUNKR"_s,
         host,
         start,
         u"1"_s,
         u"1"_s,
         u"20"_s,
         u"20"_s,
         u"да"_s,
         u"2025-03-10T09:00:30"_s,
         u"да"_s,
         u"2025-03-10T09:01:00"_s,
         {},
         {},
         {},
         {},
         u"да"_s,
         u"FUNKR_01.TXT"_s,
         u"7"_s,
         {},
         {},
         {},
         runId},
        {u"FUNKR"_s, host, start, u"2"_s, u"1"_s,  u"3000"_s, u"1"_s, u"не"_s, {}, u"не"_s, {},
         {},         {},   {},    {},     u"не"_s, {},        u"3"_s, {},      {}, {},      runId}};
    QCOMPARE(logRows(t), expected);
    QCOMPARE(t.services.ends, 1);
    QCOMPARE(logMessages(t), 0);
}

void TestAttemptLog::theFileIsWrittenAtEachSave()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].setText(u"abc"_s);
    QCOMPARE(csvFiles(t.folder()), QStringList());

    saveAnswerOnly(bench);
    QCOMPARE(csvFiles(t.folder()), (QStringList{attemptLogName(), keptAnswersName()}));
    QCOMPARE(logRows(t).value(1).value(log_column::AnswerLength), u"3"_s);

    clickTask(t, 7, {true});
    bench.Text_Un[Lesko_n::AnswerBox].setText(u"седем"_s);
    bench.mnu_ZapReshen[Lesko_n::SaveStatementAndAnswer].userClick();
    const results::csv::Rows rows = logRows(t);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[2].value(log_column::Task), u"7"_s);
    QCOMPARE(rows[2].mid(log_column::Saved, 3), (QStringList{u"да"_s, u"FUNKR_07.TXT"_s, u"5"_s}));
    QCOMPARE(fileBytes(t.path(attemptLogName())), t.program().attemptLog().document(u"FUNKR"_s));
    QCOMPARE(csvFiles(t.folder()), (QStringList{attemptLogName(), keptAnswersName()}));
}

void TestAttemptLog::theFileIsWrittenEveryMinuteTheLogChanged()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    tick(bench, app::TicksPerWrite - 1);
    QCOMPARE(csvFiles(t.folder()), QStringList());
    tick(bench, 1);
    QCOMPARE(csvFiles(t.folder()), QStringList{attemptLogName()});
    QCOMPARE(logRows(t).value(1).value(log_column::TimeUsed), u"20"_s);  // task 1 ran out after 20 s

    // Nothing changed in the next minute: the file is not written again.
    QVERIFY(QFile::remove(t.path(attemptLogName())));
    tick(bench, app::TicksPerWrite);
    QCOMPARE(csvFiles(t.folder()), QStringList());

    bench.Text_Un[Lesko_n::AnswerBox].setText(u"ново"_s);
    tick(bench, app::TicksPerWrite);
    QCOMPARE(logRows(t).value(1).value(log_column::AnswerLength), u"4"_s);
}

void TestAttemptLog::nothingIsWrittenWhereTheRecordIsNot_data()
{
    QTest::addColumn<int>("option12");
    QTest::addColumn<int>("drive");
    QTest::addRow("option 12 off") << 0 << int(app::DriveFixed);
    QTest::addRow("network drive") << 1 << int(app::DriveNetwork);
    QTest::addRow("CD-ROM") << 1 << int(app::DriveCdRom);
    QTest::addRow("unknown drive") << 1 << int(app::DriveUnknown);
}

void TestAttemptLog::nothingIsWrittenWhereTheRecordIsNot()
{
    QFETCH(int, option12);
    QFETCH(int, drive);
    TestLesson t;
    t.services.drive = quint8(drive);
    startWorkbenchLesson(t, [&](content::ConfigRecords& r) { setFlag(r, 12, option12); });
    Lesko_n& bench = openWorkbench(t);
    bench.Text_Un[Lesko_n::AnswerBox].setText(u"abcdef"_s);
    saveAnswerOnly(bench);
    tick(bench, app::TicksPerWrite);
    exitByTheFrame(t);
    QVERIFY(QFileInfo::exists(t.path(u"FUNKR_01.TXT"_s)));
    QCOMPARE(csvFiles(t.folder()), QStringList());
    QCOMPARE(t.program().attemptLog().tasks().size(), 1);
    QCOMPARE(logMessages(t), 0);
}

// A folder stands where the log must go: every minute's write fails, but
// the student hears of it once, after the tick has returned (so the clock
// goes on under the box); a save and the exit still say so at once.
void TestAttemptLog::aFailedPeriodicWriteIsReportedOnce()
{
    TestLesson t;
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    saveAnswerOnly(bench);
    QVERIFY(QFile::remove(t.path(attemptLogName())));
    QVERIFY(QDir(t.folder()).mkdir(attemptLogName()));

    for (int minute = 0; minute < 3; ++minute) {
        bench.Text_Un[Lesko_n::AnswerBox].setText(QString(minute + 1, u'a'));
        tick(bench, app::TicksPerWrite);
        QCOMPARE(logMessages(t), minute == 0 ? 0 : 1);
        t.services.runDeferred();
    }
    QCOMPARE(logMessages(t), 1);
    const ShownMessage& message = t.services.shown.last();
    QCOMPARE(message.text.split(u"\r\n"_s).value(0), u"42"_s);
    QVERIFY2(message.text.contains(QDir(t.folder()).absoluteFilePath(attemptLogName())), qPrintable(message.text));
    QCOMPARE(message.flags, 272);

    saveAnswerOnly(bench);
    QCOMPARE(logMessages(t), 2);
    exitByTheFrame(t);
    QCOMPARE(logMessages(t), 3);
    QCOMPARE(t.services.ends, 1);
}

void TestAttemptLog::aNameAnotherRunTookGetsANumber()
{
    TestLesson t;
    const QByteArray other = "another run\r\n";
    QVERIFY(writeFile(t.path(attemptLogName()), other));
    startWorkbenchLesson(t);
    saveAnswerOnly(openWorkbench(t));
    const QString numbered = QString(attemptLogName()).replace(u".csv"_s, u"-2.csv"_s);
    QCOMPARE(csvFiles(t.folder()), (QStringList{numbered, attemptLogName()}));
    QCOMPARE(fileBytes(t.path(attemptLogName())), other);
    QCOMPARE(fileBytes(t.path(numbered)), t.program().attemptLog().document(u"FUNKR"_s));
}

void TestAttemptLog::checksKeepTheBestResultAndTheLastVerdict()
{
    ScriptedServices services;
    results::AttemptLog log(services, u"pc-7"_s);
    log.taskOpened(4, 2, 60);
    log.recordCheck(4, 3, 5, u"Грешен отговор на пример 4"_s);
    at(services, 2, 30);
    // A check that does not compile runs no test: the tests stay five.
    log.recordCheck(4, 0, 0, u"Грешка при компилиране;\r\nред 3: \"x\""_s);
    log.recordCheck(9, 5, 5, u"не е отворена"_s);

    QCOMPARE(log.tasks().size(), 1);
    const results::TaskAttempt& a = log.tasks().first();
    QCOMPARE(a.checks, 2);
    QCOMPARE(a.bestPassed, 3);
    QCOMPARE(a.samplesTotal, 5);
    QCOMPARE(a.lastCheckAt, RunStart.addSecs(150));
    QVERIFY(!a.solved());

    const content::Result<results::Run> run = results::readAttemptLog(log.document(u"FUNKR"_s));
    QVERIFY2(run, qPrintable(run.reason()));
    QCOMPARE(run->tasks.size(), 1);
    QCOMPARE(run->tasks[0].lastVerdict, u"Грешка при компилиране;\r\nред 3: \"x\""_s);
    QCOMPARE(run->tasks[0].bestPassed, 3);
    QCOMPARE(run->tasks[0].samplesTotal, 5);
    QCOMPARE(run->tasks[0].lastCheckAt, RunStart.addSecs(150));
    QCOMPARE(run->tasks[0].timeLimit, qint64(60));
    QCOMPARE(run->host, u"pc-7"_s);
}

void TestAttemptLog::namesAreWrittenInLatinLetters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("latin");
    QTest::addRow("every letter of the alphabet")
        << u"абвгдежзийклмнопрстуфхцчшщъьюя"_s << u"abvgdezhziyklmnoprstufhtschshshtayyuya"_s;
    QTest::addRow("a name and a family name") << u"Щерю Йорданов"_s << u"Shteryu Yordanov"_s;
    QTest::addRow("-ия at a word's end") << u"Мария Илиева от София"_s << u"Maria Ilieva ot Sofia"_s;
    QTest::addRow("a word in capitals") << u"ЖИВКО Цанев"_s << u"ZHIVKO Tsanev"_s;
    QTest::addRow("Latin letters lose their accents") << u"Émile Šimek"_s << u"Emile Simek"_s;
}

void TestAttemptLog::namesAreWrittenInLatinLetters()
{
    QFETCH(QString, name);
    QFETCH(QString, latin);
    QCOMPARE(results::transliterated(name), latin);
}

// The name, in Latin letters, goes into the file name, so the logs of a whole
// class can share a folder; the name and class as typed go into every row.
void TestAttemptLog::theStudentNamesTheFileAndEveryRow()
{
    TestLesson t;
    startWorkbenchLesson(t);
    t.program().attemptLog().setStudent({u"Щерю Йорданов"_s, u"8 б"_s});
    Lesko_n& bench = openWorkbench(t);
    saveAnswerOnly(bench);
    clickTask(t, 2, {true});
    saveAnswerOnly(bench);
    const QString name = QString(attemptLogName()).replace(u"_2025"_s, u"_Shteryu-Yordanov_2025"_s);
    QCOMPARE(csvFiles(t.folder()), QStringList{name});
    const content::Result<results::Run> run = results::readAttemptLog(fileBytes(t.path(name)));
    QVERIFY2(run, qPrintable(run.reason()));
    QCOMPARE(run->student, (results::Student{u"Щерю Йорданов"_s, u"8 б"_s}));
    QCOMPARE(run->runId, t.program().attemptLog().runId());
    QCOMPARE(run->tasks.size(), 2);
}

QTEST_GUILESS_MAIN(TestAttemptLog)
#include "test_attempt_log.moc"
