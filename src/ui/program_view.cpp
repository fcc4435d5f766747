#include "ui/program_view.h"

#include "ui/form_view.h"

#include <QGuiApplication>
#include <QScreen>

namespace ui {

ProgramView::ProgramView(app::Program& program) : program_(program), dispatcher_(program)
{
    program_.setObserver(this);
}

ProgramView::~ProgramView()
{
    program_.setObserver(nullptr);
    qDeleteAll(views_);
    for (const QPointer<FormView>& view : retired_)
        delete view.data();
}

FormView* ProgramView::viewOf(const forms::Form& form) const { return views_.value(&form); }

void ProgramView::formLoaded(forms::Form& form)
{
    if (form.name() == u"Lesko_Dis")
        return;  // data only, never shown
    auto* view = new FormView(form, dispatcher_);
    if (form.name() != u"Lesko")
        view->onFirstShow = [this](QMainWindow& w) { placeBesideMain(w); };
    views_.insert(&form, view);
}

void ProgramView::formUnloaded(forms::Form& form)
{
    // Announce, detach, then delete: the form goes once the running handler
    // returns, the Qt objects when the event loop gets back to them.
    if (FormView* view = views_.take(&form)) {
        view->detach();
        view->deleteLater();
        std::erase_if(retired_, [](const QPointer<FormView>& v) { return v.isNull(); });
        retired_.emplace_back(view);
    }
}

// A window the lesson opens appears beside the main window where the screen
// has room, otherwise over its right part; in place of the main window when
// that is hidden.
void ProgramView::placeBesideMain(QMainWindow& window)
{
    FormView* main = nullptr;
    for (FormView* v : std::as_const(views_))
        if (v->form().name() == u"Lesko")
            main = v;
    if (!main || !main->window())
        return;
    const QRect lesson = main->window()->frameGeometry();
    if (!main->window()->isVisible()) {
        window.move(lesson.topLeft());
        return;
    }
    const QRect screen = main->window()->screen() ? main->window()->screen()->availableGeometry() : QRect();
    const QSize size = window.size();
    QPoint at(lesson.right() + 8, lesson.top());
    if (!screen.isNull() && at.x() + size.width() > screen.right())
        at.setX(std::max(screen.left(), screen.right() - size.width()));
    window.move(at);
}

}  // namespace ui
