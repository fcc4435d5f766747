#pragma once

#include "forms/form.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QMenu;
class QTimer;

namespace ui {

class Dispatcher;

// A Qt window that renders any form: each control becomes a standard widget
// at its twip position, kept in step with the control's properties, and what
// the user does goes back to the form's handlers.
class FormView : public QObject, private forms::ControlObserver, private forms::FormObserver {
    Q_OBJECT
public:
    FormView(forms::Form& form, Dispatcher& dispatcher);
    ~FormView() override;

    forms::Form& form() { return form_; }
    QMainWindow* window() { return window_; }  // null until the form is first shown
    QWidget* widgetFor(const forms::Control& control) const { return widgets_.value(&control); }
    QAction* actionFor(const forms::MenuItem& item) const { return actions_.value(&item); }

    // Twips to pixels and back, by the screen's logical resolution.
    static int toPixels(double twips);
    static double toTwips(int pixels);

    // Called once the window object exists, before it is first shown.
    std::function<void(QMainWindow&)> onFirstShow;

private:
    friend class FormWindow;
    void controlChanged(forms::Control& control, forms::Property property) override;
    void popupRequested(forms::Form& form, forms::MenuItem& menu) override;

    void build();
    void buildMenus();
    QWidget* createWidget(forms::Control& control);
    QAction* createAction(forms::MenuItem& item);
    void createTimer(forms::Timer& timer);
    void refresh(forms::Control& control, forms::Property property);
    void refreshWidget(forms::Control& control, QWidget& w, forms::Property property);
    void refreshFormWindow(forms::Property property);
    void applyFormSize();
    bool eventFilter(QObject* watched, QEvent* event) override;

    // What the window reports.
    void windowResized();
    bool windowClosing();

    forms::Form& form_;
    Dispatcher& dispatcher_;
    QPointer<QMainWindow> window_;
    QHash<const forms::Control*, QWidget*> widgets_;
    QHash<const forms::Control*, QAction*> actions_;
    QHash<const forms::Control*, QTimer*> timers_;
    QHash<QObject*, forms::Control*> controlOf_;
    bool syncing_ = false;
};

}  // namespace ui
