// From "Проверка" to the verdict on every test of task 1's solution, against
// the plain `g++ -std=c++17 file.cpp` of the same answer, alternated in one run.
// The precompiled header is built by an untimed first check, as it is once
// per machine.
#include "aux_windows/lesko_zad.h"
#include "checker/check_job.h"
#include "checker/task_check.h"
#include "content/lesson.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QString solution(int task)
{
    const content::Lesson& lesson = content::Lesson::embedded();
    const content::Lesson::Entry* lines = lesson.find(u"Lesko_Zad"_s, u"Uslowie_L"_s, task);
    const content::Lesson::Entry* first = lesson.find(u"Lesko_Zad"_s, u"Redowe_L"_s, TaskTexts::FirstSolutionLines);
    return lines->items.mid(first->items.value(task).toInt()).join(u'\n') + u'\n';
}

double checkMs(const checker::CheckSettings& settings, const QString& answer, checker::Verdict& verdict)
{
    QElapsedTimer clock;
    clock.start();
    checker::CheckJob job(settings, answer, checker::taskTests(content::Lesson::embedded(), 1));
    QEventLoop loop;
    QObject::connect(&job, &checker::CheckJob::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    verdict = job.result().verdict;
    return double(clock.nsecsElapsed()) / 1e6;
}

double plainCompileMs(const QString& compiler, const QString& folder)
{
    QElapsedTimer clock;
    clock.start();
    QProcess gcc;
    gcc.setWorkingDirectory(folder);
    gcc.start(compiler, {u"-std=c++17"_s, u"file.cpp"_s});
    gcc.waitForFinished(-1);
    return double(clock.nsecsElapsed()) / 1e6;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 11;
    QTemporaryDir cache, plain;
    checker::CheckSettings settings;
    settings.cacheFolder = cache.path();
    settings.toolchain.runner = QStringLiteral(LESKO_RUNNER);
    settings = checker::taskSettings(settings, content::Lesson::embedded(), 1);
    const QString answer = solution(1);
    QFile file(plain.filePath(u"file.cpp"_s));
    if (!file.open(QIODevice::WriteOnly) || file.write(answer.toUtf8()) < 0 || !file.flush())
        return 1;
    file.close();

    checker::Verdict verdict;
    const double first = checkMs(settings, answer, verdict);
    QList<double> checks, compiles;
    for (int i = 0; i < runs; ++i) {
        checks << checkMs(settings, answer, verdict);
        if (verdict != checker::Verdict::Accepted)
            return std::fprintf(stderr, "task 1's solution was not judged right\n"), 1;
        compiles << plainCompileMs(settings.toolchain.compiler, plain.path());
    }
    const double check = median(checks), compile = median(compiles);
    std::printf("first check (builds the precompiled header): %.0f ms\n", first);
    std::printf("check, %lld tests, sandbox %s: %.0f ms (median of %d)\n",
                qlonglong(content::Lesson::embedded().testCount(1)),
                QFileInfo(settings.toolchain.sandbox).isExecutable() ? "on" : "off", check, runs);
    std::printf("plain g++ -std=c++17 file.cpp: %.0f ms (median of %d)\n", compile, runs);
    std::printf("ratio (target at most 0.5 x): %.2f x\n", check / compile);
    return 0;
}
