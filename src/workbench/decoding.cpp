// Task lines as the workbench shows them: decoded when option 31 says the
// lesson stores them encoded.
#include "content/task_cipher.h"
#include "workbench/lesko_n.h"

#include <algorithm>

QString Lesko_n::Fn_Decrypt(const QString& line) const
{
    return workbenchFlag(content::Option::EncodedTasks) < 1 ? line : content::decodeTaskLine(line);
}

// Lines past the end of the task's list have nothing to show and are skipped.
QString Lesko_n::decodedLines(const forms::ListBox& lines, int first, int end) const
{
    QString text;
    for (int i = std::max(first, 0); i < std::min(end, lines.ListCount()); ++i)
        text += u"\r\n" + Fn_Decrypt(lines.List(i));
    return text;
}
