// The score service's answer as the game reads it: any bytes, read without a crash, and what is
// kept stays within the reader's promises.
#include "game/blitz/ScoreAnswer.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ScoreAnswer answer(lang::String(reinterpret_cast<const char*>(data), 0, static_cast<int32_t>(size)));
    const auto& entries = answer.getEntries();
    if (entries.size() > static_cast<size_t>(ScoreAnswer::MaxEntries))
        std::abort();
    for (const ScoreAnswer::Entry& entry : entries) {
        bool valid = !entry.name.isEmpty() && entry.time >= ScoreAnswer::FastestTime
            && entry.time < ScoreAnswer::ScoreBase && entry.level >= 1 && entry.level <= 12;
        if (!valid)
            std::abort();
    }
    int32_t offset = answer.getOffset();
    if (offset < 0 || (offset > 0 && static_cast<size_t>(offset) >= entries.size()))
        std::abort();
    return 0;
}
