#pragma once

#include "app/program.h"
#include "ui/dispatcher.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>

namespace ui {

class FormView;

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
    void placeBesideMain(QMainWindow& window);

    app::Program& program_;
    Dispatcher dispatcher_;
    QHash<const forms::Form*, FormView*> views_;
    // Views of unloaded windows, deleted by the event loop or, at the end, here.
    std::vector<QPointer<FormView>> retired_;
};

}  // namespace ui
