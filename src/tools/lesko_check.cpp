// The teacher's checker: an answer file, or every saved answer of a class, is
// checked as the task window checks it; the tasks can be exported for a judge.
#include "checker/check_tool.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lesko_check"));
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered))
        return checker::ToolUnavailable;
    QTextStream err(stderr);
    const int code = checker::runCheckTool(QCoreApplication::arguments(), out, err);
    err.flush();
    return code;
}
