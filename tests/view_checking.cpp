// "Проверка" through the Qt view: F5 in the workbench starts the check, the
// result window shows its verdict, and choosing a compile error puts the real
// answer box's caret on the error's line; the result window opens beside the
// workbench, not over it.
#include "aux_windows/lesko_prow.h"
#include "checker/check_store.h"
#include "support/checker_settings.h"
#include "support/workbench_lesson.h"
#include "ui/form_view.h"
#include "ui/program_view.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

using namespace testing_support;

class ViewChecking : public QObject {
    Q_OBJECT
private slots:
    void f5ChecksAndAnErrorLeadsToItsLine();
    void aNewWindowGoesBesideItsOpener_data();
    void aNewWindowGoesBesideItsOpener();
};

void ViewChecking::f5ChecksAndAnErrorLeadsToItsLine()
{
    QTemporaryDir cache;
    TestLesson t;
    t.program().checks().settings = testCheckSettings(cache.path());
    ui::ProgramView view(t.program());
    startWorkbenchLesson(t);
    Lesko_n& bench = openWorkbench(t);
    ui::FormView* benchView = view.viewOf(bench);
    QVERIFY(QTest::qWaitForWindowExposed(benchView->window()));
    QAction* checkAction = benchView->actionFor(bench.mnu_Prowerka);
    QVERIFY(checkAction);
    QCOMPARE(checkAction->shortcut(), QKeySequence(Qt::Key_F5));
    QVERIFY(!checkAction->isEnabled());

    auto* answer = qobject_cast<QPlainTextEdit*>(benchView->widgetFor(bench.Text_Un[Lesko_n::AnswerBox]));
    QVERIFY(answer);
    answer->setFocus();
    answer->setPlainText(u"#include <iostream>\nint main() {\n    int x\n    std::cin >> x;\n}\n"_s);
    QVERIFY(checkAction->isEnabled());
    benchView->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(benchView->window()));
    QTest::keyClick(answer, Qt::Key_F5);
    QVERIFY(bench.CheckRunning());
    QCOMPARE(checkAction->text(), u"Проверка…"_s);
    QVERIFY(!checkAction->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(!bench.CheckRunning(), 60000);

    Lesko_Prow& result = t.program().lesko_Prow();
    ui::FormView* resultView = view.viewOf(result);
    QVERIFY(resultView && resultView->window());
    QVERIFY(QTest::qWaitForWindowExposed(resultView->window()));
    QCOMPARE(resultView->window()->windowTitle(), u"Резултат от проверката"_s);
    // The workbench took the hidden main window's place; the result keeps its left part free.
    ui::FormView* mainView = view.viewOf(t.program().lesko());
    QCOMPARE(benchView->window()->pos(), mainView->window()->pos());
    QVERIFY(resultView->window()->x() > benchView->window()->x() + benchView->window()->width() / 4);
    auto* verdict = qobject_cast<QLabel*>(resultView->widgetFor(result.Prisyda));
    auto* lines = qobject_cast<QListWidget*>(resultView->widgetFor(result.List_Prow));
    QVERIFY(verdict && lines);
    QCOMPARE(verdict->text(), u"Компилационна грешка"_s);
    QVERIFY(lines->count() >= 1);
    if (!qEnvironmentVariableIsEmpty("LESKO_SHOT"))
        resultView->window()->grab().save(qEnvironmentVariable("LESKO_SHOT"));

    const QRect entry = lines->visualItemRect(lines->item(0));
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, entry.center());
    QCOMPARE(answer->textCursor().blockNumber(), 3);  // line 4
    QTRY_VERIFY(answer->hasFocus());
}

void ViewChecking::aNewWindowGoesBesideItsOpener_data()
{
    QTest::addColumn<QRect>("opener");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("at");
    const QRect screen(0, 0, 1280, 1024);
    QTest::addRow("right") << QRect(0, 0, 600, 500) << QSize(600, 480) << screen << QPoint(608, 0);
    QTest::addRow("below") << QRect(0, 0, 794, 500) << QSize(600, 480) << screen << QPoint(0, 508);
    QTest::addRow("over the right part") << QRect(0, 0, 794, 567) << QSize(600, 480) << screen << QPoint(680, 0);
    QTest::addRow("wider than the screen") << QRect(0, 0, 794, 567) << QSize(1400, 480) << screen << QPoint(0, 0);
    QTest::addRow("second screen") << QRect(1300, 40, 794, 567) << QSize(600, 480) << QRect(1280, 0, 1920, 1080)
                                   << QPoint(2102, 40);
    QTest::addRow("no screen known") << QRect(10, 20, 794, 567) << QSize(600, 480) << QRect() << QPoint(812, 20);
}

void ViewChecking::aNewWindowGoesBesideItsOpener()
{
    QFETCH(QRect, opener);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QFETCH(QPoint, at);
    QCOMPARE(ui::besideWindow(opener, size, screen), at);
}

QTEST_MAIN(ViewChecking)
#include "view_checking.moc"
