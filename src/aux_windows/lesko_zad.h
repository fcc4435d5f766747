#pragma once

#include "forms/form.h"

#include <array>

namespace app {
class Program;
}

// The task texts: task labels in Uslowie_L(TaskLabels), the lines of task k in
// Uslowie_L(k), the number of task k's first statement and first solution line
// in item k of Redowe_L(FirstStatementLines) and Redowe_L(FirstSolutionLines).
// They outlive the enlarged text window that holds them.
class TaskTexts : public forms::ControlSet {
public:
    TaskTexts();

    enum UslowieLList { TaskLabels = 0 };      // item k: the label of task k
    static constexpr int TasksAtOnceItem = 0;  // of TaskLabels: how many tasks the task list shows at once
    enum RedowePosition { FirstStatementLines = 1, FirstSolutionLines = 2 };

    std::array<forms::ListBox, 21> Uslowie_L;
    std::array<forms::ListBox, 3> Redowe_L;
};

// The enlarged text window: one long text in a large field and a list of font
// sizes for reading it to a class.
class Lesko_Zad : public forms::Form {
public:
    explicit Lesko_Zad(app::Program& program);
    using enum TaskTexts::UslowieLList;
    using enum TaskTexts::RedowePosition;

    void Form_Load();
    void Form_Resize() override;
    void List_font_Click();

    forms::ListBox& Uslowie_L(int k);
    forms::ListBox& Redowe_L(int i) { return texts_.Redowe_L[i]; }

    forms::ListBox List_font{QStringLiteral("List_font")};
    forms::TextBox Obsho_Pole{QStringLiteral("Obsho_Pole")};

private:
    void Fit_Text_Field();

    app::Program& program_;
    TaskTexts& texts_;
};
