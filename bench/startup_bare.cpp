// A bare Qt Widgets window with a menu bar, started and measured the same way
// as the lesson: the floor for the lesson's start-up.
#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction(QStringLiteral("Изход"));
    window.resize(792, 566);
    window.show();
    QuitOnFirstPaint quit(window);
    return QApplication::exec();
}
