// lesko_runner: the lesson's own program inside a check's sandbox (bwrap).
//
// How a check is contained. The lesson starts bwrap twice per check: once for
// the compiler, once for every test of the answer. Inside, the file system is
// the system's /usr read-only, a read-only root, size-limited /tmp (and
// /dev/shm for the tests), no network; user namespaces are closed; the
// lesson's own programs are masked. This program is the only one the lesson
// starts there, in one of two ways:
//
//   lesko_runner exec <cpu s> <address space> <file size> <processes> <files> -- PROGRAM ARGS…
//     sets the limits on itself and becomes PROGRAM (the compiler), after
//     saying "ready" on its output so the lesson knows the sandbox started.
//     Every limit is checked; when one cannot be set, nothing runs and the
//     exit status is runner_protocol::SetupFailed.
//
//   lesko_runner tests
//     reads the request (runner/protocol.h) on standard input and keeps it in
//     memory, so no test's data is a file an answer could read; its memory
//     cannot be read (not dumpable, and the answer's filter forbids tracing).
//     It is the sandbox's process 1 and keeps the capability to make process
//     namespaces. Each test gets a keeper, process 1 of a namespace of the
//     test's own, which starts the answer with its input and output on pipes,
//     resource limits, no capabilities and the seccomp filter of
//     runner/seccomp_filter.h (threads, but no new processes), waits for it
//     and reports its wait status and resource usage. When the keeper ends,
//     everything the answer left ends with it. At most `parallel` tests run at
//     once. What ended each test is reported on this program's standard
//     output, which no answer holds: nothing an answer prints decides its
//     verdict.
#include "runner/protocol.h"
#include "runner/seccomp_filter.h"

#include <dirent.h>
#include <fcntl.h>
#include <linux/capability.h>
#include <poll.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

using namespace runner_protocol;

// The bytes read or drained from a pipe in one call.
constexpr std::size_t ChunkBytes = 65536;
// How long the runner waits for its pipes before it looks at the clocks.
constexpr int PollMs = 5;
// The answer's report pipe, after its standard input, output and error.
constexpr int AnswerReportFd = 3;
// Deep recursion has room; the C library also gives each thread a stack this size.
constexpr rlim_t MaxStackBytes = rlim_t(64) << 20;

// Every write of the report is whole or the runner gives up: the lesson then
// sees a report cut short and says the check is not available.
void writeAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            _exit(SetupFailed);
        data += n;
        size -= std::size_t(n);
    }
}

void say(const std::string& line) { writeAll(STDOUT_FILENO, line.data(), line.size()); }

[[noreturn]] void fail(const char* what)
{
    const std::string line = std::string("lesko_runner: ") + what + ": " + std::strerror(errno) + "\n";
    writeAll(STDERR_FILENO, line.data(), line.size());
    _exit(SetupFailed);
}

bool parseNumber(const char* text, unsigned long long& value)
{
    if (!text || *text < '0' || *text > '9')
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0';
}

void setLimit(int resource, rlim_t value)
{
    const rlimit limit{value, value};
    if (setrlimit(resource, &limit) != 0)
        fail("setrlimit");
}

// ---------------------------------------------------------------- exec mode

int execCompiler(int argc, char** argv)
{
    unsigned long long cpu = 0, space = 0, fileSize = 0, processes = 0, files = 0;
    if (argc < 9 || std::strcmp(argv[7], "--") != 0 || !parseNumber(argv[2], cpu) || !parseNumber(argv[3], space) ||
        !parseNumber(argv[4], fileSize) || !parseNumber(argv[5], processes) || !parseNumber(argv[6], files)) {
        errno = EINVAL;
        fail("exec: arguments");
    }
    setLimit(RLIMIT_CORE, 0);
    // SIGXCPU at the soft limit, SIGKILL a second later.
    const rlimit cpuLimit{rlim_t(cpu), rlim_t(cpu + 1)};
    if (setrlimit(RLIMIT_CPU, &cpuLimit) != 0)
        fail("setrlimit");
    setLimit(RLIMIT_AS, rlim_t(space));
    setLimit(RLIMIT_FSIZE, rlim_t(fileSize));
    setLimit(RLIMIT_NPROC, rlim_t(processes));
    setLimit(RLIMIT_NOFILE, rlim_t(files));
    say(std::string(Ready) + "\n");
    execvp(argv[8], argv + 8);
    fail("exec");
}

// ---------------------------------------------------------------- tests mode

struct Limits {
    unsigned long long cpuMs = 0, wallMs = 0, addressSpace = 0, memoryKb = 0, fileSize = 0, processes = 0, files = 0,
                       parallel = 1;
};

struct Test {
    std::string input;
    std::size_t outputCap = 0;
    std::size_t errorCap = 0;
};

struct Request {
    Limits limits;
    std::vector<Test> tests;
};

std::string readAll(int fd)
{
    std::string data;
    char buffer[ChunkBytes];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail("read request");
        if (n == 0)
            return data;
        data.append(buffer, std::size_t(n));
    }
}

// Takes one line off the front of text.
bool takeLine(std::string& text, std::string& line)
{
    const std::size_t end = text.find('\n');
    if (end == std::string::npos)
        return false;
    line = text.substr(0, end);
    text.erase(0, end + 1);
    return true;
}

bool parseRequest(std::string text, Request& request)
{
    std::string line;
    Limits& l = request.limits;
    unsigned long long count = 0;
    if (!takeLine(text, line) || line != Magic || !takeLine(text, line) ||
        std::sscanf(line.c_str(), "limits %llu %llu %llu %llu %llu %llu %llu %llu", &l.cpuMs, &l.wallMs,
                    &l.addressSpace, &l.memoryKb, &l.fileSize, &l.processes, &l.files, &l.parallel) != 8 ||
        !takeLine(text, line) || std::sscanf(line.c_str(), "tests %llu", &count) != 1 || count > MaxTests ||
        l.parallel < 1 || l.parallel > MaxParallel)
        return false;
    for (unsigned long long i = 0; i < count; ++i) {
        unsigned long long length = 0, outputCap = 0, errorCap = 0;
        if (!takeLine(text, line) || std::sscanf(line.c_str(), "%llu %llu %llu", &length, &outputCap, &errorCap) != 3 ||
            length > text.size())
            return false;
        request.tests.push_back({text.substr(0, length), std::size_t(outputCap), std::size_t(errorCap)});
        text.erase(0, length);
    }
    return text.empty();
}

long long cpuMsOf(const rusage& usage)
{
    return (long long)(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000;
}

long long nowMs()
{
    timespec t{};
    if (clock_gettime(CLOCK_MONOTONIC, &t) != 0)
        fail("clock_gettime");
    return (long long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

// What a test's keeper tells the runner on its report pipe.
struct Record {
    enum Kind : int { NotStarted = 1, Ended = 2 } kind;
    int value;  // the errno of a failed start, or the wait status
    long long cpuMs;
    long maxRssKb;
};

// False when the record did not go whole: the runner then takes the test as
// stopped.
bool send(int fd, const Record& record)
{
    ssize_t n;
    do
        n = ::write(fd, &record, sizeof record);
    while (n < 0 && errno == EINTR);
    return n == ssize_t(sizeof record);
}

void closeFd(int& fd)
{
    if (fd >= 0)
        ::close(fd);
    fd = -1;
}

// In the answer's process, forked by its keeper: limits, no capabilities,
// the filter, then the answer. A failure to start is told on report.
[[noreturn]] void becomeAnswer(const Limits& l, int in, int out, int err, int report)
{
    const auto give = [&report](int error) {
        send(report, {Record::NotStarted, error, 0, 0});
        _exit(SetupFailed);
    };
    // The answer keeps its three pipes and nothing else (the report pipe
    // closes when it starts).
    if (dup2(in, STDIN_FILENO) < 0 || dup2(out, STDOUT_FILENO) < 0 || dup2(err, STDERR_FILENO) < 0 ||
        dup3(report, AnswerReportFd, O_CLOEXEC) < 0 || syscall(SYS_close_range, AnswerReportFd + 1, ~0u, 0) != 0)
        give(errno);
    report = AnswerReportFd;
    if (signal(SIGPIPE, SIG_DFL) == SIG_ERR)
        give(errno);
    // The kernel's CPU limit stops the answer once it has used its time, in
    // whole seconds rounded up; past the soft limit comes SIGXCPU, a second
    // later SIGKILL.
    const rlim_t cpuSeconds = rlim_t((l.cpuMs + 999) / 1000);
    const rlim_t stack = std::min<rlim_t>(MaxStackBytes, rlim_t(l.memoryKb) * 1024);
    const struct {
        int resource;
        rlim_t soft, hard;
    } table[] = {
        {RLIMIT_CORE, 0, 0},
        {RLIMIT_CPU, cpuSeconds, cpuSeconds + 1},
        {RLIMIT_AS, rlim_t(l.addressSpace), rlim_t(l.addressSpace)},
        {RLIMIT_FSIZE, rlim_t(l.fileSize), rlim_t(l.fileSize)},
        {RLIMIT_NPROC, rlim_t(l.processes), rlim_t(l.processes)},
        {RLIMIT_NOFILE, rlim_t(l.files), rlim_t(l.files)},
        {RLIMIT_MEMLOCK, 0, 0},
        {RLIMIT_MSGQUEUE, 0, 0},
        {RLIMIT_STACK, stack, stack},
    };
    for (const auto& t : table) {
        const rlimit value{t.soft, t.hard};
        if (setrlimit(t.resource, &value) != 0)
            give(errno);
    }
    // The runner's capabilities in the sandbox end here.
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct none[2] = {};
    if (prctl(PR_CAP_AMBIENT, PR_CAP_AMBIENT_CLEAR_ALL, 0, 0, 0) != 0 || syscall(SYS_capset, &header, none) != 0)
        give(errno);
    if (!runner::installAnswerFilter((unsigned long)(l.memoryKb) * 1024))
        give(errno);
    char name[] = "otgowor";
    char* const arguments[] = {name, nullptr};
    char path[] = "PATH=/usr/bin:/bin";
    char lang[] = "LANG=C.UTF-8";
    char* const environment[] = {path, lang, nullptr};
    execve(ProgramPath, arguments, environment);
    give(errno);
    _exit(SetupFailed);
}

// The test's keeper: process 1 of a process namespace of the test's own.
// Signals from inside cannot reach it, and when it ends, everything the
// answer left in the namespace ends with it; nothing of one test can touch
// another. It starts the answer, waits for it and reports how it ended.
[[noreturn]] void keepTest(const Limits& l, int in, int out, int err, int report)
{
    if (prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0) != 0)
        _exit(SetupFailed);
    const pid_t answer = fork();
    if (answer == 0)
        becomeAnswer(l, in, out, err, report);
    ::close(in);
    ::close(out);
    ::close(err);
    if (answer < 0) {
        send(report, {Record::NotStarted, errno, 0, 0});
        _exit(SetupFailed);
    }
    int status = 0;
    rusage usage{};
    pid_t ended;
    do
        ended = wait4(answer, &status, 0, &usage);
    while (ended < 0 && errno == EINTR);
    // Without its answer's status the test counts as stopped.
    if (ended != answer)
        _exit(SetupFailed);
    _exit(send(report, {Record::Ended, status, cpuMsOf(usage), usage.ru_maxrss}) ? 0 : SetupFailed);
}

struct Slot {
    std::size_t index = 0;
    pid_t keeper = 0;
    int input = -1, output = -1, errors = -1, report = -1;
    int ended = -1;  // readable when the keeper has ended (a pidfd); -1 where the kernel has none
    std::size_t written = 0;
    std::string out, err;
    long long startMs = 0, endMs = 0;
    unsigned flags = 0;
    bool kept = false;  // the keeper has ended
    bool reported = false;
    Record record{};
};

class TestRunner {
public:
    explicit TestRunner(Request request) : request_(std::move(request)) {}
    void run();

private:
    bool start(std::size_t index);
    void service(int timeoutMs);
    void readRecord(Slot& slot);
    void enforceWallClock();
    void reap();
    bool finishIfDone(Slot& slot);
    void report(const Slot& slot, const char* how, int code, long long cpuMs, long maxRssKb);
    void stop(Slot& slot, unsigned flag);

    Request request_;
    std::vector<Slot> slots_;
};

bool TestRunner::start(std::size_t index)
{
    int in[2], out[2], err[2], record[2];
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0 ||
        pipe2(record, O_CLOEXEC) != 0)
        fail("pipe");
    // Like fork, into a new process namespace.
    const pid_t keeper = pid_t(syscall(SYS_clone, CLONE_NEWPID | SIGCHLD, nullptr, nullptr, nullptr, nullptr));
    if (keeper == 0) {
        ::close(in[1]);
        ::close(out[0]);
        ::close(err[0]);
        ::close(record[0]);
        keepTest(request_.limits, in[0], out[1], err[1], record[1]);
    }
    for (int fd : {in[0], out[1], err[1], record[1]})
        ::close(fd);
    if (keeper < 0) {
        for (int fd : {in[1], out[0], err[0], record[0]})
            ::close(fd);
        return false;
    }
    Slot slot;
    slot.index = index;
    slot.keeper = keeper;
    slot.input = in[1];
    slot.output = out[0];
    slot.errors = err[0];
    slot.report = record[0];
    slot.ended = int(syscall(SYS_pidfd_open, keeper, 0));
    slot.startMs = nowMs();
    for (int fd : {slot.input, slot.output, slot.errors, slot.report}) {
        const int flags = fcntl(fd, F_GETFL);
        if (flags < 0 || fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0)
            fail("fcntl");
    }
    if (request_.tests[index].input.empty())
        closeFd(slot.input);
    slots_.push_back(std::move(slot));
    return true;
}

void TestRunner::stop(Slot& slot, unsigned flag)
{
    if (!slot.kept && !(slot.flags & flag)) {
        slot.flags |= flag;
        // A keeper that has just ended and is not reaped yet cannot be
        // signalled (ESRCH): it is reported as it ended.
        ::kill(slot.keeper, SIGKILL);
    }
}

void TestRunner::readRecord(Slot& s)
{
    Record record{};
    for (;;) {
        const ssize_t n = ::read(s.report, &record, sizeof record);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN)
            return;
        if (n != ssize_t(sizeof record))
            return closeFd(s.report);
        // A failed start is followed by the end of the process that failed.
        if (!s.reported || s.record.kind != Record::NotStarted)
            s.record = record;
        s.reported = true;
    }
}

void TestRunner::service(int timeoutMs)
{
    std::vector<pollfd> fds;
    for (const Slot& s : slots_) {
        if (s.input >= 0)
            fds.push_back({s.input, POLLOUT, 0});
        for (int fd : {s.output, s.errors, s.report, s.kept ? -1 : s.ended})
            if (fd >= 0)
                fds.push_back({fd, POLLIN, 0});
    }
    if (poll(fds.data(), nfds_t(fds.size()), timeoutMs) < 0 && errno != EINTR)
        fail("poll");
    char buffer[ChunkBytes];
    for (Slot& s : slots_) {
        const std::string& input = request_.tests[s.index].input;
        if (s.input >= 0) {
            const ssize_t n = ::write(s.input, input.data() + s.written, input.size() - s.written);
            if (n > 0)
                s.written += std::size_t(n);
            if (s.written == input.size() || (n < 0 && errno != EAGAIN && errno != EINTR))
                closeFd(s.input);
        }
        const auto drain = [&](int& fd, std::string& into, std::size_t cap, bool isOutput) {
            while (fd >= 0) {
                const ssize_t n = ::read(fd, buffer, sizeof buffer);
                if (n < 0 && errno == EINTR)
                    continue;
                if (n < 0 && errno == EAGAIN)
                    return;
                if (n <= 0)
                    return closeFd(fd);
                const std::size_t room = cap > into.size() ? cap - into.size() : 0;
                into.append(buffer, std::min(room, std::size_t(n)));
                // Output past its cap stops the test; errors past theirs are dropped.
                if (std::size_t(n) > room && isOutput) {
                    stop(s, OutputCapped);
                    return closeFd(fd);
                }
            }
        };
        drain(s.output, s.out, request_.tests[s.index].outputCap, true);
        drain(s.errors, s.err, request_.tests[s.index].errorCap, false);
        if (s.report >= 0)
            readRecord(s);
    }
}

void TestRunner::enforceWallClock()
{
    const long long now = nowMs();
    for (Slot& s : slots_)
        if (now - s.startMs > (long long)request_.limits.wallMs)
            stop(s, WallTimeout);
}

void TestRunner::reap()
{
    for (;;) {
        const pid_t pid = waitpid(-1, nullptr, WNOHANG);
        if (pid <= 0)
            return;
        for (Slot& s : slots_)
            if (s.keeper == pid && !s.kept) {
                s.kept = true;
                s.endMs = nowMs();
            }
    }
}

// A test is reported once its keeper has ended and its pipes have closed
// (everything in its namespace ended with the keeper).
bool TestRunner::finishIfDone(Slot& s)
{
    if (!s.kept || s.output >= 0 || s.errors >= 0 || s.report >= 0)
        return false;
    closeFd(s.input);
    closeFd(s.ended);
    const Record& r = s.record;
    if (s.reported && r.kind == Record::NotStarted)
        report(s, "unstarted", r.value, 0, 0);
    else if (!s.reported)  // the keeper was stopped: by the wall clock or the output cap
        report(s, "signal", SIGKILL, 0, 0);
    else if (WIFSIGNALED(r.value))
        report(s, "signal", WTERMSIG(r.value), r.cpuMs, r.maxRssKb);
    else
        report(s, "exit", WEXITSTATUS(r.value), r.cpuMs, r.maxRssKb);
    return true;
}

void TestRunner::report(const Slot& s, const char* how, int code, long long cpuMs, long maxRssKb)
{
    unsigned flags = s.flags;
    if (cpuMs >= (long long)request_.limits.cpuMs)
        flags |= CpuTimeout;
    char line[ReportLineBytes];
    std::snprintf(line, sizeof line, "test %zu %s %d %lld %lld %ld %u %zu %zu\n", s.index, how, code, cpuMs,
                  s.endMs - s.startMs, maxRssKb, flags, s.out.size(), s.err.size());
    say(line);
    say(s.out);
    say(s.err);
}

void TestRunner::run()
{
    std::size_t next = 0;
    while (next < request_.tests.size() || !slots_.empty()) {
        while (next < request_.tests.size() && slots_.size() < request_.limits.parallel) {
            if (!start(next)) {
                // No process for the test: it waits for a running one to end.
                if (!slots_.empty())
                    break;
                Slot failed;
                failed.index = next;
                report(failed, "unstarted", errno, 0, 0);
            }
            ++next;
        }
        service(PollMs);
        enforceWallClock();
        reap();
        slots_.erase(std::remove_if(slots_.begin(), slots_.end(), [this](Slot& s) { return finishIfDone(s); }),
                     slots_.end());
    }
}

int runTests()
{
    // The request stays in this process's memory, which no answer may read.
    if (prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) != 0)
        fail("prctl");
    // A test that closes its input early must not end the runner.
    if (signal(SIGPIPE, SIG_IGN) == SIG_ERR)
        fail("signal");
    Request request;
    if (!parseRequest(readAll(STDIN_FILENO), request)) {
        errno = EINVAL;
        fail("request");
    }
    say(std::string(Ready) + "\n");
    TestRunner(std::move(request)).run();
    say(std::string(Done) + "\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "exec") == 0)
        return execCompiler(argc, argv);
    if (argc == 2 && std::strcmp(argv[1], "tests") == 0)
        return runTests();
    std::fputs("lesko_runner: the lesson's sandbox runner; it is started by the lesson only.\n", stderr);
    return 2;
}
