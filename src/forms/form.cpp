#include "forms/form.h"

namespace forms {

static QString key(const QString& name, int index) { return name + u'#' + QString::number(index); }

void ControlSet::add(Control& c)
{
    controls_.push_back(&c);
    byName_.insert(key(c.name(), c.index()), &c);
}

Control* ControlSet::find(const QString& name, int index) const { return byName_.value(key(name, index), nullptr); }

Form::Form(QString name) : Control(Kind::Form, std::move(name)) { setVisible(false); }

void Form::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    notify(Property::Text);
}

void Form::PopupMenu(MenuItem& menu)
{
    if (formObserver_)
        formObserver_->popupRequested(*this, menu);
}

void Form::announce(const QString& message)
{
    if (formObserver_)
        formObserver_->announced(*this, message);
}

}  // namespace forms
