#include "ui/lesson_application.h"

#include <QApplication>
#include <QLibraryInfo>

namespace ui {

void installBulgarian(QApplication& application, QTranslator& translator)
{
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    if (translator.load(QLocale(QLocale::Bulgarian), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&translator);
}

LessonApplication::LessonApplication(QApplication& application)
    : program_({messages_, clipboard_, drive_, fonts_, end_, clock_, later_}), view_(program_)
{
    later_.dispatcher = &view_.dispatcher();
    QApplication::setQuitOnLastWindowClosed(false);
    installBulgarian(application, translator_);
}

LessonApplication::~LessonApplication() = default;

void LessonApplication::start() { program_.start(); }

}  // namespace ui
