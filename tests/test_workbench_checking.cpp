// "Проверка" in the workbench: when it may run, what it shows, what it counts,
// and what it leaves alone (clock, answer, lesson files).
#include "aux_windows/lesko_izp.h"
#include "aux_windows/lesko_prow.h"
#include "checker/check_store.h"
#include "results/attempt_log.h"
#include "support/checker_settings.h"
#include "support/workbench_lesson.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

namespace {

// Task 1 of the lesson prints 2x + 3 for numbers up to 10^9.
const QString RightAnswer =
    u"#include <iostream>\r\nint main() {\r\n    long long x;\r\n    std::cin >> x;\r\n"
    u"    std::cout << 2 * x + 3 << '\\n';\r\n}\r\n"_s;
const QString OverflowingAnswer = QString(RightAnswer).replace(u"long long"_s, u"short"_s);
const QString BrokenAnswer = u"#include <iostream>\r\nint main() {\r\n    int x\r\n    std::cin >> x;\r\n}\r\n"_s;
const QString EndlessAnswer = u"int main() { for (;;) {} }"_s;

// Every file of the lesson's folder with its contents.
QMap<QString, QByteArray> folderContents(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, fileBytes(path));
    }
    return files;
}

bool answerProcessRunning()
{
    for (const QString& entry : QDir(u"/proc"_s).entryList(QDir::Dirs))
        if (fileBytes(u"/proc/"_s + entry + u"/comm"_s).trimmed() == "otgowor")
            return true;
    return false;
}

// The attempt log's row of the task; an empty row when it has none.
results::TaskAttempt taskAttempt(TestLesson& t, int task)
{
    for (const results::TaskAttempt& a : t.program().attemptLog().tasks())
        if (a.task == task)
            return a;
    return {};
}

}  // namespace

class TestWorkbenchChecking : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void menuNeedsATaskAndAnAnswer();
    void rightAnswerIsCountedAndTouchesNothing();
    void wrongAnswerShowsTheFirstDifference();
    void choosingAnErrorPutsTheCaretOnItsLine();
    void leavingTheWorkbenchCancelsTheCheck();
    void closingTheLessonCancelsTheCheck();
    void runOnOwnInput_data();
    void runOnOwnInput();

private:
    void startLesson(TestLesson& t);
    // Clicks "Проверка" and waits for the result window.
    Lesko_Prow& check(TestLesson& t);

    QTemporaryDir cache_;
};

void TestWorkbenchChecking::initTestCase() { QVERIFY(cache_.isValid()); }

void TestWorkbenchChecking::startLesson(TestLesson& t)
{
    t.program().checks().settings = testCheckSettings(cache_.path());
    startWorkbenchLesson(t);
    openWorkbench(t);
}

Lesko_Prow& TestWorkbenchChecking::check(TestLesson& t)
{
    Lesko_n& bench = t.program().lesko_n();
    bench.mnu_Prowerka.userClick();
    [&] { QTRY_VERIFY_WITH_TIMEOUT(!bench.CheckRunning(), 60000); }();
    Lesko_Prow& result = t.program().lesko_Prow();
    [&] { QVERIFY(result.Visible()); }();
    return result;
}

void TestWorkbenchChecking::menuNeedsATaskAndAnAnswer()
{
    TestLesson t;
    Lesko_n& fresh = t.program().lesko_n();
    QCOMPARE(fresh.mnu_Prowerka.Caption(), u"Проверка"_s);
    QCOMPARE(fresh.mnu_Prowerka.shortcut, u"F5"_s);
    QVERIFY(!fresh.mnu_Prowerka.Enabled());  // nothing typed yet
    startLesson(t);
    Lesko_n& bench = t.program().lesko_n();
    QCOMPARE(bench.CurrentTask, 1);
    QVERIFY(!bench.mnu_Prowerka.Enabled());
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u"int main() {}"_s);
    QVERIFY(bench.mnu_Prowerka.Enabled());
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(u" \r\n "_s);
    QVERIFY(!bench.mnu_Prowerka.Enabled());
    bench.Text_Un[Lesko_n::AnswerBox].setText(RightAnswer);  // a stored answer shown with its task
    QVERIFY(bench.mnu_Prowerka.Enabled());
}

void TestWorkbenchChecking::rightAnswerIsCountedAndTouchesNothing()
{
    TestLesson t;
    startLesson(t);
    Lesko_n& bench = t.program().lesko_n();
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(RightAnswer);
    tick(bench, 3);
    const double remaining = bench.RemainingTime;
    const QMap<QString, QByteArray> files = folderContents(t.folder());

    bench.mnu_Prowerka_Click();
    QCOMPARE(bench.mnu_Prowerka.Caption(), u"Проверка…"_s);
    QVERIFY(!bench.mnu_Prowerka.Enabled());
    QVERIFY(bench.CheckRunning());
    bench.mnu_Prowerka_Click();  // a second request while one runs does nothing
    QTRY_VERIFY_WITH_TIMEOUT(!bench.CheckRunning(), 60000);
    Lesko_Prow& result = t.program().lesko_Prow();
    QVERIFY(result.Visible());
    QCOMPARE(result.Caption(), u"Резултат от проверката"_s);
    // The samples, then the hidden tests.
    const int samples = int(content::Lesson::embedded().samples(1).size());
    const int tests = content::Lesson::embedded().testCount(1);
    QVERIFY(tests > samples);
    QCOMPARE(result.Prisyda.Caption(), u"Верен (%1 от %1 теста)"_s.arg(tests));
    QStringList lines;
    for (int i = 1; i <= tests; ++i)
        lines << (i <= samples ? u"Тест %1: Верен"_s : u"Тест %1 (скрит): Верен"_s).arg(i);
    QCOMPARE(result.List_Prow.items(), lines);
    QCOMPARE(bench.mnu_Prowerka.Caption(), u"Проверка"_s);
    QVERIFY(bench.mnu_Prowerka.Enabled());

    const results::TaskAttempt attempt = taskAttempt(t, 1);
    QCOMPARE(attempt.checks, 1);
    QCOMPARE(attempt.bestPassed, tests);
    QCOMPARE(attempt.samplesTotal, tests);
    QCOMPARE(attempt.lastVerdict, u"Верен"_s);
    QVERIFY(attempt.solved());
    QCOMPARE(bench.RemainingTime, remaining);
    QVERIFY(bench.Timer_n.Enabled());
    QCOMPARE(bench.Text_Un[Lesko_n::AnswerBox].Text(), RightAnswer);
    QCOMPARE(folderContents(t.folder()), files);
}

void TestWorkbenchChecking::wrongAnswerShowsTheFirstDifference()
{
    TestLesson t;
    startLesson(t);
    Lesko_n& bench = t.program().lesko_n();
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(RightAnswer);
    check(t);
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(OverflowingAnswer);
    Lesko_Prow& result = check(t);
    // A short cannot hold the third sample's 2 000 000 000, nor the hidden tests' large numbers.
    const int tests = content::Lesson::embedded().testCount(1);
    QVERIFY(result.Prisyda.Caption().startsWith(u"Грешен отговор ("_s));
    QVERIFY(result.Prisyda.Caption().endsWith(u" от %1 теста)"_s.arg(tests)));
    QCOMPARE(result.List_Prow.List(2), u"Тест 3: Грешен отговор"_s);
    const QString details = result.Podrobno.Text();
    QVERIFY2(details.startsWith(u"Тест 3: Грешен отговор\r\n\r\nВход:\r\n  2000000000\r\nОчакван изход:\r\n"
                                u"► 4000000003\r\nИзход на програмата:\r\n► "_s),
             qPrintable(details));
    QVERIFY(details.contains(u"Първата разлика е на ред 1"_s));
    result.List_Prow.userClick(0);
    QVERIFY(result.Podrobno.Text().startsWith(u"Тест 1: Верен"_s));
    // A hidden test that fails shows its hint, never its data.
    const QStringList rows = result.List_Prow.items();
    const int hidden = int(rows.indexOf(QRegularExpression(u"^Тест \\d+ \\(скрит\\): Грешен отговор$"_s)));
    QVERIFY(hidden > 0);
    result.List_Prow.userClick(hidden);
    const content::TaskTest test = content::Lesson::embedded().tests(1).at(hidden);
    QVERIFY(!test.sample && !test.hint.isEmpty());
    QVERIFY(result.Podrobno.Text().contains(test.hint));
    QVERIFY(!result.Podrobno.Text().contains(test.input.trimmed()));
    QVERIFY(!result.Podrobno.Text().contains(u"Вход:"_s));

    const results::TaskAttempt attempt = taskAttempt(t, 1);
    QCOMPARE(attempt.checks, 2);
    QCOMPARE(attempt.bestPassed, tests);
    QCOMPARE(attempt.lastVerdict, u"Грешен отговор"_s);
    QVERIFY(attempt.solved());  // the first check passed every test
}

void TestWorkbenchChecking::choosingAnErrorPutsTheCaretOnItsLine()
{
    TestLesson t;
    startLesson(t);
    Lesko_n& bench = t.program().lesko_n();
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(BrokenAnswer);
    Lesko_Prow& result = check(t);
    QCOMPARE(result.Prisyda.Caption(), u"Компилационна грешка"_s);
    QCOMPARE(result.List_Prow.List(0), u"Ред 4, колона 5: Липсва „;“ в края на оператора (често на предишния ред)."_s);
    QVERIFY(result.Podrobno.Text().contains(u"  4 |     std::cin >> x;"_s));
    QVERIFY(result.Podrobno.Text().contains(u"4:5: error: expected initializer before 'std'"_s));
    QCOMPARE(bench.Text_Un[Lesko_n::AnswerBox].CursorLine(), 0);  // showing the result moves nothing
    result.List_Prow.userClick(0);
    QCOMPARE(bench.Text_Un[Lesko_n::AnswerBox].CursorLine(), 4);
    QCOMPARE(bench.Text_Un[Lesko_n::AnswerBox].Text(), BrokenAnswer);
}

void TestWorkbenchChecking::leavingTheWorkbenchCancelsTheCheck()
{
    TestLesson t;
    startLesson(t);
    Lesko_n& bench = t.program().lesko_n();
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(EndlessAnswer);
    bench.mnu_Prowerka_Click();
    QTRY_VERIFY_WITH_TIMEOUT(answerProcessRunning(), 30000);
    bench.mnu_IzhodN_Click();
    QVERIFY(!bench.CheckRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!answerProcessRunning(), 2000);
    QCOMPARE(bench.mnu_Prowerka.Caption(), u"Проверка"_s);
    QTest::qWait(100);
    QVERIFY(!t.program().isLoaded(u"Lesko_Prow"_s));
    QCOMPARE(taskAttempt(t, 1).checks, 0);
}

void TestWorkbenchChecking::closingTheLessonCancelsTheCheck()
{
    {
        TestLesson t;
        startLesson(t);
        Lesko_n& bench = t.program().lesko_n();
        bench.Text_Un[Lesko_n::AnswerBox].userEdited(EndlessAnswer);
        bench.mnu_Prowerka_Click();
        QTRY_VERIFY_WITH_TIMEOUT(answerProcessRunning(), 30000);
    }
    QTRY_VERIFY_WITH_TIMEOUT(!answerProcessRunning(), 2000);
}

void TestWorkbenchChecking::runOnOwnInput_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("ending");
    QTest::addRow("prints its answer") << RightAnswer << u"7"_s << u"17\r\n"_s << u"Програмата завърши нормално за"_s;
    QTest::addRow("reads nothing more") << RightAnswer << QString() << u"3\r\n"_s
                                        << u"Програмата завърши нормално за"_s;
    QTest::addRow("never ends") << EndlessAnswer << u"7"_s << QString()
                                << u"Програмата беше спряна: надхвърли времето."_s;
    QTest::addRow("does not compile") << BrokenAnswer << u"7"_s << u"Ред 4, колона 5: Липсва „;“"_s
                                      << u"Програмата не се компилира: вижте грешките по-горе."_s;
}

void TestWorkbenchChecking::runOnOwnInput()
{
    QFETCH(QString, answer);
    QFETCH(QString, input);
    TestLesson t;
    startLesson(t);
    Lesko_n& bench = t.program().lesko_n();
    QVERIFY(!bench.mnu_Moj_Wh.Enabled());
    bench.Text_Un[Lesko_n::AnswerBox].userEdited(answer);
    QVERIFY(bench.mnu_Moj_Wh.Enabled());
    const double remaining = bench.RemainingTime;
    bench.mnu_Moj_Wh.userClick();
    Lesko_Izp& run = t.program().lesko_Izp();
    QVERIFY(run.Visible());
    // It starts from the task's first sample.
    QCOMPARE(run.Wh_Pole.Text(),
             QString(content::Lesson::embedded().samples(1).first().input).replace(u"\n"_s, u"\r\n"_s));
    run.Wh_Pole.userEdited(input);
    run.mnu_Izpylni.userClick();
    QVERIFY(run.Running());
    QVERIFY(!run.mnu_Izpylni.Enabled());
    QTRY_VERIFY_WITH_TIMEOUT(!run.Running(), 60000);
    QFETCH(QString, output);
    QVERIFY2(run.Izh_Pole.Text().startsWith(output), qPrintable(run.Izh_Pole.Text()));
    QFETCH(QString, ending);
    QVERIFY2(run.Label_Izp[Lesko_Izp::EndingLabel].Caption().startsWith(ending),
             qPrintable(run.Label_Izp[Lesko_Izp::EndingLabel].Caption()));
    QVERIFY(run.mnu_Izpylni.Enabled());
    // A run is no check: nothing is counted, the clock is untouched.
    QCOMPARE(taskAttempt(t, 1).checks, 0);
    QCOMPARE(bench.RemainingTime, remaining);
    // Leaving the workbench closes the window.
    bench.mnu_IzhodN_Click();
    QVERIFY(!t.program().isLoaded(u"Lesko_Izp"_s));
}

QTEST_GUILESS_MAIN(TestWorkbenchChecking)
#include "test_workbench_checking.moc"
