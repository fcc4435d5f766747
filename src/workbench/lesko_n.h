#pragma once

#include "forms/form.h"

#include <array>

namespace app {
class Program;
}

// The task workbench: the student picks a task, reads its statement, types the
// answer against the task's clock, looks up glossary terms and saves work.
class Lesko_n : public forms::Form {
public:
    explicit Lesko_n(app::Program& program);

    void Form_Load();
    QString Greska_Otgowor2(quint8 code, const QString& detail = {});
    // The workbench's own copy of option n (the digit of item n of List_Un(4)).
    int workbenchFlag(int n) const;

    // Return to the lesson (opening.cpp; the main window opens the workbench).
    void mnu_IzhodN_Click();
    bool Form_QueryClose() override;

    // Terms and tasks (tasks.cpp).
    void List_Un_Click(int index);
    qint16 ConfirmTaskSwitch();
    void SelectTask();
    void mnu_All_zadachi_Click();
    void mnu_Tip_Wid_Click();
    int DifficultyFactor(int task) const;

    // Answer box, clock, hint and the author's solution (task_clock.cpp).
    void Text_Un_GotFocus(int index);
    void Timer_n_Timer();
    void SetTaskTimes(int mode);
    void ShowExtraHint();
    void ShowAuthorSolution();
    void TaskTimeUp();

    // Stored task lines (decoding.cpp).
    QString Fn_Decrypt(const QString& line) const;

    // Solution files (solution_files.cpp).
    void mnu_ZapReshen_Click(int index);
    void MakeSolutionFileName();
    void WriteSolutionFile(int mode);

    // Pictures and the full views (pictures.cpp).
    void ShowItemPicture(int n);
    void Picture_Un_Click(int index);
    void mnu_Pylen_Ekran_Click();

    std::array<forms::PictureBox, 1> Picture_Un;
    std::array<forms::ListBox, 5> List_Un;
    std::array<forms::TextBox, 6> Text_Un;
    std::array<forms::Label, 1> Chasownik_Label;
    forms::Timer Timer_n{QStringLiteral("Timer_n")};

    forms::MenuItem mnu_IzhodN{QStringLiteral("mnu_IzhodN")};
    forms::MenuItem mnu_Tip_Wid{QStringLiteral("mnu_Tip_Wid")};
    forms::MenuItem mnu_Pylen_Ekran{QStringLiteral("mnu_Pylen_Ekran")};
    forms::MenuItem mnu_All_zadachi{QStringLiteral("mnu_All_zadachi")};
    forms::MenuItem zap_resheshenie{QStringLiteral("zap_resheshenie")};
    std::array<forms::MenuItem, 4> mnu_ZapReshen;  // items 1 to 3

    // Form variables.
    qint16 CurrentTask = 0;
    double RemainingTime = 0;
    double HintThreshold = 0;
    quint8 PictureContext = 0;  // 0 glossary term, 1 task statement, 2 author's solution
    quint8 TermIndex = 0;
    quint8 FocusedBox = 0;
    QString SolutionFileName;

private:
    void buildControls();
    void buildMenus();

    void showChosenTerm();
    void loadChosenTask();
    void showTask(int k);
    void countDown(int task);
    void applySolutionAccessRule(int task);

    // The task at the task list's selection, 0 when nothing is selected.
    int selectedTask() const;
    // The task texts and per-task tables. They live in the program's stores,
    // which outlive the windows that show them.
    forms::ListBox& Uslowie_L(int k) const;
    int firstStatementLine(int task) const;  // Redowe_L(1) item task
    int firstSolutionLine(int task) const;   // Redowe_L(2) item task
    forms::ListBox& Wremena(int i) const;    // the hidden tables 0, 1, 4 and 6
    double taskLevel(int task) const;
    double baseTimeLimit(int task) const;
    // Lines first to end - 1 of a task, each after a line break and decoded.
    QString decodedLines(const forms::ListBox& lines, int first, int end) const;

    app::Program& program_;
};
