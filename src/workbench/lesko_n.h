#pragma once

#include "content/option_flags.h"
#include "forms/form.h"

#include <array>
#include <memory>

namespace app {
class Program;
}
namespace checker {
class CheckJob;
struct CheckResult;
}  // namespace checker

// The task workbench: the student picks a task, reads its statement, types the
// answer against the task's clock, looks up glossary terms and saves work.
class Lesko_n : public forms::Form {
public:
    explicit Lesko_n(app::Program& program);
    ~Lesko_n() override;

    void Form_Load();
    QString Greska_Otgowor2(quint8 code, const QString& detail = {});
    // The workbench's own copy of an option (the digit of its item of List_Un(4)).
    int workbenchFlag(content::Option option) const;

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
    // What SetTaskTimes sets from the task's tables and difficulty factor.
    enum TaskTimesMode { StartTaskClock = 1, SetHintThreshold = 2 };
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

    // Checking the answer on the task's tests (checking.cpp).
    void mnu_Prowerka_Click();
    void mnu_Moj_Wh_Click();  // opens the run on the student's own input
    // Stops a check and closes the run window (on leaving the workbench).
    void CancelCheck();
    bool CheckRunning() const { return bool(check_); }

    // The text boxes: the one the student types in, and the read-only ones.
    enum TextUnRole {
        AnswerBox = 0,
        DefinitionBox = 1,  // the chosen glossary term's definition
        StatementBox = 2,   // the chosen task's statement
        SolutionBox = 3,    // the author's solution
        HintBox = 4,
        // Hidden: the task time used so far; also the buffer of the full view.
        TimeUsedBox = 5
    };
    // The lists: the two the student chooses from, and three hidden stores.
    enum ListUnRole {
        TermList = 0,
        TaskList = 1,
        AppearanceRecordList = 2,  // font and colours, see appearance_record.h
        AnswerStoreList = 3,       // item k: the typed answer of task k
        OptionCopyList = 4         // item n: the workbench's copy of option n
    };
    enum PictureUnRole { ItemPicture = 0 };      // the picture of the term, statement or solution
    enum ChasownikLabelRole { ClockLabel = 0 };  // the task time left
    // The items of the "save solution" menu.
    enum ZapReshenItem { SaveStatementAndAnswer = 1, SaveAnswerOnly = 2, SaveAuthorSolution = 3 };

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
    forms::MenuItem mnu_Prowerka{QStringLiteral("mnu_Prowerka")};
    forms::MenuItem mnu_Moj_Wh{QStringLiteral("mnu_Moj_Wh")};

    // Form variables.
    qint16 CurrentTask = 0;
    double RemainingTime = 0;
    double HintThreshold = 0;
    quint8 PictureContext = 0;  // the store's list of the shown picture: Lesko_Gra::TermPictures,
                                // StatementPictures or SolutionPictures
    quint8 TermIndex = 0;
    quint8 FocusedBox = 0;  // the Text_Un member that has the focus
    QString SolutionFileName;

private:
    void buildControls();
    void buildMenus();
    void buildCheckMenu();
    bool canCheck() const;
    void updateCheckMenu();
    void checkFinished(const checker::CheckResult& result, const QString& answer);

    void showChosenTerm();
    void loadChosenTask();
    void showTask(int k);
    void countDown(int task);
    void applySolutionAccessRule(int task);
    // The solution box holds the author's solution, not nothing or the notice
    // that it is closed.
    bool authorSolutionShown() const;

    // The task at the task list's selection, 0 when nothing is selected.
    int selectedTask() const;
    // The task texts and per-task tables. They live in the program's stores,
    // which outlive the windows that show them.
    forms::ListBox& Uslowie_L(int k) const;
    int firstStatementLine(int task) const;  // item task of TaskTexts::FirstStatementLines
    int firstSolutionLine(int task) const;   // item task of TaskTexts::FirstSolutionLines
    forms::ListBox& Wremena(int i) const;    // one of GlossaryTables::WremenaTable
    double taskLevel(int task) const;
    double baseTimeLimit(int task) const;
    // Lines first to end - 1 of a task, each after a line break and decoded.
    QString decodedLines(const forms::ListBox& lines, int first, int end) const;

    app::Program& program_;
    std::unique_ptr<checker::CheckJob> check_;
    int checkedTask_ = 0;
};
