#pragma once

#include "content/lesson.h"
#include "content/result.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace app {

// The lesson's tasks as problem packages (version 2025-09 of the format) that
// a programming judge imports: one zip per task, holding a folder named after
// the package with problem.yaml, statement/problem.bg.md, data/, the input
// validator, the author's solution under submissions/accepted/ and the task's
// typical wrong answers under the submissions/ folder their name gives.
// docs/task-tests.md describes them.

// A program of a task's package.
struct Submission {
    QString folder;  // "accepted", "wrong_answer", "time_limit_exceeded" or "run_time_error"
    QString fileName;
    QString source;
};

// The author's solution of the task: its lines from the first solution line on.
QString authorSolution(const content::Lesson& lesson, int task);
// The task a wrong answer belongs to by its file name ("10_square_of_a_prime.cpp"); 0 when none.
int taskOfWrongAnswer(const QString& fileName);
// The folder of submissions/ a wrong answer goes to by its name: a name that ends
// in "_slow" exceeds the time limit, "_crash" ends by a signal, any other gives a
// wrong output.
QString wrongAnswerFolder(const QString& fileName);
// The author's solution, then the task's wrong answers in name order (those the
// lesson carries in wrong_answers/).
QList<Submission> submissions(const content::Lesson& lesson, int task);

// The package's name: the lesson code in small letters and the task's two digits ("funkr07").
QString problemPackageName(const content::Lesson& lesson, int task);
// The statement in Markdown: the task's statement without its title and examples
// (a judge shows the name and the samples itself), and how outputs are compared.
QString packageStatement(const content::Lesson& lesson, int task);
// The task's package as a zip archive; empty when the lesson has no package folder for it.
QByteArray problemPackage(const content::Lesson& lesson, int task);
// Writes the package of every task that has tests into the folder, which is made
// when missing, each file through the safe replace: the number of packages written,
// or the reason in Bulgarian.
content::Result<int> writeProblemPackages(const content::Lesson& lesson, const QString& folder);

}  // namespace app
