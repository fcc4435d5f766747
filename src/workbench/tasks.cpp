// The two selection lists of the workbench: glossary terms and tasks. Loading
// a task, the questions before a switch and before a hard task, the extra
// tasks and the level/type report.
#include "aux_windows/lesko_glos.h"
#include "aux_windows/lesko_gra.h"
#include "aux_windows/lesko_zad.h"
#include "content/numbers.h"
#include "main_window/lesko.h"
#include "program/messages.h"
#include "program/program.h"
#include "results/attempt_log.h"
#include "workbench/lesko_n.h"

void Lesko_n::List_Un_Click(int index)
{
    if (index == TermList)
        showChosenTerm();
    else if (index == TaskList)
        loadChosenTask();
}

// Shows the definition of the chosen term; with several equal terms the last wins.
void Lesko_n::showChosenTerm()
{
    forms::ListBox& terms = List_Un[TermList];
    program_.lesko().List_Ur[Lesko::ChoiceList].setList(Lesko::ChosenTermItem, QString::number(terms.ListIndex()));
    const QString t = terms.Text();
    Lesko_Glos& glossary = program_.lesko_Glos();
    forms::ListBox& all = glossary.glos_All();
    for (int i = 0; i < all.ListCount(); ++i) {
        if (all.List(i) == t) {
            Text_Un[DefinitionBox].setText(glossary.Glos(i).Text());
            TermIndex = quint8(i);
        }
    }
    PictureContext = Lesko_Gra::TermPictures;
    ShowItemPicture(TermIndex);
}

void Lesko_n::loadChosenTask()
{
    const qint16 goOn = selectedTask() != CurrentTask ? ConfirmTaskSwitch() : 1;
    if (goOn < 1) {
        List_Un[TaskList].setListIndex(0);
        CurrentTask = 1;
        program_.lesko().List_Ur[Lesko::ChoiceList].setList(Lesko::RecordedTaskItem, QStringLiteral("1"));
    }
    if (baseTimeLimit(selectedTask()) > 0)
        Text_Un[AnswerBox].setLocked(false);
    SelectTask();
}

// Asks before leaving the current task. "No" moves the selection back, which
// loads the current task again.
qint16 Lesko_n::ConfirmTaskSwitch()
{
    Timer_n.setEnabled(false);
    qint16 result = 1;
    if (Greska_Otgowor2(app::message_code::SwitchTask) != u"Yes") {
        result = CurrentTask > 0 ? qint16(CurrentTask - 1) : qint16(0);
        List_Un[TaskList].setListIndex(result);
    }
    Timer_n.setEnabled(true);
    return result;
}

void Lesko_n::SelectTask()
{
    const int k = selectedTask();
    if (workbenchFlag(content::Option::HardTaskQuestion) > 0 && taskLevel(k) > 1 &&
        Greska_Otgowor2(app::message_code::HardTask) != u"Yes") {
        List_Un[TaskList].setListIndex(CurrentTask - 1);
        return;
    }
    List_Un[AnswerStoreList].setList(CurrentTask, Text_Un[AnswerBox].Text());
    // The clock restarts unless the hand-over item names this very task.
    forms::ListBox& choices = program_.lesko().List_Ur[Lesko::ChoiceList];
    if (content::leadingNumber(choices.List(Lesko::RecordedTaskItem)) != k) {
        Chasownik_Label[ClockLabel].setCaption(QString());
        SetTaskTimes(StartTaskClock);
    }
    CurrentTask = qint16(k);
    choices.setList(Lesko::RecordedTaskItem, QString::number(k));
    showTask(k);
    program_.attemptLog().taskOpened(k, taskLevel(k), DifficultyFactor(k) * baseTimeLimit(k));
}

// Statement, picture and stored answer of task k; hint and solution boxes empty.
void Lesko_n::showTask(int k)
{
    for (int box : {2, 3, 4})
        Text_Un[box].setText(QString());
    PictureContext = Lesko_Gra::StatementPictures;
    ShowItemPicture(k);
    Text_Un[StatementBox].setText(decodedLines(Uslowie_L(k), firstStatementLine(k), firstSolutionLine(k)));
    Text_Un[AnswerBox].setText(List_Un[AnswerStoreList].List(k));
}

int Lesko_n::DifficultyFactor(int task) const
{
    const double level = taskLevel(task);
    if (level <= 1)
        return 1;
    return level <= 2 ? 10 : 1000;
}

// "Допълнително": lists every task of the lesson, keeping the selection.
void Lesko_n::mnu_All_zadachi_Click()
{
    forms::ListBox& tasks = List_Un[TaskList];
    const int selected = tasks.ListIndex();
    tasks.Clear();
    const forms::ListBox& labels = Uslowie_L(TaskTexts::TaskLabels);
    for (int i = 1; i < labels.ListCount(); ++i)
        tasks.AddItem(labels.List(i));
    tasks.setListIndex(selected);
    mnu_All_zadachi.setEnabled(false);
    mnu_All_zadachi.setCaption(QStringLiteral("+0 задачи"));
}

// "Ниво/Вид на задачи": one line per listed task in each report list of the
// chooser; every line ends with the task's number.
void Lesko_n::mnu_Tip_Wid_Click()
{
    Lesko_Glos& chooser = program_.lesko_Glos();
    forms::ListBox& byLevel = chooser.Wremena(GlossaryTables::LevelReport);
    forms::ListBox& byType = chooser.Wremena(GlossaryTables::TypeReport);
    byLevel.Clear();
    byType.Clear();
    const QString forTask = QStringLiteral(" за задача ");
    for (int k = 1; k <= List_Un[TaskList].ListCount(); ++k) {
        const QString number = QString::number(k);
        byLevel.AddItem(u"Сложност " + Wremena(GlossaryTables::Levels).List(k) + forTask + number);
        byType.AddItem(Wremena(GlossaryTables::SolutionTypes).List(k) + forTask + number);
    }
    chooser.Show();
}
