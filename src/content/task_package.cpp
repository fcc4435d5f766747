#include "content/task_package.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace content {

namespace {

QString lineReason(int line, const QString& what) { return QStringLiteral("ред %1: %2").arg(line).arg(what); }

// The text of a double-quoted scalar whose opening quote is at 0, with the
// escapes JSON has; end receives the position after the closing quote.
std::optional<QString> doubleQuoted(QStringView text, qsizetype& end)
{
    static const QHash<QChar, QChar> simple{{u'"', u'"'},  {u'\\', u'\\'}, {u'/', u'/'},  {u'n', u'\n'},
                                            {u't', u'\t'}, {u'r', u'\r'},  {u'b', u'\b'}, {u'f', u'\f'}};
    QString value;
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'"') {
            end = i + 1;
            return value;
        }
        if (c != u'\\') {
            value.append(c);
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        if (text.at(i) == u'u') {
            bool ok = false;
            const uint code = i + 4 < text.size() ? text.mid(i + 1, 4).toUInt(&ok, 16) : 0;
            if (!ok)
                return std::nullopt;
            value.append(QChar(char16_t(code)));
            i += 4;
        } else if (simple.contains(text.at(i))) {
            value.append(simple.value(text.at(i)));
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

// A single-quoted scalar: two quotes stand for one.
std::optional<QString> singleQuoted(QStringView text, qsizetype& end)
{
    QString value;
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text.at(i) != u'\'') {
            value.append(text.at(i));
        } else if (i + 1 < text.size() && text.at(i + 1) == u'\'') {
            value.append(u'\'');
            ++i;
        } else {
            end = i + 1;
            return value;
        }
    }
    return std::nullopt;
}

bool onlyCommentAfter(QStringView rest)
{
    const QStringView trimmed = rest.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith(u'#');
}

// The scalar after a key's colon; nullopt when it is malformed.
std::optional<QString> scalar(QStringView text)
{
    qsizetype end = 0;
    std::optional<QString> value;
    if (text.startsWith(u'"'))
        value = doubleQuoted(text, end);
    else if (text.startsWith(u'\''))
        value = singleQuoted(text, end);
    else
        return text.left(text.indexOf(u" #") < 0 ? text.size() : text.indexOf(u" #")).trimmed().toString();
    if (!value || !onlyCommentAfter(text.mid(end)))
        return std::nullopt;
    return value;
}

int timeLimitOf(const QHash<QString, QString>& yaml, QStringList& problems, const QString& file)
{
    if (!yaml.contains(u"limits.time_limit"_s))
        return 0;
    bool ok = false;
    const double seconds = yaml.value(u"limits.time_limit"_s).toDouble(&ok);
    if (!ok || seconds <= 0 || seconds > 3600) {
        problems << file + u": ограничението на времето (limits.time_limit) не е положително число секунди.";
        return 0;
    }
    return qRound(seconds * 1000);
}

std::optional<QHash<QString, QString>> yamlFile(const QString& path, QStringList& problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems << path + u": файлът не може да бъде прочетен.";
        return std::nullopt;
    }
    Result<QHash<QString, QString>> yaml = readPackageYaml(file.readAll());
    if (!yaml) {
        problems << path + u": " + yaml.reason();
        return std::nullopt;
    }
    return yaml.value();
}

// The tests of data/<group>: every NAME.in with its NAME.ans and NAME.yaml.
void scanGroup(const QString& folder, const QString& group, TaskPackage& package)
{
    const QDir dir(folder + u"/data/" + group);
    if (!dir.exists())
        return;
    QStringList files = dir.entryList(QDir::Files);
    std::sort(files.begin(), files.end());
    for (const QString& file : files) {
        const QString base = file.section(u'.', 0, 0);
        const QString extension = file.mid(base.size());
        const bool declared = files.contains(base + u".in");
        if (extension == u".in") {
            TestFiles test{
                group + u'/' + base, dir.filePath(file), dir.filePath(base + u".ans"), {}, group == u"sample"};
            if (!files.contains(base + u".ans"))
                package.problems << dir.filePath(file) + u": липсва отговорът " + base + u".ans.";
            if (files.contains(base + u".yaml"))
                if (const auto yaml = yamlFile(dir.filePath(base + u".yaml"), package.problems))
                    test.hint = yaml->value(u"hint"_s);
            package.tests << test;
        } else if ((extension == u".ans" || extension == u".yaml") && !declared && base != u"test_group") {
            package.problems << dir.filePath(file) + u": няма вход " + base + u".in.";
        }
    }
}

}  // namespace

Result<QHash<QString, QString>> readPackageYaml(const QByteArray& bytes)
{
    static const QRegularExpression keyLine(QStringLiteral(R"(^( *)([A-Za-z0-9_.-]+):(?: +(.*)|)$)"));
    QHash<QString, QString> values;
    QList<QPair<int, QString>> blocks;  // the open blocks: their key's indent and path
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.trimmed().startsWith(u'#'))
            continue;
        const QRegularExpressionMatch m = keyLine.match(line);
        const int number = int(i) + 1;
        if (!m.hasMatch())
            return Result<QHash<QString, QString>>::failure(
                lineReason(number, QStringLiteral("очаква се „ключ: стойност“.")));
        const int indent = int(m.capturedLength(1));
        while (!blocks.isEmpty() && blocks.constLast().first >= indent)
            blocks.removeLast();
        if (indent > 0 && blocks.isEmpty())
            return Result<QHash<QString, QString>>::failure(lineReason(number, QStringLiteral("излишен отстъп.")));
        const QString key = (blocks.isEmpty() ? QString() : blocks.constLast().second + u'.') + m.captured(2);
        if (values.contains(key))
            return Result<QHash<QString, QString>>::failure(lineReason(number, u"ключът „" + key + u"“ се повтаря."));
        const QString rest = m.captured(3);
        if (onlyCommentAfter(rest)) {
            blocks.append({indent, key});
            values.insert(key, QString());
            continue;
        }
        const std::optional<QString> value = scalar(rest);
        if (!value)
            return Result<QHash<QString, QString>>::failure(lineReason(number, QStringLiteral("неправилни кавички.")));
        values.insert(key, *value);
    }
    return values;
}

TaskPackage scanTaskPackage(const QString& folder, PackageFile problemYaml)
{
    TaskPackage package;
    const QString problemFile = folder + u"/problem.yaml";
    if (!QFileInfo::exists(problemFile)) {
        if (problemYaml == PackageFile::Required)
            package.problems << problemFile + u": липсва.";
    } else if (const auto yaml = yamlFile(problemFile, package.problems))
        package.timeLimitMs = timeLimitOf(*yaml, package.problems, problemFile);
    scanGroup(folder, QStringLiteral("sample"), package);
    scanGroup(folder, QStringLiteral("secret"), package);
    return package;
}

Result<QList<TaskTest>> readTests(const QList<TestFiles>& tests)
{
    QList<TaskTest> read;
    for (const TestFiles& files : tests) {
        QFile input(files.inputPath), answer(files.answerPath);
        if (!input.open(QIODevice::ReadOnly))
            return Result<QList<TaskTest>>::failure(files.inputPath + u": файлът не може да бъде прочетен.");
        if (!answer.open(QIODevice::ReadOnly))
            return Result<QList<TaskTest>>::failure(files.answerPath + u": файлът не може да бъде прочетен.");
        read.append({files.name, QString::fromUtf8(input.readAll()), QString::fromUtf8(answer.readAll()), files.hint,
                     files.sample});
    }
    return read;
}

}  // namespace content
