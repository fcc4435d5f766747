#pragma once

#include "forms/colour.h"

#include <QString>

namespace forms {

// Properties a view may need to refresh after a change.
enum class Property {
    Geometry,
    Visible,
    Enabled,
    Text,  // Text of a text box, Caption of a label, window or menu item
    Items,
    ListIndex,
    Locked,
    BackColor,
    ForeColor,
    Font,
    ToolTip,
    Picture,
    Value,
    Cursor,      // the caret line of a text box
    Accessible,  // accessible name or description
};

enum class Kind {
    Form,
    ListBox,
    TextBox,
    Label,
    PictureBox,
    Shape,
    MenuItem,
    Timer,
    Slider,
    OptionButton,
    CommandButton
};

class Control;

// The view listens to its controls through this interface.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void controlChanged(Control& control, Property property) = 0;
};

// A toolkit-neutral control. Geometry is in twips (1/1440 inch), colours are
// colour numbers. Every change notifies the observer, if any.
class Control {
public:
    Control(Kind kind, QString name, int index = -1);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Kind kind() const { return kind_; }
    const QString& name() const { return name_; }
    int index() const { return index_; }  // member number in its array, -1 for a single control
    QString qualifiedName() const;        // "Text_U(1)"
    // Members of a control array are built first and named afterwards.
    void setIdentity(QString name, int index)
    {
        name_ = std::move(name);
        index_ = index;
    }

    double Left() const { return left_; }
    double Top() const { return top_; }
    double Width() const { return width_; }
    double Height() const { return height_; }
    void Move(double left, double top, double width, double height);
    void setLeft(double v) { Move(v, top_, width_, height_); }
    void setTop(double v) { Move(left_, v, width_, height_); }
    void setWidth(double v) { Move(left_, top_, v, height_); }
    void setHeight(double v) { Move(left_, top_, width_, v); }

    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);

    Colour BackColor() const { return backColor_; }
    void setBackColor(Colour c);
    Colour ForeColor() const { return foreColor_; }
    void setForeColor(Colour c);

    const QString& FontName() const { return fontName_; }
    void setFontName(const QString& name);
    double FontSize() const { return fontSize_; }
    void setFontSize(double points);

    const QString& ToolTipText() const { return toolTip_; }
    void setToolTipText(const QString& text);

    // What a screen reader says for a control with no tool tip or caption that
    // tells what it is. For a label the name leads its caption ("Оставащо
    // време: 42"), so a label that shows a value is read with its meaning.
    const QString& accessibleName() const { return accessibleName_; }
    void setAccessibleName(const QString& name);
    const QString& accessibleDescription() const { return accessibleDescription_; }
    void setAccessibleDescription(const QString& text);

    void setObserver(ControlObserver* observer) { observer_ = observer; }
    ControlObserver* observer() const { return observer_; }

protected:
    void notify(Property p)
    {
        if (observer_)
            observer_->controlChanged(*this, p);
    }

private:
    Kind kind_;
    QString name_;
    int index_;
    double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    Colour backColor_ = system_colour::WindowBackground;
    Colour foreColor_ = system_colour::WindowText;
    QString fontName_ = QStringLiteral("Times New Roman");
    double fontSize_ = 12;
    QString toolTip_;
    QString accessibleName_;
    QString accessibleDescription_;
    ControlObserver* observer_ = nullptr;
};

}  // namespace forms
