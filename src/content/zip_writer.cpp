#include "content/zip_writer.h"

#include <zlib.h>

namespace content {

namespace {

constexpr quint16 Stored = 0;
constexpr quint16 Deflated = 8;
constexpr quint16 VersionNeeded = 20;                 // 2.0: deflate
constexpr quint16 VersionMadeBy = (3 << 8) | 20;      // Unix, 2.0
constexpr quint32 FileMode = quint32(0100644) << 16;  // a regular file, rw-r--r--
constexpr quint16 DosDate = (0 << 9) | (1 << 5) | 1;  // 1980-01-01, the first date a zip can hold
constexpr quint16 DosTime = 0;

void put16(QByteArray& out, quint16 v)
{
    out.append(char(v & 0xff));
    out.append(char(v >> 8));
}

void put32(QByteArray& out, quint32 v)
{
    put16(out, quint16(v & 0xffff));
    put16(out, quint16(v >> 16));
}

// Raw deflate (no zlib header), as zip stores it; empty when zlib fails.
QByteArray deflated(const QByteArray& data)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))), Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    const bool done = deflate(&stream, Z_FINISH) == Z_STREAM_END;
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return done ? out : QByteArray();
}

// The fields the local header and the central directory share, from the
// version needed on.
void putCommonFields(QByteArray& out, quint16 method, quint32 crc, quint32 storedSize, quint32 size, qsizetype nameSize)
{
    put16(out, VersionNeeded);
    put16(out, 0);  // flags
    put16(out, method);
    put16(out, DosTime);
    put16(out, DosDate);
    put32(out, crc);
    put32(out, storedSize);
    put32(out, size);
    put16(out, quint16(nameSize));
    put16(out, 0);  // extra field length
}

}  // namespace

void ZipWriter::add(const QString& path, const QByteArray& data)
{
    Entry e;
    e.name = path.toUtf8();
    e.crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
    e.size = quint32(data.size());
    const QByteArray packed = deflated(data);
    const bool deflate = !packed.isEmpty() && packed.size() < data.size();
    e.method = deflate ? Deflated : Stored;
    e.storedSize = quint32(deflate ? packed.size() : data.size());
    e.offset = quint32(body_.size());

    put32(body_, 0x04034b50);  // local file header
    putCommonFields(body_, e.method, e.crc, e.storedSize, e.size, e.name.size());
    body_.append(e.name);
    body_.append(deflate ? packed : data);
    entries_.append(e);
}

QByteArray ZipWriter::archive() const
{
    QByteArray directory;
    for (const Entry& e : entries_) {
        put32(directory, 0x02014b50);  // central directory header
        put16(directory, VersionMadeBy);
        putCommonFields(directory, e.method, e.crc, e.storedSize, e.size, e.name.size());
        put16(directory, 0);  // comment length
        put16(directory, 0);  // disk number
        put16(directory, 0);  // internal attributes
        put32(directory, FileMode);
        put32(directory, e.offset);
        directory.append(e.name);
    }
    QByteArray out = body_ + directory;
    put32(out, 0x06054b50);  // end of central directory
    put16(out, 0);           // this disk
    put16(out, 0);           // the disk the directory starts on
    put16(out, quint16(entries_.size()));
    put16(out, quint16(entries_.size()));
    put32(out, quint32(directory.size()));
    put32(out, quint32(body_.size()));
    put16(out, 0);  // comment length
    return out;
}

}  // namespace content
