#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace checker {

// One error of the compiler, with the notes that came with it.
struct Diagnostic {
    int line = 0;  // 1-based; 0 when the error names no line (the linker's)
    int column = 0;
    QString message;  // the compiler's English text
    QStringList notes;
    QString explanation;          // a short Bulgarian explanation, empty when none fits
    QString header;               // the library header the error is in ("bits/stl_vector.h"); empty in the answer
    bool stoppedByLimit = false;  // the compiler was stopped by a limit
};

// The errors in what g++ wrote (without carets): "main.cpp:4:5: error: …" with
// the notes that follow it; the linker's errors have no line. An error inside
// a library header is placed at the answer's line that led to it, with the
// header named. A compiler stopped by a limit gives an error with no line.
// At most max.
QList<Diagnostic> parseDiagnostics(const QByteArray& compilerErrors, int max);
// A Bulgarian explanation of the most common errors: a missing semicolon,
// an undeclared name, a missing include, a type mismatch, a missing brace.
QString explainError(const QString& message, const QStringList& notes);
// The error of a compile the wall clock stopped.
Diagnostic compileStopped(int wallMs);
// Why a limit stopped the compiler, in Bulgarian.
QString stoppedExplanation(const QString& message);
// The errors as the compiler would print them: "3:5: error: …", notes below.
QString compilerText(const QList<Diagnostic>& diagnostics);

}  // namespace checker
