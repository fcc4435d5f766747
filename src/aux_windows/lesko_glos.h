#pragma once

#include "forms/form.h"

#include <array>

namespace app {
class Program;
}

// The glossary and the per-task and per-point tables. They outlive the chooser
// window that shows part of them, so what the class's configuration and the
// task clock wrote into them holds for the whole run.
class GlossaryTables : public forms::ControlSet {
public:
    GlossaryTables();

    // The hidden tables; item i belongs to task i (ReadingTimes: plan point i).
    enum WremenaTable {
        HintTimes = 0,     // seconds of the task's time before its extra hint
        TimeLimits = 1,    // the task's time limit in seconds
        ReadingTimes = 2,  // seconds the student has for a plan point
        LevelReport = 3,   // on the chooser window: the tasks by level
        Levels = 4,        // the task's difficulty level
        TypeReport = 5,    // on the chooser window: the tasks by type of solution
        SolutionTypes = 6  // the task's type of solution
    };

    std::array<forms::ListBox, 1> glos_All;
    std::array<forms::TextBox, 36> Glos;
    std::array<forms::ListBox, 7> Wremena;  // members LevelReport and TypeReport live on the chooser window
};

// The chooser of tasks by difficulty and by type of solution.
class Lesko_Glos : public forms::Form {
public:
    explicit Lesko_Glos(app::Program& program);
    using enum GlossaryTables::WremenaTable;

    void Form_Load();
    void Wremena_Click(int index);
    // Options 8 and 26: the class may not choose by level or by type. Every
    // chooser window the run creates keeps them.
    void Apply_Report_Options();

    forms::ListBox& Wremena(int i);
    forms::ListBox& glos_All(int i = 0) { return tables_.glos_All[i]; }
    forms::TextBox& Glos(int i);

private:
    app::Program& program_;
    GlossaryTables& tables_;
    std::array<forms::ListBox, 6> reports_;  // Wremena(LevelReport) and Wremena(TypeReport)
};
