#pragma once

#include "content/result.h"

#include <QDate>
#include <QStringView>
#include <limits>

// What a teacher types for the class configuration, each rule once: the setup
// window and lesko_config show the reason as it stands, after what it was
// typed for ("Задача 3: …", "--limit 3=…: …").
namespace setup {

// The longest time and the largest reading factor a value of the file holds.
constexpr int MaxSeconds = std::numeric_limits<qint16>::max();  // 546:07
constexpr int MaxReadingFactor = std::numeric_limits<qint16>::max();

// A task's hint time or time limit: mm:ss or seconds, 00:00 to 546:07.
content::Result<qint16> parseTaskTime(QStringView text);
// A plan point's reading factor: a whole number from 0 to 32767.
content::Result<qint16> parseReadingFactor(QStringView text);
// A difficulty: one digit.
content::Result<int> parseDifficulty(QStringView text);
// A number of tasks from 1 to most.
content::Result<int> parseTaskCount(QStringView text, int most);

// The version as the caption shows it ("0.97", "0,97"), in hundredths.
content::Result<qint32> parseVersion(QStringView text);
content::Result<qint32> versionHundredths(double version);

// A release date: ГГГГ-ММ-ДД, ГГГГ/ММ/ДД or ГГГГММДД, as the file's number.
content::Result<qint32> parseDate(QStringView text);
qint32 dateNumber(QDate date);
// The date of the file's number; invalid when it is no real date.
QDate dateOfNumber(qint32 number);

}  // namespace setup
