#include "runner/seccomp_filter.h"

#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sched.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <vector>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "the filter reads the low word of an argument first");

namespace runner {

namespace {

#if defined(__x86_64__)
constexpr std::uint32_t NativeArch = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
constexpr std::uint32_t NativeArch = AUDIT_ARCH_AARCH64;
#else
#error "the answer filter knows x86-64 and AArch64 only"
#endif

constexpr std::uint32_t NrOffset = offsetof(seccomp_data, nr);
constexpr std::uint32_t ArchOffset = offsetof(seccomp_data, arch);
constexpr std::uint32_t argLow(int i) { return offsetof(seccomp_data, args) + 8 * std::uint32_t(i); }
constexpr std::uint32_t argHigh(int i) { return argLow(i) + 4; }

constexpr std::uint32_t NamespaceFlags =
    CLONE_NEWNS | CLONE_NEWCGROUP | CLONE_NEWUTS | CLONE_NEWIPC | CLONE_NEWUSER | CLONE_NEWPID | CLONE_NEWNET;

class Program {
public:
    void load(std::uint32_t offset) { code_.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offset)); }
    void ret(std::uint32_t action) { code_.push_back(BPF_STMT(BPF_RET | BPF_K, action)); }
    void jumpIfEqual(std::uint32_t value, std::uint8_t ifTrue, std::uint8_t ifFalse)
    {
        code_.push_back(BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, value, ifTrue, ifFalse));
    }

    // With the system call number in the accumulator: this call fails with error.
    void refuse(long nr, int error)
    {
        jumpIfEqual(std::uint32_t(nr), 0, 1);
        ret(SECCOMP_RET_ERRNO | std::uint32_t(error));
    }

    // This call ends the process when argument arg (a size) exceeds limit.
    void limitSize(long nr, int arg, std::uint32_t limit)
    {
        jumpIfEqual(std::uint32_t(nr), 0, 6);
        load(argHigh(arg));
        jumpIfEqual(0, 0, 3);
        load(argLow(arg));
        code_.push_back(BPF_JUMP(BPF_JMP | BPF_JGT | BPF_K, limit, 1, 0));
        ret(SECCOMP_RET_ALLOW);
        ret(SECCOMP_RET_KILL_PROCESS);
    }

    // Every system call number from first on fails.
    void refuseFrom(std::uint32_t first, int error)
    {
        code_.push_back(BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, first, 0, 1));
        ret(SECCOMP_RET_ERRNO | std::uint32_t(error));
    }

    // clone makes threads only: a new process, or any namespace flag, fails.
    void threadsOnly(long nr, int flagsArg)
    {
        jumpIfEqual(std::uint32_t(nr), 0, 5);
        load(argLow(flagsArg));
        code_.push_back(BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, CLONE_THREAD, 0, 2));
        code_.push_back(BPF_JUMP(BPF_JMP | BPF_JSET | BPF_K, NamespaceFlags, 1, 0));
        ret(SECCOMP_RET_ALLOW);
        ret(SECCOMP_RET_ERRNO | EAGAIN);
    }

    sock_fprog program() { return {static_cast<unsigned short>(code_.size()), code_.data()}; }

private:
    std::vector<sock_filter> code_;
};

// Calls no answer needs that reach past its own process.
const long Refused[] = {
    SYS_ptrace,
    SYS_process_vm_readv,
    SYS_process_vm_writev,
    SYS_unshare,
    SYS_setns,
    SYS_mount,
    SYS_umount2,
    SYS_pivot_root,
    SYS_chroot,
    SYS_keyctl,
    SYS_add_key,
    SYS_request_key,
    SYS_bpf,
    SYS_perf_event_open,
    SYS_userfaultfd,
    SYS_io_uring_setup,
    SYS_io_uring_enter,
    SYS_io_uring_register,
    SYS_shmget,
    SYS_shmat,
    SYS_msgget,
    SYS_msgsnd,
    SYS_kexec_load,
    SYS_init_module,
    SYS_finit_module,
    SYS_delete_module,
    SYS_reboot,
    SYS_swapon,
    SYS_swapoff,
    SYS_acct,
    SYS_quotactl,
    SYS_open_by_handle_at,
    SYS_name_to_handle_at,
    SYS_fanotify_init,
};

}  // namespace

bool installAnswerFilter(unsigned long memoryLimitBytes)
{
    const std::uint32_t limit = memoryLimitBytes > 0xFFFFFFFFul ? 0xFFFFFFFFu : std::uint32_t(memoryLimitBytes);
    Program p;
    p.load(ArchOffset);
    p.jumpIfEqual(NativeArch, 1, 0);
    p.ret(SECCOMP_RET_ERRNO | ENOSYS);
    p.load(NrOffset);
#if defined(__x86_64__)
    // x32 numbers carry bit 30; none is needed.
    p.refuseFrom(0x40000000, ENOSYS);
#endif
    for (long nr : Refused)
        p.refuse(nr, EPERM);
    // clone3 passes its flags in memory the filter cannot read: the C library
    // falls back to clone, whose flags it can.
    p.refuse(SYS_clone3, ENOSYS);
    p.threadsOnly(SYS_clone, 0);
#if defined(SYS_fork)
    p.refuse(SYS_fork, EAGAIN);
    p.refuse(SYS_vfork, EAGAIN);
#endif
    p.limitSize(SYS_mmap, 1, limit);
    p.limitSize(SYS_mremap, 2, limit);
    p.ret(SECCOMP_RET_ALLOW);

    sock_fprog program = p.program();
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

}  // namespace runner
