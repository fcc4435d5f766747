#include "forms/control.h"

namespace forms {

Control::Control(Kind kind, QString name, int index) : kind_(kind), name_(std::move(name)), index_(index) {}

QString Control::qualifiedName() const { return index_ < 0 ? name_ : name_ + u'(' + QString::number(index_) + u')'; }

void Control::Move(double left, double top, double width, double height)
{
    if (left == left_ && top == top_ && width == width_ && height == height_)
        return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    notify(Property::Geometry);
}

void Control::setVisible(bool v)
{
    if (v == visible_)
        return;
    visible_ = v;
    notify(Property::Visible);
}

void Control::setEnabled(bool v)
{
    if (v == enabled_)
        return;
    enabled_ = v;
    notify(Property::Enabled);
}

void Control::setBackColor(Colour c)
{
    if (c == backColor_)
        return;
    backColor_ = c;
    notify(Property::BackColor);
}

void Control::setForeColor(Colour c)
{
    if (c == foreColor_)
        return;
    foreColor_ = c;
    notify(Property::ForeColor);
}

void Control::setFontName(const QString& name)
{
    if (name == fontName_)
        return;
    fontName_ = name;
    notify(Property::Font);
}

void Control::setFontSize(double points)
{
    if (points == fontSize_ || !(points > 0))
        return;
    fontSize_ = points;
    notify(Property::Font);
}

void Control::setToolTipText(const QString& text)
{
    if (text == toolTip_)
        return;
    toolTip_ = text;
    notify(Property::ToolTip);
}

void Control::setAccessibleName(const QString& name)
{
    if (name == accessibleName_)
        return;
    accessibleName_ = name;
    notify(Property::Accessible);
}

void Control::setAccessibleDescription(const QString& text)
{
    if (text == accessibleDescription_)
        return;
    accessibleDescription_ = text;
    notify(Property::Accessible);
}

}  // namespace forms
