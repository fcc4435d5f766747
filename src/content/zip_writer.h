#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace content {

// Builds a zip archive in memory: every file deflated, or stored where
// deflating does not make it smaller, with its CRC-32 and one fixed time
// stamp, so the same files always give the same bytes. No zip64: the archive
// stays under 4 GiB and 65535 files.
class ZipWriter {
public:
    // Adds a file under a path with forward slashes ("funkr01/problem.yaml").
    void add(const QString& path, const QByteArray& data);
    // The files added so far, followed by the central directory.
    QByteArray archive() const;

private:
    struct Entry {
        QByteArray name;
        quint32 crc = 0;
        quint32 size = 0;
        quint32 storedSize = 0;
        quint16 method = 0;  // 0 stored, 8 deflated
        quint32 offset = 0;
    };
    QByteArray body_;
    QList<Entry> entries_;
};

}  // namespace content
