#include "lang/Debug.h"

#include "lang/detail/TextRing.h"

#include <cstdio>
#include <cstdlib>

namespace lang {

namespace {

// Enough for the last few dozen lines.
constexpr size_t HistoryBytes = 8192;

// Constant-initialised, so it is there before any static constructor writes to it.
constinit detail::TextRing<HistoryBytes> history;

} // namespace

bool isDebugOutputShown()
{
    static const bool shown = std::getenv("KIPTO2_DEBUG") != nullptr;
    return shown;
}

void debugOutput(const char* text)
{
    if (!text)
        return;
    history.append(text);
    if (isDebugOutputShown())
        std::fputs(text, stderr);
}

size_t recentDebugOutput(char* out, size_t size)
{
    return history.copyTo(out, size);
}

} // namespace lang
