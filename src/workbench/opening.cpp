// Opening the workbench from the lesson and returning to it. While the
// workbench is open the main window is hidden and its reading clock stands
// still; the task clock runs instead.
#include "aux_windows/lesko_ime.h"
#include "content/numbers.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "results/attempt_log.h"
#include "workbench/lesko_n.h"

// When the class settings ask for the student's name and the run has none
// yet, the name box comes first; it opens the workbench once it has a name.
void Lesko::mnu_Wyprosi_Click()
{
    if (program_.classSettings().askStudentName && program_.attemptLog().student().isEmpty()) {
        Lesko_Ime& nameBox = program_.lesko_Ime();
        nameBox.Show();
        nameBox.Text_Im[Lesko_Ime::NameBox].setCursorLine(1);
        return;
    }
    Timer1.setEnabled(false);
    Hide();
    Lesko_n& bench = program_.lesko_n();
    bench.Timer_n.setEnabled(true);
    forms::ListBox& tasks = bench.List_Un[Lesko_n::TaskList];
    if (tasks.ListIndex() < 0) {
        tasks.setListIndex(0);
        List_Ur[ChoiceList].setList(RecordedTaskItem, QString::number(tasks.ListIndex()));
    }
    bench.Show();
}

// Keeps the typed answer and hands list position and remaining time over to
// the main window.
void Lesko_n::mnu_IzhodN_Click()
{
    CancelCheck();
    const int position = List_Un[TaskList].ListIndex();
    List_Un[AnswerStoreList].setList(position + 1, Text_Un[AnswerBox].Text());
    Lesko& lesko = program_.lesko();
    forms::ListBox& choices = lesko.List_Ur[Lesko::ChoiceList];
    choices.setList(Lesko::RecordedTaskItem, QString::number(position));
    Timer_n.setEnabled(false);
    lesko.Timer1.setEnabled(true);
    lesko.Show();
    choices.setList(Lesko::RemainingTaskTimeItem, content::numberText(RemainingTime));
    Hide();
}

// Closing by the frame is the return to the lesson: the workbench is hidden,
// never destroyed.
bool Lesko_n::Form_QueryClose()
{
    mnu_IzhodN_Click();
    return false;
}
