#include "checker/commands.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace checker {

Toolchain Toolchain::fromSystem()
{
    return {QStandardPaths::findExecutable(QStringLiteral("g++")),
            QStandardPaths::findExecutable(QStringLiteral("bwrap")),
            QStandardPaths::findExecutable(QStringLiteral("prlimit")),
            !QStandardPaths::findExecutable(QStringLiteral("ld.gold")).isEmpty()};
}

QString CheckSettings::defaultCacheFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/lesko/pch";
}

QStringList leadingIncludes(const QString& answer)
{
    static const QRegularExpression include(QStringLiteral(R"(^\s*#\s*include\s*<([^>]+)>\s*$)"));
    QStringList found;
    for (const QString& line : answer.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u"//"))
            continue;
        const QRegularExpressionMatch m = include.match(trimmed);
        if (!m.hasMatch())
            break;
        if (!found.contains(m.captured(1)))
            found << m.captured(1);
    }
    return found;
}

QString headerText(const QStringList& includes)
{
    QString text;
    for (const QString& name : includes)
        text += u"#include <" + name + u">\n";
    return text;
}

QString headerFolder(const CheckSettings& settings, const QStringList& includes)
{
    const QFileInfo compiler(QFileInfo(settings.toolchain.compiler).canonicalFilePath());
    QCryptographicHash key(QCryptographicHash::Sha256);
    key.addData(compiler.filePath().toUtf8());
    key.addData(QByteArray::number(compiler.size()));
    key.addData(QByteArray::number(compiler.lastModified().toMSecsSinceEpoch()));
    key.addData(languageFlags().join(u' ').toUtf8());
    key.addData(headerText(includes).toUtf8());
    return settings.cacheFolder + u'/' + QString::fromLatin1(key.result().toHex().left(24));
}

QStringList languageFlags() { return {QStringLiteral("-std=c++17"), QStringLiteral("-O0"), QStringLiteral("-Wall")}; }

QStringList headerBuildArguments(const QString& header, const QString& output)
{
    return languageFlags() +
           QStringList{QStringLiteral("-x"), QStringLiteral("c++-header"), header, QStringLiteral("-o"), output};
}

QStringList compileArguments(const QString& header, int maxErrors, bool goldLinker)
{
    QStringList args = languageFlags();
    if (goldLinker)
        args << QStringLiteral("-fuse-ld=gold");
    // Plain text: the JSON format loses everything when an error is fatal.
    args << QStringLiteral("-fmax-errors=%1").arg(maxErrors) << QStringLiteral("-fno-diagnostics-show-caret")
         << QStringLiteral("-fdiagnostics-color=never");
    if (!header.isEmpty())
        args << QStringLiteral("-include") << header;
    args << QString::fromUtf16(SourceName) << QStringLiteral("-o") << QString::fromUtf16(ProgramName);
    return args;
}

QStringList sandboxArguments(const Toolchain& toolchain, const QString& program, const Limits& limits)
{
    const QString inside = u'/' + QString::fromUtf16(ProgramName);
    QStringList args{QStringLiteral("--ro-bind"),
                     QStringLiteral("/usr"),
                     QStringLiteral("/usr"),
                     QStringLiteral("--symlink"),
                     QStringLiteral("usr/lib"),
                     QStringLiteral("/lib"),
                     QStringLiteral("--symlink"),
                     QStringLiteral("usr/lib64"),
                     QStringLiteral("/lib64"),
                     QStringLiteral("--symlink"),
                     QStringLiteral("usr/bin"),
                     QStringLiteral("/bin"),
                     QStringLiteral("--proc"),
                     QStringLiteral("/proc"),
                     QStringLiteral("--dev"),
                     QStringLiteral("/dev"),
                     QStringLiteral("--size"),
                     QString::number(4 * limits.fileSize),
                     QStringLiteral("--tmpfs"),
                     QStringLiteral("/tmp"),
                     QStringLiteral("--ro-bind"),
                     program,
                     inside,
                     QStringLiteral("--unshare-all"),
                     QStringLiteral("--die-with-parent"),
                     QStringLiteral("--new-session"),
                     QStringLiteral("--clearenv"),
                     QStringLiteral("--cap-drop"),
                     QStringLiteral("ALL"),
                     QStringLiteral("--chdir"),
                     QStringLiteral("/tmp")};
    // The process count only holds inside the sandbox's own user namespace.
    if (!toolchain.limiter.isEmpty())
        args << toolchain.limiter << QStringLiteral("--nproc=%1").arg(limits.processes);
    args << inside;
    return args;
}

}  // namespace checker
