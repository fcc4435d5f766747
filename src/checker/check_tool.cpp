#include "checker/check_tool.h"

#include "checker/check_job.h"
#include "checker/problem_packages.h"
#include "checker/result_text.h"
#include "checker/task_check.h"
#include "configuration/configuration.h"
#include "content/codepage.h"
#include "content/task_package.h"
#include "files/text_file.h"
#include "results/csv.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QRegularExpression>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace checker {

namespace {

constexpr qsizetype MaxAnswerBytes = 1 << 20;
const QString StatementHeading = u"Условие на задачата:"_s;
const QString AnswerHeading = u"Представено решение:\r\n"_s;

struct Options {
    QCommandLineOption help{{u"h"_s, u"help"_s}, u"Тази помощ. / This help."_s};
    QCommandLineOption task{u"task"_s, u"Задачата, чийто отговор се проверява. / The task of the answer."_s, u"N"_s};
    QCommandLineOption tests{u"tests"_s,
                             u"Добавя тестовете в папката (подредени като пакет със задача: data/sample, "
                             u"data/secret). / Adds the tests of a folder in the problem package layout."_s,
                             u"DIR"_s};
    QCommandLineOption all{u"all"_s,
                           u"Проверява всеки записан отговор в папката на класа (FUNKR_NN*.TXT). / Checks every "
                           u"saved answer of a class folder."_s,
                           u"FOLDER"_s};
    QCommandLineOption output{{u"o"_s, u"output"_s},
                              u"Таблицата на --all във FILE вместо на стандартния изход. / The table of --all to "
                              u"FILE instead of stdout."_s,
                              u"FILE"_s};
    QCommandLineOption exportTo{u"export"_s,
                                u"Записва задачите като пакети за система за автоматична проверка (zip). / Writes "
                                u"the tasks as problem packages (zip) for a judge."_s,
                                u"FOLDER"_s};
};

void say(QIODevice& out, const QString& text) { out.write((text + u'\n').toUtf8()); }

CheckResult checkNow(const CheckSettings& settings, const QString& answer, const QList<TestCase>& tests)
{
    CheckJob job(settings, answer, tests);
    QEventLoop loop;
    QObject::connect(&job, &CheckJob::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
    return job.result();
}

// Lines after the first indented, CR LF as LF.
QString indented(const QString& text)
{
    QStringList lines = QString(text).replace(u"\r\n"_s, u"\n"_s).split(u'\n');
    for (int i = 1; i < lines.size(); ++i)
        lines[i] = lines[i].isEmpty() ? QString() : u"    "_s + lines[i];
    return lines.join(u'\n');
}

// The result as the result window shows it: the verdict, a line per test,
// the data of a failed sample, the hint of a failed hidden test, the errors.
void printResult(QIODevice& out, const CheckResult& result, const QString& answer)
{
    say(out, result.summary());
    for (int i = 0; i < result.tests.size(); ++i) {
        const TestResult& t = result.tests.at(i);
        say(out, t.verdict == Verdict::Accepted ? testLine(i + 1, t) : indented(text::testDetails(i + 1, t)));
    }
    const QStringList answerLines = answer.split(u'\n');
    for (const Diagnostic& d : result.diagnostics)
        say(out, indented(text::errorDetails(d, answerLines)));
    if (!result.compilerText.isEmpty())
        say(out, u"Текст на компилатора:\n"_s + result.compilerText);
}

int exitOf(const CheckResult& result)
{
    if (result.verdict == Verdict::Accepted)
        return ToolAccepted;
    return result.verdict == Verdict::Unavailable ? ToolUnavailable : ToolRejected;
}

// The lesson's tests of the task and those of the teacher's folder.
content::Result<QList<TestCase>> testsFor(int task, const QString& extraFolder)
{
    QList<TestCase> tests = taskTests(content::Lesson::embedded(), task);
    if (extraFolder.isEmpty())
        return tests;
    const content::TaskPackage package = content::scanTaskPackage(extraFolder, content::PackageFile::Optional);
    if (!package.problems.isEmpty())
        return content::Result<QList<TestCase>>::failure(package.problems.join(u' '));
    const content::Result<QList<content::TaskTest>> read = content::readTests(package.tests);
    if (!read)
        return content::Result<QList<TestCase>>::failure(read.reason());
    if (read->isEmpty())
        return content::Result<QList<TestCase>>::failure(u"В папката "_s + QDir::toNativeSeparators(extraFolder) +
                                                         u" няма тестове (data/sample/*.in, data/secret/*.in)."_s);
    return tests + testCases(*read);
}

int checkOne(const Options& o, const QCommandLineParser& parser, const CheckSettings& settings, QIODevice& out,
             QTextStream& err)
{
    bool ok = false;
    const int task = parser.value(o.task).toInt(&ok);
    if (!ok || content::Lesson::embedded().testCount(task) == 0 || parser.positionalArguments().size() != 1) {
        err << u"Посочете задача с тестове (--task N) и един файл с отговор. / Give a task and one answer file.\n"_s;
        return ToolMisused;
    }
    const content::Result<QList<TestCase>> tests = testsFor(task, parser.value(o.tests));
    if (!tests) {
        err << tests.reason() << u'\n';
        return ToolMisused;
    }
    const content::Result<QByteArray> bytes =
        app::readRegularFile(parser.positionalArguments().first(), MaxAnswerBytes);
    if (!bytes) {
        err << bytes.reason() << u'\n';
        return ToolMisused;
    }
    const QString answer = answerOfFile(*bytes);
    const CheckResult result = checkNow(taskSettings(settings, content::Lesson::embedded(), task), answer, *tests);
    printResult(out, result, answer);
    return exitOf(result);
}

int checkFolder(const QString& folder, const QString& output, const CheckSettings& settings, QIODevice& out,
                QTextStream& err)
{
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) {
        err << u"Папката "_s << QDir::toNativeSeparators(folder) << u" не може да бъде прочетена.\n"_s;
        return ToolRejected;
    }
    const QString code = app::designLessonCode(content::Lesson::embedded());
    results::csv::Rows rows{{u"Файл"_s, u"Задача"_s, u"Резултат"_s, u"Верни тестове"_s, u"Тестове"_s}};
    for (const QString& name : dir.entryList(QDir::Files, QDir::Name)) {
        const int task = taskOfSolutionFile(name, code);
        if (task == 0)
            continue;
        const content::Result<QByteArray> bytes = app::readRegularFile(dir.filePath(name), MaxAnswerBytes);
        if (!bytes) {
            rows << QStringList{name, QString::number(task), bytes.reason(), QString(), QString()};
            continue;
        }
        const CheckResult r = checkNow(taskSettings(settings, content::Lesson::embedded(), task), answerOfFile(*bytes),
                                       taskTests(content::Lesson::embedded(), task));
        rows << QStringList{name, QString::number(task), r.summary(), QString::number(r.passed()),
                            QString::number(r.total())};
        err << name << u": "_s << r.summary() << u'\n';
        err.flush();
    }
    const QByteArray table = results::csv::document(rows);
    if (output.isEmpty())
        return out.write(table) == table.size() ? ToolAccepted : ToolRejected;
    if (const content::Done written = app::replaceFile(output, table); !written) {
        err << u"Таблицата не можа да бъде записана: "_s << QDir::toNativeSeparators(output) << u": "_s
            << written.reason() << u".\n"_s;
        return ToolRejected;
    }
    return ToolAccepted;
}

int exportPackages(const QString& folder, QIODevice& out, QTextStream& err)
{
    const content::Result<int> written = app::writeProblemPackages(content::Lesson::embedded(), folder);
    if (!written) {
        err << written.reason() << u'\n';
        return ToolRejected;
    }
    say(out, u"Записани пакети: %1 в "_s.arg(*written) + QDir::toNativeSeparators(QDir(folder).absolutePath()));
    return ToolAccepted;
}

}  // namespace

QString answerOfFile(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = content::fromWindows1251(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (const qsizetype at = text.indexOf(AnswerHeading); text.startsWith(StatementHeading) && at >= 0)
        text = text.mid(at + AnswerHeading.size());
    return text.replace(u"\r\n"_s, u"\n"_s);
}

int taskOfSolutionFile(const QString& fileName, const QString& lessonCode)
{
    const QRegularExpression pattern(u"^"_s + QRegularExpression::escape(lessonCode) + u"_(\\d\\d)(_[^.]*)?\\.TXT$"_s,
                                     QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = pattern.match(fileName);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

int runCheckTool(const QStringList& arguments, QIODevice& out, QTextStream& err, const CheckSettings& settings)
{
    const Options o;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"Проверка на отговори по задачите на урока, както в прозореца със задачи (F5).\n"
        u"Checks answers to the lesson's tasks as the task window does (F5).\n"
        u"Изход / exit: 0 верен, 1 друга присъда, 2 грешни аргументи, 3 проверката не е налична."_s);
    parser.addOptions({o.help, o.task, o.tests, o.all, o.output, o.exportTo});
    parser.addPositionalArgument(u"FILE"_s, u"Файлът с отговора. / The answer file."_s);
    if (!parser.parse(arguments)) {
        err << parser.errorText() << u'\n';
        return ToolMisused;
    }
    if (parser.isSet(o.help)) {
        out.write(parser.helpText().toUtf8());
        return ToolAccepted;
    }
    const int modes = int(parser.isSet(o.task)) + int(parser.isSet(o.all)) + int(parser.isSet(o.exportTo));
    if (modes != 1) {
        err << u"Посочете точно едно от --task, --all и --export (вижте --help).\n"_s;
        return ToolMisused;
    }
    if (parser.isSet(o.all))
        return checkFolder(parser.value(o.all), parser.value(o.output), settings, out, err);
    if (parser.isSet(o.exportTo))
        return exportPackages(parser.value(o.exportTo), out, err);
    return checkOne(o, parser, settings, out, err);
}

}  // namespace checker
