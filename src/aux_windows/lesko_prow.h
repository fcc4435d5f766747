#pragma once

#include "checker/verdict.h"
#include "forms/form.h"

namespace app {
class Program;
}

// "Резултат от проверката": the verdict of a check, one line per test (or per
// compile error) and the details of the chosen line: a sample's data in full,
// a hidden test's hint only. Choosing a compile
// error puts the workbench answer box's caret on the error's line.
class Lesko_Prow : public forms::Form {
public:
    explicit Lesko_Prow(app::Program& program);
    void Form_Load() {}

    // Shows the result of checking answer, the text that was checked.
    void showResult(const checker::CheckResult& result, const QString& answer);
    void List_Prow_Click();

    forms::Label Prisyda{QStringLiteral("Prisyda")};        // the verdict
    forms::ListBox List_Prow{QStringLiteral("List_Prow")};  // tests or errors
    forms::TextBox Podrobno{QStringLiteral("Podrobno")};    // details

private:
    app::Program& program_;
    checker::CheckResult result_;
    QStringList answerLines_;
    bool showing_ = false;
};
