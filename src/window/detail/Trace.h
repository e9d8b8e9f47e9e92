// Lines of the window procedure's trace on the debug output: a text followed by a number or a
// window handle.
#pragma once

#include "lang/Debug.h"

#include <cstdio>

namespace window {

inline void traceValue(const char* text, long long value)
{
    char line[160];
    std::snprintf(line, sizeof line, "%s%lld\n", text, value);
    lang::debugOutput(line);
}

inline void traceHandle(const char* text, const void* handle)
{
    char line[160];
    std::snprintf(line, sizeof line, "%s%p\n", text, handle);
    lang::debugOutput(line);
}

} // namespace window
