// Windows discarded through the real view: the user's own action unloads the
// window, the dispatcher releases it, and the event loop deletes the view.
// Nothing of the view may touch the released window (the sanitizer suite
// reports any use after free).
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "aux_windows/lesko_zad.h"
#include "main_window/lesko.h"
#include "settings/cwiat.h"
#include "support/lesson_files.h"
#include "support/scripted_services.h"
#include "ui/form_view.h"
#include "ui/program_view.h"
#include "workbench/lesko_n.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QPointer>
#include <QTest>

using namespace testing_support;
using namespace Qt::StringLiterals;

namespace {

struct Scene {
    TestLesson lesson;
    std::unique_ptr<ui::ProgramView> view;
    app::Program& program() { return lesson.program(); }

    // The view comes first, so every window the program loads gets its view.
    Scene() : view(std::make_unique<ui::ProgramView>(lesson.program()))
    {
        writeFile(lesson.path(u"FUNKR.UFG"_s), content::serialiseConfig(app::openLessonConfig(program())));
        program().start();
    }
    ~Scene() { view.reset(); }

    QMainWindow* windowOf(forms::Form& form)
    {
        ui::FormView* v = view->viewOf(form);
        return v ? v->window() : nullptr;
    }
    // Triggers a menu command of a shown window by its name, as a click does.
    bool trigger(forms::Form& form, const QString& action)
    {
        QMainWindow* w = windowOf(form);
        QAction* a = w ? w->findChild<QAction*>(action) : nullptr;
        if (!a || !a->isEnabled())
            return false;
        a->trigger();
        return true;
    }
};

using Step = std::function<forms::Form&(Scene&)>;
using Discard = std::function<void(Scene&, QMainWindow&)>;

void clickFirstEntry(QMainWindow& window, const QString& list)
{
    auto* w = window.findChild<QListWidget*>(list);
    QVERIFY2(w && w->count() > 0, qPrintable(list));
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, w->visualItemRect(w->item(0)).center());
}

forms::Form& openChooser(Scene& s)
{
    s.trigger(s.program().lesko(), u"mnu_Wyprosi"_s);
    s.trigger(s.program().lesko_n(), u"mnu_Tip_Wid"_s);
    return s.program().lesko_Glos();
}

forms::Form& openSettings(Scene& s)
{
    s.trigger(s.program().lesko(), u"mnu_Cwqt"_s);
    return s.program().cwiat();
}

forms::Form& openFocusView(Scene& s)
{
    s.trigger(s.program().lesko(), u"mnu_Fokus"_s);
    return s.program().lesko_Zad();
}

forms::Form& openViewer(Scene& s)
{
    Lesko_Gra& store = s.program().lesko_Gra();
    store.showFullSize(store.Grafika_G[1].Picture(), 100, 100);
    return store;
}

}  // namespace

class ViewWindowLifetime : public QObject {
    Q_OBJECT
private slots:
    void aDiscardedWindowTakesItsViewWithIt_data();
    void aDiscardedWindowTakesItsViewWithIt();
    void aReopenedWindowIsBuiltAfresh();
};

void ViewWindowLifetime::aDiscardedWindowTakesItsViewWithIt_data()
{
    QTest::addColumn<Step>("open");
    QTest::addColumn<Discard>("discard");
    const Discard byFrame = [](Scene&, QMainWindow& w) { w.close(); };
    const auto byMenu = [](const QString& action) {
        return Discard([action](Scene& s, QMainWindow&) { QVERIFY(s.trigger(s.program().cwiat(), action)); });
    };
    QTest::addRow("a click on a chooser entry")
        << Step(openChooser) << Discard([](Scene&, QMainWindow& w) { clickFirstEntry(w, u"Wremena(3)"_s); });
    QTest::addRow("the chooser closed by its frame") << Step(openChooser) << byFrame;
    QTest::addRow("\"Отказ\" in the settings") << Step(openSettings) << byMenu(u"mnu_Otkaz"_s);
    QTest::addRow("\"Запис\" in the settings") << Step(openSettings) << byMenu(u"mnu_zapis"_s);
    QTest::addRow("the settings closed by their frame") << Step(openSettings) << byFrame;
    QTest::addRow("the enlarged text closed by its frame") << Step(openFocusView) << byFrame;
    QTest::addRow("the picture viewer closed by its frame") << Step(openViewer) << byFrame;
}

void ViewWindowLifetime::aDiscardedWindowTakesItsViewWithIt()
{
    QFETCH(Step, open);
    QFETCH(Discard, discard);
    Scene s;
    forms::Form& form = open(s);
    const QString name = form.name();
    QPointer<QMainWindow> window = s.windowOf(form);
    QVERIFY2(window && window->isVisible(), qPrintable(name));
    discard(s, *window);
    QVERIFY(!s.program().isLoaded(name));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTRY_VERIFY(window.isNull());
    // The lesson goes on: its main window still answers.
    QVERIFY(s.trigger(s.program().lesko(), u"mnu_Fokus"_s) || !s.program().lesko().mnu_Fokus.Enabled());
}

void ViewWindowLifetime::aReopenedWindowIsBuiltAfresh()
{
    Scene s;
    for (int round = 0; round < 3; ++round) {
        QMainWindow* w = s.windowOf(openSettings(s));
        QVERIFY(w && w->isVisible());
        QVERIFY(s.trigger(s.program().cwiat(), u"mnu_Otkaz"_s));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY(!s.program().isLoaded(u"Cwiat"_s));
}

QTEST_MAIN(ViewWindowLifetime)
#include "view_window_lifetime.moc"
