#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <optional>

// lesko_config: the class configuration from the command line.
namespace setup {

// Runs the tool; arguments[0] is the program's name. Readable output goes to
// out, every complaint as one line to err. Returns the exit code: 0 on
// success, 1 for a refused value or file, 2 for a misused command line.
int runConfigTool(const QStringList& arguments, QTextStream& out, QTextStream& err);

// Task or point numbers such as "1-5,8", each from 1 to last; null when the
// text is not such a list.
std::optional<QList<int>> parseNumberList(QStringView text, int last);

}  // namespace setup
