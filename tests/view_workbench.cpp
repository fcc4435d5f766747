// The workbench through the Qt view: the lesson's menu opens it, and a click
// on a real task list entry loads that task's statement into the real
// statement box.
#include "support/workbench_lesson.h"
#include "ui/form_view.h"
#include "ui/program_view.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

class ViewWorkbench : public QObject {
    Q_OBJECT
private slots:
    void clickingATaskShowsItsStatement();
};

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

    auto* tasks = qobject_cast<QListWidget*>(benchView->widgetFor(bench.List_Un[1]));
    auto* statement = qobject_cast<QPlainTextEdit*>(benchView->widgetFor(bench.Text_Un[2]));
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

QTEST_MAIN(ViewWorkbench)
#include "view_workbench.moc"
