// Cost of the work the lesson repeats: a lesson tick, a workbench tick, one
// resize of the 21 proportional controls and one settings save, against an
// empty function call as the floor.
#include "configuration/configuration.h"
#include "main_window/lesko.h"
#include "program/program.h"
#include "program/quiet_services.h"
#include "settings/cwiat.h"
#include "workbench/lesko_n.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>

namespace {

struct Lesson {
    QTemporaryDir folder;
    app::QuietServices quiet;
    std::unique_ptr<app::Program> program;
    Lesson()
    {
        QDir::setCurrent(folder.path());
        program = std::make_unique<app::Program>(quiet.services());
        QFile file(QStringLiteral("FUNKR.UFG"));
        file.open(QIODevice::WriteOnly);
        file.write(content::serialiseConfig(app::openLessonConfig(*program)));
        file.close();
        program->start();
    }
};

void EmptyCall(benchmark::State& state)
{
    std::function<void()> nothing = [] {};
    for (auto _ : state)
        nothing();
}

void LessonTick(benchmark::State& state)
{
    Lesson lesson;
    Lesko& lesko = lesson.program->lesko();
    lesko.List_Ur[Lesko::PlanList].userClick(0);
    lesko.Item_Time[1] = 32767;
    for (auto _ : state) {
        lesko.Timer1_Timer();
        if (lesko.Item_Time[1] < 100)
            lesko.Item_Time[1] = 32767;
    }
}

void WorkbenchTick(benchmark::State& state)
{
    Lesson lesson;
    lesson.program->lesko().mnu_Wyprosi_Click();
    Lesko_n& bench = lesson.program->lesko_n();
    for (auto _ : state) {
        bench.Timer_n_Timer();
        if (bench.RemainingTime < 10)
            bench.RemainingTime = 1e6;
    }
}

void SettingsSave(benchmark::State& state)
{
    Lesson lesson;
    Lesko& lesko = lesson.program->lesko();
    for (auto _ : state) {
        state.PauseTiming();
        lesko.mnu_Cwqt_Click();
        Cwiat& settings = lesson.program->cwiat();
        state.ResumeTiming();
        settings.mnu_zapis_Click();
        state.PauseTiming();
        lesson.program->releaseUnloaded();
        state.ResumeTiming();
    }
}

void Resize(benchmark::State& state)
{
    Lesson lesson;
    Lesko& lesko = lesson.program->lesko();
    double width = 11880;
    for (auto _ : state) {
        width = width > 20000 ? 11880 : width + 15;
        lesko.setSize(width, 8190);
        lesko.Form_Resize();
    }
}

}  // namespace

BENCHMARK(EmptyCall);
BENCHMARK(LessonTick);
BENCHMARK(WorkbenchTick);
BENCHMARK(Resize);
BENCHMARK(SettingsSave);
BENCHMARK_MAIN();
