#pragma once

#include <QString>

// Task lines a lesson may store encoded. Each Windows-1251 code of the line is
// XOR-ed with a key that cycles through twelve values, the result is reversed
// and one filler character is put in front of it.
namespace content {

// What the lesson-preparing tool stores for a plain line. A character the code
// page cannot hold is encoded as "?".
QString encodeTaskLine(const QString& plain);

// The plain line of a stored one. An empty stored line gives an empty text.
QString decodeTaskLine(const QString& stored);

}  // namespace content
