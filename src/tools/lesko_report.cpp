// The class summary: merges the attempt logs the lesson wrote on the class's
// computers, gathered into one folder, into one spreadsheet file.
#include "app/configuration.h"
#include "app/text_file.h"
#include "results/class_summary.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

void printLine(std::FILE* stream, const QString& text) { std::fprintf(stream, "%s\n", text.toUtf8().constData()); }

// The summary goes to stdout, or replaces the named file whole.
bool writeOutput(const QString& outputPath, const QByteArray& bytes)
{
    if (outputPath.isEmpty())
        return std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout) == std::size_t(bytes.size()) &&
               std::fflush(stdout) == 0;
    const QFileInfo output(outputPath);
    const QString previous = QDir::currentPath();
    if (!QDir::setCurrent(output.absolutePath()))
        return false;
    const bool written = app::replaceFileInWorkingFolder(output.fileName(), bytes);
    QDir::setCurrent(previous);
    return written;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("lesko_report"));
    const QString lesson = app::designLessonCode(content::Lesson::embedded());

    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Обобщение за класа: събира дневниците на опитите (*.csv) от папката в една таблица,\n"
        u"по един ред за всяко пускане на урока.\n"
        u"Class summary: merges the attempt logs (*.csv) in the folder into one table,\n"
        u"one row per run of the lesson."_s);
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"), u"Папката с дневниците. / The folder holding the logs."_s);
    const QCommandLineOption outputOption(
        {QStringLiteral("o"), QStringLiteral("output")},
        u"Записва таблицата във FILE вместо на стандартния изход. / Writes the table to FILE instead of stdout."_s,
        QStringLiteral("FILE"));
    const QCommandLineOption lessonOption(
        {QStringLiteral("l"), QStringLiteral("lesson")},
        u"Кодът на урока (подразбира се "_s + lesson + u"). / The lesson code (default "_s + lesson + u")."_s,
        QStringLiteral("CODE"), lesson);
    parser.addOption(outputOption);
    parser.addOption(lessonOption);
    parser.process(application);

    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 1) {
        printLine(stderr, u"Посочете една папка. / Give one folder."_s);
        return 2;
    }
    if (!QFileInfo(folders[0]).isDir()) {
        printLine(stderr, u"Няма такава папка: "_s + folders[0]);
        return 1;
    }

    const results::ClassSummary summary = results::readAttemptLogs(folders[0], parser.value(lessonOption));
    for (const QString& skipped : summary.skipped)
        printLine(stderr, u"Пропуснат "_s + skipped);
    printLine(stderr, results::summaryCounts(summary));
    const QString outputPath = parser.value(outputOption);
    if (!writeOutput(outputPath, results::summaryDocument(summary))) {
        printLine(stderr, u"Таблицата не можа да бъде записана: "_s + QFileInfo(outputPath).absoluteFilePath());
        return 1;
    }
    return 0;
}
