#pragma once

#include <cstddef>

// The system calls an answer may not make, as a seccomp filter the runner
// installs in each test's process just before it executes the answer:
// - threads, but no new processes: the answer's memory is then at most one
//   address space limit per test, whatever it does;
// - no new namespaces, mounts, tracing of other processes, kernel keyrings,
//   BPF, performance counters, io_uring or System V shared memory and message
//   queues (their memory would outlive the process and escape its limits);
// - a single mapping larger than the test's memory limit ends the process with
//   SIGSYS, which the lesson reads as "Недостиг на памет": the request alone
//   shows the answer wanted more memory than it may have;
// - another architecture's system call numbers (x32, i386) fail.
// Everything else is allowed; the other limits are resource limits.
namespace runner {

// Installs the filter in the calling process (no_new_privs is set first).
// False when the kernel refused it; the caller must not run the answer then.
bool installAnswerFilter(unsigned long memoryLimitBytes);

}  // namespace runner
