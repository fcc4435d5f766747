// The lesson from process start until its main window is first painted.
#include "first_paint.h"
#include "main_window/lesko.h"
#include "ui/form_view.h"
#include "ui/lesson_application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::LessonApplication lesson(application);
    lesson.start();
    QuitOnFirstPaint quit(*lesson.view().viewOf(lesson.program().lesko())->window());
    return QApplication::exec();
}
