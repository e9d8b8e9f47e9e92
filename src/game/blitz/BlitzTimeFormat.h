// How Blitz times (tenths of a second) are written: minutes, seconds and tenths, with the hours
// standing directly in front of the minutes ("2:03.4", "0:00.5", one hour "100:00.0").
#pragma once

#include "lang/String.h"

struct BlitzTimeFormat {
    // The time without its sign.
    static lang::String format(int32_t tenths);
};
