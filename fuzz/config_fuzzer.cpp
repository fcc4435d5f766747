// Any bytes as the class's configuration file, then the lesson's start-up and
// a little of its use.
#include "main_window/lesko.h"
#include "program/program.h"
#include "program/quiet_services.h"
#include "workbench/lesko_n.h"

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
    app::QuietServices quiet;
    app::Program program(quiet.services());
    program.start();
    Lesko& lesko = program.lesko();
    for (int point = 0; point < lesko.List_Ur[Lesko::PlanList].ListCount(); ++point) {
        lesko.List_Ur[Lesko::PlanList].userClick(point);
        for (int tick = 0; tick < 30; ++tick)
            lesko.Timer1_Timer();
    }
    lesko.setSize(lesko.Width() / 7, lesko.Height() / 5);
    lesko.Form_Resize();

    lesko.mnu_Wyprosi_Click();
    Lesko_n& bench = program.lesko_n();
    for (int task = 0; task < bench.List_Un[Lesko_n::TaskList].ListCount() && task < 6; ++task) {
        bench.List_Un[Lesko_n::TaskList].userClick(task);
        bench.Text_Un[Lesko_n::AnswerBox].userEdited(QStringLiteral("отговор"));
        for (int tick = 0; tick < 30; ++tick)
            bench.Timer_n_Timer();
    }
    bench.mnu_All_zadachi.userClick();
    bench.mnu_Tip_Wid.userClick();
    bench.mnu_IzhodN_Click();
    lesko.Izhod_Click();  // answered No
    return 0;
}
