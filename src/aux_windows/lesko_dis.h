#pragma once

#include "forms/form.h"

#include <array>

namespace app {
class Program;
}

// The lesson description: plan, point texts and the teacher's information
// texts. Never shown; the main window reads it.
class Lesko_Dis : public forms::Form {
public:
    explicit Lesko_Dis(app::Program& program);
    void Form_Load() {}

    std::array<forms::ListBox, 1> Plan_Lesko;
    std::array<forms::TextBox, 24> Podtochki;
    std::array<forms::TextBox, 10> Dopyln_M;
};
