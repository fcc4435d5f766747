// The workbench through the Qt view: the lesson's menu opens it, and a click
// on a real task list entry loads that task's statement into the real
// statement box.
#include "support/workbench_lesson.h"
#include "ui/form_view.h"
#include "ui/program_view.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

class ViewWorkbench : public QObject {
    Q_OBJECT
private slots:
    void clickingATaskShowsItsStatement();
    void onlyTheAnswerBoxTakesTyping();
    void nothingCanBePastedIntoTheAnswer();
};

namespace {

// The workbench opened through its real menu command, task 1 loaded.
ui::FormView* openBench(TestLesson& t, ui::ProgramView& view)
{
    startWorkbenchLesson(t);
    Lesko& lesko = t.program().lesko();
    view.viewOf(lesko)->actionFor(lesko.mnu_Wyprosi)->trigger();
    ui::FormView* bench = view.viewOf(t.program().lesko_n());
    return bench && bench->window() && QTest::qWaitForWindowExposed(bench->window()) ? bench : nullptr;
}

QPlainTextEdit* box(ui::FormView* view, Lesko_n& bench, int i)
{
    return qobject_cast<QPlainTextEdit*>(view->widgetFor(bench.Text_Un[std::size_t(i)]));
}

}  // namespace

void ViewWorkbench::clickingATaskShowsItsStatement()
{
    TestLesson t;
    ui::ProgramView view(t.program());
    startWorkbenchLesson(t);
    Lesko& lesko = t.program().lesko();
    Lesko_n& bench = t.program().lesko_n();

    QAction* open = view.viewOf(lesko)->actionFor(lesko.mnu_Wyprosi);
    QVERIFY(open && open->isEnabled());
    open->trigger();
    ui::FormView* benchView = view.viewOf(bench);
    QVERIFY(benchView && benchView->window());
    QVERIFY(QTest::qWaitForWindowExposed(benchView->window()));
    QVERIFY(!view.viewOf(lesko)->window()->isVisible());

    auto* tasks = qobject_cast<QListWidget*>(benchView->widgetFor(bench.List_Un[Lesko_n::TaskList]));
    auto* statement = qobject_cast<QPlainTextEdit*>(benchView->widgetFor(bench.Text_Un[Lesko_n::StatementBox]));
    QVERIFY(tasks && statement);
    QCOMPARE(tasks->count(), TaskCount);
    QVERIFY(statement->toPlainText().contains(statementLine(1, 2)));

    t.services.answers = {true};
    tasks->scrollToItem(tasks->item(4));
    const QRect entry = tasks->visualItemRect(tasks->item(4));
    QVERIFY(entry.isValid());
    QTest::mouseClick(tasks->viewport(), Qt::LeftButton, {}, entry.center());

    QCOMPARE(bench.CurrentTask, qint16(5));
    QString expected = statementText(5);
    QCOMPARE(statement->toPlainText(), expected.replace(u"\r\n"_s, u"\n"_s));
}

// A blank typed into the solution box once stopped the task clock for good.
void ViewWorkbench::onlyTheAnswerBoxTakesTyping()
{
    TestLesson t;
    ui::ProgramView view(t.program());
    ui::FormView* benchView = openBench(t, view);
    QVERIFY(benchView && benchView->window());
    Lesko_n& bench = t.program().lesko_n();
    for (int i : {Lesko_n::DefinitionBox, Lesko_n::StatementBox, Lesko_n::SolutionBox, Lesko_n::HintBox}) {
        QPlainTextEdit* w = box(benchView, bench, i);
        QVERIFY2(w && w->isReadOnly(), qPrintable(QString::number(i)));
        w->setFocus();
        QTest::keyClicks(w, u" x"_s);
    }
    QVERIFY(bench.Text_Un[Lesko_n::SolutionBox].Text().isEmpty());
    const double before = bench.RemainingTime;
    tick(bench, 10);
    QVERIFY(bench.RemainingTime < before);

    QPlainTextEdit* answer = box(benchView, bench, 0);
    QVERIFY(!answer->isReadOnly());
    answer->setFocus();
    QTest::keyClicks(answer, u"abc"_s);
    QCOMPARE(bench.Text_Un[Lesko_n::AnswerBox].Text(), u"abc"_s);
}

void ViewWorkbench::nothingCanBePastedIntoTheAnswer()
{
    TestLesson t;
    ui::ProgramView view(t.program());
    ui::FormView* benchView = openBench(t, view);
    QVERIFY(benchView && benchView->window());
    Lesko_n& bench = t.program().lesko_n();
    QPlainTextEdit* answer = box(benchView, bench, 0);
    answer->setFocus();

    QGuiApplication::clipboard()->setText(u"pasted"_s);
    QTest::keySequence(answer, QKeySequence::Paste);
    QTest::keyClick(answer, Qt::Key_Insert, Qt::ShiftModifier);

    QMimeData dragged;
    dragged.setText(u"dropped"_s);
    const QPoint at = answer->viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(answer->viewport(), &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(answer->viewport(), &drop);

    QVERIFY(bench.Text_Un[Lesko_n::AnswerBox].Text().isEmpty());
    QVERIFY(answer->toPlainText().isEmpty());
}

QTEST_MAIN(ViewWorkbench)
#include "view_workbench.moc"
