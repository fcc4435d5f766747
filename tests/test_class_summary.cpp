// The results' file format and the class summary: writing and reading the
// spreadsheet files, reading attempt logs back, and merging a folder of logs
// that holds damaged and foreign files.
#include "results/class_summary.h"
#include "support/lesson_files.h"
#include "support/scripted_services.h"

#include <QTemporaryDir>
#include <QTest>

using namespace testing_support;
using results::csv::Rows;

namespace {

const QByteArray Bom = "\xEF\xBB\xBF";

// A run on host with a few tasks: task 1 solved with the hint, task 3 checked
// with 3 of 5 samples, task 2 opened and never checked, with the solution seen.
results::AttemptLog sampleRun(ScriptedServices& clock, const QString& host, int startMinute)
{
    clock.clock = QDateTime(QDate(2025, 3, 10), QTime(9, startMinute));
    results::AttemptLog log(clock, host);
    log.taskOpened(1, 1, 20);
    for (int i = 0; i < 123; ++i)
        log.clockTicked(1);
    log.hintShown(1);
    log.recordCheck(1, 5, 5, u"Вярно"_s);
    log.taskOpened(3, 2, 300);
    for (int i = 0; i < 600; ++i)
        log.clockTicked(3);
    log.recordCheck(3, 3, 5, u"Грешен отговор"_s);
    log.taskOpened(2, 1, 30);
    log.solutionShown(2);
    return log;
}

QByteArray withoutLastBytes(const QByteArray& bytes, int n) { return bytes.left(bytes.size() - n); }

// The runs and skipped files of a folder; a failed read fails the test.
results::ClassSummary summaryOf(const QString& folder)
{
    const content::Result<results::ClassSummary> summary = results::readAttemptLogs(folder, u"FUNKR"_s);
    return summary ? *summary : results::ClassSummary{{}, {}, {u"unreadable: "_s + summary.reason()}};
}

// A log as the lesson wrote it before the name, class, run and check time
// columns, whose titles spoke of samples instead of tests.
QByteArray inEarlierLayout(const QByteArray& log)
{
    Rows rows = results::csv::parse(log).value_or(Rows{});
    for (QStringList& row : rows)
        row = row.mid(0, 18);
    if (!rows.isEmpty()) {
        rows[0][12] = u"Най-много верни примери"_s;
        rows[0][13] = u"Примери"_s;
    }
    return results::csv::document(rows);
}

bool writeLog(const QString& folder, const QString& name, const results::AttemptLog& log)
{
    return writeFile(QDir(folder).filePath(name), log.document(u"FUNKR"_s));
}

}  // namespace

class TestClassSummary : public QObject {
    Q_OBJECT
private slots:
    void fieldsAreQuotedOnlyWhenNeeded();
    void documentsReadBack_data();
    void documentsReadBack();
    void damagedDocumentsAreRefused_data();
    void damagedDocumentsAreRefused();
    void damagedLogRowsAreRefused_data();
    void damagedLogRowsAreRefused();
    void otherLineEndsRead_data();
    void otherLineEndsRead();
    void logsOfTheEarlierLayoutStillRead();
    void aFolderOfLogsGivesOneRowPerRun();
    void runsAreToldApartByTheirIdentity();
    void rowsNameTheStudents();
    void anEmptyFolderGivesTheHeadingsOnly();
    void aFolderThatCannotBeListedSaysWhy();
};

void TestClassSummary::fieldsAreQuotedOnlyWhenNeeded()
{
    const Rows rows{{u"Задача"_s, u"a;b"_s, u"ред 1\r\nред 2"_s, u"той каза \"да\""_s, {}}, {u"1"_s}};
    QCOMPARE(results::csv::document(rows),
             Bom + u"Задача;\"a;b\";\"ред 1\r\nред 2\";\"той каза \"\"да\"\"\";\r\n1\r\n"_s.toUtf8());
}

void TestClassSummary::documentsReadBack_data()
{
    QTest::addColumn<Rows>("rows");
    QTest::addRow("no rows") << Rows{};
    QTest::addRow("empty fields") << Rows{{{}, {}, {}}, {{}}};
    QTest::addRow("separators, quotes and line breaks") << Rows{{u";"_s, u"\""_s, u"\r\n"_s, u"\n"_s, u"a\"\";b"_s}};
    QTest::addRow("letters beyond the first plane") << Rows{{u"x😀y"_s, u"ъгъл"_s}};
}

void TestClassSummary::documentsReadBack()
{
    QFETCH(Rows, rows);
    const content::Result<Rows> read = results::csv::parse(results::csv::document(rows));
    QVERIFY2(read, qPrintable(read.reason()));
    QCOMPARE(*read, rows);
}

void TestClassSummary::damagedDocumentsAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    QTest::addRow("no byte-order mark") << QByteArray("a;b\r\n") << u"не е текст в UTF-8 с BOM"_s;
    QTest::addRow("not UTF-8") << QByteArray(Bom + "a;\xE0\xE1\r\n") << u"неправилен UTF-8"_s;
    QTest::addRow("cut inside quotes") << QByteArray(Bom + "a;\"b\r\nc") << u"незатворени кавички"_s;
    QTest::addRow("cut inside a row") << QByteArray(Bom + "a;b\r\nc;") << u"последният ред е прекъснат"_s;
}

void TestClassSummary::damagedDocumentsAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const content::Result<Rows> found = results::csv::parse(bytes);
    QVERIFY(!found);
    QCOMPARE(found.reason(), problem);
}

void TestClassSummary::damagedLogRowsAreRefused_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("problem");
    QTest::addRow("not a task number") << 1 << 3 << u"първа"_s << u"ред 2: неправилно поле „Задача“"_s;
    QTest::addRow("task 0") << 1 << 3 << u"0"_s << u"ред 2: неправилен номер на задача"_s;
    QTest::addRow("a task twice") << 2 << 3 << u"1"_s << u"ред 3: задача 1 се повтаря"_s;
    QTest::addRow("negative time") << 1 << 6 << u"-4"_s << u"ред 2: неправилно поле „Използвано време (с)“"_s;
    QTest::addRow("hint without its time") << 1 << 8 << QString() << u"ред 2: неправилно поле „Упътване в“"_s;
    QTest::addRow("neither yes nor no") << 2 << 9 << u"може би"_s << u"ред 3: неправилно поле „Решение на автора“"_s;
    QTest::addRow("another host in a later row")
        << 3 << 1 << u"pc-9"_s << u"ред 4: урокът, компютърът, началото или ученикът се различават от първия ред"_s;
    QTest::addRow("another student in a later row")
        << 2 << 19 << u"Петър"_s << u"ред 3: урокът, компютърът, началото или ученикът се различават от първия ред"_s;
    QTest::addRow("a missing field") << 2 << -1 << QString() << u"ред 3: полетата са 21, а трябва да са 22"_s;
    QTest::addRow("a time no lesson has")
        << 1 << 6 << u"9223372036854775807"_s << u"ред 2: неправилно поле „Използвано време (с)“"_s;
    QTest::addRow("a check time without a check")
        << 3 << 18 << u"2025-03-10T09:00:00"_s << u"ред 4: неправилно поле „Последна проверка в“"_s;
    QTest::addRow("another heading") << 0 << 4 << u"Ниво"_s << u"не е дневник на опитите"_s;
}

void TestClassSummary::damagedLogRowsAreRefused()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, value);
    QFETCH(QString, problem);
    ScriptedServices clock;
    content::Result<Rows> rows = results::csv::parse(sampleRun(clock, u"pc-1"_s, 0).document(u"FUNKR"_s));
    QVERIFY(rows);
    if (column < 0)
        (*rows)[row].removeLast();
    else
        (*rows)[row][column] = value;
    const content::Result<results::Run> found = results::readAttemptLog(results::csv::document(*rows));
    QVERIFY(!found);
    QCOMPARE(found.reason(), problem);
}

void TestClassSummary::otherLineEndsRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("CR only, as old editors save") << QByteArray(Bom + "a;b\r1;\"x\ry\"\r");
    QTest::addRow("LF only") << QByteArray(Bom + "a;b\n1;\"x\ry\"\n");
}

// A line break inside quotes is part of the field whatever it is.
void TestClassSummary::otherLineEndsRead()
{
    QFETCH(QByteArray, bytes);
    const content::Result<Rows> rows = results::csv::parse(bytes);
    QVERIFY2(rows, qPrintable(rows.reason()));
    QCOMPARE(*rows, (Rows{{u"a"_s, u"b"_s}, {u"1"_s, u"x\ry"_s}}));
}

void TestClassSummary::logsOfTheEarlierLayoutStillRead()
{
    ScriptedServices clock;
    const content::Result<results::Run> run =
        results::readAttemptLog(inEarlierLayout(sampleRun(clock, u"pc-1"_s, 0).document(u"FUNKR"_s)));
    QVERIFY2(run, qPrintable(run.reason()));
    QCOMPARE(run->host, u"pc-1"_s);
    QVERIFY(run->student.isEmpty());
    QVERIFY(run->runId.isEmpty());
    QCOMPARE(run->tasks.size(), 3);
    QCOMPARE(results::taskCell(run->tasks[0]), u"5/5 П"_s);
    QVERIFY(!run->tasks[0].lastCheckAt.isValid());
}

// Three runs of FUNKR (one a copy of another), a log cut short, a log of
// another lesson, a spreadsheet of something else and a text file.
void TestClassSummary::aFolderOfLogsGivesOneRowPerRun()
{
    QTemporaryDir folder;
    ScriptedServices clock;
    const results::AttemptLog first = sampleRun(clock, u"pc-2"_s, 5);
    results::AttemptLog second(clock, u"pc-1"_s);
    second.taskOpened(4, 1, 60);
    second.recordCheck(4, 0, 4, u"Грешка при компилиране"_s);
    const QString path = folder.filePath({});
    QVERIFY(writeFile(path + u"/FUNKR_opiti_pc-2_20250310-090500.csv"_s, first.document(u"FUNKR"_s)));
    QVERIFY(writeFile(path + u"/копие.csv"_s, first.document(u"FUNKR"_s)));
    QVERIFY(writeFile(path + u"/FUNKR_opiti_pc-1_20250310-090500.csv"_s, second.document(u"FUNKR"_s)));
    QVERIFY(
        writeFile(path + u"/FUNKR_opiti_pc-3_20250310-090500.csv"_s, withoutLastBytes(first.document(u"FUNKR"_s), 9)));
    QVERIFY(writeFile(path + u"/DRUG_opiti_pc-4_20250310-090500.csv"_s, first.document(u"DRUG"_s)));
    QVERIFY(writeFile(path + u"/оценки.csv"_s, Bom + u"Име;Оценка\r\nИван;6\r\n"_s.toUtf8()));
    QVERIFY(writeFile(path + u"/бележки.txt"_s, "not a log"));

    const content::Result<results::ClassSummary> summary = results::readAttemptLogs(path, u"FUNKR"_s);
    QVERIFY(summary);
    QCOMPARE(summary->skipped,
             (QStringList{u"DRUG_opiti_pc-4_20250310-090500.csv: на друг урок (DRUG)"_s,
                          u"FUNKR_opiti_pc-3_20250310-090500.csv: последният ред е прекъснат"_s,
                          u"копие.csv: повтаря вече прочетено пускане"_s, u"оценки.csv: не е дневник на опитите"_s}));
    QCOMPARE(results::summaryCounts(*summary), u"Прочетени дневници: 2, пропуснати: 4"_s);

    const content::Result<Rows> rows = results::csv::parse(results::summaryDocument(*summary));
    QVERIFY2(rows, qPrintable(rows.reason()));
    const Rows expected{
        {u"Компютър"_s, u"Начало"_s, u"Общо време (с)"_s, u"Отворени задачи"_s, u"Решени задачи"_s, u"Упътвания"_s,
         u"Видени решения"_s, u"Ученик"_s, u"Клас"_s, u"Задача 1"_s, u"Задача 2"_s, u"Задача 3"_s, u"Задача 4"_s},
        {u"pc-1"_s, u"2025-03-10T09:05:00"_s, u"0"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s, {}, {}, {}, {}, {}, u"0/4"_s},
        {u"pc-2"_s,
         u"2025-03-10T09:05:00"_s,
         u"72"_s,
         u"3"_s,
         u"1"_s,
         u"1"_s,
         u"1"_s,
         {},
         {},
         u"5/5 П"_s,
         u"— Р"_s,
         u"3/5"_s,
         {}}};
    QCOMPARE(*rows, expected);
}

// Two runs started on one computer in the same second are two runs; a copy
// of a log is the same run. Logs without a run identity are told apart by
// host and start, as before.
void TestClassSummary::runsAreToldApartByTheirIdentity()
{
    QTemporaryDir folder;
    ScriptedServices clock;
    const results::AttemptLog first = sampleRun(clock, u"pc-1"_s, 0);
    const results::AttemptLog second = sampleRun(clock, u"pc-1"_s, 0);
    QVERIFY(first.runId() != second.runId());
    QVERIFY(writeLog(folder.path(), u"a.csv"_s, first));
    QVERIFY(writeLog(folder.path(), u"b.csv"_s, second));
    QVERIFY(writeLog(folder.path(), u"c.csv"_s, first));
    QVERIFY(writeFile(folder.filePath(u"d.csv"_s), inEarlierLayout(first.document(u"FUNKR"_s))));
    QVERIFY(writeFile(folder.filePath(u"e.csv"_s), inEarlierLayout(second.document(u"FUNKR"_s))));
    const results::ClassSummary summary = summaryOf(folder.path());
    QCOMPARE(summary.skipped,
             (QStringList{u"c.csv: повтаря вече прочетено пускане"_s, u"e.csv: повтаря вече прочетено пускане"_s}));
    QCOMPARE(summary.runs.size(), 3);
    QCOMPARE(summary.files, (QStringList{u"a.csv"_s, u"b.csv"_s, u"d.csv"_s}));
}

// One row per student and run, by class and name, with both in their columns.
void TestClassSummary::rowsNameTheStudents()
{
    QTemporaryDir folder;
    ScriptedServices clock;
    const auto run = [&](const QString& host, int minute, const results::Student& student, bool solves) {
        clock.clock = QDateTime(QDate(2025, 3, 10), QTime(9, minute));
        results::AttemptLog log(clock, host);
        log.setStudent(student);
        log.taskOpened(1, 1, 20);
        log.recordCheck(1, solves ? 6 : 2, 6, solves ? u"Верен"_s : u"Грешен отговор"_s);
        return log;
    };
    QVERIFY(writeLog(folder.path(), u"1.csv"_s, run(u"pc-1"_s, 0, {u"Яна Илиева"_s, u"8 б"_s}, false)));
    QVERIFY(writeLog(folder.path(), u"2.csv"_s, run(u"pc-2"_s, 1, {u"Асен Белев"_s, u"8 б"_s}, true)));
    QVERIFY(writeLog(folder.path(), u"3.csv"_s, run(u"pc-1"_s, 30, {u"Яна Илиева"_s, u"8 б"_s}, true)));
    QVERIFY(writeLog(folder.path(), u"4.csv"_s, run(u"pc-3"_s, 2, {u"Боян Денев"_s, u"8 а"_s}, false)));
    const Rows rows = *results::csv::parse(results::summaryDocument(summaryOf(folder.path())));
    QStringList who;
    for (const QStringList& row : rows.mid(1))
        who << row[7] + u'/' + row[8] + u'/' + row[1].right(8) + u'/' + row[4] + u'/' + row[9];
    QCOMPARE(who, (QStringList{u"Боян Денев/8 а/09:02:00/0/2/6"_s, u"Асен Белев/8 б/09:01:00/1/6/6"_s,
                               u"Яна Илиева/8 б/09:00:00/0/2/6"_s, u"Яна Илиева/8 б/09:30:00/1/6/6"_s}));
}

void TestClassSummary::aFolderThatCannotBeListedSaysWhy()
{
    QTemporaryDir folder;
    QVERIFY(writeFile(folder.filePath(u"file"_s), "not a folder"));
    for (const QString& path : {folder.filePath(u"file"_s), folder.filePath(u"missing"_s)}) {
        const content::Result<results::ClassSummary> summary = results::readAttemptLogs(path, u"FUNKR"_s);
        QVERIFY(!summary);
        QVERIFY2(summary.reason().startsWith(u"Папката "_s + path + u" не може да бъде прочетена: "_s),
                 qPrintable(summary.reason()));
    }
}

void TestClassSummary::anEmptyFolderGivesTheHeadingsOnly()
{
    QTemporaryDir folder;
    const content::Result<results::ClassSummary> summary = results::readAttemptLogs(folder.path(), u"FUNKR"_s);
    QVERIFY(summary);
    QCOMPARE(results::summaryCounts(*summary), u"Прочетени дневници: 0, пропуснати: 0"_s);
    QCOMPARE(results::summaryDocument(*summary),
             Bom +
                 u"Компютър;Начало;Общо време (с);Отворени задачи;Решени задачи;Упътвания;Видени решения;Ученик;"
                 u"Клас\r\n"_s.toUtf8());
}

QTEST_GUILESS_MAIN(TestClassSummary)
#include "test_class_summary.moc"
