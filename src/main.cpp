// The lesson program: the Qt application and the event loop.
#include "app/working_folder.h"
#include "ui/lesson_application.h"
#include "ui/setup/setup_window.h"

#include <QApplication>
#include <cstdio>

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

}  // namespace

int main(int argc, char* argv[])
{
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
    ui::LessonApplication lesson(application);
    ui::QtMessages messages;
    if (!app::enterLessonFolder(fromMenu, app::systemStartFolders(), app::lessonTitle(lesson.program().lesson()),
                                messages))
        return 1;
    lesson.start();
    if (lesson.program().ended())
        return 0;
    return QApplication::exec();
}
