#pragma once

#include "forms/form.h"

#include <array>

namespace app {
class Program;
}

// "Ученик": the student's name and class, asked once, when the tasks are
// first opened and the class settings ask for them. An empty name is refused
// with a line saying so; a name taken goes into the attempt log and the tasks
// open.
class Lesko_Ime : public forms::Form {
public:
    explicit Lesko_Ime(app::Program& program);
    void Form_Load() {}

    void Komanda_Im_Click();
    // Enter in the name goes on to the class; Enter in the class is the button.
    void Text_Im_Enter(int index);

    enum TextImRole { NameBox = 0, ClassBox = 1 };
    enum LabelImRole { NameCaption = 0, ClassCaption = 1, ProblemLine = 2 };

    std::array<forms::Label, 3> Label_Im;
    std::array<forms::TextBox, 2> Text_Im;
    forms::CommandButton Komanda_Im{QStringLiteral("Komanda_Im")};

    // The longest name and class taken; longer texts are cut.
    static constexpr int MaxNameLength = 60;
    static constexpr int MaxClassLength = 20;

private:
    app::Program& program_;
};
