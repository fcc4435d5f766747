#pragma once

#include "forms/form.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QHelpEvent;
class QMenuBar;
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
    // The form is about to be destroyed: from now on the view never touches it
    // again. Observers are cleared, timers stopped, the widgets' signals cut and
    // the window hidden; what remains are Qt objects only, which the owner
    // deletes later.
    void detach();
    bool detached() const { return detached_; }
    QMainWindow* window() { return window_; }  // null until the form is first shown
    // The client area the controls sit on; it scrolls inside the window when
    // the window is smaller than the form.
    QWidget* surface() const { return surface_; }
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
    void announced(forms::Form& form, const QString& message) override;

    void build();
    void buildMenus();
    QWidget* createWidget(forms::Control& control);
    QWidget* createLineField(forms::TextBox& box);
    QAction* createAction(forms::MenuItem& item);
    void createTimer(forms::Timer& timer);
    void refresh(forms::Control& control, forms::Property property);
    void refreshWidget(forms::Control& control, QWidget& w, forms::Property property);
    void refreshFormWindow(forms::Property property);
    void applyFormSize();
    void setTabOrder();
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool menuBarToolTip(QMenuBar& bar, QHelpEvent& event);
    bool listMouseEvent(forms::ListBox& list, QWidget& viewport, QEvent& event);

    // What the window reports.
    void windowResized();
    bool windowClosing();

    forms::Form& form_;
    Dispatcher& dispatcher_;
    QPointer<QMainWindow> window_;
    QWidget* surface_ = nullptr;
    QWidget* announcer_ = nullptr;
    QHash<const forms::Control*, QWidget*> widgets_;
    QHash<const forms::Control*, QAction*> actions_;
    QHash<const forms::Control*, QTimer*> timers_;
    QHash<QObject*, forms::Control*> controlOf_;
    bool syncing_ = false;
    bool followingWindow_ = false;  // the form takes the size the user gave the window
    bool detached_ = false;
};

}  // namespace ui
