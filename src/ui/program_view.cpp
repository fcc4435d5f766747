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
        view->onFirstShow = [this, &form](QMainWindow& w) { placeNewWindow(form, w); };
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

QPoint besideWindow(const QRect& opener, const QSize& size, const QRect& screen)
{
    const QPoint right(opener.x() + opener.width() + 8, opener.y());
    const QPoint below(opener.x(), opener.y() + opener.height() + 8);
    if (screen.isNull() || screen.contains(QRect(right, size)))
        return right;
    if (screen.contains(QRect(below, size)))
        return below;
    return {std::max(screen.left(), screen.right() + 1 - size.width()), opener.top()};
}

// A window the lesson opens appears beside the window it is opened from: the
// main window, or while that is hidden the window standing in for it (the
// workbench). A window that stands in for the main window, or one opened when
// neither is on show, takes the main window's place.
void ProgramView::placeNewWindow(const forms::Form& form, QMainWindow& window)
{
    const QWidget* main = windowOfForm([](const forms::Form& f) { return f.name() == u"Lesko"; });
    if (!main)
        return;
    const QWidget* opener =
        main->isVisible() ? main : windowOfForm([](const forms::Form& f) { return f.standsInForMainWindow; });
    if (form.standsInForMainWindow || !opener || !opener->isVisible()) {
        window.move(main->frameGeometry().topLeft());
        return;
    }
    window.move(besideWindow(opener->frameGeometry(), window.size(),
                             opener->screen() ? opener->screen()->availableGeometry() : QRect()));
}

const QWidget* ProgramView::windowOfForm(const std::function<bool(const forms::Form&)>& which) const
{
    for (FormView* v : std::as_const(views_))
        if (which(v->form()) && v->window())
            return v->window();
    return nullptr;
}

}  // namespace ui
