#include "checker/problem_packages.h"

#include "configuration/configuration.h"
#include "content/numbers.h"
#include "content/zip_writer.h"
#include "files/text_file.h"
#include "program/stores.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cstring>

using namespace Qt::StringLiterals;

namespace app {

namespace {

QStringList taskLines(const content::Lesson& lesson, int task)
{
    const content::Lesson::Entry* lines = lesson.find(u"Lesko_Zad"_s, u"Uslowie_L"_s, task);
    return lines ? lines->items : QStringList();
}

int firstLine(const content::Lesson& lesson, TaskTexts::RedowePosition which, int task)
{
    const content::Lesson::Entry* first = lesson.find(u"Lesko_Zad"_s, u"Redowe_L"_s, which);
    return first ? content::roundToInt32(content::leadingNumber(first->items.value(task))) : 0;
}

QString readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QString taskFolder(const content::Lesson& lesson, int task)
{
    return lesson.folder() + u"/tasks/" + u"%1"_s.arg(task, 2, 10, QChar(u'0'));
}

// A line that shows an example: the judge shows the samples itself.
bool isExampleLine(const QString& line, bool afterExample)
{
    if (line.startsWith(u"Пример"))
        return true;
    if (afterExample && (line.startsWith(u"Вход:") || line.startsWith(u"Изход:")))
        return true;
    return line.startsWith(u"(В") && line.contains(u"знакът / означава нов ред");
}

// A statement line as Markdown text: the characters Markdown would read as
// markup are escaped, leading blanks (a code block) are dropped.
QString markdownLine(const QString& line)
{
    static const QRegularExpression special(QStringLiteral(R"(([\\`*_\[\]<>#|~$]))"));
    static const QRegularExpression listStart(QStringLiteral(R"(^(\d+)([.)]))"));
    static const QRegularExpression blockStart(QStringLiteral(R"(^([-+=]))"));
    QString text = line.trimmed();
    text.replace(special, QStringLiteral(R"(\\1)"));
    text.replace(listStart, QStringLiteral(R"(\1\\\2)"));
    text.replace(blockStart, QStringLiteral(R"(\\\1)"));
    return text;
}

const QString ComparisonNote = QStringLiteral(
    "Изходът се сравнява по редове: краят на ред CR LF е същият като LF, интервалите в края на ред и празните "
    "редове в края се пренебрегват, а всичко останало, включително малките и главните букви, трябва да "
    "съвпада.");

// The files of the task's folder in the lesson, by their path inside it.
QList<QPair<QString, QString>> folderFiles(const QString& folder)
{
    QList<QPair<QString, QString>> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.append({QDir(folder).relativeFilePath(path), path});
    }
    std::sort(files.begin(), files.end());
    return files;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

QString authorSolution(const content::Lesson& lesson, int task)
{
    const QStringList lines = taskLines(lesson, task);
    const int from = firstLine(lesson, TaskTexts::FirstSolutionLines, task);
    if (from < 1 || from >= lines.size())
        return {};
    return lines.mid(from).join(u'\n') + u'\n';
}

int taskOfWrongAnswer(const QString& fileName)
{
    static const QRegularExpression name(QStringLiteral(R"(^(\d\d)_\w+\.cpp$)"));
    const QRegularExpressionMatch m = name.match(fileName);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

QString wrongAnswerFolder(const QString& fileName)
{
    if (fileName.endsWith(u"_slow.cpp"))
        return u"time_limit_exceeded"_s;
    if (fileName.endsWith(u"_crash.cpp"))
        return u"run_time_error"_s;
    return u"wrong_answer"_s;
}

QList<Submission> submissions(const content::Lesson& lesson, int task)
{
    QList<Submission> all{{u"accepted"_s, u"solution.cpp"_s, authorSolution(lesson, task)}};
    const QDir wrong(lesson.folder() + u"/wrong_answers");
    for (const QString& file : wrong.entryList({u"*.cpp"_s}, QDir::Files, QDir::Name))
        if (taskOfWrongAnswer(file) == task)
            all.append({wrongAnswerFolder(file), file, readAll(wrong.filePath(file))});
    return all;
}

QString problemPackageName(const content::Lesson& lesson, int task)
{
    const QString code = designLessonCode(lesson).toLower().remove(QRegularExpression(u"[^a-z0-9]"_s));
    return (code.isEmpty() ? u"task"_s : code) + u"%1"_s.arg(task, 2, 10, QChar(u'0'));
}

QString packageStatement(const content::Lesson& lesson, int task)
{
    const QStringList lines = taskLines(lesson, task);
    const int from = firstLine(lesson, TaskTexts::FirstStatementLines, task);
    const int to = std::min(int(lines.size()), firstLine(lesson, TaskTexts::FirstSolutionLines, task));
    QStringList paragraphs{QString()};
    bool inExample = false;
    for (int i = std::max(from, 0); i < to; ++i) {
        inExample = isExampleLine(lines.at(i), inExample);
        if (inExample)
            continue;
        if (lines.at(i).trimmed().isEmpty()) {
            if (!paragraphs.constLast().isEmpty())
                paragraphs.append(QString());
            continue;
        }
        QString& paragraph = paragraphs.last();
        paragraph += (paragraph.isEmpty() ? QString() : u"\\\n"_s) + markdownLine(lines.at(i));
    }
    if (paragraphs.constLast().isEmpty())
        paragraphs.removeLast();
    paragraphs.append(ComparisonNote);
    return paragraphs.join(u"\n\n"_s) + u'\n';
}

QByteArray problemPackage(const content::Lesson& lesson, int task)
{
    const QString folder = taskFolder(lesson, task);
    if (!QFileInfo(folder).isDir())
        return {};
    const QString root = problemPackageName(lesson, task) + u'/';
    content::ZipWriter zip;
    for (const auto& [inside, path] : folderFiles(folder))
        zip.add(root + inside, fileBytes(path));
    zip.add(root + u"statement/problem.bg.md", packageStatement(lesson, task).toUtf8());
    for (const Submission& s : submissions(lesson, task))
        zip.add(root + u"submissions/" + s.folder + u'/' + s.fileName, s.source.toUtf8());
    return zip.archive();
}

content::Result<int> writeProblemPackages(const content::Lesson& lesson, const QString& folder)
{
    if (!QDir().mkpath(folder))
        return content::Result<int>::failure(u"Папката „" + folder + u"“ не може да бъде създадена.");
    int written = 0;
    for (int task = 1; task < int(std::tuple_size_v<decltype(TaskTexts::Uslowie_L)>); ++task) {
        const QByteArray package = problemPackage(lesson, task);
        if (package.isEmpty())
            continue;
        const QString path = QDir(folder).filePath(problemPackageName(lesson, task) + u".zip");
        if (const content::Done saved = replaceFile(path, package); !saved)
            return content::Result<int>::failure(u"Файлът „" + path + u"“ не може да бъде записан: " +
                                                 systemErrorText(saved.error()) + u'.');
        ++written;
    }
    return written;
}

}  // namespace app
