#pragma once

#include "checker/verdict.h"
#include "forms/form.h"

#include <memory>

namespace app {
class Program;
}
namespace checker {
class CheckJob;
}

// "Изпълнение с мой вход": the student types an input and sees what the
// answer in the workbench prints for it, compiled and run in the same
// sandbox and limits as a check. No verdict: the window tells how the
// program ended. Closing the window stops a run.
class Lesko_Izp : public forms::Form {
public:
    explicit Lesko_Izp(app::Program& program);
    ~Lesko_Izp() override;
    void Form_Load() {}

    void mnu_Izpylni_Click();
    bool Running() const { return bool(run_); }

    enum LabelRole { InputCaption = 0, OutputCaption = 1, EndingLabel = 2 };
    forms::TextBox Wh_Pole{QStringLiteral("Wh_Pole")};    // the student's input
    forms::TextBox Izh_Pole{QStringLiteral("Izh_Pole")};  // what the program printed
    std::array<forms::Label, 3> Label_Izp;
    forms::MenuItem mnu_Izpylni{QStringLiteral("mnu_Izpylni")};

    // How a run ended, in words ("Програмата завърши нормално …").
    static QString endingText(const checker::CheckResult& result);

private:
    void runFinished(const checker::CheckResult& result);

    app::Program& program_;
    std::unique_ptr<checker::CheckJob> run_;
};
