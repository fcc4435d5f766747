#include "checker/diagnostics.h"

#include <QRegularExpression>

namespace checker {

namespace {

// The compiler quotes with typographic marks in some locales.
QString plainQuotes(QString text) { return text.replace(u'\u2018', u'\'').replace(u'\u2019', u'\''); }

bool containsAny(const QString& text, std::initializer_list<const char16_t*> parts)
{
    for (const char16_t* part : parts)
        if (text.contains(QStringView(part)))
            return true;
    return false;
}

// "main.cpp:4:5: error: expected ';' before 'return'"
const QRegularExpression& located()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^[^:]+:(\d+):(\d+): (fatal error|error|warning|note): (.*)$)"));
    return pattern;
}

// A line with no place that still reports an error: the linker's.
bool isLinkerError(const QString& line)
{
    return line.contains(u"undefined reference") || line.contains(u"multiple definition") ||
           line.startsWith(u"collect2: error");
}

}  // namespace

QList<Diagnostic> parseDiagnostics(const QByteArray& compilerErrors, int max)
{
    QList<Diagnostic> found;
    bool lastWasError = false;
    for (const QString& raw : QString::fromUtf8(compilerErrors).split(u'\n')) {
        const QString line = plainQuotes(raw.trimmed());
        const QRegularExpressionMatch m = located().match(line);
        if (m.hasMatch() && m.captured(3) == u"note") {
            if (lastWasError)
                found.last().notes << m.captured(4);
            continue;
        }
        lastWasError = m.hasMatch() ? m.captured(3).endsWith(u"error") : isLinkerError(line);
        if (!lastWasError)
            continue;
        Diagnostic d;
        if (m.hasMatch()) {
            d.line = m.captured(1).toInt();
            d.column = m.captured(2).toInt();
            d.message = m.captured(4);
        } else {
            d.message = line;
        }
        found << d;
    }
    found = found.mid(0, max);
    for (Diagnostic& d : found)
        d.explanation = explainError(d.message, d.notes);
    return found;
}

QString explainError(const QString& message, const QStringList& notes)
{
    static const QRegularExpression includeHint(QStringLiteral("#include <([^>]+)>"));
    const QRegularExpressionMatch hint = includeHint.match(notes.join(u'\n') + u'\n' + message);
    if (hint.hasMatch())
        return QStringLiteral("Липсва #include <%1> в началото на програмата.").arg(hint.captured(1));
    if (containsAny(message, {u"expected '}'", u"expected '{'", u"expected declaration before '}'",
                              u"expected unqualified-id before '}'"}))
        return QStringLiteral("Липсва фигурна скоба: всяка „{“ трябва да има своя „}“.");
    if (containsAny(message, {u"expected ';'", u"or ';'", u"expected initializer before"}))
        return QStringLiteral("Липсва „;“ в края на оператора (често на предишния ред).");
    static const QRegularExpression undeclared(QStringLiteral("'([^']+)' (was not|has not been) declared"));
    const QRegularExpressionMatch name = undeclared.match(message);
    if (name.hasMatch())
        return QStringLiteral(
                   "Името „%1“ не е обявено: проверете изписването (главни и малки букви) и дали е "
                   "обявено преди да се използва.")
            .arg(name.captured(1));
    if (containsAny(message, {u"cannot convert", u"invalid conversion", u"conversion from", u"no match for",
                              u"invalid operands"}))
        return QStringLiteral("Несъответствие на типове: стойността не е от типа, който се очаква тук.");
    if (message.contains(u"undefined reference to `main'"))
        return QStringLiteral("Липсва функцията main.");
    return {};
}

QString compilerText(const QList<Diagnostic>& diagnostics)
{
    QStringList lines;
    for (const Diagnostic& d : diagnostics) {
        lines << (d.line > 0 ? QStringLiteral("%1:%2: error: %3").arg(d.line).arg(d.column).arg(d.message) : d.message);
        for (const QString& note : d.notes)
            lines << u"    note: " + note;
    }
    return lines.join(u'\n');
}

}  // namespace checker
