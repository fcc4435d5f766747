#include "aux_windows/lesko_prow.h"

#include "checker/result_text.h"
#include "forms/members.h"
#include "program/program.h"
#include "workbench/lesko_n.h"

#include <QScopedValueRollback>

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
    const QString verdict = result.summary();
    Prisyda.setCaption(verdict);

    QStringList lines;
    for (int i = 0; i < result.tests.size(); ++i)
        lines << checker::testLine(i + 1, result.tests.at(i));
    for (const checker::Diagnostic& error : result.diagnostics)
        lines << checker::text::errorLine(error);
    List_Prow.setItems(lines);
    // The first line that is not right is chosen; choosing it from here
    // leaves the answer box alone.
    int first = 0;
    while (first < result.tests.size() && result.tests.at(first).verdict == checker::Verdict::Accepted)
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
    if (i < result_.tests.size()) {
        Podrobno.setText(checker::text::testDetails(i + 1, result_.tests.at(i)));
        return;
    }
    const checker::Diagnostic error = result_.diagnostics.value(i - result_.tests.size());
    Podrobno.setText(checker::text::errorDetails(error, answerLines_) +
                     QStringLiteral("\r\n\r\nТекст на компилатора:\r\n") + result_.compilerText);
    if (error.line > 0 && !showing_)
        program_.lesko_n().Text_Un[Lesko_n::AnswerBox].setCursorLine(error.line);
}
