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

// "main.cpp:4:5: error: expected ';' before 'return'", or in a header:
// "/usr/include/c++/12/bits/stl_vector.h:408:7: error: …"
const QRegularExpression& located()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(.+?):(\d+):(\d+): (fatal error|error|warning|note): (.*)$)"));
    return pattern;
}

// The lines that tie an error in a header to the answer's line that led to
// it: "main.cpp:5:20:   required from here", "In file included from main.cpp:2:".
const QRegularExpression& answerContext()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(?:In file included )?from main\.cpp:(\d+)[:,]|^main\.cpp:(\d+):(\d+):\s+required from)"));
    return pattern;
}

// Lines that only say where the compiler was: they neither start nor end an
// error's notes.
bool isContext(const QString& line)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(In file included from |from |.*: In (instantiation of|function|member function|)"
                       R"(constructor|destructor|lambda|static member function|substitution of) |.*:\s+required )"
                       R"((from|by substitution)))"));
    return pattern.match(line).hasMatch();
}

// A line with no place that still reports an error: the linker's, or the
// assembler's about an asm statement ("/tmp/ccX.s:7: Error: …").
// Where the assembler says a line is: its temporary file ("/tmp/cc1.s:7: "),
// or "{standard input}:7: " when it reads the compiler's output from a pipe.
const QString AssemblerPlace = QStringLiteral(R"(^(?:\S+\.s|\{standard input\}):\d+: )");

bool isLinkerError(const QString& line)
{
    static const QRegularExpression assembler(AssemblerPlace + QStringLiteral("(Fatal )?[Ee]rror: "));
    return line.contains(u"undefined reference") || line.contains(u"multiple definition") ||
           line.startsWith(u"collect2: error") || assembler.match(line).hasMatch();
}

// The compiler's own words when a limit stopped it (never an answer's text:
// those lines carry no "main.cpp:line:" place).
bool isLimitMessage(const QString& line)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^(cc1plus: |g\+\+: |collect2: |as: |/usr/bin/ld: |virtual memory exhausted).*)"
        R"((out of memory|memory exhausted|Cannot allocate memory|Killed|terminated with signal|File size limit|CPU time limit|No space left))"));
    return pattern.match(line).hasMatch();
}

// The header's name as an include names it: "bits/stl_vector.h".
QString headerName(const QString& path)
{
    static const QRegularExpression include(QStringLiteral(R"(/include/(?:c\+\+/\d+/)?(?:x86_64-linux-gnu/)?(.+)$)"));
    const QRegularExpressionMatch m = include.match(path);
    return m.hasMatch() ? m.captured(1) : path.section(u'/', -1);
}

// The assembler's message without its place.
QString assemblerMessage(const QString& line)
{
    static const QRegularExpression place(AssemblerPlace);
    return QString(line).remove(place);
}

}  // namespace

QList<Diagnostic> parseDiagnostics(const QByteArray& compilerErrors, int max)
{
    QList<Diagnostic> found;
    bool lastWasError = false;
    int contextLine = 0, contextColumn = 0;
    for (const QString& raw : QString::fromUtf8(compilerErrors).split(u'\n')) {
        const QString line = plainQuotes(raw.trimmed());
        if (const QRegularExpressionMatch c = answerContext().match(line); c.hasMatch()) {
            contextLine = c.captured(1).isEmpty() ? c.captured(2).toInt() : c.captured(1).toInt();
            contextColumn = c.captured(3).toInt();
            continue;
        }
        if (isContext(line))
            continue;
        const QRegularExpressionMatch m = located().match(line);
        if (m.hasMatch() && m.captured(4) == u"note") {
            if (lastWasError)
                found.last().notes << m.captured(5);
            continue;
        }
        const bool stopped = !m.hasMatch() && isLimitMessage(line);
        lastWasError = m.hasMatch() ? m.captured(4).endsWith(u"error") : stopped || isLinkerError(line);
        if (!lastWasError)
            continue;
        Diagnostic d;
        d.stoppedByLimit = stopped;
        if (m.hasMatch()) {
            const bool inAnswer = m.captured(1) == u"main.cpp";
            d.header = inAnswer ? QString() : headerName(m.captured(1));
            d.line = inAnswer ? m.captured(2).toInt() : contextLine;
            d.column = inAnswer ? m.captured(3).toInt() : contextColumn;
            d.message = m.captured(5);
        } else {
            d.message = assemblerMessage(line);
        }
        if (m.hasMatch() && m.captured(1) == u"main.cpp")
            contextLine = contextColumn = 0;
        found << d;
    }
    found = found.mid(0, max);
    for (Diagnostic& d : found)
        d.explanation = d.stoppedByLimit ? stoppedExplanation(d.message) : explainError(d.message, d.notes);
    return found;
}

Diagnostic compileStopped(int wallMs)
{
    Diagnostic d;
    d.message = QStringLiteral("compilation stopped after %1 s").arg(wallMs / 1000);
    d.explanation = QStringLiteral("Компилацията е спряна: продължи повече от %1 секунди.").arg(wallMs / 1000);
    d.stoppedByLimit = true;
    return d;
}

QString stoppedExplanation(const QString& message)
{
    if (message.contains(u"memory"))
        return QStringLiteral("Компилацията е спряна: компилаторът надхвърли паметта, която му е разрешена.");
    if (message.contains(u"File size") || message.contains(u"signal 25"))
        return QStringLiteral("Компилацията е спряна: програмата стана по-голяма от разрешеното.");
    if (message.contains(u"No space left"))
        return QStringLiteral("Компилацията е спряна: на диска няма място.");
    return QStringLiteral("Компилацията е спряна: компилаторът надхвърли времето, което му е разрешено.");
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
    if (message.startsWith(u"Error: ") || message.startsWith(u"Fatal error: "))
        return QStringLiteral("Асемблерът не приема кода в asm(…): %1").arg(message.section(QStringLiteral(": "), 1));
    if (message.contains(u"undefined reference to `main'"))
        return QStringLiteral("Липсва функцията main.");
    return {};
}

QString compilerText(const QList<Diagnostic>& diagnostics)
{
    QStringList lines;
    for (const Diagnostic& d : diagnostics) {
        const QString place = d.header.isEmpty() ? QString() : d.header + u": ";
        lines << (d.line > 0 ? QStringLiteral("%1:%2: %3error: %4").arg(d.line).arg(d.column).arg(place, d.message)
                             : place + d.message);
        for (const QString& note : d.notes)
            lines << u"    note: " + note;
    }
    return lines.join(u'\n');
}

}  // namespace checker
