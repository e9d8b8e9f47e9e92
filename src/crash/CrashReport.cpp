#include "crash/CrashReport.h"

#include "crash/FatalHandlers.h"
#include "lang/Cp1252.h"
#include "lang/Debug.h"
#include "lang/Exception.h"
#include "version/Version.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <exception>
#include <filesystem>
#include <stdexcept>

namespace crash {

namespace {

// A crashed run writes "Kipto2-crash-DATE-TIME.new.txt"; the next start drops the ".new".
constexpr char ReportPrefix[] = "Kipto2-crash-";
constexpr char NewSuffix[] = ".new.txt";
constexpr char FinalSuffix[] = ".txt";

// Everything the handlers need is prepared at install, in fixed buffers.
constexpr size_t FolderBytes = 4096;
char reportFolder[FolderBytes];
char header[1024];
std::atomic<ContextWriter> contextWriter{nullptr};
std::atomic<bool> reportWritten{false};
std::terminate_handler previousTerminate = nullptr;

constexpr size_t DebugBytes = 8192;
char debugLines[DebugBytes];
char reportBuffer[DebugBytes + 4096];
char pathBuffer[FolderBytes + 64];

// Year, month and day of a count of days since 1970-01-01 (proleptic Gregorian calendar).
void civilDate(long long days, int64_t& year, int32_t& month, int32_t& day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthIndex = (5 * dayOfYear + 2) / 153;
    day = int32_t(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = int32_t(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
}

// "2026-12-09" then `between`, then "02:53:01" (with ":" when `colons`).
void appendTime(ReportText& text, long long seconds, const char* between, bool colons)
{
    const long long days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    const long long second = seconds - days * 86400;
    int64_t year = 0;
    int32_t month = 0, day = 0;
    civilDate(days, year, month, day);
    text.appendNumber(year);
    text.append("-");
    text.appendTwoDigits(month);
    text.append("-");
    text.appendTwoDigits(day);
    text.append(between);
    text.appendTwoDigits(int32_t(second / 3600));
    text.append(colons ? ":" : "");
    text.appendTwoDigits(int32_t(second / 60 % 60));
    text.append(colons ? ":" : "");
    text.appendTwoDigits(int32_t(second % 60));
}

void describeCurrentException(ReportText& text)
{
    text.append("uncaught exception: ");
    try {
        throw;
    } catch (lang::Exception* exception) {
        text.append(lang::cp1252ToUtf8(exception->getMessage().c_str()).c_str());
    } catch (const std::exception& exception) {
        text.append(exception.what());
    } catch (...) {
        text.append("of an unknown type");
    }
}

[[noreturn]] void onTerminate()
{
    char cause[512];
    ReportText text(cause, sizeof cause);
    if (std::current_exception())
        describeCurrentException(text);
    else
        text.append("std::terminate without an exception");
    writeReport(cause);
    if (previousTerminate)
        previousTerminate();
    std::abort();
}

bool hasEnding(const std::string& text, const std::string& ending)
{
    return text.size() >= ending.size()
        && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// Folder names are UTF-8 throughout the game; a path made from a plain string would read them in
// the system's code page on Windows and miss a folder with letters beyond ASCII.
std::filesystem::path pathFromUtf8(const std::string& text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

std::string utf8Of(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace

void install(const std::string& folder, ContextWriter context)
{
    const size_t length = std::min(folder.size(), FolderBytes - 1);
    std::memcpy(reportFolder, folder.data(), length);
    reportFolder[length] = '\0';
    contextWriter = context;

    ReportText text(header, sizeof header);
    text.append("Kipto2 crash report\n");
    text.line("version", version::describe());
    text.line("build", version::build());
    text.line("platform", platform::describeSystem().c_str());

    static bool hooked = false;
    if (!hooked) {
        hooked = true;
        previousTerminate = std::set_terminate(onTerminate);
        platform::installFatalHandlers();
    }
}

void writeReport(const char* cause)
{
    if (reportWritten.exchange(true) || reportFolder[0] == '\0')
        return;
    const long long now = platform::secondsNow();
    ReportText path(pathBuffer, sizeof pathBuffer);
    path.append(reportFolder);
    path.append("/");
    path.append(ReportPrefix);
    appendTime(path, now, "-", false);
    path.append(NewSuffix);

    ReportText report(reportBuffer, sizeof reportBuffer);
    report.append(header);
    report.append("time: ");
    appendTime(report, now, " ", true);
    report.append(" UTC\n");
    report.line("cause", cause);
    if (ContextWriter context = contextWriter.load())
        context(report);
    report.append("\n--- last lines of the debug output\n");
    lang::recentDebugOutput(debugLines, sizeof debugLines);
    report.append(debugLines);
    platform::writeReportFile(path.text(), report.text(), report.length());
}

std::vector<std::string> takeNewReports(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::vector<fs::path> pending;
    std::error_code error;
    for (fs::directory_iterator entry(pathFromUtf8(folder), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = utf8Of(entry->path().filename());
        if (name.rfind(ReportPrefix, 0) == 0 && hasEnding(name, NewSuffix))
            pending.push_back(entry->path());
    }
    std::sort(pending.begin(), pending.end());
    std::vector<std::string> found;
    for (const fs::path& path : pending) {
        const std::string name = utf8Of(path.filename());
        fs::path finalPath = path;
        finalPath.replace_filename(
            pathFromUtf8(name.substr(0, name.size() - std::strlen(NewSuffix)) + FinalSuffix));
        fs::rename(path, finalPath, error);
        found.push_back(utf8Of(error ? path : finalPath));
    }
    return found;
}

void crashOnPurpose(Deliberate kind)
{
    lang::debugOutput("Crashing on purpose, as the command line asked\n");
    if (kind == Deliberate::Exception)
        // Not a lang::Exception: the game's own catchers take those and go on.
        throw std::logic_error("a crash on purpose, as the command line asked");
    platform::raiseFatalSignal();
}

} // namespace crash
