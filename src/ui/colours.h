#pragma once

#include "forms/colour.h"

#include <QColor>
#include <QPalette>

namespace ui {

// A colour number as Qt shows it; system colours come from the palette.
QColor toQColor(forms::Colour colour, const QPalette& palette);

}  // namespace ui
