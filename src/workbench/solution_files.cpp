// "Запис": the statement with the answer, the answer alone or the author's
// solution of the current task, saved to the task's text file in the working
// folder (Windows-1251, CR LF).
#include "configuration/configuration.h"
#include "content/codepage.h"
#include "files/text_file.h"
#include "program/messages.h"
#include "program/recording.h"
#include "workbench/lesko_n.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString solutionFileText(const Lesko_n& bench, int mode)
{
    const QString& answer = bench.Text_Un[Lesko_n::AnswerBox].Text();
    switch (mode) {
        case Lesko_n::SaveStatementAndAnswer: {
            const QString& statement = bench.Text_Un[Lesko_n::StatementBox].Text();
            const QStringView lineEnd = statement.endsWith(u"\r\n") ? QStringView() : QStringView(u"\r\n");
            return u"Условие на задачата:\r\n" + statement + lineEnd + u"Представено решение:\r\n" + answer;
        }
        case Lesko_n::SaveAnswerOnly:
            return answer;
        case Lesko_n::SaveAuthorSolution:
            return bench.Text_Un[Lesko_n::SolutionBox].Text();
        default:
            return {};
    }
}

}  // namespace

void Lesko_n::mnu_ZapReshen_Click(int index)
{
    MakeSolutionFileName();
    if (!List_Un[TaskList].Enabled())
        List_Un[TaskList].setEnabled(true);  // saving a task's work frees the task list
    if (index >= SaveStatementAndAnswer && index <= SaveAuthorSolution)
        WriteSolutionFile(index);
}

// Lesson code + "_" + the task number in two digits + ".TXT"; task 105 would
// give "05", no task "00".
void Lesko_n::MakeSolutionFileName()
{
    const int task = selectedTask();
    const QString number = QString::number(task);
    const QString twoDigits = task >= 10 ? number.right(2) : u'0' + number.right(1);
    SolutionFileName = app::lessonCode(program_) + u'_' + twoDigits + u".TXT";
}

// The file is replaced whole. When it cannot be written the student is told
// and the previous file, if any, stays as it was; a saved file goes into the
// attempt log. "Решение на автора" while the box holds no solution (it is
// empty before the time is over, or says the solution is closed) never
// replaces a file that holds something: the student is told why instead.
void Lesko_n::WriteSolutionFile(int mode)
{
    const QString path = QDir::current().absoluteFilePath(SolutionFileName);
    if (mode == SaveAuthorSolution && !authorSolutionShown() && QFileInfo(SolutionFileName).size() > 0) {
        Greska_Otgowor2(app::message_code::AuthorSolutionNotSaved, path);
        return;
    }
    const QByteArray bytes = content::toWindows1251(solutionFileText(*this, mode));
    if (!app::replaceFileInWorkingFolder(SolutionFileName, bytes))
        Greska_Otgowor2(app::message_code::SaveFailed, path);
    else
        app::solutionFileSaved(program_, selectedTask(), SolutionFileName, bytes);
}
