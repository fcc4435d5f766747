// The Qt view of the main window: real widgets follow the controls and the
// user's actions reach the handlers.
#include "configuration/configuration.h"
#include "main_window/lesko.h"
#include "support/lesson_files.h"
#include "support/scripted_services.h"
#include "ui/form_view.h"
#include "ui/program_view.h"

#include <QApplication>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

using namespace testing_support;
using namespace Qt::StringLiterals;

class ViewMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theWindowShowsTheLesson();
    void resizingTheWindowMovesTheWidgets();
    void clickingAPlanEntryShowsItsText();
    void theChoiceIsWhereTheButtonIsReleased();
    void aRightClickNeverChooses();
    void ribbonsShowWhileAPointIsRead();
    void rightClickOnTheSurfaceOnlyPopsUpTheInformationMenu();
    void menuCaptionsShowTheirAmpersand();

private:
    std::unique_ptr<TestLesson> lesson_;
    std::unique_ptr<ui::ProgramView> view_;
    ui::FormView* main_ = nullptr;
    Lesko* lesko_ = nullptr;
};

void ViewMainWindow::init()
{
    lesson_ = std::make_unique<TestLesson>();
    QVERIFY(
        writeFile(lesson_->path(u"FUNKR.UFG"_s), content::serialiseConfig(app::openLessonConfig(lesson_->program()))));
    view_ = std::make_unique<ui::ProgramView>(lesson_->program());
    lesson_->program().start();
    lesko_ = &lesson_->program().lesko();
    main_ = view_->viewOf(*lesko_);
    QVERIFY(main_ && main_->window());
    QVERIFY(QTest::qWaitForWindowExposed(main_->window()));
}

void ViewMainWindow::cleanup()
{
    view_.reset();
    lesson_.reset();
}

void ViewMainWindow::theWindowShowsTheLesson()
{
    QMainWindow* w = main_->window();
    QCOMPARE(w->windowTitle(), lesko_->Caption());
    QCOMPARE(w->centralWidget()->width(), ui::FormView::toPixels(11880));
    QStringList menus;
    for (QAction* a : w->menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus, QStringList({u"Изход"_s, u"Фокус"_s, u"Цвят/шрифт"_s, u"Задачи/Речник"_s, u"Информация за урока"_s,
                                 u"Автори"_s}));
    auto* topic = qobject_cast<QPlainTextEdit*>(main_->widgetFor(lesko_->Text_U[Lesko::TopicBox]));
    QVERIFY(topic);
    QCOMPARE(topic->toPlainText(), u"Функционална релация"_s);
    QCOMPARE(topic->toolTip(), u" Тема на урока"_s);
    QCOMPARE(topic->geometry(), QRect(ui::FormView::toPixels(1150), ui::FormView::toPixels(160),
                                      ui::FormView::toPixels(10000), ui::FormView::toPixels(900)));
    QVERIFY(!main_->widgetFor(lesko_->Text_U[Lesko::FocusBuffer])->isVisible());
}

void ViewMainWindow::resizingTheWindowMovesTheWidgets()
{
    QWidget* plan = main_->widgetFor(lesko_->List_Ur[Lesko::PlanList]);
    const QRect before = plan->geometry();
    QMainWindow* w = main_->window();
    w->resize(w->width() * 2, w->height());
    QTRY_COMPARE(w->centralWidget()->width(), 2 * ui::FormView::toPixels(11880));
    QTRY_VERIFY(qAbs(plan->x() - 2 * before.x()) <= 1);
    QVERIFY(qAbs(plan->width() - 2 * before.width()) <= 1);
    QCOMPARE(plan->y(), before.y());
    QVERIFY(qAbs(lesko_->Width() - 2 * 11880.0) < 1);
}

void ViewMainWindow::clickingAPlanEntryShowsItsText()
{
    auto* plan = qobject_cast<QListWidget*>(main_->widgetFor(lesko_->List_Ur[Lesko::PlanList]));
    QVERIFY(plan);
    const QRect entry = plan->visualItemRect(plan->item(1));
    QTest::mouseClick(plan->viewport(), Qt::LeftButton, {}, entry.center());
    QCOMPARE(lesko_->List_Ur[Lesko::PlanList].ListIndex(), 1);
    auto* content = qobject_cast<QPlainTextEdit*>(main_->widgetFor(lesko_->Text_U[Lesko::ContentBox]));
    QVERIFY(content->toPlainText().startsWith(u"2. Тестване на програмата"_s));
    QVERIFY(content->isReadOnly());
}

// Pressed on one row and released on another: the list, the text and the
// highlight all follow the row of the release.
void ViewMainWindow::theChoiceIsWhereTheButtonIsReleased()
{
    auto* plan = qobject_cast<QListWidget*>(main_->widgetFor(lesko_->List_Ur[Lesko::PlanList]));
    QTest::mousePress(plan->viewport(), Qt::LeftButton, {}, plan->visualItemRect(plan->item(0)).center());
    QTest::mouseMove(plan->viewport(), plan->visualItemRect(plan->item(2)).center());
    QTest::mouseRelease(plan->viewport(), Qt::LeftButton, {}, plan->visualItemRect(plan->item(2)).center());
    QCOMPARE(lesko_->List_Ur[Lesko::PlanList].ListIndex(), 2);
    QTRY_COMPARE(plan->currentRow(), 2);
    QCOMPARE(lesko_->Item_Time[0], qint16(3));
}

void ViewMainWindow::aRightClickNeverChooses()
{
    auto* plan = qobject_cast<QListWidget*>(main_->widgetFor(lesko_->List_Ur[Lesko::PlanList]));
    QTest::mouseClick(plan->viewport(), Qt::LeftButton, {}, plan->visualItemRect(plan->item(1)).center());
    QCOMPARE(lesko_->List_Ur[Lesko::PlanList].ListIndex(), 1);
    const QString text = lesko_->Text_U[Lesko::ContentBox].Text();
    QTest::mouseClick(plan->viewport(), Qt::RightButton, {}, plan->visualItemRect(plan->item(3)).center());
    QTest::qWait(50);
    QCOMPARE(lesko_->List_Ur[Lesko::PlanList].ListIndex(), 1);
    QCOMPARE(plan->currentRow(), 1);
    QCOMPARE(lesko_->Text_U[Lesko::ContentBox].Text(), text);
}

void ViewMainWindow::ribbonsShowWhileAPointIsRead()
{
    lesko_->List_Ur[Lesko::PlanList].userClick(0);
    for (int i = 0; i < 10; ++i)
        lesko_->Timer1_Timer();
    QWidget* left = main_->widgetFor(lesko_->Shape_Lenta[Lesko::TimeLeftRibbon]);
    QWidget* used = main_->widgetFor(lesko_->Shape_Lenta[Lesko::TimeUsedRibbon]);
    QVERIFY(left->isVisible() && used->isVisible());
    QCOMPARE(left->height(), ui::FormView::toPixels(lesko_->Shape_Lenta[Lesko::TimeLeftRibbon].Height()));
    QCOMPARE(left->palette().color(QPalette::Window), QColor(192, 192, 0));
    QVERIFY(!main_->window()->menuBar()->actions().at(3)->isEnabled());  // "Задачи/Речник" locked
}

namespace {

// Right-clicks at pos of widget and returns the title of the pop-up menu that
// opened, if any (the menu is closed again).
QString popupAfterRightClick(QWidget* widget, QPoint pos)
{
    QString seen;
    QTimer::singleShot(200, [&seen] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            if (auto* menu = qobject_cast<QMenu*>(popup))
                seen = menu->actions().value(0) ? menu->actions().value(0)->text() : u"?"_s;
            popup->close();
        }
    });
    QTest::mousePress(widget, Qt::RightButton, {}, pos);
    QTest::mouseRelease(widget, Qt::RightButton, {}, pos);
    QTest::qWait(300);
    return seen;
}

}  // namespace

void ViewMainWindow::rightClickOnTheSurfaceOnlyPopsUpTheInformationMenu()
{
    QWidget* surface = main_->surface();
    QCOMPARE(popupAfterRightClick(surface, QPoint(ui::FormView::toPixels(600), ui::FormView::toPixels(7800))),
             u"Допълнителен материал"_s);
    auto* content = qobject_cast<QPlainTextEdit*>(main_->widgetFor(lesko_->Text_U[Lesko::ContentBox]));
    QVERIFY(popupAfterRightClick(content->viewport(), QPoint(20, 20)) != u"Допълнителен материал"_s);
}

void ViewMainWindow::menuCaptionsShowTheirAmpersand()
{
    QAction* literature = main_->actionFor(lesko_->Sydyrv_pla[Lesko::ReferencesItem]);
    QVERIFY(literature);
    QCOMPARE(literature->text(), u"Използвана литература && Internet site"_s);
    QCOMPARE(literature->iconText(), u"Използвана литература & Internet site"_s);
}

QTEST_MAIN(ViewMainWindow)
#include "view_main_window.moc"
