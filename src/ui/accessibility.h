#pragma once

#include "forms/control.h"

#include <QWidget>

// What screen readers learn of a form's widgets: names and descriptions from
// the controls' own texts, ribbons as progress bars, announcements.
namespace ui::accessibility {

// The caption of a label, button, menu item or window; empty for other
// controls.
QString captionOf(const forms::Control& c);

// The name a screen reader says for the control: the name the window gave it,
// else what a picture shows, else its tool tip, else its caption. A label with
// a given name reads "name: caption".
QString nameOf(const forms::Control& control);
// The description: the one the window gave, else the tool tip when the name
// came from elsewhere.
QString descriptionOf(const forms::Control& control);

// A shape: a filled rectangle that a screen reader reads as a progress bar
// once its control carries a share (forms::Shape::ProgressValue).
class ShapeWidget : public QWidget {
public:
    int progress() const { return progress_; }
    void setProgress(int percent);

private:
    int progress_ = -1;
};

// Registers the accessible interface of ShapeWidget; call before any is shown.
void installInterfaces();

// Tells a screen reader of message at once: the window's announcer (an empty,
// unpainted label) takes it as its name and raises an alert.
void announce(QWidget& announcer, const QString& message);

}  // namespace ui::accessibility
