#pragma once

#include "forms/control.h"
#include "forms/picture.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace forms {

using Handler = std::function<void()>;

// A list box. Setting ListIndex from code to another valid position runs the
// click handler at once; the same position, -1 or an invalid one runs nothing.
// A user's click always runs it, even on the entry already selected.
class ListBox : public Control {
public:
    explicit ListBox(QString name = {}, int index = -1) : Control(Kind::ListBox, std::move(name), index) {}

    int ListCount() const { return int(items_.size()); }
    QString List(int i) const { return i >= 0 && i < items_.size() ? items_.at(i) : QString(); }
    const QStringList& items() const { return items_; }
    // Replaces item i; a list shorter than that grows with empty items first.
    void setList(int i, const QString& text);
    void AddItem(const QString& text);
    void RemoveItem(int i);
    void Clear();
    void setItems(const QStringList& items);

    int ListIndex() const { return listIndex_; }
    void setListIndex(int i);
    QString Text() const { return List(listIndex_); }

    bool Sorted() const { return sorted_; }
    void setSorted(bool s) { sorted_ = s; }

    // The view reports a user's click on entry i.
    void userClick(int i);

    Handler onClick;

private:
    QStringList items_;
    int listIndex_ = -1;
    bool sorted_ = false;
};

class TextBox : public Control {
public:
    explicit TextBox(QString name = {}, int index = -1) : Control(Kind::TextBox, std::move(name), index) {}

    const QString& Text() const { return text_; }
    // Runs the change handler when the text changes.
    void setText(const QString& text);
    // The view reports what the user typed; the view is not notified back. A
    // locked box takes no typing.
    void userEdited(const QString& text)
    {
        if (locked_)
            return;
        text_ = text;
        if (onChange)
            onChange();
    }
    Handler onChange;
    // False for a box whose text must be typed: the view then refuses every
    // route of pasting (clipboard, selection, drag and drop).
    bool pasteAllowed = true;
    // A box of one line (a name, a class): the view shows a line field, whose
    // Enter key runs onEnter; set before the window is shown.
    bool singleLine = false;
    void userPressedEnter()
    {
        if (onEnter)
            onEnter();
    }
    Handler onEnter;

    // The line (from 1) the caret was last put on from code. Setting it moves
    // the caret to the start of that line and gives the box the keyboard focus.
    int CursorLine() const { return cursorLine_; }
    void setCursorLine(int line);

    bool Locked() const { return locked_; }
    void setLocked(bool locked);

    // The view reports that the box received the keyboard focus.
    void userFocused()
    {
        if (onGotFocus)
            onGotFocus();
    }
    Handler onGotFocus;

private:
    QString text_;
    bool locked_ = false;
    int cursorLine_ = 0;
};

class Label : public Control {
public:
    explicit Label(QString name = {}, int index = -1) : Control(Kind::Label, std::move(name), index) {}
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);
    bool centred = false;

private:
    QString caption_;
};

// A picture box. Stretch boxes scale their picture down to fit (keeping its
// proportions); the others draw it at its own size from the top left, clipped.
class PictureBox : public Control {
public:
    explicit PictureBox(QString name = {}, int index = -1) : Control(Kind::PictureBox, std::move(name), index) {}
    const forms::Picture& Picture() const { return picture_; }
    void setPicture(const forms::Picture& p);
    bool stretch = false;

    void userClick()
    {
        if (onClick)
            onClick();
    }
    Handler onClick;

private:
    forms::Picture picture_;
};

// A filled rectangle; its fill is the back colour. A shape that is part of a
// ribbon also carries the share it shows, in percent, for screen readers.
class Shape : public Control {
public:
    explicit Shape(QString name = {}, int index = -1) : Control(Kind::Shape, std::move(name), index) {}
    // -1 for a plain shape.
    int ProgressValue() const { return progress_; }
    void setProgressValue(int percent);

private:
    int progress_ = -1;
};

// The whole percent that part is of whole, 0 when there is no whole.
int percentOf(double part, double whole);

class MenuItem : public Control {
public:
    explicit MenuItem(QString name = {}, int index = -1) : Control(Kind::MenuItem, std::move(name), index) {}
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);

    void add(MenuItem& child) { children_.push_back(&child); }
    const std::vector<MenuItem*>& children() const { return children_; }
    // A key that runs the item, such as "F5"; set before the window is shown.
    QString shortcut;

    void userClick()
    {
        if (onClick && Enabled())
            onClick();
    }
    Handler onClick;

private:
    QString caption_;
    std::vector<MenuItem*> children_;
};

// A timer: the view runs a precise timer while it is enabled; tests call the
// tick handler directly.
class Timer : public Control {
public:
    explicit Timer(QString name = {}, int index = -1) : Control(Kind::Timer, std::move(name), index) {}
    int Interval() const { return interval_; }
    void setInterval(int ms) { interval_ = ms; }
    Handler onTimer;

private:
    int interval_ = 100;
};

// A horizontal slider. Setting Value from code never runs the scroll handler;
// the user's moves do.
class Slider : public Control {
public:
    explicit Slider(QString name = {}, int index = -1) : Control(Kind::Slider, std::move(name), index) {}
    int Min() const { return min_; }
    int Max() const { return max_; }
    void setRange(int lo, int hi)
    {
        min_ = lo;
        max_ = hi;
    }
    int Value() const { return value_; }
    void setValue(int v);
    void userMoved(int v);
    Handler onScroll;

private:
    int min_ = 0, max_ = 255, value_ = 0;
};

class OptionButton : public Control {
public:
    explicit OptionButton(QString name = {}, int index = -1) : Control(Kind::OptionButton, std::move(name), index) {}
    bool Value() const { return value_; }
    void setValue(bool v);
    void userClick();
    Handler onClick;
    std::vector<OptionButton*>* group = nullptr;  // buttons that exclude each other

private:
    bool value_ = false;
};

// A push button with a caption; the user's click runs its handler when it is
// enabled.
class CommandButton : public Control {
public:
    explicit CommandButton(QString name = {}, int index = -1) : Control(Kind::CommandButton, std::move(name), index) {}
    const QString& Caption() const { return caption_; }
    void setCaption(const QString& caption);
    void userClick()
    {
        if (onClick && Enabled())
            onClick();
    }
    Handler onClick;

private:
    QString caption_;
};

}  // namespace forms
