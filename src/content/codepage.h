#pragma once

#include <QByteArray>
#include <QString>

namespace content {

// Text as the files the lesson writes hold it: Windows-1251. A character the
// code page cannot hold is written as "?"; the rest stays intact.
QByteArray toWindows1251(const QString& text);
QString fromWindows1251(const QByteArray& bytes);
bool fitsWindows1251(const QString& text);

// Characters as the student typed them: one outside the Basic Multilingual
// Plane counts once, not as its two UTF-16 halves.
qsizetype characterCount(const QString& text);

}  // namespace content
