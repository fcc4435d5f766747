#pragma once

#include "program/program.h"
#include "ui/dispatcher.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

namespace ui {

class FormView;

// Where a new window of this size goes beside the window it is opened from:
// to its right or below it where the screen has room, otherwise over its
// right part, within the screen.
QPoint besideWindow(const QRect& opener, const QSize& size, const QRect& screen);

// Keeps one view for every window the program has loaded, from its creation
// until it is unloaded.
class ProgramView : public app::ProgramObserver {
public:
    explicit ProgramView(app::Program& program);
    ~ProgramView() override;

    Dispatcher& dispatcher() { return dispatcher_; }
    FormView* viewOf(const forms::Form& form) const;

private:
    void formLoaded(forms::Form& form) override;
    void formUnloaded(forms::Form& form) override;
    void placeNewWindow(const forms::Form& form, QMainWindow& window);
    // The window of the first view whose form is the one asked for; null
    // when there is none or it has not been shown yet.
    const QWidget* windowOfForm(const std::function<bool(const forms::Form&)>& which) const;

    app::Program& program_;
    Dispatcher dispatcher_;
    QHash<const forms::Form*, FormView*> views_;
    // Views of unloaded windows, deleted by the event loop or, at the end, here.
    std::vector<QPointer<FormView>> retired_;
};

}  // namespace ui
