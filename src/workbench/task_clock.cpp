// The answer box against the task's clock: focus marking, the 100 ms tick, the
// task's time limit and hint time, the extra hint, the end of the time and the
// author's solution.
#include "app/program.h"
#include "content/numbers.h"
#include "workbench/lesko_n.h"

#include <cmath>

namespace {

constexpr forms::Colour FocusedBoxColour = 6909565;  // RGB(125, 110, 105)

// The clock shows the whole seconds left, never a negative number.
QString wholeSeconds(double remaining) { return QString::number(remaining > 0 ? std::trunc(remaining) : 0.0, 'f', 0); }

}  // namespace

void Lesko_n::Text_Un_GotFocus(int index)
{
    const forms::Colour others = content::roundToInt32(content::leadingNumber(List_Un[2].List(7)));
    for (int i = 0; i <= 4; ++i)
        Text_Un[i].setBackColor(i == index ? FocusedBoxColour : others);
    program_.services().clipboard.clear();
    FocusedBox = quint8(index);
}

void Lesko_n::SetTaskTimes(int mode)
{
    const int k = selectedTask();
    if (mode == 1)
        RemainingTime = DifficultyFactor(k) * baseTimeLimit(k);
    else if (mode == 2)
        HintThreshold = DifficultyFactor(k) * content::leadingNumber(Wremena(0).List(k));
}

void Lesko_n::Timer_n_Timer()
{
    program_.services().clipboard.clear();  // nothing may be pasted into the answer
    const int k = selectedTask();
    if (!Text_Un[3].Text().isEmpty() || k < 1)
        return;  // the task is finished or there is none
    if (Text_Un[0].Locked()) {
        RemainingTime = 0;
        Chasownik_Label[0].setCaption(QString());
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
    Chasownik_Label[0].setCaption(wholeSeconds(RemainingTime));
    SetTaskTimes(2);
    const double used = baseTimeLimit(task) - RemainingTime;
    Text_Un[5].setText(content::numberText(used));
    if (program_.Option_Flag(5) >= 1 && used - HintThreshold > -1) {
        ShowExtraHint();
        Wremena(0).setList(task, QStringLiteral("0"));
    }
}

void Lesko_n::TaskTimeUp()
{
    const int k = selectedTask();
    Text_Un[0].setLocked(true);
    Wremena(1).setList(k, QStringLiteral("0"));
    Wremena(0).setList(k, QStringLiteral("0"));
    applySolutionAccessRule(k);
}

// The solution of task 1 is always shown; the others only with option 6.
void Lesko_n::applySolutionAccessRule(int task)
{
    if (task > 1 && workbenchFlag(6) < 1)
        Text_Un[3].setText(QStringLiteral("Нямате достъп за раглеждане на решението!"));
    else
        ShowAuthorSolution();
}

void Lesko_n::ShowExtraHint()
{
    if (!Text_Un[4].Text().isEmpty())
        return;
    const int hintLine = workbenchFlag(31) > 0 ? 1 : 0;
    Text_Un[4].setText(u"Имате достъп до допълнително упътване за въпроса\r\n\r\n" +
                       Fn_Decrypt(Uslowie_L(selectedTask()).List(hintLine)));
}

void Lesko_n::ShowAuthorSolution()
{
    if (!Text_Un[0].Locked())
        return;
    const int k = selectedTask();
    const forms::ListBox& lines = Uslowie_L(k);
    Text_Un[3].setText(decodedLines(lines, firstSolutionLine(k), lines.ListCount()));
    PictureContext = 2;
    ShowItemPicture(k);
}
