#include "game/blitz/BlitzTimeFormat.h"

#include <cstdlib>
#include <string>

lang::String BlitzTimeFormat::format(int32_t tenths)
{
    int64_t t = std::llabs(static_cast<int64_t>(tenths));
    int64_t hours = t / 36000;
    int64_t minutes = t % 36000 / 600;
    int64_t rest = t % 600;
    std::string digits = std::to_string(hours * 100000 + minutes * 1000 + rest);
    if (digits.size() < 4)
        digits.insert(0, 4 - digits.size(), '0');
    size_t n = digits.size();
    std::string text = digits.substr(0, n - 3) + ":" + digits.substr(n - 3, 2) + "." + digits.substr(n - 1);
    return lang::String(text.c_str());
}
