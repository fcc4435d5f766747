#include "ui/accessibility.h"

#include "forms/controls.h"
#include "forms/form.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace ui::accessibility {

using forms::Kind;

QString captionOf(const forms::Control& c)
{
    switch (c.kind()) {
        case Kind::Label:
            return static_cast<const forms::Label&>(c).Caption();
        case Kind::MenuItem:
            return static_cast<const forms::MenuItem&>(c).Caption();
        case Kind::CommandButton:
            return static_cast<const forms::CommandButton&>(c).Caption();
        case Kind::Form:
            return static_cast<const forms::Form&>(c).Caption();
        default:
            return {};
    }
}

namespace {

QString pictureDescription(const forms::Control& c)
{
    return c.kind() == Kind::PictureBox ? static_cast<const forms::PictureBox&>(c).Picture().description() : QString();
}

// A shape as a progress bar: its name and description are the widget's, its
// value the share the control carries.
class ShapeInterface : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ShapeInterface(ShapeWidget* w) : QAccessibleWidget(w, QAccessible::ProgressBar) {}

    QAccessible::Role role() const override
    {
        return shape()->progress() < 0 ? QAccessible::Graphic : QAccessible::ProgressBar;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value && shape()->progress() >= 0)
            return QString::number(shape()->progress()) + u'%';
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface && shape()->progress() >= 0)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return shape()->progress(); }
    void setCurrentValue(const QVariant&) override {}  // shown, never set by the user
    QVariant maximumValue() const override { return 100; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

private:
    ShapeWidget* shape() const { return static_cast<ShapeWidget*>(widget()); }
};

QAccessibleInterface* shapeFactory(const QString&, QObject* object)
{
    if (auto* shape = dynamic_cast<ShapeWidget*>(object))
        return new ShapeInterface(shape);
    return nullptr;
}

}  // namespace

QString nameOf(const forms::Control& c)
{
    const QString tip = c.ToolTipText().trimmed();
    const QString caption = captionOf(c);
    if (!c.accessibleName().isEmpty())
        return c.kind() == Kind::Label && !caption.isEmpty() ? c.accessibleName() + u": " + caption
                                                             : c.accessibleName();
    if (const QString shows = pictureDescription(c); !shows.isEmpty())
        return shows;
    if (c.kind() == Kind::Label && !caption.isEmpty())
        return caption;
    return tip.isEmpty() ? caption : tip;
}

QString descriptionOf(const forms::Control& c)
{
    if (!c.accessibleDescription().isEmpty())
        return c.accessibleDescription();
    const QString tip = c.ToolTipText().trimmed();
    return nameOf(c) == tip ? QString() : tip;
}

void ShapeWidget::setProgress(int percent)
{
    if (percent == progress_)
        return;
    progress_ = percent;
    if (percent >= 0) {
        QAccessibleValueChangeEvent event(this, percent);
        QAccessible::updateAccessibility(&event);
    }
}

void installInterfaces()
{
    static const bool installed = [] {
        QAccessible::installFactory(shapeFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void announce(QWidget& announcer, const QString& message)
{
    announcer.setAccessibleName(message);  // raises NameChanged itself
    QAccessibleEvent alert(&announcer, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}  // namespace ui::accessibility
