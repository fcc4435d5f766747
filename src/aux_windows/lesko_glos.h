#pragma once

#include "forms/form.h"
#include "program/stores.h"

#include <array>

namespace app {
class Program;
}

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
