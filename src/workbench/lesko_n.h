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
    bool Form_QueryClose() override;
    void List_Un_Click(int index);
    void Text_Un_GotFocus(int index);
    void ShowItemPicture(int n);

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

    // The workbench's own copy of option n (the digit of item n of List_Un(4)).
    int workbenchFlag(int n) const;

private:
    void buildControls();
    void buildMenus();

    app::Program& program_;
};
