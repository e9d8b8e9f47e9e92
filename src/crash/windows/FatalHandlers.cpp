// The crash reports' back end on Windows: an unhandled-exception filter (with stack kept in
// reserve, so that a stack overflow can still report) and the C runtime's abort signal;
// CaptureStackBackTrace for the backtrace, each frame named by its module and the offset in it,
// which `addr2line -e Kipto2.exe` turns into a function once the module's image base is added.
#include "crash/FatalHandlers.h"

#include "crash/CrashReport.h"
#include "crash/ReportText.h"

#include <windows.h>

#include <csignal>
#include <cstdlib>
#include <ctime>

namespace crash::platform {

namespace {

struct FatalException {
    DWORD code;
    const char* name;
};

constexpr FatalException FatalExceptions[] = {
    {EXCEPTION_ACCESS_VIOLATION, "access violation"},
    {EXCEPTION_STACK_OVERFLOW, "stack overflow"},
    {EXCEPTION_ILLEGAL_INSTRUCTION, "illegal instruction"},
    {EXCEPTION_PRIV_INSTRUCTION, "privileged instruction"},
    {EXCEPTION_INT_DIVIDE_BY_ZERO, "integer division by zero"},
    {EXCEPTION_ARRAY_BOUNDS_EXCEEDED, "array bounds exceeded"},
    {EXCEPTION_DATATYPE_MISALIGNMENT, "misaligned data"},
    {EXCEPTION_IN_PAGE_ERROR, "page could not be read"},
};

constexpr ULONG ReservedStackBytes = 64 * 1024;
constexpr USHORT BacktraceDepth = 62;
LPTOP_LEVEL_EXCEPTION_FILTER previousFilter = nullptr;

void appendHex(ReportText& text, uint64_t value)
{
    char digits[16];
    int count = 0;
    do {
        digits[count++] = "0123456789abcdef"[value % 16];
        value /= 16;
    } while (value != 0);
    while (count > 0)
        text.append(&digits[--count], 1);
}

const char* exceptionName(DWORD code)
{
    for (const FatalException& known : FatalExceptions)
        if (known.code == code)
            return known.name;
    return "unhandled exception";
}

LONG WINAPI onUnhandledException(EXCEPTION_POINTERS* pointers)
{
    const DWORD code = pointers->ExceptionRecord->ExceptionCode;
    char cause[128];
    ReportText text(cause, sizeof cause);
    text.append("exception 0x");
    appendHex(text, code);
    text.append(" (");
    text.append(exceptionName(code));
    text.append(")");
    writeReport(cause);
    return previousFilter ? previousFilter(pointers) : EXCEPTION_CONTINUE_SEARCH;
}

void onAbort(int)
{
    writeReport("signal SIGABRT (aborted)");
    // The runtime's own handling (the abort message, exit code 3) follows.
    std::signal(SIGABRT, SIG_DFL);
}

void writeAll(HANDLE file, const char* text, size_t length)
{
    DWORD written = 0;
    while (
        length > 0 && WriteFile(file, text, static_cast<DWORD>(length), &written, nullptr) && written > 0) {
        text += written;
        length -= written;
    }
}

// "  #3 Kipto2.exe+0x1a2b40\n": the module's file name without its folder.
void appendFrame(ReportText& line, int index, void* address)
{
    line.append("  #");
    line.appendNumber(index);
    line.append(" ");
    HMODULE module = nullptr;
    char modulePath[MAX_PATH];
    if (GetModuleHandleExA(
            GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
            static_cast<const char*>(address), &module)
        && GetModuleFileNameA(module, modulePath, sizeof modulePath) > 0) {
        const char* name = modulePath;
        for (const char* c = modulePath; *c != '\0'; ++c)
            if (*c == '\\' || *c == '/')
                name = c + 1;
        line.append(name);
        line.append("+0x");
        appendHex(line,
            static_cast<uint64_t>(static_cast<const char*>(address) - reinterpret_cast<const char*>(module)));
    } else {
        line.append("0x");
        appendHex(line, reinterpret_cast<uintptr_t>(address));
    }
    line.append("\n");
}

} // namespace

void installFatalHandlers()
{
    ULONG reserve = ReservedStackBytes;
    SetThreadStackGuarantee(&reserve);
    previousFilter = SetUnhandledExceptionFilter(onUnhandledException);
    std::signal(SIGABRT, onAbort);
}

std::string describeSystem()
{
    // GetVersionEx answers with the version the program's manifest names; ntdll tells the truth.
    using GetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto getVersion = ntdll
        ? reinterpret_cast<GetVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
        : nullptr;
    if (!getVersion || getVersion(&version) != 0)
        return "Windows x86_64";
    return "Windows " + std::to_string(version.dwMajorVersion) + "." + std::to_string(version.dwMinorVersion)
        + "." + std::to_string(version.dwBuildNumber) + " x86_64";
}

bool writeReportFile(const char* path, const char* text, size_t length)
{
    // The folder's name is UTF-8; no allocation here, the heap may be what crashed.
    static wchar_t widePath[MAX_PATH * 2];
    if (MultiByteToWideChar(CP_UTF8, 0, path, -1, widePath, MAX_PATH * 2) == 0)
        return false;
    const HANDLE file
        = CreateFileW(widePath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    writeAll(file, text, length);
    static const char heading[] = "\n--- backtrace of the crashing thread\n";
    writeAll(file, heading, sizeof heading - 1);
    void* frames[BacktraceDepth];
    const USHORT count = CaptureStackBackTrace(0, BacktraceDepth, frames, nullptr);
    for (USHORT i = 0; i < count; ++i) {
        char buffer[MAX_PATH + 64];
        ReportText line(buffer, sizeof buffer);
        appendFrame(line, i, frames[i]);
        writeAll(file, line.text(), line.length());
    }
    CloseHandle(file);
    return true;
}

long long secondsNow()
{
    return static_cast<long long>(time(nullptr));
}

void raiseFatalSignal()
{
    RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
    // Only reached when something handles the exception and goes on.
    std::abort();
}

} // namespace crash::platform
