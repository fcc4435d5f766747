// The class summary: merges the attempt logs the lesson wrote on the class's
// computers, gathered into one folder, into one spreadsheet file.
#include "results/report_tool.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lesko_report"));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return 1;
    QTextStream err(stderr);
    const int code = results::runReportTool(QCoreApplication::arguments(), out, err);
    err.flush();
    return code;
}
