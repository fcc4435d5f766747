#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// How the lesson reads and writes the numbers it keeps in its lists as text.
namespace content {

// Skips leading blanks and reads the longest prefix that is a number (optional
// sign, digits, a point as decimal separator, optional exponent). No number
// gives 0.
double leadingNumber(QStringView text);

// The whole text, blanks around it aside, must be a number.
std::optional<double> strictNumber(QStringView text);

// A flag item is read by its first character: a digit is the flag's value,
// anything else (blank, letter, sign, nothing) is 0.
int flagValue(QStringView text);

// A number as Basic's Str writes it: a leading blank when not negative, no 0
// before the point of a value below 1, no trailing zeros (0.96 -> " .96").
QString basicStr(double value);

// The plain decimal text of a number: "15", "-1", "2987.6".
QString numberText(double value);

// Nearest whole number, ties to even, kept inside the target type's range.
qint16 roundToInt16(double value);
qint32 roundToInt32(double value);

}  // namespace content
