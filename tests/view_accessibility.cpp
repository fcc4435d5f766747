// What a screen reader finds in each window: the accessibility tree of the
// real widgets against a table of roles and names, names on every control the
// keyboard reaches, Tab in the order of the controls, the menus from the
// keyboard, the ribbons as progress bars and the announcements as alerts.
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "aux_windows/lesko_zad.h"
#include "settings/cwiat.h"
#include "support/workbench_lesson.h"
#include "ui/form_view.h"
#include "ui/program_view.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QApplication>
#include <QMenuBar>
#include <QTest>

using namespace testing_support;
using namespace testing_support::workbench_lesson;

namespace {

// Every window of the lesson, shown the way the lesson shows it.
forms::Form& showWindow(app::Program& program, const QString& name)
{
    if (name == u"Lesko_n") {
        program.lesko().mnu_Wyprosi_Click();
        return program.lesko_n();
    }
    if (name == u"Lesko_Gra") {
        Lesko_Gra& gra = program.lesko_Gra();
        gra.showFullSize(gra.Grafika_G[11].Picture(), 0, 0);
        return gra;
    }
    forms::Form& form = name == u"Cwiat"        ? static_cast<forms::Form&>(program.cwiat())
                        : name == u"Lesko_Zad"  ? static_cast<forms::Form&>(program.lesko_Zad())
                        : name == u"Lesko_Glos" ? static_cast<forms::Form&>(program.lesko_Glos())
                                                : static_cast<forms::Form&>(program.lesko());
    form.Show();
    return form;
}

// The accessible object of that name, searched for down the tree from root.
QAccessibleInterface* findInTree(QAccessibleInterface* root, const QString& objectName)
{
    if (!root)
        return nullptr;
    if (root->object() && root->object()->objectName() == objectName)
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface* found = findInTree(root->child(i), objectName))
            return found;
    return nullptr;
}

bool offscreen() { return QGuiApplication::platformName() == u"offscreen"; }

struct Heard {
    QAccessible::Event type;
    QString name;
};
QList<Heard> heard;

void recordEvent(QAccessibleEvent* event)
{
    QAccessibleInterface* iface = event->accessibleInterface();
    heard.append({event->type(), iface ? iface->text(QAccessible::Name) : QString()});
}

}  // namespace

class ViewAccessibility : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void theTreeHasTheExpectedRolesAndNames_data();
    void theTreeHasTheExpectedRolesAndNames();
    void everyControlTheKeyboardReachesHasAName_data();
    void everyControlTheKeyboardReachesHasAName();
    void tabFollowsTheWorkbenchFromTopToBottom();
    void theMenuBarOpensFromTheKeyboard();
    void aRibbonIsReadAsAProgressBar();
    void aReleasedHintIsAnnounced();

private:
    std::unique_ptr<TestLesson> lesson_;
    std::unique_ptr<ui::ProgramView> view_;
    ui::FormView* shown(const QString& window)
    {
        forms::Form& form = showWindow(lesson_->program(), window);
        ui::FormView* v = view_->viewOf(form);
        return v && v->window() && QTest::qWaitForWindowExposed(v->window()) ? v : nullptr;
    }
};

void ViewAccessibility::init()
{
    // Events reach the spy only while accessibility is on: in the session of
    // atspi_session.sh the bridge turns it on once the event loop has run;
    // offscreen it stays off and the event tests skip.
    if (!offscreen())
        QTRY_VERIFY(QAccessible::isActive());
    QAccessible::installUpdateHandler(recordEvent);
    heard.clear();
    lesson_ = std::make_unique<TestLesson>();
    view_ = std::make_unique<ui::ProgramView>(lesson_->program());
    startWorkbenchLesson(*lesson_);
}

void ViewAccessibility::cleanup()
{
    view_.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    lesson_.reset();
    QAccessible::installUpdateHandler(nullptr);
}

void ViewAccessibility::theTreeHasTheExpectedRolesAndNames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addRow("lesson: plan") << u"Lesko"_s << u"List_Ur(0)"_s << QAccessible::List
                                  << u"План на урока - точка/подточка"_s;
    QTest::addRow("lesson: topic") << u"Lesko"_s << u"Text_U(0)"_s << QAccessible::EditableText << u"Тема на урока"_s;
    QTest::addRow("lesson: plan caption") << u"Lesko"_s << u"Label_U(0)"_s << QAccessible::StaticText << u"План"_s;
    QTest::addRow("lesson: reading time ribbon")
        << u"Lesko"_s << u"Shape_Lenta(0)"_s << QAccessible::ProgressBar << u"Оставащо време за четене"_s;
    QTest::addRow("lesson: plan ribbon") << u"Lesko"_s << u"Shape_Lenta(3)"_s << QAccessible::ProgressBar
                                         << u"Премината част от плана"_s;
    QTest::addRow("workbench: terms") << u"Lesko_n"_s << u"List_Un(0)"_s << QAccessible::List
                                      << u"Списък с използваната терминология"_s;
    QTest::addRow("workbench: tasks") << u"Lesko_n"_s << u"List_Un(1)"_s << QAccessible::List
                                      << u"Изберете от списъка желан номер въпрос/задача"_s;
    QTest::addRow("workbench: statement")
        << u"Lesko_n"_s << u"Text_Un(2)"_s << QAccessible::EditableText << u"Съдържание на въпроси/условия на задачи"_s;
    QTest::addRow("workbench: answer")
        << u"Lesko_n"_s << u"Text_Un(0)"_s << QAccessible::EditableText
        << u"В това поле се въвежда от обучавания отговора на поставения въпрос/задача"_s;
    QTest::addRow("workbench: clock") << u"Lesko_n"_s << u"Chasownik_Label(0)"_s << QAccessible::StaticText
                                      << u"Оставащо време в секунди"_s;
    QTest::addRow("viewer: the sieve") << u"Lesko_Gra"_s << u"Grafika_G(0)"_s << QAccessible::Graphic
                                       << u"Решето на Ератостен: простите числа до 100."_s;
    QTest::addRow("settings: red") << u"Cwiat"_s << u"Slider1(0)"_s << QAccessible::Slider
                                   << u"Промяна на стойн остта на червената съставка"_s;
    QTest::addRow("settings: first option")
        << u"Cwiat"_s << u"Option1(0)"_s << QAccessible::RadioButton << u"За настройване цвета на фона на формата"_s;
    QTest::addRow("settings: fonts") << u"Cwiat"_s << u"List_font(0)"_s << QAccessible::List
                                     << u"Определя избрания шрифт"_s;
    QTest::addRow("enlarged text: sizes")
        << u"Lesko_Zad"_s << u"List_font"_s << QAccessible::List << u"Изберете желан размер на шрифта"_s;
    QTest::addRow("chooser: levels") << u"Lesko_Glos"_s << u"Wremena(3)"_s << QAccessible::List
                                     << u"Описва във възходящ ред сложността на задачите"_s;
}

void ViewAccessibility::theTreeHasTheExpectedRolesAndNames()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    ui::FormView* v = shown(window);
    QVERIFY(v);
    QAccessibleInterface* found = findInTree(QAccessible::queryAccessibleInterface(v->window()), control);
    QVERIFY2(found, qPrintable(control + u" is not in the tree of "_s + window));
    QCOMPARE(found->role(), role);
    QCOMPARE(found->text(QAccessible::Name), name);
}

void ViewAccessibility::everyControlTheKeyboardReachesHasAName_data()
{
    QTest::addColumn<QString>("window");
    for (const QString& w : {u"Lesko"_s, u"Lesko_n"_s, u"Lesko_Gra"_s, u"Cwiat"_s, u"Lesko_Zad"_s, u"Lesko_Glos"_s})
        QTest::addRow("%s", qPrintable(w)) << w;
}

void ViewAccessibility::everyControlTheKeyboardReachesHasAName()
{
    QFETCH(QString, window);
    ui::FormView* v = shown(window);
    QVERIFY(v);
    int reached = 0;
    for (QWidget* w : v->surface()->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(v->window()) || !(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty())
            continue;
        ++reached;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
        QVERIFY2(iface && !iface->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(w->objectName()));
    }
    QVERIFY(reached > 0 || window == u"Lesko_Gra");
}

void ViewAccessibility::tabFollowsTheWorkbenchFromTopToBottom()
{
    ui::FormView* v = shown(u"Lesko_n"_s);
    QVERIFY(v);
    v->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(v->window()));
    Lesko_n& bench = lesson_->program().lesko_n();
    v->widgetFor(bench.Picture_Un[Lesko_n::ItemPicture])->setFocus();
    QStringList order;
    for (int i = 0; i < 8; ++i) {
        order << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(order, QStringList({u"Picture_Un(0)"_s, u"List_Un(0)"_s, u"Text_Un(1)"_s, u"List_Un(1)"_s, u"Text_Un(2)"_s,
                                 u"Text_Un(4)"_s, u"Text_Un(3)"_s, u"Text_Un(0)"_s}));
}

void ViewAccessibility::theMenuBarOpensFromTheKeyboard()
{
    ui::FormView* v = shown(u"Lesko"_s);
    QVERIFY(v);
    v->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(v->window()));
    QMenuBar* bar = v->window()->menuBar();
    QTest::keyClick(v->window(), Qt::Key_F10);
    QVERIFY(bar->activeAction());
    QCOMPARE(bar->activeAction()->text(), u"Изход"_s);
    QTest::keyClick(bar, Qt::Key_Right);
    QCOMPARE(bar->activeAction()->text(), u"Фокус"_s);
    QTest::keyClick(bar, Qt::Key_Escape);
}

void ViewAccessibility::aRibbonIsReadAsAProgressBar()
{
    ui::FormView* v = shown(u"Lesko"_s);
    QVERIFY(v);
    Lesko& lesko = lesson_->program().lesko();
    lesko.List_Ur[Lesko::PlanList].userClick(0);
    const int halfTime = 10 * lesko.Item_Time[1] / 2;
    for (int i = 0; i < halfTime; ++i)
        lesko.Timer1_Timer();
    QAccessibleInterface* ribbon =
        QAccessible::queryAccessibleInterface(v->widgetFor(lesko.Shape_Lenta[Lesko::TimeLeftRibbon]));
    QVERIFY(ribbon && ribbon->valueInterface());
    const int left = lesko.Shape_Lenta[Lesko::TimeLeftRibbon].ProgressValue();
    QVERIFY2(left >= 45 && left <= 55, qPrintable(QString::number(left)));
    QCOMPARE(ribbon->valueInterface()->currentValue().toInt(), left);
    QCOMPARE(ribbon->valueInterface()->maximumValue().toInt(), 100);
    QCOMPARE(ribbon->text(QAccessible::Value), QString::number(left) + u'%');
    if (offscreen())
        QSKIP("accessibility is off offscreen: no events to hear (run by view_accessibility_atspi)");
    const bool valueEvent = std::any_of(heard.begin(), heard.end(), [](const Heard& h) {
        return h.type == QAccessible::ValueChanged && h.name == u"Оставащо време за четене"_s;
    });
    QVERIFY(valueEvent);
}

void ViewAccessibility::aReleasedHintIsAnnounced()
{
    ui::FormView* v = shown(u"Lesko_n"_s);
    QVERIFY(v);
    Lesko_n& bench = lesson_->program().lesko_n();
    QVERIFY(bench.Text_Un[Lesko_n::HintBox].Text().isEmpty());
    heard.clear();
    while (bench.Text_Un[Lesko_n::HintBox].Text().isEmpty() && !bench.Text_Un[Lesko_n::AnswerBox].Locked())
        bench.Timer_n_Timer();
    QAccessibleInterface* announcer = findInTree(QAccessible::queryAccessibleInterface(v->window()), u"announcement"_s);
    QVERIFY(announcer);
    QCOMPARE(announcer->text(QAccessible::Name), u"Имате достъп до допълнително упътване."_s);
    // The clock is read with its meaning.
    QAccessibleInterface* clock =
        QAccessible::queryAccessibleInterface(v->widgetFor(bench.Chasownik_Label[Lesko_n::ClockLabel]));
    QCOMPARE(clock->text(QAccessible::Name),
             u"Оставащо време в секунди: "_s + bench.Chasownik_Label[Lesko_n::ClockLabel].Caption());
    if (offscreen())
        QSKIP("accessibility is off offscreen: no events to hear (run by view_accessibility_atspi)");
    const bool alert = std::any_of(heard.begin(), heard.end(), [](const Heard& h) {
        return h.type == QAccessible::Alert && h.name == u"Имате достъп до допълнително упътване."_s;
    });
    QVERIFY(alert);
}

QTEST_MAIN(ViewAccessibility)
#include "view_accessibility.moc"
