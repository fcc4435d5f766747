#pragma once

#include "forms/controls.h"

#include <QHash>
#include <functional>
#include <span>
#include <vector>

namespace forms {

// Named controls, found by name and member number. A window registers the
// controls it shows; a data store registers hidden lists that outlive it.
class ControlSet {
public:
    void add(Control& c);
    template <typename T, std::size_t N>
    void add(std::array<T, N>& members, int first = 0)
    {
        for (std::size_t i = first; i < N; ++i)
            add(members[i]);
    }
    Control* find(const QString& name, int index) const;
    const std::vector<Control*>& controls() const { return controls_; }

private:
    std::vector<Control*> controls_;
    QHash<QString, Control*> byName_;
};

class Form;

// Requests a window makes of its view beyond property changes.
class FormObserver {
public:
    virtual ~FormObserver() = default;
    virtual void popupRequested(Form& form, MenuItem& menu) = 0;
    // Something the user should hear of at once, whatever has the focus.
    virtual void announced(Form& /*form*/, const QString& /*message*/) {}
};

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// A window. Width and Height are its client area in twips; the window frame
// and menu bar lie outside them.
class Form : public Control, public ControlSet {
public:
    explicit Form(QString name);

    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);
    void setSize(double width, double height) { Move(Left(), Top(), width, height); }
    double ScaleWidth() const { return Width(); }
    double ScaleHeight() const { return Height(); }

    void Show() { setVisible(true); }
    void Hide() { setVisible(false); }

    // The menu bar, in order.
    void addMenu(MenuItem& item) { menus_.push_back(&item); }
    const std::vector<MenuItem*>& menus() const { return menus_; }

    // Shows a menu as a pop-up at the mouse; returns once it has closed.
    void PopupMenu(MenuItem& menu);
    void setFormObserver(FormObserver* o) { formObserver_ = o; }

    // Tells a screen reader's user of an event they cannot see: a hint or a
    // solution released, a time run out.
    void announce(const QString& message);

    // What the view reports about the window itself.
    virtual void Form_Resize() {}
    virtual void Form_MouseDown(MouseButton, double /*x*/, double /*y*/) {}
    // The user closes the window by its frame. Returns true when the window
    // may disappear. Unless the window decides otherwise, it is discarded.
    virtual bool Form_QueryClose()
    {
        if (discard)
            discard();
        return true;
    }
    // How the window's owner discards it.
    std::function<void()> discard;

    // The window lays itself out anew in Form_Resize, so it fits a window of
    // any size; any other window scrolls in a window smaller than itself.
    bool followsWindowSize = false;
    // The window replaces the main window while it is open (the main window is
    // hidden): it opens in the main window's place, and the windows opened
    // from it open beside it.
    bool standsInForMainWindow = false;

private:
    QString caption_;
    std::vector<MenuItem*> menus_;
    FormObserver* formObserver_ = nullptr;
};

}  // namespace forms
