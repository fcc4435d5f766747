#pragma once

#include <QByteArray>
#include <array>
#include <optional>

// The class's lesson configuration file: 600 bytes, six records of 100 bytes,
// little-endian. A record holds forty 16-bit values, a 32-bit count and 16
// reserved bytes.
namespace content {

struct ConfigRecord {
    std::array<qint16, 40> Values{};
    qint32 Count = 0;
};

using ConfigRecords = std::array<ConfigRecord, 6>;

constexpr int ConfigRecordSize = 100;
constexpr int ConfigFileSize = 6 * ConfigRecordSize;

// Null unless bytes is exactly one whole file.
std::optional<ConfigRecords> parseConfig(const QByteArray& bytes);
QByteArray serialiseConfig(const ConfigRecords& records);

// Remainder with the sign of the dividend, as the lesson's configuration tool
// computes it (-3 mod 2 = -1).
constexpr int basicMod(int value, int divisor) { return value % divisor; }

}  // namespace content
