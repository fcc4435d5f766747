#include "checker/commands.h"

#include "runner/protocol.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace checker {

namespace {

QString runnerBeside(const QString& folder)
{
    for (const QString& candidate :
         {QString(folder + u"/lesko_runner"_s), QString(folder + u"/../libexec/lesko/lesko_runner"_s)})
        if (QFileInfo(candidate).isExecutable())
            return QFileInfo(candidate).canonicalFilePath();
    return {};
}

QString sizeArgument(qint64 bytes) { return QString::number(bytes); }

// The system as every sandbox shows it: /usr read-only and its usual links.
QStringList systemFolders()
{
    return {u"--ro-bind"_s, u"/usr"_s,   u"/usr"_s,      u"--symlink"_s, u"usr/lib"_s, u"/lib"_s,      u"--symlink"_s,
            u"usr/lib64"_s, u"/lib64"_s, u"--symlink"_s, u"usr/bin"_s,   u"/bin"_s,    u"--symlink"_s, u"usr/sbin"_s,
            u"/sbin"_s,     u"--proc"_s, u"/proc"_s,     u"--dev"_s,     u"/dev"_s};
}

QStringList masks()
{
    QStringList args;
    for (const QString& file : maskedFiles(QCoreApplication::applicationDirPath()))
        args << u"--ro-bind"_s << u"/dev/null"_s << file;
    return args;
}

// No network, no other process, no way back to the lesson's rights.
QStringList isolation()
{
    return {u"--unshare-all"_s, u"--unshare-user"_s, u"--disable-userns"_s, u"--die-with-parent"_s,
            u"--new-session"_s, u"--clearenv"_s,     u"--cap-drop"_s,       u"ALL"_s};
}

QString insideRunner() { return QString::fromLatin1(runner_protocol::RunnerPath); }

// systemd-run when the session's user manager listens.
QString userManagerScope()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.isEmpty() || !QFileInfo::exists(runtime + u"/systemd/private"_s))
        return {};
    return QStandardPaths::findExecutable(u"systemd-run"_s);
}

}  // namespace

Toolchain Toolchain::fromSystem()
{
    return {QStandardPaths::findExecutable(u"g++"_s), QStandardPaths::findExecutable(u"bwrap"_s),
            runnerBeside(QCoreApplication::applicationDirPath()), userManagerScope(),
            !QStandardPaths::findExecutable(u"ld.gold"_s).isEmpty()};
}

QString CheckSettings::defaultCacheFolder()
{
    // An administrator's answers run as nobody, who cannot enter /root.
    if (geteuid() == 0)
        return u"/var/tmp/lesko-root"_s;
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + u"/lesko"_s;
}

QStringList leadingIncludes(const QString& answer)
{
    static const QRegularExpression include(uR"(^#\s*include\s*<([^>]*)>$)"_s);
    static const QRegularExpression standardName(uR"(^(bits/stdc\+\+\.h|[a-z_][a-z0-9_]*(\.h)?)$)"_s);
    QStringList found;
    for (const QString& line : answer.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u"//"))
            continue;
        const QRegularExpressionMatch m = include.match(trimmed);
        if (!m.hasMatch() || !standardName.match(m.captured(1)).hasMatch())
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
        text += u"#include <"_s + name + u">\n"_s;
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
    return settings.cacheFolder + u"/pch/"_s + QString::fromLatin1(key.result().toHex().left(24));
}

QStringList languageFlags() { return {u"-std=c++17"_s, u"-O0"_s, u"-Wall"_s}; }

QStringList headerBuildArguments()
{
    const QString header = QString::fromUtf16(HeaderName);
    return languageFlags() + QStringList{u"-x"_s, u"c++-header"_s, header, u"-o"_s, header + u".gch"_s};
}

QStringList compileArguments(bool withHeader, int maxErrors, bool goldLinker)
{
    QStringList args = languageFlags();
    if (goldLinker)
        args << u"-fuse-ld=gold"_s;
    // The assembler reads the compiler's output from a pipe, not a file.
    args << u"-pipe"_s;
    // Plain text: the JSON format loses everything when an error is fatal.
    args << u"-fmax-errors=%1"_s.arg(maxErrors) << u"-fno-diagnostics-show-caret"_s << u"-fdiagnostics-color=never"_s;
    if (withHeader)
        args << u"-include"_s << QString::fromUtf16(HeaderMount) + u'/' + QString::fromUtf16(HeaderName);
    args << QString::fromUtf16(SourceName) << u"-o"_s << QString::fromUtf16(ProgramName);
    return args;
}

QStringList maskedFiles(const QString& programFolder)
{
    const QString folder = QFileInfo(programFolder).canonicalFilePath();
    if (folder != u"/usr"_s && !folder.startsWith(u"/usr/"_s))
        return {};
    QStringList files;
    for (const QFileInfo& f : QDir(folder).entryInfoList({u"lesko*"_s}, QDir::Files))
        if (!f.isSymLink())
            files << f.absoluteFilePath();
    return files;
}

QStringList compileSandboxArguments(const CheckSettings& settings, const QString& jobFolder,
                                    const QString& headerFolder, const QStringList& compilerArguments)
{
    const Limits& l = settings.limits;
    const QString job = QString::fromUtf16(JobMount);
    QStringList args = systemFolders();
    args << u"--size"_s << sizeArgument(l.tmpBytes) << u"--tmpfs"_s << u"/tmp"_s << u"--bind"_s << jobFolder << job;
    if (!headerFolder.isEmpty())
        args << u"--ro-bind"_s << headerFolder << QString::fromUtf16(HeaderMount);
    args << u"--ro-bind"_s << settings.toolchain.runner << insideRunner() << masks() << u"--remount-ro"_s << u"/"_s
         << isolation();
    for (const QString& variable : compileEnvironment()) {
        const qsizetype eq = variable.indexOf(u'=');
        args << u"--setenv"_s << variable.left(eq) << variable.mid(eq + 1);
    }
    args << u"--chdir"_s << job << insideRunner() << u"exec"_s << QString::number(l.compileCpuSeconds)
         << sizeArgument(l.compileAddressSpace) << sizeArgument(l.compileFileSize)
         << QString::number(l.compileProcesses) << QString::number(l.compileFiles) << u"--"_s
         << settings.toolchain.compiler << compilerArguments;
    return args;
}

QStringList testSandboxArguments(const CheckSettings& settings, const QString& program)
{
    const Limits& l = settings.limits;
    QStringList args = systemFolders();
    args << u"--size"_s << sizeArgument(l.sharedMemoryBytes) << u"--tmpfs"_s << u"/dev/shm"_s << u"--size"_s
         << sizeArgument(l.tmpBytes) << u"--tmpfs"_s << u"/tmp"_s << u"--ro-bind"_s << settings.toolchain.runner
         << insideRunner() << u"--ro-bind"_s << program << QString::fromLatin1(runner_protocol::ProgramPath) << masks()
         << u"--remount-ro"_s << u"/dev"_s << u"--remount-ro"_s << u"/"_s << isolation() << u"--cap-add"_s
         << u"CAP_SYS_ADMIN"_s << u"--as-pid-1"_s << u"--chdir"_s << u"/tmp"_s << insideRunner() << u"tests"_s;
    return args;
}

QStringList scopeArguments(const Limits& limits, const QString& sandbox)
{
    return {u"--user"_s,  u"--scope"_s,
            u"--quiet"_s, u"--collect"_s,
            u"-p"_s,      u"MemoryMax=%1"_s.arg(limits.checkMemoryBytes),
            u"-p"_s,      u"MemorySwapMax=0"_s,
            u"--"_s,      sandbox};
}

QStringList compileEnvironment()
{
    return {u"PATH=/usr/bin:/bin"_s, u"LANG=C.UTF-8"_s, u"LC_ALL=C.UTF-8"_s,
            u"TMPDIR="_s + QString::fromUtf16(JobMount) + u"/tmp"_s};
}

}  // namespace checker
