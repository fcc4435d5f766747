// The setup window on real widgets: edits reach the file, the lesson starts on
// it, and nothing is thrown away or overwritten without a question.
#include "aux_windows/lesko_glos.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "setup/presets.h"
#include "support/lesson_files.h"
#include "ui/setup/setup_pages.h"
#include "ui/setup/setup_window.h"
#include "workbench/lesko_n.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>

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
    void withoutAFileItStartsFromTheOpenLesson();
    void savingWhatClosesTheLessonAsksFirst();
    void presetsApplyTheirOptions();
    void theTaskTableShowsTheRealTime();
    void theClassPageWritesTheClassSettings();
    void saveAsWritesElsewhereAndGoesOnThere();
    void itSaysWhatItWritesAndWhatTheLessonReads();
    void aScreenReaderFindsAWindowWithNamedParts();
    void tabFollowsThePage();
    void theGuideOpensFromHelp();
};

void ViewSetup::everyTableHasACurrentCellWhenShown()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
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
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
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
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
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
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
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
    ui::SetupWindow window(lesson(), {path});
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
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
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

void ViewSetup::withoutAFileItStartsFromTheOpenLesson()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
    QCOMPARE(window.configuration().bytes(), setup::ClassConfiguration(lesson().open).bytes());
    QVERIFY(child<QLabel>(window, u"presetMatch"_s)->text().contains(u"„Всичко отворено“"_s));
    QVERIFY(window.save());
    t.program().start();  // no locked lesson, no question
    QVERIFY(t.services.shown.isEmpty());
    QVERIFY(t.program().lesko().List_Ur[Lesko::PlanList].Enabled());
}

void ViewSetup::savingWhatClosesTheLessonAsksFirst()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
    QStringList questions;
    bool answer = false;
    window.confirm = [&](const QString& q) { return questions << q, answer; };
    child<QCheckBox>(window, u"flag-plan-access"_s)->click();
    child<QCheckBox>(window, u"flag-tasks-menu"_s)->click();
    QVERIFY(!window.save());
    QCOMPARE(questions.size(), 1);
    QVERIFY2(questions.first().startsWith(u"Тази настройка затваря за класа:\n– Учебният материал е заключен"_s),
             qPrintable(questions.first()));
    QVERIFY(questions.first().contains(u"\n– Задачите не могат да бъдат отворени"_s));
    QVERIFY(!QFile::exists(t.path(u"FUNKR.UFG"_s)));
    answer = true;
    QVERIFY(window.save());
    QVERIFY(!setup::ClassConfiguration(*content::parseConfig(readFile(t.path(u"FUNKR.UFG"_s))))
                 .flag(content::Option::PlanAccess));
}

void ViewSetup::presetsApplyTheirOptions()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
    const int limit = window.configuration().limitSeconds(5);
    child<QPushButton>(window, u"preset-test"_s)->click();
    QVERIFY(setup::matchesPreset(window.configuration(), *setup::presetNamed(u"test"_s)));
    QCOMPARE(window.configuration().limitSeconds(5), limit);
    QVERIFY(!child<QCheckBox>(window, u"flag-extra-hint"_s)->isChecked());
    QCOMPARE(child<QLabel>(window, u"presetMatch"_s)->text(), u"Опциите сега са тези на шаблона „Контролна работа“."_s);
    auto* table = child<QTableWidget>(window, u"presetTable"_s);
    QCOMPARE(table->horizontalHeaderItem(4)->text(), u"Контролна работа"_s);
    QCOMPARE(table->item(3, 4)->text(), u"не"_s);  // option 5, the hint
    child<QCheckBox>(window, u"flag-extra-hint"_s)->click();
    QCOMPARE(child<QLabel>(window, u"presetMatch"_s)->text(), u"Опциите сега не съвпадат с никой шаблон."_s);
}

void ViewSetup::theTaskTableShowsTheRealTime()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    child<QListWidget>(window, u"pageList"_s)->setCurrentRow(1);
    auto* tasks = child<QTableWidget>(window, u"taskTable"_s);
    typeIntoCell(tasks, 1, ui::setup_pages::TasksPage::Difficulty, u"2"_s);
    typeIntoCell(tasks, 1, ui::setup_pages::TasksPage::Limit, u"15:00"_s);
    QCOMPARE(tasks->item(1, ui::setup_pages::TasksPage::StudentTime)->text(), u"150:00 (×10)"_s);
    QCOMPARE(tasks->item(1, ui::setup_pages::TasksPage::HintShown)->text(), setup::hintText(window.configuration(), 2));
    QVERIFY(tasks->item(1, ui::setup_pages::TasksPage::HintShown)->text().startsWith(u"след "_s));
}

void ViewSetup::theClassPageWritesTheClassSettings()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
    QVERIFY(!child<QCheckBox>(window, u"binding"_s)->isEnabled());  // only in the shared file
    child<QCheckBox>(window, u"askName"_s)->click();
    QTest::keyClicks(child<QLineEdit>(window, u"handInFolder"_s), u"/srv/klas-7a"_s);
    QVERIFY(window.hasChanges());
    QVERIFY(window.save());
    const auto read = content::parseClassSettings(readFile(t.path(u"FUNKR_klas.ini"_s)));
    QVERIFY(read.ok());
    QCOMPARE(*read, (content::ClassSettings{true, false, u"/srv/klas-7a"_s}));
    t.program().start();
    QVERIFY(t.program().classSettings().askStudentName);
}

void ViewSetup::saveAsWritesElsewhereAndGoesOnThere()
{
    TestLesson t;
    QTemporaryDir stick;
    QVERIFY(writeFile(t.path(u"FUNKR.UFG"_s), content::serialiseConfig(lesson().open)));
    ui::SetupWindow window(lesson(), {u"FUNKR.UFG"_s});
    window.chooseFile = [&] { return stick.filePath(u"FUNKR.UFG"_s); };
    child<QSpinBox>(window, u"tasksKept"_s)->setValue(4);
    QVERIFY(window.saveAs());
    QCOMPARE(setup::ClassConfiguration(*content::parseConfig(readFile(stick.filePath(u"FUNKR.UFG"_s)))).tasksKept(), 4);
    QCOMPARE(readFile(t.path(u"FUNKR.UFG"_s)), content::serialiseConfig(lesson().open));  // the first one stays
    QCOMPARE(window.target().path, stick.filePath(u"FUNKR.UFG"_s));
    QVERIFY(child<QLabel>(window, u"writesTo"_s)->text().endsWith(stick.filePath(u"FUNKR.UFG"_s)));
    window.chooseFile = [] { return QString(); };  // cancelled
    QVERIFY(!window.saveAs());
}

void ViewSetup::itSaysWhatItWritesAndWhatTheLessonReads()
{
    QTemporaryDir shared;
    QVERIFY(QDir().mkpath(shared.filePath(u"lesko"_s)));
    const QByteArray previous = qgetenv("XDG_CONFIG_DIRS");
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(shared.path()));
    TestLesson t;
    {
        ui::SetupWindow window(lesson(), {u"FUNKR.UFG"_s});
        QCOMPARE(child<QLabel>(window, u"writesTo"_s)->text(), u"Записва в: "_s + t.path(u"FUNKR.UFG"_s));
        QCOMPARE(child<QLabel>(window, u"lessonReads"_s)->text(),
                 u"Урокът чете: "_s + t.path(u"FUNKR.UFG"_s) + u" – още няма такъв файл."_s);
        QVERIFY(window.save());
        QCOMPARE(child<QLabel>(window, u"lessonReads"_s)->text(), u"Урокът чете: "_s + t.path(u"FUNKR.UFG"_s));
    }
    QVERIFY(writeFile(shared.filePath(u"lesko/FUNKR.UFG"_s), content::serialiseConfig(lesson().open)));
    QVERIFY(writeFile(shared.filePath(u"lesko/FUNKR_klas.ini"_s), "[class]\nbinding = yes\n"));
    ui::SetupWindow window(lesson(), {u"FUNKR.UFG"_s});
    QCOMPARE(child<QLabel>(window, u"lessonReads"_s)->text(),
             u"Урокът чете: "_s + shared.filePath(u"lesko/FUNKR.UFG"_s) +
                 u" – общият файл е задължителен и този не се чете!"_s);
    ui::SetupWindow sharedWindow(lesson(), {shared.filePath(u"lesko/FUNKR.UFG"_s), true});
    QVERIFY(child<QCheckBox>(sharedWindow, u"binding"_s)->isChecked());
    QVERIFY(child<QLabel>(sharedWindow, u"writesTo"_s)->text().endsWith(u" (общият файл на компютъра)"_s));
    qputenv("XDG_CONFIG_DIRS", previous);
}

void ViewSetup::aScreenReaderFindsAWindowWithNamedParts()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
    QVERIFY(root);
    QCOMPARE(root->role(), QAccessible::Window);
    QCOMPARE(root->text(QAccessible::Name), window.windowTitle());
    for (const QString& name : {u"pageList"_s, u"taskTable"_s, u"readingTable"_s, u"presetTable"_s}) {
        QAccessibleInterface* part = QAccessible::queryAccessibleInterface(child<QWidget>(window, name));
        QVERIFY2(part && !part->text(QAccessible::Name).isEmpty(), qPrintable(name));
    }
}

void ViewSetup::tabFollowsThePage()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    child<QListWidget>(window, u"pageList"_s)->setCurrentRow(1);  // "Задачи"
    child<QListWidget>(window, u"pageList"_s)->setFocus();
    QStringList order;
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focused = QApplication::focusWidget();
        // A spin box's line edit stands for its box.
        while (focused && focused->objectName().isEmpty())
            focused = focused->parentWidget();
        order << (focused ? focused->objectName() : QString());
    }
    QCOMPARE(order, (QStringList{u"tasksKept"_s, u"tasksListed"_s, u"taskTable"_s, u"applyDifficulty"_s, u"applyHint"_s,
                                 u"applyLimit"_s, u"applyToSelected"_s, u"saveButton"_s, u"cancelButton"_s}));
}

void ViewSetup::theGuideOpensFromHelp()
{
    TestLesson t;
    ui::SetupWindow window(lesson(), {t.path(u"FUNKR.UFG"_s)});
    window.show();
    window.findChild<QAction*>(u"guideAction"_s)->trigger();
    auto* guide = window.findChild<QDialog*>(u"guideWindow"_s);
    QVERIFY(guide && guide->isVisible());
    QCOMPARE(guide->windowTitle(), u"Ръководство за учителя"_s);
    const QString text = guide->findChild<QTextBrowser*>(u"guideText"_s)->toPlainText();
    for (const QString& part : {u"Общият файл за целия компютър"_s, u"Папка за предаване"_s,
                                u"Събиране на резултатите"_s, u"Проверка на отговорите"_s, u"lesko_check --task"_s})
        QVERIFY2(text.contains(part), qPrintable(part));
    window.findChild<QAction*>(u"guideAction"_s)->trigger();  // the same window again
    QCOMPARE(window.findChildren<QDialog*>(u"guideWindow"_s).size(), 1);
}

QTEST_MAIN(ViewSetup)
#include "view_setup.moc"
