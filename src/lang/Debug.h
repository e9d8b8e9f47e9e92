// The platform's debug output: silent unless the environment variable KIPTO2_DEBUG is set,
// then every text goes to standard error as it is. The last few kilobytes are kept either way
// for crash reports.
#pragma once

#include <cstddef>

namespace lang {

void debugOutput(const char* text);
// True when the debug output goes to standard error (KIPTO2_DEBUG is set).
bool isDebugOutputShown();

// Copies the most recent debug output, whole lines, oldest first, into `out` with a
// terminator; answers the bytes copied. Takes no locks and allocates nothing, so that a crash
// handler may call it.
size_t recentDebugOutput(char* out, size_t size);

} // namespace lang
