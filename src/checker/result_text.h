#pragma once

#include "checker/verdict.h"

#include <QString>
#include <QStringList>

// The words of a check's result, shared by the result window and lesko_check,
// lines joined with CR LF.
namespace checker::text {

// "Ред 4, колона 5: Липсва „;“ …"; an error in a header names it.
QString errorLine(const Diagnostic& error);
// The error's line and the answer's line it points at.
QString errorDetails(const Diagnostic& error, const QStringList& answerLines);
// A test's line and below it a sample's input, expected and actual output with
// the first difference marked, or a hidden test's hint (never its data).
QString testDetails(int number, const TestResult& test);

}  // namespace checker::text
