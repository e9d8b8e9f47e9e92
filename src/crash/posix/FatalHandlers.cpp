// The crash reports' back end on POSIX systems: sigaction for the fatal signals (on an
// alternate stack for the thread that installs them, so that an overflow of the main thread's
// stack can still report), glibc's backtrace, uname, and plain file descriptors, all usable
// inside a signal handler.
#include "crash/FatalHandlers.h"

#include "crash/CrashReport.h"
#include "crash/ReportText.h"

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/utsname.h>
#include <unistd.h>

namespace crash::platform {

namespace {

struct FatalSignal {
    int number;
    const char* name;
    const char* meaning;
};

constexpr FatalSignal FatalSignals[] = {
    {SIGSEGV, "SIGSEGV", "segmentation fault"},
    {SIGBUS, "SIGBUS", "bus error"},
    {SIGFPE, "SIGFPE", "arithmetic error"},
    {SIGILL, "SIGILL", "illegal instruction"},
    {SIGABRT, "SIGABRT", "aborted"},
};
constexpr int SignalCount = int(sizeof FatalSignals / sizeof FatalSignals[0]);

struct sigaction previousActions[SignalCount];
constexpr size_t AlternateStackBytes = 64 * 1024;
alignas(16) char alternateStack[AlternateStackBytes];
constexpr int BacktraceDepth = 64;

int indexOf(int signal)
{
    for (int i = 0; i < SignalCount; ++i)
        if (FatalSignals[i].number == signal)
            return i;
    return -1;
}

void onFatalSignal(int signal, siginfo_t* info, void*)
{
    const int index = indexOf(signal);
    char cause[128];
    ReportText text(cause, sizeof cause);
    text.append("signal ");
    text.append(index >= 0 ? FatalSignals[index].name : "?");
    text.append(" (");
    text.append(index >= 0 ? FatalSignals[index].meaning : "fatal signal");
    text.append(")");
    writeReport(cause);

    // The handler that was there before (the default, or a sanitizer's) sees the signal next.
    if (index >= 0)
        sigaction(signal, &previousActions[index], nullptr);
    else
        std::signal(signal, SIG_DFL);
    // A fault happens again when the instruction is retried; a sent signal has to be sent again.
    if (info == nullptr || info->si_code <= 0)
        raise(signal);
}

void writeAll(int file, const char* text, size_t length)
{
    while (length > 0) {
        const ssize_t done = write(file, text, length);
        if (done <= 0)
            return;
        text += done;
        length -= size_t(done);
    }
}

} // namespace

void installFatalHandlers()
{
    // backtrace loads its unwinder on first use, which allocates: done here, not in a handler.
    void* frames[1];
    backtrace(frames, 1);

    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = AlternateStackBytes;
    sigaltstack(&stack, nullptr);

    struct sigaction action { };
    action.sa_sigaction = onFatalSignal;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < SignalCount; ++i)
        sigaction(FatalSignals[i].number, &action, &previousActions[i]);
}

std::string describeSystem()
{
    utsname system{};
    if (uname(&system) != 0)
        return "unknown";
    return std::string(system.sysname) + " " + system.release + " " + system.machine;
}

bool writeReportFile(const char* path, const char* text, size_t length)
{
    const int file = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (file < 0)
        return false;
    writeAll(file, text, length);
    static const char heading[] = "\n--- backtrace of the crashing thread\n";
    writeAll(file, heading, sizeof heading - 1);
    void* frames[BacktraceDepth];
    const int count = backtrace(frames, BacktraceDepth);
    backtrace_symbols_fd(frames, count, file);
    close(file);
    return true;
}

long long secondsNow()
{
    return static_cast<long long>(time(nullptr));
}

void raiseFatalSignal()
{
    raise(SIGSEGV);
    // Only reached when something ignores the signal.
    std::abort();
}

} // namespace crash::platform
