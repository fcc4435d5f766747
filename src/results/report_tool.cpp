#include "results/report_tool.h"

#include "configuration/configuration.h"
#include "files/text_file.h"
#include "results/class_summary.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <cstring>

using namespace Qt::StringLiterals;

namespace results {

namespace {

enum Exit { Done = 0, Unusable = 1, Misused = 2 };

int writeTable(const QString& output, const QString& folder, const QByteArray& table, QIODevice& out, QTextStream& err)
{
    if (output.isEmpty()) {
        if (out.write(table) == table.size())
            return Done;
        err << u"Таблицата не можа да бъде записана на стандартния изход.\n"_s;
        return Unusable;
    }
    const QString shown = QDir::toNativeSeparators(QDir::current().absoluteFilePath(output));
    if (const content::Done allowed = tableMayReplace(output, folder); !allowed) {
        err << u"Таблицата не е записана: "_s << shown << u' ' << allowed.reason() << u"; посочете друг файл с -o.\n"_s;
        return Unusable;
    }
    if (const content::Done written = app::replaceFile(output, table); !written) {
        err << u"Таблицата не можа да бъде записана: "_s << shown << u": "_s << app::systemErrorText(written.error())
            << u".\n"_s;
        return Unusable;
    }
    return Done;
}

}  // namespace

int runReportTool(const QStringList& arguments, QIODevice& out, QTextStream& err)
{
    const QString lesson = app::designLessonCode(content::Lesson::embedded());
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Обобщение за класа: събира дневниците на опитите (*.csv) от папката в една таблица,\n"
        u"по един ред за всяко пускане на урока.\n"
        u"Class summary: merges the attempt logs (*.csv) in the folder into one table,\n"
        u"one row per run of the lesson."_s);
    const QCommandLineOption help({u"h"_s, u"help"_s}, u"Тази помощ. / This help."_s);
    const QCommandLineOption outputOption(
        {u"o"_s, u"output"_s},
        u"Записва таблицата във FILE вместо на стандартния изход. / Writes the table to FILE instead of stdout."_s,
        u"FILE"_s);
    const QCommandLineOption lessonOption(
        {u"l"_s, u"lesson"_s},
        u"Кодът на урока (подразбира се "_s + lesson + u"). / The lesson code (default "_s + lesson + u")."_s,
        u"CODE"_s, lesson);
    parser.addOptions({help, outputOption, lessonOption});
    parser.addPositionalArgument(u"FOLDER"_s, u"Папката с дневниците. / The folder holding the logs."_s);
    if (!parser.parse(arguments)) {
        err << parser.errorText() << u"\n"_s;
        return Misused;
    }
    if (parser.isSet(help)) {
        out.write(parser.helpText().toUtf8());
        return Done;
    }
    const QStringList folders = parser.positionalArguments();
    if (folders.size() != 1) {
        err << u"Посочете една папка. / Give one folder.\n"_s;
        return Misused;
    }
    const content::Result<ClassSummary> summary = readAttemptLogs(folders[0], parser.value(lessonOption));
    if (!summary) {
        err << summary.reason() << u"\n"_s;
        return Unusable;
    }
    for (const QString& skipped : summary->skipped)
        err << u"Пропуснат "_s << skipped << u"\n"_s;
    err << summaryCounts(*summary) << u"\n"_s;
    err.flush();
    return writeTable(parser.value(outputOption), folders[0], summaryDocument(*summary), out, err);
}

}  // namespace results
