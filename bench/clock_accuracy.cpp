// The lesson's counted reading seconds against the monotonic clock, over
// several minutes of real time with the other core kept busy.
#include "configuration/configuration.h"
#include "main_window/lesko.h"
#include "ui/lesson_application.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <thread>

int main(int argc, char* argv[])
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 180;
    QApplication application(argc, argv);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    ui::LessonApplication lesson(application);
    {
        QFile file(QStringLiteral("FUNKR.UFG"));
        file.open(QIODevice::WriteOnly);
        file.write(content::serialiseConfig(app::openLessonConfig(lesson.program())));
    }
    lesson.start();
    Lesko& lesko = lesson.program().lesko();
    lesko.List_Ur[Lesko::PlanList].userClick(0);
    lesko.Item_Time[1] = 32767;  // a point long enough for the whole measurement

    std::atomic<bool> running{true};
    std::thread busy([&] {
        volatile unsigned long spin = 0;
        while (running.load(std::memory_order_relaxed))
            spin = spin + 1;
    });

    const qint16 before = lesko.Item_Time[1];
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(seconds * 1000, &application, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    const double elapsed = clock.nsecsElapsed() / 1e9;
    running = false;
    busy.join();

    const int counted = before - lesko.Item_Time[1];
    std::printf("real time %.3f s, counted %d s, ticks %d, counted/real %.4f, deviation %.2f %%\n", elapsed, counted,
                lesko.Tick_Count, counted / elapsed, 100.0 * (counted - elapsed) / elapsed);
    return 0;
}
