#pragma once

#include "checker/commands.h"

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

// lesko_check: the checker from the command line, for the teacher.
//   lesko_check --task N [--tests DIR] FILE   checks one answer file
//   lesko_check --all FOLDER [-o FILE]         checks every saved answer of a class folder into a table
//   lesko_check --export FOLDER                writes the tasks as problem packages
namespace checker {

// The exit codes of a check of one answer.
enum CheckToolExit { ToolAccepted = 0, ToolRejected = 1, ToolMisused = 2, ToolUnavailable = 3 };

// Runs the tool; arguments[0] is the program's name. The result (or help)
// goes to out, every complaint as one line to err. It runs its own event
// loop while the checks run.
int runCheckTool(const QStringList& arguments, QIODevice& out, QTextStream& err,
                 const CheckSettings& settings = CheckSettings{});

// The answer a file holds: a saved solution file (Windows-1251, with or
// without the statement before "Представено решение:") or a source in UTF-8.
QString answerOfFile(const QByteArray& bytes);

// The task a saved solution file of the lesson belongs to by its name
// ("FUNKR_07.TXT", "FUNKR_07_Ivan-Petrov_lab-3.TXT"); 0 when none.
int taskOfSolutionFile(const QString& fileName, const QString& lessonCode);

}  // namespace checker
