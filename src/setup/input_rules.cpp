#include "setup/input_rules.h"

#include "setup/class_configuration.h"

#include <cmath>
#include <optional>

using namespace Qt::StringLiterals;

namespace setup {

namespace {

std::optional<qint64> integerIn(QStringView text, qint64 low, qint64 high)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok && v >= low && v <= high ? std::optional(v) : std::nullopt;
}

content::Result<qint32> notAVersion() { return content::Result<qint32>::failure(u"очаква се число като 0.97."_s); }

}  // namespace

content::Result<qint16> parseTaskTime(QStringView text)
{
    const std::optional<int> seconds = parseMinutesSeconds(text);
    if (!seconds || *seconds > MaxSeconds)
        return content::Result<qint16>::failure(u"очаква се време мм:сс или секунди; „"_s + text.toString() +
                                                u"“ не е време от 00:00 до "_s + minutesSeconds(MaxSeconds) + u"."_s);
    return qint16(*seconds);
}

content::Result<qint16> parseReadingFactor(QStringView text)
{
    const std::optional<qint64> factor = integerIn(text, 0, MaxReadingFactor);
    if (!factor)
        return content::Result<qint16>::failure(u"множителят е цяло число от 0 до "_s +
                                                QString::number(MaxReadingFactor) + u"."_s);
    return qint16(*factor);
}

content::Result<int> parseDifficulty(QStringView text)
{
    const std::optional<qint64> digit = integerIn(text, 0, 9);
    if (!digit)
        return content::Result<int>::failure(u"нивото на трудност е цифра от 0 до 9."_s);
    return int(*digit);
}

content::Result<int> parseTaskCount(QStringView text, int most)
{
    const std::optional<qint64> count = integerIn(text, 1, most);
    if (!count)
        return content::Result<int>::failure(u"очаква се число от 1 до "_s + QString::number(most) + u"."_s);
    return int(*count);
}

content::Result<qint32> parseVersion(QStringView text)
{
    bool ok = false;
    const double version = text.toString().replace(u',', u'.').toDouble(&ok);
    return ok ? versionHundredths(version) : notAVersion();
}

content::Result<qint32> versionHundredths(double version)
{
    if (!std::isfinite(version) || version < 0 || version * 100 > std::numeric_limits<qint32>::max())
        return notAVersion();
    return qint32(std::llround(version * 100));
}

content::Result<qint32> parseDate(QStringView text)
{
    for (const QString& form : {u"yyyy-MM-dd"_s, u"yyyy/MM/dd"_s, u"yyyyMMdd"_s}) {
        const QDate date = QDate::fromString(text.trimmed().toString(), form);
        if (date.isValid())
            return dateNumber(date);
    }
    return content::Result<qint32>::failure(u"очаква се истинска дата ГГГГ-ММ-ДД или ГГГГММДД."_s);
}

qint32 dateNumber(QDate date) { return qint32(date.year() * 10000 + date.month() * 100 + date.day()); }

QDate dateOfNumber(qint32 number) { return QDate::fromString(QString::number(number), u"yyyyMMdd"_s); }

}  // namespace setup
