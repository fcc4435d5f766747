#include "content/numbers.h"

#include <cmath>
#include <limits>

namespace content {

namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Length of the number at the start of text (after blanks were skipped), 0 if none.
qsizetype numberLength(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

QStringView skipBlanks(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    return text.mid(i);
}

double parse(QStringView number)
{
    bool ok = false;
    const double v = number.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

template <typename T>
T roundTo(double value)
{
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value);  // the default rounding mode: ties to even
    if (r <= double(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (r >= double(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return T(r);
}

}  // namespace

double leadingNumber(QStringView text)
{
    const QStringView rest = skipBlanks(text);
    const qsizetype len = numberLength(rest);
    return len ? parse(rest.first(len)) : 0.0;
}

std::optional<double> strictNumber(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    const qsizetype len = numberLength(trimmed);
    if (len == 0 || len != trimmed.size())
        return std::nullopt;
    bool ok = false;
    const double v = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

int flagValue(QStringView text) { return !text.isEmpty() && isDigit(text[0]) ? text[0].unicode() - u'0' : 0; }

QString numberText(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    if (value == std::trunc(value) && std::fabs(value) < 1e15)
        return QString::number(qint64(value));
    QString s = QString::number(value, 'g', 15);
    if (s.contains(u'e'))
        return s.toUpper();
    return s;
}

QString basicStr(double value)
{
    QString s = numberText(value);
    if (s.startsWith(u"0."))
        s.remove(0, 1);
    else if (s.startsWith(u"-0."))
        s.remove(1, 1);
    return value < 0 ? s : u' ' + s;
}

qint16 roundToInt16(double value) { return roundTo<qint16>(value); }
qint32 roundToInt32(double value) { return roundTo<qint32>(value); }

}  // namespace content
