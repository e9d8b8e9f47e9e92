// Crash reports a player can send with a bug report. Once `install` has run, a fatal signal or
// an exception that nothing catches writes a short text file into the given folder (the one
// that holds the settings): the version, build and platform, the time and cause, the game's
// context (screen, shop, day), the last lines of the debug output and a backtrace of the
// crashing thread. Nothing is sent anywhere. The next start finds the report with
// `takeNewReports` and says where it is.
#pragma once

#include "crash/ReportText.h"

#include <string>
#include <vector>

namespace crash {

// Adds the game's context lines to a report. Runs on the crashing thread, maybe inside a
// signal handler: it may only read plain values and append them.
using ContextWriter = void (*)(ReportText& report);

// Hooks the fatal signals and std::terminate. A later call (a second run of the game in the
// same process) changes the folder and the writer. An empty folder writes no report.
void install(const std::string& folder, ContextWriter context);

// Writes the report of a crash of that cause, once per process: the first crash writes, a
// later one (the abort that follows an uncaught exception) leaves the file as it is. Called
// by the handlers; safe inside a signal handler.
void writeReport(const char* cause);

// The reports that crashed runs left in the folder and that no start has announced yet,
// given their final names; their paths, oldest first.
std::vector<std::string> takeNewReports(const std::string& folder);

// The crashes that the hidden debug option makes for the tests of the reports.
enum class Deliberate { Signal, Exception };
[[noreturn]] void crashOnPurpose(Deliberate kind);

} // namespace crash
