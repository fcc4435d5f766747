#include "content/config_file.h"

#include <QtEndian>
#include <algorithm>

namespace content {

std::optional<ConfigRecords> parseConfig(const QByteArray& bytes)
{
    if (bytes.size() != ConfigFileSize)
        return std::nullopt;
    ConfigRecords records;
    const uchar* p = reinterpret_cast<const uchar*>(bytes.constData());
    for (int r = 0; r < ConfigRecordCount; ++r) {
        const uchar* rec = p + r * ConfigRecordSize;
        for (int i = 0; i < ConfigSlots; ++i)
            records[r].Values[i] = qFromLittleEndian<qint16>(rec + 2 * i);
        records[r].Count = qFromLittleEndian<qint32>(rec + ConfigCountOffset);
        std::copy_n(rec + ConfigReservedOffset, records[r].Reserved.size(), records[r].Reserved.begin());
    }
    return records;
}

QByteArray serialiseConfig(const ConfigRecords& records)
{
    QByteArray bytes(ConfigFileSize, '\0');
    uchar* p = reinterpret_cast<uchar*>(bytes.data());
    for (int r = 0; r < ConfigRecordCount; ++r) {
        uchar* rec = p + r * ConfigRecordSize;
        for (int i = 0; i < ConfigSlots; ++i)
            qToLittleEndian<qint16>(records[r].Values[i], rec + 2 * i);
        qToLittleEndian<qint32>(records[r].Count, rec + ConfigCountOffset);
        std::copy(records[r].Reserved.begin(), records[r].Reserved.end(), rec + ConfigReservedOffset);
    }
    return bytes;
}

}  // namespace content
