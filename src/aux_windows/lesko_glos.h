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
    std::array<forms::ListBox, 1> glos_All;
    std::array<forms::TextBox, 36> Glos;
    std::array<forms::ListBox, 7> Wremena;  // members 3 and 5 live on the chooser window
};

// The chooser of tasks by difficulty and by type of solution.
class Lesko_Glos : public forms::Form {
public:
    explicit Lesko_Glos(app::Program& program);
    void Form_Load() {}
    void Wremena_Click(int index);

    forms::ListBox& Wremena(int i);
    forms::ListBox& glos_All(int i = 0) { return tables_.glos_All[i]; }
    forms::TextBox& Glos(int i);

private:
    app::Program& program_;
    GlossaryTables& tables_;
    std::array<forms::ListBox, 6> reports_;  // Wremena(3) and Wremena(5)
};
