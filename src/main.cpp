// The lesson program: a Qt application with Bulgarian standard texts, the
// program object with the Qt services, and the event loop.
#include "app/program.h"
#include "ui/program_view.h"
#include "ui/qt_services.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
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

void installBulgarian(QApplication& app, QTranslator& translator)
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    if (translator.load(QLocale(QLocale::Bulgarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&translator);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (!hasDisplay()) {
        std::fputs("Няма графичен дисплей. Стартирайте урока с: xvfb-run -a lesko\n"
                   "No graphical display. Start the lesson with: xvfb-run -a lesko\n",
                   stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QTranslator translator;
    installBulgarian(app, translator);

    ui::QtMessages messages;
    ui::QtClipboard clipboard;
    ui::WorkingFolderDrive drive;
    ui::QtFonts fonts;
    ui::QtEnd end;
    app::Program program({messages, clipboard, drive, fonts, end});
    ui::ProgramView view(program);
    program.start();
    if (program.ended())
        return 0;
    return QApplication::exec();
}
