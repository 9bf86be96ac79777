#include "console/SignalGuard.h"

#include <signal.h>
#include <unistd.h>

#include "console/TerminalConsole.h"
#include "console/TextFile.h"

namespace tess {

namespace {

// Every signal whose default action ends the process (SIGKILL cannot be
// caught); the real-time ones are added at run time.
constexpr int FATAL[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGILL,  SIGTRAP, SIGABRT, SIGBUS,    SIGFPE,  SIGUSR1, SIGSEGV,
    SIGUSR2,   SIGPIPE, SIGALRM, SIGTERM, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
#ifdef SIGIO
    SIGIO,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
};

// A fault from running out of stack still needs a stack to clean up on.
alignas(16) char g_altStack[64 * 1024];
bool g_installed = false;

// Cleans up, then dies of the same signal with its default action.
extern "C" void onFatalSignal(int sig) {
    TerminalConsole::emergencyRestore();
    TempFileRegistry::removeAll();  // unfinished files and the folder lock
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    sigaction(sig, &dfl, nullptr);
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, sig);
    raise(sig);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    _exit(128 + sig);
}

// The kernel sends SIGXFSZ for the program's own write as from the process
// itself; that one is passed over so the write fails with EFBIG. Sent by
// anyone else it is fatal like the others.
extern "C" void onFileSizeSignal(int sig, siginfo_t* info, void*) {
    if (info != nullptr && info->si_code == SI_USER && info->si_pid == ::getpid()) return;
    onFatalSignal(sig);
}

}  // namespace

void guardFatalSignals() {
    if (g_installed) return;
    g_installed = true;
    stack_t ss{};
    ss.ss_sp = g_altStack;
    ss.ss_size = sizeof g_altStack;
    sigaltstack(&ss, nullptr);
    struct sigaction sa {};
    sa.sa_handler = onFatalSignal;
    sigfillset(&sa.sa_mask);  // one clean-up at a time
    sa.sa_flags = SA_ONSTACK;
    auto take = [&](int sig, const struct sigaction& how) {
        struct sigaction old {};
        if (sigaction(sig, nullptr, &old) != 0) return;
        if (!(old.sa_flags & SA_SIGINFO) && old.sa_handler == SIG_IGN) return;  // ignored by choice (nohup)
        sigaction(sig, &how, nullptr);
    };
    for (int sig : FATAL)
        if (sig != SIGXFSZ) take(sig, sa);
    for (int sig = SIGRTMIN; sig <= SIGRTMAX; ++sig) take(sig, sa);
    struct sigaction limit = sa;
    limit.sa_flags = SA_ONSTACK | SA_SIGINFO;
    limit.sa_sigaction = onFileSizeSignal;
    take(SIGXFSZ, limit);
}

}  // namespace tess
