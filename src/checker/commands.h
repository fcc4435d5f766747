#pragma once

#include <QString>
#include <QStringList>

// The programs a check starts and their command lines. Everything an answer
// or its compile can do runs inside bwrap through the lesson's own runner
// (src/runner/lesko_runner.cpp, whose header comment tells how a check is
// contained); these functions only build the arguments.
namespace checker {

// The programs a check uses. A missing compiler makes the check unavailable;
// without a sandbox that starts, answers are compiled but never run.
struct Toolchain {
    QString compiler;  // g++
    QString sandbox;   // bwrap
    QString runner;    // lesko_runner, beside the lesson or in its libexec folder
    // systemd-run, when the session has a user manager: each sandbox then runs
    // in a scope of its own with the check's memory limit as a cgroup limit.
    QString memoryScope;
    bool goldLinker = false;  // links in a third of the default linker's time
    static Toolchain fromSystem();
};

// The limits of a check. A check as a whole holds at most about 1 GiB of
// memory: two answer processes of addressSpace each, the two size-limited
// tmpfs, and the runner's buffers; its compile holds one compiler process of
// compileAddressSpace at a time. Everything is bounded in time by checkWallMs.
struct Limits {
    int cpuMs = 2000;  // per test: the task's time limit
    // Per test: three times the CPU limit and a second, so a busy machine
    // never turns a right answer into "Превишено време".
    int wallMs() const { return 3 * cpuMs + 1000; }
    qint64 memoryBytes = qint64(256) << 20;   // resident memory, and the largest single mapping
    qint64 addressSpace = qint64(384) << 20;  // per process: the memory and room for code and stacks
    qint64 fileSize = qint64(1) << 20;
    // Tests at once; an answer may start threads but no processes, so the
    // memory of a check is at most `parallel` address spaces.
    int parallel = 2;
    // Processes and threads of the sandbox's user: the runner, a keeper and
    // an answer per test, and the answers' threads.
    static constexpr int AnswerThreads = 16;
    int processes() const { return 1 + 2 * parallel + AnswerThreads; }
    int files = 32;  // open files per process: bounds what memory files can hold
    qint64 tmpBytes = qint64(16) << 20;
    qint64 sharedMemoryBytes = qint64(8) << 20;
    qint64 outputBytes = qint64(64) << 10;  // at least; a test whose answer is longer gets twice its size
    qint64 errorBytes = qint64(16) << 10;

    int compileCpuSeconds = 20;
    int compileWallMs = 30000;
    qint64 compileAddressSpace = qint64(1) << 30;
    qint64 compileFileSize = qint64(64) << 20;
    int compileProcesses = 8;  // the driver, cc1plus, as, collect2 and ld
    int compileFiles = 256;
    qint64 compilerErrorBytes = qint64(256) << 10;

    int checkWallMs = 60000;                    // the whole check, compile included
    qint64 checkMemoryBytes = qint64(1) << 30;  // the scope's limit, where there is one
    // Free space the job folder's disk must have before a compile starts.
    qint64 freeSpaceNeeded = qint64(128) << 20;
};

struct CheckSettings {
    Toolchain toolchain = Toolchain::fromSystem();
    Limits limits;
    QString cacheFolder = defaultCacheFolder();  // precompiled headers and the jobs' private folders
    qint64 headerCacheBytes = qint64(300) << 20;
    static QString defaultCacheFolder();
};

// The fixed names inside a job's folder, so that messages name no temporary path.
inline constexpr char16_t SourceName[] = u"main.cpp";
inline constexpr char16_t ProgramName[] = u"otgowor";
inline constexpr char16_t HeaderName[] = u"lesko_pch.h";
// Where the sandbox shows the job's folder and the precompiled header's.
inline constexpr char16_t JobMount[] = u"/job";
inline constexpr char16_t HeaderMount[] = u"/pch";

// The standard headers an answer includes in its leading lines, in order.
// Only standard library names count ("vector", "cmath", "bits/stdc++.h"):
// anything else ("/dev/zero", "../x") ends the list and is left to the compile.
QStringList leadingIncludes(const QString& answer);
// The text of the header that precompiles those includes.
QString headerText(const QStringList& includes);
// The folder of the precompiled header for these includes and this compiler:
// a new compiler (path, size or time) gives a new folder.
QString headerFolder(const CheckSettings& settings, const QStringList& includes);

QStringList languageFlags();
// Compiler arguments, run in the job's folder inside the sandbox.
QStringList headerBuildArguments();
QStringList compileArguments(bool withHeader, int maxErrors, bool goldLinker);

// Files of the sandbox that must not be readable: the lesson's own programs
// (they carry the authors' solutions and the tests), found beside the running
// program. Paths outside /usr need no mask: only /usr is shown.
QStringList maskedFiles(const QString& programFolder);

// bwrap arguments for the compiler: the job's folder read-write (TMPDIR in
// it), the precompiled header's folder read-only when there is one, the
// runner setting the compile's limits.
QStringList compileSandboxArguments(const CheckSettings& settings, const QString& jobFolder,
                                    const QString& headerFolder, const QStringList& compilerArguments);
// bwrap arguments for the tests: a read-only root, the compiled answer and
// the runner read-only, size-limited /tmp and /dev/shm, no network, no new
// user namespaces; the runner is the sandbox's process 1.
QStringList testSandboxArguments(const CheckSettings& settings, const QString& program);
// The environment of a compile: UTF-8 messages, the job's folder for
// temporary files.
QStringList compileEnvironment();
// A sandbox's command in a memory-limited scope of the user's manager:
// systemd-run's arguments before bwrap and its own.
QStringList scopeArguments(const Limits& limits, const QString& sandbox);

}  // namespace checker
