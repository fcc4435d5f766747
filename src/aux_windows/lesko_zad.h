#pragma once

#include "forms/form.h"
#include "program/stores.h"

#include <array>

namespace app {
class Program;
}

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
