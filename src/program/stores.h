#pragma once

#include "forms/form.h"

#include <array>

// The two stores of lesson data the program owns for the whole run
// (Program::taskTexts, Program::glossaryTables).

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
