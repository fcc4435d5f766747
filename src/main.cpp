// The lesson program: the Qt application and the event loop.
#include "files/working_folder.h"
#include "program/lesson_folder.h"
#include "ui/lesson_application.h"
#include "ui/results/results_window.h"
#include "ui/setup/setup_window.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

namespace {

// Without a display the toolkit would abort with its own error; say instead
// how to start the lesson.
bool hasDisplay()
{
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

bool hasArgument(int argc, char** argv, std::initializer_list<const char*> names)
{
    for (int i = 1; i < argc; ++i)
        for (const char* name : names)
            if (std::strcmp(argv[i], name) == 0)
                return true;
    return false;
}

const char Help[] =
    "Употреба: lesko [--from-menu] [--setup [--system] | --results [ПАПКА]]\n"
    "Електронен урок „Функционална релация“ по информатика (C++).\n"
    "\n"
    "  --from-menu        работи в папката на урока в „Документи“ вместо в текущата папка\n"
    "  --setup            режим Настройка: конфигурацията на урока за класа\n"
    "  --system           с --setup: общият файл на компютъра за всеки акаунт\n"
    "                     (по подразбиране /etc/xdg/lesko); нужни са права на администратор\n"
    "  --results [ПАПКА]  резултатите на класа от дневниците на опитите в папката\n"
    "                     (без ПАПКА: папката за предаване от настройките на класа,\n"
    "                     иначе работната папка)\n"
    "  -h, --help         тази помощ\n"
    "  --version          версията\n"
    "\n"
    "Usage: lesko [--from-menu] [--setup [--system] | --results [FOLDER]]\n"
    "  --from-menu        work in the lesson's folder under documents, not the current folder\n"
    "  --setup            setup mode: the lesson's class configuration\n"
    "  --system           with --setup: the computer's shared file for every account\n"
    "                     (default /etc/xdg/lesko); needs administrator rights\n"
    "  --results [FOLDER] the class's results from the attempt logs in the folder (default:\n"
    "                     the hand-in folder of the class settings, else the working folder)\n"
    "  -h, --help         this help\n"
    "  --version          the version\n"
    "\n"
    "Ръководство / manual: man lesko\n";

// The folder named after --results, empty when none is.
QString resultsFolder(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(QStringLiteral("--results"));
    const QString next = arguments.value(at + 1);
    return next.startsWith(u'-') ? QString() : next;
}

}  // namespace

int main(int argc, char* argv[])
{
    // Both print and end before anything else: no display, no window.
    if (hasArgument(argc, argv, {"--help", "-h"})) {
        std::fputs(Help, stdout);
        return 0;
    }
    if (hasArgument(argc, argv, {"--version"})) {
        std::puts("lesko " LESKO_VERSION);
        return 0;
    }
    const bool fromMenu = app::takeOption(argc, argv, app::FromMenuOption);
    if (!hasDisplay()) {
        std::fputs(
            "Няма графичен дисплей. Стартирайте урока с: xvfb-run -a lesko\n"
            "No graphical display. Start the lesson with: xvfb-run -a lesko\n",
            stderr);
        return 2;
    }
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.contains(QStringLiteral("--setup")))
        return ui::runSetup(application, fromMenu, arguments.contains(QStringLiteral("--system")));
    ui::QtMessages messages;
    if (arguments.contains(QStringLiteral("--results"))) {
        const QString folder = resultsFolder(arguments);
        if (folder.isEmpty() && !app::enterLessonFolder(fromMenu, app::systemStartFolders(),
                                                        app::lessonTitle(content::Lesson::embedded()), messages))
            return 1;
        return ui::runResults(application, folder);
    }
    ui::LessonApplication lesson(application);
    if (!app::enterLessonFolder(fromMenu, app::systemStartFolders(), app::lessonTitle(lesson.program().lesson()),
                                messages))
        return 1;
    lesson.start();
    if (lesson.program().ended())
        return 0;
    return QApplication::exec();
}
