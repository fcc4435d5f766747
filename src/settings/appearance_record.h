#pragma once

#include "forms/colour.h"

#include <QString>

namespace app {
class Program;
}
namespace forms {
class ListBox;
}

// The appearance record: the 19 text items of the workbench's hidden list
// List_Un(2) that carry the shared font and the four colours. Colour k is
// item 3 + 4k, followed by its red, green and blue parts.
namespace appearance {

constexpr int FontNameItem = 1;
constexpr int FontSizeItem = 2;

// The four colours, in the order of the settings window's option buttons.
enum ColourChoice { FormBack = 0, TextBack = 1, TextColour = 2, ButtonBack = 3 };
constexpr int ColourCount = 4;

constexpr int colourItem(int k) { return 3 + 4 * k; }
// Item of component c (0 red, 1 green, 2 blue) of colour k.
constexpr int componentItem(int k, int c) { return colourItem(k) + 1 + c; }

forms::ListBox& record(app::Program& program);

// An item read as a whole number; text that is no number reads as 0.
qint32 wholeNumber(const forms::ListBox& record, int item);
forms::Colour colourAt(const forms::ListBox& record, ColourChoice k);

// A colour as the record stores it: plain decimal, no leading blank.
QString colourText(forms::Colour colour);

// A font size in points as the record stores it: a point as decimal
// separator and at most four fraction digits, none when whole ("12", "9.75").
QString fontSizeText(double points);
// The stored font size, read back by the leading-number rule.
double fontSize(const forms::ListBox& record);

}  // namespace appearance
