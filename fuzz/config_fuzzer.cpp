// Any bytes as the class's configuration file, then the lesson's start-up and
// a little of its use.
#include "app/program.h"
#include "main_window/lesko.h"
#include "quiet_services.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    static QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    {
        QFile file(QStringLiteral("FUNKR.UFG"));
        if (!file.open(QIODevice::WriteOnly))
            return 0;
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QuietServices quiet;
    app::Program program(quiet.services());
    program.start();
    Lesko& lesko = program.lesko();
    for (int point = 0; point < lesko.List_Ur[0].ListCount(); ++point) {
        lesko.List_Ur[0].userClick(point);
        for (int tick = 0; tick < 30; ++tick)
            lesko.Timer1_Timer();
    }
    lesko.setSize(lesko.Width() / 7, lesko.Height() / 5);
    lesko.Form_Resize();
    return 0;
}
