#pragma once

#include <QIODevice>
#include <QStringList>
#include <QTextStream>

// lesko_report: the class summary from the command line.
namespace results {

// Runs the tool; arguments[0] is the program's name. The table (or the help)
// goes to out unless -o names a file; every complaint goes as one line to err,
// then the counts of logs read and skipped. Returns the exit code: 0 when the
// table was written, 1 when the folder or the output could not be used, 2 for
// wrong arguments.
int runReportTool(const QStringList& arguments, QIODevice& out, QTextStream& err);

}  // namespace results
