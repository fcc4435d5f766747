#include "checker/result_text.h"

using namespace Qt::StringLiterals;

namespace checker::text {

namespace {

const QString LineBreak = u"\r\n"_s;

// An output with each line on its own, the first differing one marked.
QString markedOutput(const QString& text, int differing)
{
    if (text.isEmpty())
        return u"  (нищо)"_s;
    QStringList lines = QString(text).replace(u"\r\n"_s, u"\n"_s).split(u'\n');
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    for (int i = 0; i < lines.size(); ++i)
        lines[i] = (i + 1 == differing ? u"► " : u"  ") + lines[i];
    return lines.join(LineBreak);
}

QString hiddenTestDetails(const TestResult& t)
{
    if (t.verdict == Verdict::Accepted)
        return u"Скритият тест е издържан."_s;
    return u"Скритите тестове не се показват. Упътване:"_s + LineBreak + u"  "_s +
           (t.hint.isEmpty() ? u"Проверете граничните случаи от условието."_s : t.hint);
}

}  // namespace

QString errorLine(const Diagnostic& error)
{
    QString what = error.explanation.isEmpty() ? error.message : error.explanation;
    if (!error.header.isEmpty())
        what = u"(в заглавния файл <%1>) "_s.arg(error.header) + what;
    return error.line > 0 ? u"Ред %1, колона %2: %3"_s.arg(error.line).arg(error.column).arg(what) : what;
}

QString errorDetails(const Diagnostic& error, const QStringList& answerLines)
{
    QStringList text{errorLine(error)};
    if (error.line > 0)
        text << u"  %1 | %2"_s.arg(error.line).arg(answerLines.value(error.line - 1));
    return text.join(LineBreak);
}

QString testDetails(int number, const TestResult& t)
{
    QStringList text{testLine(number, t), QString()};
    if (!t.shown)
        return (text << hiddenTestDetails(t)).join(LineBreak);
    text << u"Вход:"_s << markedOutput(t.input, 0) << u"Очакван изход:"_s
         << markedOutput(t.expected, t.firstDifferentLine) << u"Изход на програмата:"_s
         << markedOutput(t.got, t.firstDifferentLine);
    if (t.firstDifferentLine > 0)
        text << QString() << u"Първата разлика е на ред %1 (отбелязан с ►)."_s.arg(t.firstDifferentLine);
    if (t.onlySpacing)
        text << u"Изходите се различават само по интервалите и новите редове."_s;
    if (!t.errors.isEmpty())
        text << QString() << u"Изход за грешки на програмата:"_s << markedOutput(t.errors, 0);
    return text.join(LineBreak);
}

}  // namespace checker::text
