#pragma once

#include <QString>
#include <QStringList>

namespace checker {

// How a program's output compares with the expected output. Line ends CR LF
// and LF are the same, blanks at the end of a line and empty lines at the end
// are ignored; everything else counts, case included.
struct Comparison {
    bool equal = false;
    int firstDifferentLine = 0;  // 1-based; 0 when equal
    bool onlySpacing = false;    // equal once every blank and line break is removed
};

// The lines of an output as they are compared.
QStringList comparedLines(const QString& text);
Comparison compareOutputs(const QString& expected, const QString& got);

}  // namespace checker
