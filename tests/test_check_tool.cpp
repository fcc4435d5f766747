// lesko_check: an answer file checked as the task window checks it, with the
// teacher's own tests, a class folder into a table, and its exit codes.
#include "checker/check_tool.h"
#include "content/codepage.h"
#include "content/lesson.h"
#include "results/csv.h"
#include "support/checker_settings.h"
#include "support/lesson_files.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace testing_support;

namespace {

const QByteArray RightAnswer =
    "#include <iostream>\nint main() { long long x; std::cin >> x; std::cout << 2 * x + 3 << '\\n'; }\n";
const QByteArray OverflowingAnswer =
    "#include <iostream>\nint main() { short x; std::cin >> x; std::cout << 2 * x + 3 << '\\n'; }\n";

struct Run {
    int code = -1;
    QStringList out;
    QString err;
};

}  // namespace

class TestCheckTool : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void wrongArgumentsAreRefused_data();
    void wrongArgumentsAreRefused();
    void answerFilesOfEveryKind_data();
    void answerFilesOfEveryKind();
    void aWrongAnswerShowsTheSampleAndTheHint();
    void aCompileErrorShowsItsLine();
    void theTeachersOwnTestsCount();
    void anUnavailableCheckHasItsOwnCode();
    void aClassFolderBecomesATable();
    void solutionFileNames_data();
    void solutionFileNames();

private:
    Run run(const QStringList& arguments, const checker::CheckSettings& settings);
    Run run(const QStringList& arguments) { return run(arguments, settings_); }
    QString file(const QString& name, const QByteArray& bytes);

    QTemporaryDir cache_, folder_;
    checker::CheckSettings settings_;
};

void TestCheckTool::initTestCase() { settings_ = testCheckSettings(cache_.path()); }

Run TestCheckTool::run(const QStringList& arguments, const checker::CheckSettings& settings)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    QString err;
    QTextStream errors(&err);
    Run r;
    r.code = checker::runCheckTool(QStringList{u"lesko_check"_s} + arguments, out, errors, settings);
    errors.flush();
    r.out = QString::fromUtf8(out.data()).split(u'\n');
    r.err = err;
    return r;
}

QString TestCheckTool::file(const QString& name, const QByteArray& bytes)
{
    const QString path = folder_.filePath(name);
    [&] { QVERIFY(writeFile(path, bytes)); }();
    return path;
}

void TestCheckTool::wrongArgumentsAreRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addRow("nothing") << QStringList{};
    QTest::addRow("no file") << QStringList{u"--task"_s, u"1"_s};
    QTest::addRow("no such task") << QStringList{u"--task"_s, u"99"_s, u"/dev/null"_s};
    QTest::addRow("not a number") << QStringList{u"--task"_s, u"едно"_s, u"/dev/null"_s};
    QTest::addRow("two modes") << QStringList{u"--task"_s, u"1"_s, u"--all"_s, u"/tmp"_s, u"/dev/null"_s};
    QTest::addRow("no such file") << QStringList{u"--task"_s, u"1"_s, u"/nonexistent/answer.cpp"_s};
    QTest::addRow("a device") << QStringList{u"--task"_s, u"1"_s, u"/dev/zero"_s};
    QTest::addRow("tests of an empty folder")
        << QStringList{u"--task"_s, u"1"_s, u"--tests"_s, u"/var/empty"_s, u"x"_s};
    QTest::addRow("an unknown option") << QStringList{u"--fast"_s};
}

void TestCheckTool::wrongArgumentsAreRefused()
{
    QFETCH(QStringList, arguments);
    const Run r = run(arguments);
    QCOMPARE(r.code, int(checker::ToolMisused));
    QVERIFY(!r.err.isEmpty());
}

void TestCheckTool::answerFilesOfEveryKind_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("a source in UTF-8") << RightAnswer;
    QTest::addRow("a source with CR LF and a byte-order mark")
        << QByteArray("\xEF\xBB\xBF" + QByteArray(RightAnswer).replace("\n", "\r\n"));
    // As "Запис условие+решение" writes it.
    QTest::addRow("a saved statement and answer in Windows-1251") << content::toWindows1251(
        u"Условие на задачата:\r\nДадена е функцията f(x) = 2x + 3.\r\n"
        u"Представено решение:\r\n// отговор\r\n"_s +
        QString::fromUtf8(RightAnswer).replace(u"\n"_s, u"\r\n"_s));
}

void TestCheckTool::answerFilesOfEveryKind()
{
    QFETCH(QByteArray, bytes);
    const Run r = run({u"--task"_s, u"1"_s, file(u"answer.txt"_s, bytes)});
    const int tests = content::Lesson::embedded().testCount(1);
    QCOMPARE(r.out.value(0), u"Верен (%1 от %1 теста)"_s.arg(tests));
    QCOMPARE(r.out.value(1), u"Тест 1: Верен"_s);
    QCOMPARE(r.out.value(tests), u"Тест %1 (скрит): Верен"_s.arg(tests));
    QCOMPARE(r.code, int(checker::ToolAccepted));
}

void TestCheckTool::aWrongAnswerShowsTheSampleAndTheHint()
{
    const Run r = run({u"--task"_s, u"1"_s, file(u"short.cpp"_s, OverflowingAnswer)});
    QCOMPARE(r.code, int(checker::ToolRejected));
    QVERIFY(r.out.value(0).startsWith(u"Грешен отговор ("_s));
    const QString all = r.out.join(u'\n');
    QVERIFY2(
        all.contains(u"Тест 3: Грешен отговор\n\n    Вход:\n      2000000000\n    Очакван изход:\n    ► 4000000003"_s),
        qPrintable(all));
    // A hidden test that fails gives its hint, not its data.
    QVERIFY(all.contains(u"Скритите тестове не се показват. Упътване:"_s));
    for (const content::TaskTest& test : content::Lesson::embedded().tests(1))
        if (!test.sample && test.answer.trimmed().size() >= 6)
            QVERIFY2(!all.contains(test.answer.trimmed()) && !all.contains(test.input.trimmed()),
                     qPrintable(test.name));
}

void TestCheckTool::aCompileErrorShowsItsLine()
{
    const Run r =
        run({u"--task"_s, u"2"_s, file(u"broken.cpp"_s, "#include <iostream>\nint main() {\n    int x\n}\n")});
    QCOMPARE(r.code, int(checker::ToolRejected));
    QCOMPARE(r.out.value(0), u"Компилационна грешка"_s);
    QVERIFY(r.out.value(1).startsWith(u"Ред "_s));
    QVERIFY(r.out.join(u'\n').contains(u"Текст на компилатора:"_s));
}

void TestCheckTool::theTeachersOwnTestsCount()
{
    // One test the right answer passes, one whose answer is wrong on purpose.
    QTemporaryDir tests;
    QVERIFY(QDir().mkpath(tests.filePath(u"data/secret"_s)));
    QVERIFY(writeFile(tests.filePath(u"data/secret/a.in"_s), "7\n"));
    QVERIFY(writeFile(tests.filePath(u"data/secret/a.ans"_s), "17\n"));
    QVERIFY(writeFile(tests.filePath(u"data/secret/b.in"_s), "1\n"));
    QVERIFY(writeFile(tests.filePath(u"data/secret/b.ans"_s), "4\n"));
    QVERIFY(writeFile(tests.filePath(u"data/secret/b.yaml"_s), "hint: \"Учителят иска 4.\"\n"));
    const Run r = run({u"--task"_s, u"1"_s, u"--tests"_s, tests.path(), file(u"right.cpp"_s, RightAnswer)});
    const int lessons = content::Lesson::embedded().testCount(1);
    QCOMPARE(r.out.value(0), u"Грешен отговор (%1 от %2 теста)"_s.arg(lessons + 1).arg(lessons + 2));
    QVERIFY(r.out.join(u'\n').contains(u"Учителят иска 4."_s));
    QCOMPARE(r.code, int(checker::ToolRejected));
}

void TestCheckTool::anUnavailableCheckHasItsOwnCode()
{
    checker::CheckSettings noCompiler = settings_;
    noCompiler.toolchain.compiler = u"/nonexistent/g++"_s;
    const Run r = run({u"--task"_s, u"1"_s, file(u"right.cpp"_s, RightAnswer)}, noCompiler);
    QCOMPARE(r.out.value(0), u"Проверката не е налична: няма компилатор g++"_s);
    QCOMPARE(r.code, int(checker::ToolUnavailable));
}

void TestCheckTool::aClassFolderBecomesATable()
{
    QTemporaryDir klas;
    QVERIFY(writeFile(klas.filePath(u"FUNKR_01.TXT"_s), RightAnswer));
    QVERIFY(writeFile(klas.filePath(u"FUNKR_01_Ivan-Petrov_lab-3.TXT"_s), OverflowingAnswer));
    QVERIFY(writeFile(klas.filePath(u"FUNKR_opiti_lab-3.csv"_s), "not an answer"));
    QVERIFY(writeFile(klas.filePath(u"notes.TXT"_s), "not an answer"));
    const QString table = folder_.filePath(u"checks.csv"_s);
    const Run r = run({u"--all"_s, klas.path(), u"-o"_s, table});
    QCOMPARE(r.code, int(checker::ToolAccepted));
    const content::Result<results::csv::Rows> rows = results::csv::parse(readFile(table));
    QVERIFY2(rows, qPrintable(rows.reason()));
    const QString tests = QString::number(content::Lesson::embedded().testCount(1));
    QCOMPARE(rows->size(), 3);
    QCOMPARE(rows->at(0), (QStringList{u"Файл"_s, u"Задача"_s, u"Резултат"_s, u"Верни тестове"_s, u"Тестове"_s}));
    QCOMPARE(rows->at(1),
             (QStringList{u"FUNKR_01.TXT"_s, u"1"_s, u"Верен (%1 от %1 теста)"_s.arg(tests), tests, tests}));
    QCOMPARE(rows->at(2).value(0), u"FUNKR_01_Ivan-Petrov_lab-3.TXT"_s);
    QVERIFY(rows->at(2).value(2).startsWith(u"Грешен отговор"_s));
    QVERIFY(r.err.contains(u"FUNKR_01.TXT: Верен"_s));
    // A folder that cannot be read.
    QCOMPARE(run({u"--all"_s, u"/nonexistent"_s}).code, int(checker::ToolRejected));
}

void TestCheckTool::solutionFileNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("task");
    QTest::addRow("the lesson's own") << u"FUNKR_07.TXT"_s << 7;
    QTest::addRow("a hand-in copy") << u"FUNKR_12_Maria-Ivanova_pc-04.TXT"_s << 12;
    QTest::addRow("small letters") << u"funkr_03.txt"_s << 3;
    QTest::addRow("an attempt log") << u"FUNKR_opiti_pc_20250310-090000.csv"_s << 0;
    QTest::addRow("one digit") << u"FUNKR_7.TXT"_s << 0;
    QTest::addRow("another lesson") << u"OTHER_07.TXT"_s << 0;
}

void TestCheckTool::solutionFileNames()
{
    QFETCH(QString, name);
    QTEST(checker::taskOfSolutionFile(name, u"FUNKR"_s), "task");
}

QTEST_GUILESS_MAIN(TestCheckTool)
#include "test_check_tool.moc"
