#include "ui/colours.h"

namespace ui {

namespace {

// The palette role that stands for a system colour (its low byte).
QPalette::ColorRole systemRole(int index)
{
    switch (index) {
        case 1:   // desktop
        case 4:   // menu bar
        case 12:  // application workspace
        case 15:  // button face
        case 22:  // 3D light
            return index == 15 || index == 22 ? QPalette::Button : QPalette::Window;
        case 5:  // window background
            return QPalette::Base;
        case 7:  // menu text
            return QPalette::WindowText;
        case 8:  // window text
            return QPalette::Text;
        case 13:  // highlight
            return QPalette::Highlight;
        case 14:  // highlighted text
            return QPalette::HighlightedText;
        case 16:  // button shadow
            return QPalette::Mid;
        case 17:  // grey text
            return QPalette::PlaceholderText;
        case 18:  // button text
            return QPalette::ButtonText;
        case 20:  // button highlight
            return QPalette::Light;
        case 21:  // 3D dark shadow
            return QPalette::Shadow;
        case 23:  // tool tip text
            return QPalette::ToolTipText;
        case 24:  // tool tip background
            return QPalette::ToolTipBase;
        default:
            return QPalette::Window;
    }
}

}  // namespace

QColor toQColor(forms::Colour colour, const QPalette& palette)
{
    if (forms::isSystemColour(colour))
        return palette.color(QPalette::Active, systemRole(colour & 0xFF));
    return QColor(forms::redOf(colour), forms::greenOf(colour), forms::blueOf(colour));
}

}  // namespace ui
