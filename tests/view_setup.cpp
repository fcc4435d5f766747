// The setup window on real widgets: edits reach the file, the lesson starts on
// it, and nothing is thrown away or overwritten without a question.
#include "app/program.h"
#include "aux_windows/lesko_glos.h"
#include "main_window/lesko.h"
#include "support/lesson_files.h"
#include "ui/setup/setup_window.h"
#include "workbench/lesko_n.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace testing_support;

namespace {

const setup::LessonFacts& lesson()
{
    static const setup::LessonFacts facts = setup::readLessonFacts();
    return facts;
}

template <typename W>
W* child(QWidget& window, const QString& name)
{
    W* widget = window.findChild<W*>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}

// Types text into a table cell as the user does: the edit key, the text, then
// the focus back to the table, which commits it.
void typeIntoCell(QTableWidget* table, int row, int column, const QString& text)
{
    table->setCurrentCell(row, column);
    QTest::keyClick(table, Qt::Key_F2);
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor && editor != table);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    table->setFocus();
    QCoreApplication::processEvents();
}

}  // namespace

class ViewSetup : public QObject {
    Q_OBJECT
private slots:
    void everyTableHasACurrentCellWhenShown();
    void editsAreSavedAndTheLessonStartsWithThem();
    void applyToSelectedRows();
    void wrongValuesAreRefusedAsTyped();
    void aBadFileIsReplacedOnlyWithConsent();
    void closingAsksBeforeThrowingChangesAway();
};

void ViewSetup::everyTableHasACurrentCellWhenShown()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), t.path(u"FUNKR.UFG"_s));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (QTableWidget* table : window.findChildren<QTableWidget*>())
        QVERIFY2(table->currentIndex().isValid(), qPrintable(table->objectName()));
    QCOMPARE(child<QListWidget>(window, u"pageList"_s)->currentRow(), 0);
    QVERIFY(child<QLabel>(window, u"fileNote"_s)->text().contains(u"още не съществува"_s));
    QVERIFY(window.windowTitle().startsWith(u"Настройка на урока – "_s));
}

void ViewSetup::editsAreSavedAndTheLessonStartsWithThem()
{
    TestLesson t;
    QVERIFY(writeFile(t.path(u"FUNKR.UFG"_s), content::serialiseConfig(lesson().open)));
    ui::SetupWindow window(lesson(), t.path(u"FUNKR.UFG"_s));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* tasks = child<QTableWidget>(window, u"taskTable"_s);
    typeIntoCell(tasks, 2, 5, u"12:30"_s);                 // task 3, time limit
    typeIntoCell(tasks, 2, 4, u"1:05"_s);                  // task 3, hint
    child<QSpinBox>(window, u"tasksKept"_s)->setValue(5);  // the listed tasks follow
    QCOMPARE(window.configuration().tasksListed(), 5);
    child<QSpinBox>(window, u"tasksKept"_s)->setValue(8);
    child<QSpinBox>(window, u"tasksListed"_s)->setValue(6);
    child<QListWidget>(window, u"pageList"_s)->setCurrentRow(2);
    child<QCheckBox>(window, u"flag-colours"_s)->click();
    QVERIFY(window.hasChanges());
    QTest::mouseClick(child<QPushButton>(window, u"saveButton"_s), Qt::LeftButton);
    QVERIFY(!window.hasChanges());
    QCOMPARE(child<QLabel>(window, u"status"_s)->text(),
             u"Записано в "_s + QDir::toNativeSeparators(t.path(u"FUNKR.UFG"_s)) + u"."_s);
    QCOMPARE(readFile(t.path(u"FUNKR.UFG.bak"_s)), content::serialiseConfig(lesson().open));

    t.program().start();
    QCOMPARE(t.program().lesko_Glos().Wremena(GlossaryTables::TimeLimits).List(3), u"750"_s);
    QCOMPARE(t.program().lesko_Glos().Wremena(GlossaryTables::HintTimes).List(3), u"65"_s);
    QCOMPARE(t.program().lesko_n().List_Un[Lesko_n::TaskList].ListCount(), 6);
    QCOMPARE(t.program().lesko_n().mnu_All_zadachi.Caption(), u"+ 2 задачи"_s);
    QVERIFY(!t.program().lesko().mnu_Cwqt.Enabled());
}

void ViewSetup::applyToSelectedRows()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), t.path(u"FUNKR.UFG"_s));
    window.show();
    auto* tasks = child<QTableWidget>(window, u"taskTable"_s);
    tasks->setCurrentCell(1, 0);
    tasks->selectRow(1);
    tasks->setCurrentCell(3, 0, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    child<QSpinBox>(window, u"applyDifficulty"_s)->setValue(2);
    QTest::keyClicks(child<QLineEdit>(window, u"applyLimit"_s), u"45:00"_s);
    child<QPushButton>(window, u"applyToSelected"_s)->click();
    const setup::ClassConfiguration& c = window.configuration();
    QCOMPARE(c.difficulty(2), 2);
    QCOMPARE(c.difficulty(4), 2);
    QCOMPARE(c.limitSeconds(4), 2700);
    QCOMPARE(c.difficulty(3), setup::ClassConfiguration(lesson().design).difficulty(3));
    QCOMPARE(c.hintSeconds(2), setup::ClassConfiguration(lesson().design).hintSeconds(2));  // left empty
    QCOMPARE(tasks->item(3, 5)->text(), u"45:00"_s);
}

void ViewSetup::wrongValuesAreRefusedAsTyped()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), t.path(u"FUNKR.UFG"_s));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* tasks = child<QTableWidget>(window, u"taskTable"_s);
    typeIntoCell(tasks, 0, 5, u"999:00"_s);  // past 16 bits
    QVERIFY(child<QLabel>(window, u"status"_s)->text().contains(u"не е време от 00:00 до 546:07"_s));
    tasks->setCurrentCell(0, 5);
    QTest::keyClick(tasks, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, u"1:3x"_s);
    QCOMPARE(editor->text(), u"1:3"_s);  // the letter is not taken
    QTest::keyClick(editor, Qt::Key_Escape);
    QCoreApplication::processEvents();
    typeIntoCell(tasks, 0, 4, u"0:30"_s);  // hint after the 00:20 limit
    QVERIFY(child<QLabel>(window, u"problems"_s)->text().contains(u"Задача 1: упътването (00:30)"_s));
    QVERIFY(!child<QPushButton>(window, u"saveButton"_s)->isEnabled());
}

void ViewSetup::aBadFileIsReplacedOnlyWithConsent()
{
    TestLesson t;
    const QString path = t.path(u"FUNKR.UFG"_s);
    QVERIFY(writeFile(path, QByteArray(599, 'x')));
    ui::SetupWindow window(lesson(), path);
    QStringList questions;
    bool answer = false;
    window.confirm = [&](const QString& q) { return questions << q, answer; };
    QVERIFY(child<QLabel>(window, u"fileNote"_s)->text().contains(u"599 байта вместо 600"_s));
    QVERIFY(!window.save());
    QCOMPARE(questions.size(), 1);
    QCOMPARE(readFile(path), QByteArray(599, 'x'));
    answer = true;
    QVERIFY(window.save());
    QCOMPARE(readFile(path), window.configuration().bytes());
    QCOMPARE(readFile(path + u".bak"_s), QByteArray(599, 'x'));
}

void ViewSetup::closingAsksBeforeThrowingChangesAway()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), t.path(u"FUNKR.UFG"_s));
    int asked = 0;
    bool answer = false;
    window.confirm = [&](const QString&) { return ++asked, answer; };
    window.show();
    QVERIFY(window.close());  // nothing changed: no question
    QCOMPARE(asked, 0);
    window.show();
    child<QSpinBox>(window, u"tasksKept"_s)->setValue(3);
    QTest::mouseClick(child<QPushButton>(window, u"cancelButton"_s), Qt::LeftButton);
    QCOMPARE(asked, 1);
    QVERIFY(window.isVisible());
    answer = true;
    QVERIFY(window.close());
    QVERIFY(!QFile::exists(t.path(u"FUNKR.UFG"_s)));
}

QTEST_MAIN(ViewSetup)
#include "view_setup.moc"
