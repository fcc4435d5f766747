// The class configuration from the command line: without options it writes
// the file that opens the lesson's features into the working folder.
#include "setup/command_line.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream out(stdout), err(stderr);
    const int code = setup::runConfigTool(QCoreApplication::arguments(), out, err);
    out.flush();
    err.flush();
    return code;
}
