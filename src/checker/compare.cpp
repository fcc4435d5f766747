#include "checker/compare.h"

namespace checker {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\f' || c == u'\v'; }

QString withoutTrailingBlanks(const QString& line)
{
    qsizetype end = line.size();
    while (end > 0 && isBlank(line.at(end - 1)))
        --end;
    return line.left(end);
}

QString withoutSpacing(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (QChar c : text)
        if (!isBlank(c) && c != u'\n')
            kept.append(c);
    return kept;
}

}  // namespace

QStringList comparedLines(const QString& text)
{
    QStringList lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    for (QString& line : lines)
        line = withoutTrailingBlanks(line);
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

Comparison compareOutputs(const QString& expected, const QString& got)
{
    const QStringList want = comparedLines(expected);
    const QStringList have = comparedLines(got);
    Comparison result;
    if (want == have) {
        result.equal = true;
        return result;
    }
    qsizetype i = 0;
    while (i < want.size() && i < have.size() && want.at(i) == have.at(i))
        ++i;
    result.firstDifferentLine = int(i) + 1;
    result.onlySpacing = withoutSpacing(expected) == withoutSpacing(got);
    return result;
}

}  // namespace checker
