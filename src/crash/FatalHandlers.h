// What the platform gives the crash reports: hooks for the fatal signals, the report file with
// a backtrace of the crashing thread, and a description of the system. One back end per
// platform (posix/, windows/).
#pragma once

#include <cstddef>
#include <string>

namespace crash::platform {

// Hooks the fatal signals; crash::install calls it once. Each writes the report (CrashReport.h)
// and then ends the process as the signal would have, through any handler that was there before.
void installFatalHandlers();

// "Linux 6.1.0-18-amd64 x86_64".
std::string describeSystem();

// Writes the text, then a backtrace of the calling thread, into a new file at `path`; false
// when the file cannot be made. Safe inside a signal handler.
bool writeReportFile(const char* path, const char* text, size_t length);

// Seconds since 1970 (UTC), readable inside a signal handler.
long long secondsNow();

// Ends the process now with a segmentation fault, as a stray pointer would.
[[noreturn]] void raiseFatalSignal();

} // namespace crash::platform
