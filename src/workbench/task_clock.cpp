// The answer box against the task's clock: focus marking, the 100 ms tick, the
// task's time limit and hint time, the extra hint, the end of the time and the
// author's solution.
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "content/numbers.h"
#include "program/program.h"
#include "program/recording.h"
#include "results/attempt_log.h"
#include "settings/appearance_record.h"
#include "workbench/lesko_n.h"

#include <cmath>

namespace {

constexpr forms::Colour FocusedBoxColour = 6909565;  // RGB(125, 110, 105)
const QString NoSolutionAccess = QStringLiteral("Нямате достъп за раглеждане на решението!");

// The clock shows the whole seconds left, never a negative number.
QString wholeSeconds(double remaining) { return QString::number(remaining > 0 ? std::trunc(remaining) : 0.0, 'f', 0); }

}  // namespace

void Lesko_n::Text_Un_GotFocus(int index)
{
    const forms::Colour others = appearance::colourAt(List_Un[AppearanceRecordList], appearance::TextBack);
    for (int i = AnswerBox; i <= HintBox; ++i)
        Text_Un[i].setBackColor(i == index ? FocusedBoxColour : others);
    program_.services().clipboard.clear();
    FocusedBox = quint8(index);
}

void Lesko_n::SetTaskTimes(int mode)
{
    const int k = selectedTask();
    if (mode == StartTaskClock)
        RemainingTime = DifficultyFactor(k) * baseTimeLimit(k);
    else if (mode == SetHintThreshold)
        HintThreshold = DifficultyFactor(k) * content::leadingNumber(Wremena(GlossaryTables::HintTimes).List(k));
}

void Lesko_n::Timer_n_Timer()
{
    program_.services().clipboard.clear();  // nothing may be pasted into the answer
    app::attemptLogTicked(program_);
    const int k = selectedTask();
    if (!Text_Un[SolutionBox].Text().isEmpty() || k < 1)
        return;  // the task is finished or there is none
    if (Text_Un[AnswerBox].Locked()) {
        RemainingTime = 0;
        Chasownik_Label[ClockLabel].setCaption(QString());
        ShowExtraHint();
        applySolutionAccessRule(k);
        return;
    }
    if (RemainingTime > 0)
        countDown(k);
    else
        TaskTimeUp();
}

// One tenth of a second off the task's time; the hint comes once the time used
// (counted against the base limit, without the difficulty factor) reaches the
// hint threshold.
void Lesko_n::countDown(int task)
{
    RemainingTime -= 0.1;
    program_.attemptLog().clockTicked(task);
    Chasownik_Label[ClockLabel].setCaption(wholeSeconds(RemainingTime));
    SetTaskTimes(SetHintThreshold);
    const double used = baseTimeLimit(task) - RemainingTime;
    Text_Un[TimeUsedBox].setText(content::numberText(used));
    if (program_.Option_Flag(content::Option::ExtraHint) >= 1 && used - HintThreshold > -1) {
        ShowExtraHint();
        Wremena(GlossaryTables::HintTimes).setList(task, QStringLiteral("0"));
    }
}

void Lesko_n::TaskTimeUp()
{
    const int k = selectedTask();
    Text_Un[AnswerBox].setLocked(true);
    Wremena(GlossaryTables::TimeLimits).setList(k, QStringLiteral("0"));
    Wremena(GlossaryTables::HintTimes).setList(k, QStringLiteral("0"));
    announce(QStringLiteral("Времето за задачата изтече."));
    applySolutionAccessRule(k);
}

// The solution of task 1 is always shown; the others only with option 6.
void Lesko_n::applySolutionAccessRule(int task)
{
    if (task > 1 && workbenchFlag(content::Option::Solutions) < 1)
        Text_Un[SolutionBox].setText(NoSolutionAccess);
    else
        ShowAuthorSolution();
}

bool Lesko_n::authorSolutionShown() const
{
    const QString& shown = Text_Un[SolutionBox].Text();
    return !shown.isEmpty() && shown != NoSolutionAccess;
}

void Lesko_n::ShowExtraHint()
{
    if (!Text_Un[HintBox].Text().isEmpty())
        return;
    const int hintLine = workbenchFlag(content::Option::EncodedTasks) > 0 ? 1 : 0;
    Text_Un[HintBox].setText(u"Имате достъп до допълнително упътване за въпроса\r\n\r\n" +
                             Fn_Decrypt(Uslowie_L(selectedTask()).List(hintLine)));
    program_.attemptLog().hintShown(selectedTask());
    announce(QStringLiteral("Имате достъп до допълнително упътване."));
}

void Lesko_n::ShowAuthorSolution()
{
    if (!Text_Un[AnswerBox].Locked())
        return;
    const int k = selectedTask();
    const forms::ListBox& lines = Uslowie_L(k);
    Text_Un[SolutionBox].setText(decodedLines(lines, firstSolutionLine(k), lines.ListCount()));
    PictureContext = Lesko_Gra::SolutionPictures;
    ShowItemPicture(k);
    program_.attemptLog().solutionShown(k);
    announce(QStringLiteral("Показано е решението на автора."));
}
