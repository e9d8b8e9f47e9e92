#include "crash/CrashReport.h"
#include "crash/ReportText.h"
#include "lang/Debug.h"
#include "lang/Exception.h"
#include "lang/detail/TextRing.h"
#include "server/TempFolder.h"
#include "version/Version.h"

#include <gtest/gtest.h>

#include <climits>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>

namespace {

std::string readFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string utcDate(std::time_t when)
{
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", std::gmtime(&when));
    return text;
}

// The child crashed rather than ending normally (a sanitizer's handler may end it with a
// status of its own after the report's handler passed the signal on).
bool endedAbnormally(int status)
{
    return !WIFEXITED(status) || WEXITSTATUS(status) != 0;
}

void writeTestContext(crash::ReportText& report)
{
    report.line("screen", "ScreenTest");
    report.line("shop", -3);
}

std::string pathOf(const TempFolder& folder)
{
    return std::filesystem::path(folder.file("report")).parent_path().string();
}

// The one report that a crashed child left in the folder, announced (renamed) and read back.
std::string takeOnlyReport(const std::string& folder)
{
    const std::vector<std::string> reports = crash::takeNewReports(folder);
    EXPECT_EQ(reports.size(), 1u);
    return reports.empty() ? std::string() : readFile(reports[0]);
}

} // namespace

TEST(CrashReportText, NumbersAndCuts)
{
    char buffer[64];
    crash::ReportText text(buffer, sizeof buffer);
    text.appendNumber(0);
    text.append(" ");
    text.appendNumber(-7);
    text.append(" ");
    text.appendNumber(INT64_MIN);
    text.append(" ");
    text.appendTwoDigits(4);
    text.appendTwoDigits(59);
    EXPECT_STREQ(text.text(), (std::string("0 -7 ") + std::to_string(INT64_MIN) + " 0459").c_str());

    char small[8];
    crash::ReportText cut(small, sizeof small);
    cut.line("cause", "a long explanation");
    EXPECT_EQ(cut.length(), sizeof small - 1);
    EXPECT_STREQ(cut.text(), "cause: ");
}

TEST(CrashReportText, DebugHistoryKeepsTheNewestWholeLines)
{
    lang::detail::TextRing<32> ring;
    char out[64];
    ring.append("first\n");
    EXPECT_EQ(ring.copyTo(out, sizeof out), 6u);
    EXPECT_STREQ(out, "first\n");

    for (int i = 2; i <= 9; ++i)
        ring.append(("line " + std::to_string(i) + "\n").c_str());
    ring.copyTo(out, sizeof out);
    // 32 bytes hold the last four lines whole and a torn one, which is dropped.
    EXPECT_STREQ(out, "line 6\nline 7\nline 8\nline 9\n");

    // A smaller buffer gets the newest bytes.
    char tiny[8];
    EXPECT_EQ(ring.copyTo(tiny, sizeof tiny), 7u);
    EXPECT_STREQ(tiny, "line 9\n");
}

TEST(CrashReportDeathTest, FatalSignalWritesAReportThatTheNextStartAnnounces)
{
    TempFolder folder;
    const std::time_t before = std::time(nullptr);
    EXPECT_EXIT(
        {
            crash::install(pathOf(folder), writeTestContext);
            lang::debugOutput("a line of debug output before the crash\n");
            crash::crashOnPurpose(crash::Deliberate::Signal);
        },
        endedAbnormally, "");
    const std::time_t after = std::time(nullptr);

    const std::vector<std::string> reports = crash::takeNewReports(pathOf(folder));
    ASSERT_EQ(reports.size(), 1u);
    const std::string name = std::filesystem::path(reports[0]).filename().string();
    EXPECT_EQ(name.rfind("Kipto2-crash-", 0), 0u);
    EXPECT_EQ(name.find(".new"), std::string::npos);
    // Announced once: the next start finds nothing new, and the report stays.
    EXPECT_TRUE(crash::takeNewReports(pathOf(folder)).empty());

    const std::string report = readFile(reports[0]);
    EXPECT_NE(report.find(std::string("\nversion: ") + version::describe() + "\n"), std::string::npos)
        << report;
    EXPECT_NE(report.find(std::string("\nbuild: ") + version::build() + "\n"), std::string::npos);
    EXPECT_NE(report.find("\nplatform: "), std::string::npos);
    const bool dated = report.find("\ntime: " + utcDate(before)) != std::string::npos
        || report.find("\ntime: " + utcDate(after)) != std::string::npos;
    EXPECT_TRUE(dated) << report;
    EXPECT_NE(report.find("\ncause: signal SIGSEGV"), std::string::npos);
    EXPECT_NE(report.find("\nscreen: ScreenTest\nshop: -3\n"), std::string::npos);
    EXPECT_NE(report.find("a line of debug output before the crash\n"), std::string::npos);

    const size_t backtrace = report.find("\n--- backtrace of the crashing thread\n");
    ASSERT_NE(backtrace, std::string::npos);
    std::istringstream frames(report.substr(backtrace + 1));
    int frameLines = -1;
    for (std::string line; std::getline(frames, line);)
        frameLines += line.empty() ? 0 : 1;
    EXPECT_GE(frameLines, 3) << report;
}

// The exceptions are thrown on threads of their own: a death test catches what its statement
// throws on the test's thread.
TEST(CrashReportDeathTest, UncaughtExceptionsOfEitherKindNameTheirMessage)
{
    TempFolder standard;
    EXPECT_EXIT(
        {
            crash::install(pathOf(standard), writeTestContext);
            std::thread([] { throw std::runtime_error("nobody catches this"); }).join();
        },
        endedAbnormally, "");
    const std::string report = takeOnlyReport(pathOf(standard));
    EXPECT_NE(report.find("\ncause: uncaught exception: nobody catches this\n"), std::string::npos) << report;
    // The abort that follows the exception does not write a second report over the first.
    EXPECT_EQ(report.find("SIGABRT"), std::string::npos);

    TempFolder game;
    EXPECT_EXIT(
        {
            crash::install(pathOf(game), nullptr);
            std::thread([] { throw new lang::Exception("Error Opening Kipto2.bin"); }).join();
        },
        endedAbnormally, "");
    EXPECT_NE(takeOnlyReport(pathOf(game)).find("\ncause: uncaught exception: Error Opening Kipto2.bin\n"),
        std::string::npos);
}
