#pragma once

#include <QByteArray>
#include <array>
#include <optional>

// The class's lesson configuration file: 600 bytes, six records of 100 bytes,
// little-endian. A record holds forty 16-bit values, a 32-bit count and 16
// reserved bytes.
namespace content {

// Tasks, plan points and flags the file has room for: the values of a record.
constexpr int ConfigSlots = 40;

struct ConfigRecord {
    std::array<qint16, ConfigSlots> Values{};
    qint32 Count = 0;
    // Not read by the lesson; kept so that a file read and written back is
    // unchanged.
    std::array<quint8, 16> Reserved{};
};

constexpr int ConfigRecordCount = 6;
using ConfigRecords = std::array<ConfigRecord, ConfigRecordCount>;

constexpr int ConfigRecordSize = 100;
constexpr int ConfigFileSize = ConfigRecordCount * ConfigRecordSize;
constexpr int ConfigCountOffset = 2 * ConfigSlots;  // after the values
constexpr int ConfigReservedOffset = ConfigCountOffset + 4;

// Null unless bytes is exactly one whole file.
std::optional<ConfigRecords> parseConfig(const QByteArray& bytes);
QByteArray serialiseConfig(const ConfigRecords& records);

// The reading time of a plan point in seconds from its text's length and the
// factor of record 5 (hundredths of a second per character).
constexpr double readingSeconds(qint64 length, int factor) { return double(length * factor) / 100 + 2; }

// Remainder with the sign of the dividend, as the lesson's configuration tool
// computes it (-3 mod 2 = -1).
constexpr int basicMod(int value, int divisor) { return value % divisor; }

}  // namespace content
