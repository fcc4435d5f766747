#pragma once

#include <QString>
#include <QStringList>

namespace checker {

// The programs a check uses. An empty or missing compiler makes the check
// unavailable; a missing sandbox runs the answer with the limits alone.
struct Toolchain {
    QString compiler;         // g++
    QString sandbox;          // bwrap
    QString limiter;          // prlimit: sets the process count inside the sandbox
    bool goldLinker = false;  // links in a third of the default linker's time
    static Toolchain fromSystem();
};

// The limits of every run of an answer.
struct Limits {
    int cpuSeconds = 2;
    int wallMs = 5000;
    qint64 addressSpace = qint64(256) << 20;
    qint64 fileSize = qint64(1) << 20;
    int processes = 32;
    qint64 outputBytes = 64 << 10;
    qint64 errorBytes = 16 << 10;
    int compileWallMs = 30000;
};

struct CheckSettings {
    Toolchain toolchain = Toolchain::fromSystem();
    Limits limits;
    QString cacheFolder = defaultCacheFolder();  // holds the precompiled headers
    static QString defaultCacheFolder();
};

// The fixed names inside the check's private folder, so that messages name
// no temporary path.
inline constexpr char16_t SourceName[] = u"main.cpp";
inline constexpr char16_t ProgramName[] = u"otgowor";
inline constexpr char16_t HeaderName[] = u"lesko_pch.h";

// The standard headers an answer includes in its leading lines, in order.
QStringList leadingIncludes(const QString& answer);
// The text of the header that precompiles those includes.
QString headerText(const QStringList& includes);
// The folder of the precompiled header for these includes and this compiler:
// a new compiler (path, size or time) gives a new folder.
QString headerFolder(const CheckSettings& settings, const QStringList& includes);

QStringList languageFlags();
QStringList headerBuildArguments(const QString& header, const QString& output);
// Compiles SourceName into ProgramName in the current folder; with a header,
// its precompiled form is used.
QStringList compileArguments(const QString& header, int maxErrors, bool goldLinker);
// bwrap arguments that run the compiled program read-only in a private /tmp,
// with no network, new process and session namespaces and an empty environment.
QStringList sandboxArguments(const Toolchain& toolchain, const QString& program, const Limits& limits);

}  // namespace checker
