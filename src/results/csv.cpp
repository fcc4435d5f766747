#include "results/csv.h"

#include <QStringDecoder>

namespace results::csv {

namespace {

const QByteArray ByteOrderMark("\xEF\xBB\xBF");
constexpr QChar Separator = u';';
constexpr QChar Quote = u'"';
constexpr QStringView RowEnd = u"\r\n";

QString field(const QString& text)
{
    const bool needsQuotes =
        text.contains(Separator) || text.contains(Quote) || text.contains(u'\r') || text.contains(u'\n');
    if (!needsQuotes)
        return text;
    return Quote + QString(text).replace(Quote, QStringLiteral("\"\"")) + Quote;
}

// Reads rows field by field. A line break ends a row outside quotes only; a
// lone LF or a lone CR counts as a row end too, so a file saved again by an
// editor with other line ends still reads.
class Reader {
public:
    explicit Reader(QStringView text) : text_(text) {}

    content::Result<Rows> rows()
    {
        Rows rows;
        QStringList row;
        QString current;
        bool quoted = false;
        bool rowEnded = true;
        for (qsizetype i = 0; i < text_.size(); ++i) {
            const QChar c = text_[i];
            rowEnded = false;
            if (quoted) {
                if (c != Quote)
                    current += c;
                else if (i + 1 < text_.size() && text_[i + 1] == Quote)
                    current += text_[++i];
                else
                    quoted = false;
            } else if (c == Quote) {
                quoted = true;
            } else if (c == Separator) {
                row << std::exchange(current, QString());
            } else if (c == u'\n' || c == u'\r') {
                if (c == u'\r' && i + 1 < text_.size() && text_[i + 1] == u'\n')
                    ++i;
                row << std::exchange(current, QString());
                rows << std::exchange(row, QStringList());
                rowEnded = true;
            } else {
                current += c;
            }
        }
        if (quoted)
            return content::Result<Rows>::failure(QStringLiteral("незатворени кавички"));
        if (!rowEnded)
            return content::Result<Rows>::failure(QStringLiteral("последният ред е прекъснат"));
        return rows;
    }

private:
    QStringView text_;
};

}  // namespace

QByteArray document(const Rows& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += Separator;
            text += field(row[i]);
        }
        text += RowEnd;
    }
    return ByteOrderMark + text.toUtf8();
}

content::Result<Rows> parse(const QByteArray& bytes)
{
    if (!bytes.startsWith(ByteOrderMark))
        return content::Result<Rows>::failure(QStringLiteral("не е текст в UTF-8 с BOM"));
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(QByteArrayView(bytes).sliced(ByteOrderMark.size()));
    if (decoder.hasError())
        return content::Result<Rows>::failure(QStringLiteral("неправилен UTF-8"));
    return Reader(text).rows();
}

}  // namespace results::csv
