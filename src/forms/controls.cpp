#include "forms/controls.h"

#include <algorithm>

namespace forms {

void ListBox::setList(int i, const QString& text)
{
    if (i < 0)
        return;
    while (items_.size() <= i)
        items_.append(QString());
    if (items_.at(i) == text)
        return;
    items_[i] = text;
    notify(Property::Items);
}

void ListBox::AddItem(const QString& text)
{
    if (sorted_) {
        auto at = std::upper_bound(items_.begin(), items_.end(), text, [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        items_.insert(at, text);
    } else {
        items_.append(text);
    }
    notify(Property::Items);
}

void ListBox::RemoveItem(int i)
{
    if (i < 0 || i >= items_.size())
        return;
    items_.removeAt(i);
    if (listIndex_ >= items_.size() || listIndex_ == i)
        listIndex_ = -1;
    else if (listIndex_ > i)
        --listIndex_;
    notify(Property::Items);
}

void ListBox::Clear()
{
    items_.clear();
    listIndex_ = -1;
    notify(Property::Items);
}

void ListBox::setItems(const QStringList& items)
{
    items_ = items;
    listIndex_ = -1;
    notify(Property::Items);
}

void ListBox::setListIndex(int i)
{
    if (i == listIndex_ || i < -1 || i >= items_.size())
        return;
    listIndex_ = i;
    notify(Property::ListIndex);
    if (i >= 0 && onClick)
        onClick();
}

void ListBox::userClick(int i)
{
    if (i < 0 || i >= items_.size() || !Enabled())
        return;
    if (i != listIndex_) {
        listIndex_ = i;
        notify(Property::ListIndex);
    }
    if (onClick)
        onClick();
}

void TextBox::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    notify(Property::Text);
    if (onChange)
        onChange();
}

void TextBox::setCursorLine(int line)
{
    cursorLine_ = line;
    notify(Property::Cursor);
}

void TextBox::setLocked(bool locked)
{
    if (locked == locked_)
        return;
    locked_ = locked;
    notify(Property::Locked);
}

void Label::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    notify(Property::Text);
}

void PictureBox::setPicture(const forms::Picture& p)
{
    if (p.sameAs(picture_))
        return;
    picture_ = p;
    notify(Property::Picture);
}

void MenuItem::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    notify(Property::Text);
}

void CommandButton::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    notify(Property::Text);
}

void Slider::setValue(int v)
{
    v = std::clamp(v, min_, max_);
    if (v == value_)
        return;
    value_ = v;
    notify(Property::Value);
}

void Slider::userMoved(int v)
{
    v = std::clamp(v, min_, max_);
    value_ = v;
    if (onScroll)
        onScroll();
}

void Shape::setProgressValue(int percent)
{
    if (percent == progress_)
        return;
    progress_ = percent;
    notify(Property::Value);
}

int percentOf(double part, double whole)
{
    if (!(whole > 0))
        return 0;
    return int(std::clamp(part * 100.0 / whole, 0.0, 100.0) + 0.5);
}

void OptionButton::setValue(bool v)
{
    if (v == value_)
        return;
    value_ = v;
    if (v && group) {
        for (OptionButton* other : *group)
            if (other != this)
                other->setValue(false);
    }
    notify(Property::Value);
}

void OptionButton::userClick()
{
    setValue(true);
    if (onClick)
        onClick();
}

}  // namespace forms

#include "forms/members.h"

namespace forms {

ListBox& noList()
{
    static ListBox none;
    none.Clear();
    return none;
}

TextBox& noText()
{
    static TextBox none;
    none.setText({});
    return none;
}

}  // namespace forms
