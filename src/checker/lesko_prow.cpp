#include "checker/lesko_prow.h"

#include "app/program.h"
#include "forms/members.h"
#include "workbench/lesko_n.h"

#include <QScopedValueRollback>

namespace {

const QString LineBreak = QStringLiteral("\r\n");

QString errorLine(const checker::Diagnostic& error)
{
    QString what = error.explanation.isEmpty() ? error.message : error.explanation;
    if (!error.header.isEmpty())
        what = QStringLiteral("(в заглавния файл <%1>) ").arg(error.header) + what;
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
    const QString verdict = result.summary();
    Prisyda.setCaption(verdict);

    QStringList lines;
    for (int i = 0; i < result.tests.size(); ++i)
        lines << checker::testLine(i + 1, result.tests.at(i));
    for (const checker::Diagnostic& error : result.diagnostics)
        lines << errorLine(error);
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
        Podrobno.setText(testDetails(i));
        return;
    }
    const checker::Diagnostic error = result_.diagnostics.value(i - result_.tests.size());
    Podrobno.setText(errorDetails(error) + LineBreak + LineBreak + QStringLiteral("Текст на компилатора:") + LineBreak +
                     result_.compilerText);
    if (error.line > 0 && !showing_)
        program_.lesko_n().Text_Un[Lesko_n::AnswerBox].setCursorLine(error.line);
}

QString Lesko_Prow::testDetails(int number) const
{
    const checker::TestResult& t = result_.tests.at(number);
    QStringList text{checker::testLine(number + 1, t), QString()};
    // A hidden test shows whether it passed and the author's hint, never its data.
    if (!t.shown) {
        if (t.verdict == checker::Verdict::Accepted)
            text << QStringLiteral("Скритият тест е издържан.");
        else
            text << QStringLiteral("Скритите тестове не се показват. Упътване:")
                 << u"  " + (t.hint.isEmpty() ? QStringLiteral("Проверете граничните случаи от условието.") : t.hint);
        return text.join(LineBreak);
    }
    text << QStringLiteral("Вход:") << markedOutput(t.input, 0) << QStringLiteral("Очакван изход:")
         << markedOutput(t.expected, t.firstDifferentLine) << QStringLiteral("Изход на програмата:")
         << markedOutput(t.got, t.firstDifferentLine);
    if (t.firstDifferentLine > 0)
        text << QString() << QStringLiteral("Първата разлика е на ред %1 (отбелязан с ►).").arg(t.firstDifferentLine);
    if (t.onlySpacing)
        text << QStringLiteral("Изходите се различават само по интервалите и новите редове.");
    if (!t.errors.isEmpty())
        text << QString() << QStringLiteral("Изход за грешки на програмата:") << markedOutput(t.errors, 0);
    return text.join(LineBreak);
}

QString Lesko_Prow::errorDetails(const checker::Diagnostic& error) const
{
    QStringList text{errorLine(error)};
    if (error.line > 0)
        text << QStringLiteral("  %1 | %2").arg(error.line).arg(answerLines_.value(error.line - 1));
    return text.join(LineBreak);
}
