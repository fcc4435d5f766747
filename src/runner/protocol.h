#pragma once

// What the lesson and its sandbox runner say to each other: plain C++, shared
// by both sides (the runner links no Qt).
//
// The request, on the runner's standard input, text lines then raw bytes:
//   lesko-run 1
//   limits <cpu ms> <wall ms> <address space> <memory kB> <file size> <processes> <files> <parallel>
//   tests <n>
//   then n times: <input length> <output cap> <error cap> LF <input bytes>
// The report, on the runner's standard output, which no answer can write:
//   ready
//   then per test as it ends, in any order:
//   test <i> <exit|signal|unstarted> <code> <cpu ms> <wall ms> <max rss kB> <flags> <out len> <err len> LF
//   <out bytes><err bytes>
//   done
namespace runner_protocol {

inline constexpr char Magic[] = "lesko-run 1";
inline constexpr char Ready[] = "ready";
inline constexpr char Done[] = "done";

// Flags of a test's report line.
enum Flag : unsigned {
    OutputCapped = 1,  // stopped for printing more than its cap
    WallTimeout = 2,   // stopped by the wall clock
    CpuTimeout = 4,    // used its CPU time (stopped by the runner or the CPU limit)
};

// Where the sandbox shows the runner and the compiled answer.
inline constexpr char RunnerPath[] = "/run/lesko/lesko_runner";
inline constexpr char ProgramPath[] = "/run/lesko/otgowor";

// The exit status of the runner when the sandbox could not be set up around
// the compiler; the compiler's own statuses are 0, 1 and signals.
inline constexpr int SetupFailed = 125;

// The most tests of one request, and the most that run at once.
inline constexpr unsigned long long MaxTests = 10000;
inline constexpr unsigned long long MaxParallel = 16;

// A report's text line is shorter than this; its data follow it.
inline constexpr int ReportLineBytes = 256;

}  // namespace runner_protocol
