#pragma once

#include <QtGlobal>

namespace forms {

// A colour number: R + 256 G + 65536 B. A set top bit marks a system colour
// reference (its low byte names the system colour), so such values are negative.
using Colour = qint32;

constexpr Colour rgb(int red, int green, int blue)
{
    return Colour((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

constexpr bool isSystemColour(Colour c) { return c < 0; }
constexpr int redOf(Colour c) { return c & 0xFF; }
constexpr int greenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int blueOf(Colour c) { return (c >> 16) & 0xFF; }

// The system colours the program's windows use when nothing else is set.
namespace system_colour {
constexpr Colour ButtonFace = Colour(0x8000000F);
constexpr Colour WindowBackground = Colour(0x80000005);
constexpr Colour WindowText = Colour(0x80000008);  // -2147483640
}  // namespace system_colour

}  // namespace forms
