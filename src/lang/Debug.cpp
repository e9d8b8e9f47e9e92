#include "lang/Debug.h"

#include <cstdio>
#include <cstdlib>

namespace lang {

void debugOutput(const char* text)
{
    static const bool enabled = std::getenv("KIPTO2_DEBUG") != nullptr;
    if (enabled && text)
        std::fputs(text, stderr);
}

} // namespace lang
