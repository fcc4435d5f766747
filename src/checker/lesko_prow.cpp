#include "checker/lesko_prow.h"

#include "app/program.h"
#include "forms/members.h"
#include "workbench/lesko_n.h"

#include <QScopedValueRollback>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

QString errorLine(const checker::Diagnostic& error)
{
    const QString what = error.explanation.isEmpty() ? error.message : error.explanation;
    return error.line > 0 ? QStringLiteral("Ред %1, колона %2: %3").arg(error.line).arg(error.column).arg(what) : what;
}

// An output with each line on its own, the first differing one marked.
QString markedOutput(const QString& text, int differing)
{
    if (text.isEmpty())
        return QStringLiteral("  (нищо)");
    QStringList lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    if (lines.size() > 1 && lines.constLast().isEmpty())
        lines.removeLast();
    for (int i = 0; i < lines.size(); ++i)
        lines[i] = (i + 1 == differing ? u"► " : u"  ") + lines[i];
    return lines.join(LineBreak);
}

}  // namespace

Lesko_Prow::Lesko_Prow(app::Program& program) : Form(QStringLiteral("Lesko_Prow")), program_(program)
{
    setCaption(QStringLiteral("Резултат от проверката"));
    setSize(9000, 7200);
    forms::place(Prisyda, {120, 120, 8760, 720});
    forms::place(List_Prow, {120, 900, 8760, 1800});
    forms::place(Podrobno, {120, 2820, 8760, 4260});
    Prisyda.setFontSize(13);
    List_Prow.setFontSize(11);
    Podrobno.setFontName(QStringLiteral("Courier New"));
    Podrobno.setFontSize(10);
    Podrobno.setLocked(true);
    List_Prow.setToolTipText(QStringLiteral(" Изберете тест или грешка, за да видите подробностите "));
    Podrobno.setToolTipText(QStringLiteral(" Подробности за избрания тест или грешка "));
    List_Prow.onClick = [this] { List_Prow_Click(); };
    add(Prisyda);
    add(List_Prow);
    add(Podrobno);
}

void Lesko_Prow::showResult(const checker::CheckResult& result, const QString& answer)
{
    result_ = result;
    answerLines_ = QString(answer).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    QString verdict = result.summary();
    if (!result.sandboxed && result.verdict != checker::Verdict::Unavailable)
        verdict +=
            LineBreak + QStringLiteral("Без пясъчник: bwrap липсва и програмата е изпълнена само с ограниченията.");
    Prisyda.setCaption(verdict);

    QStringList lines;
    for (int i = 0; i < result.samples.size(); ++i)
        lines << checker::sampleLine(i + 1, result.samples.at(i));
    for (const checker::Diagnostic& error : result.diagnostics)
        lines << errorLine(error);
    List_Prow.setItems(lines);
    // The first line that is not right is chosen; choosing it from here
    // leaves the answer box alone.
    int first = 0;
    while (first < result.samples.size() && result.samples.at(first).verdict == checker::Verdict::Accepted)
        ++first;
    const QScopedValueRollback<bool> showing(showing_, true);
    List_Prow.setListIndex(-1);
    List_Prow.setListIndex(std::min(first, int(lines.size()) - 1));
    if (lines.isEmpty())
        Podrobno.setText(verdict);
}

void Lesko_Prow::List_Prow_Click()
{
    const int i = List_Prow.ListIndex();
    if (i < 0)
        return;
    if (i < result_.samples.size()) {
        Podrobno.setText(sampleDetails(i));
        return;
    }
    const checker::Diagnostic error = result_.diagnostics.value(i - result_.samples.size());
    Podrobno.setText(errorDetails(error) + LineBreak + LineBreak + QStringLiteral("Текст на компилатора:") + LineBreak +
                     result_.compilerText);
    if (error.line > 0 && !showing_)
        program_.lesko_n().Text_Un[Lesko_n::AnswerBox].setCursorLine(error.line);
}

QString Lesko_Prow::sampleDetails(int number) const
{
    const checker::SampleResult& s = result_.samples.at(number);
    QStringList text{checker::sampleLine(number + 1, s),
                     QString(),
                     QStringLiteral("Вход:"),
                     markedOutput(s.input, 0),
                     QStringLiteral("Очакван изход:"),
                     markedOutput(s.expected, s.firstDifferentLine),
                     QStringLiteral("Изход на програмата:"),
                     markedOutput(s.got, s.firstDifferentLine)};
    if (s.firstDifferentLine > 0)
        text << QString() << QStringLiteral("Първата разлика е на ред %1 (отбелязан с ►).").arg(s.firstDifferentLine);
    if (s.onlySpacing)
        text << QStringLiteral("Изходите се различават само по интервалите и новите редове.");
    return text.join(LineBreak);
}

QString Lesko_Prow::errorDetails(const checker::Diagnostic& error) const
{
    QStringList text{errorLine(error)};
    if (error.line > 0)
        text << QStringLiteral("  %1 | %2").arg(error.line).arg(answerLines_.value(error.line - 1));
    return text.join(LineBreak);
}
