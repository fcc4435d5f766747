#include "content/codepage.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace content {

namespace {
constexpr const char* CodePage = "windows-1251";
}

QByteArray toWindows1251(const QString& text)
{
    QStringEncoder encoder(CodePage);
    Q_ASSERT(encoder.isValid());
    QByteArray whole = encoder.encode(text);
    if (!encoder.hasError())
        return whole;
    // Encode character by character, so each one that does not fit becomes "?".
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype len = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringEncoder single(CodePage);  // its error flag tells about this character alone
        const QByteArray one = single.encode(QStringView(text).mid(i, len));
        out += single.hasError() ? QByteArray("?") : one;
        i += len;
    }
    return out;
}

QString fromWindows1251(const QByteArray& bytes)
{
    QStringDecoder decoder(CodePage);
    return decoder.decode(bytes);
}

bool fitsWindows1251(const QString& text)
{
    QStringEncoder encoder(CodePage);
    (void)QByteArray(encoder.encode(text));
    return !encoder.hasError();
}

qsizetype characterCount(const QString& text) { return QStringView(text).toUcs4().size(); }

}  // namespace content
