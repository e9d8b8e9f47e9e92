// Verbs of the soak flows, which play round after round and check that the program's memory
// settles:
//
//   mark_memory                     remembers the program's resident memory and the canvas's
//                                   clock now (after a warm-up)
//   expect_memory_growth_below MB [MINUTES]
//                                   the resident memory grew by less than MB megabytes since the
//                                   mark, over at least MINUTES minutes of game time (default 0);
//                                   prints the growth and the game time played since
#include "ScriptDriver.h"
#include "sprite/FrameClock.h"

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace harness {

namespace {

struct MemoryMark {
    long residentKb = -1;
    int64_t gameTimeMs = 0;
};

MemoryMark& mark()
{
    static MemoryMark memory;
    return memory;
}

// The resident set of this process from /proc, or -1 where there is none.
long residentKb()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = -1;
    if (!(statm >> pages >> resident))
        return -1;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

const Verb markMemory("mark_memory", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    mark().residentKb = residentKb();
    mark().gameTimeMs = sprite::FrameClock::forNewCanvases()->now();
    if (mark().residentKb < 0)
        return driver.fail(command, "the resident memory cannot be read on this system");
    return true;
});

const Verb expectMemoryGrowth("expect_memory_growth_below", 1, Verb::NeedsProgram,
    [](ScriptDriver& driver, const Command& command) {
        if (mark().residentKb < 0)
            return driver.fail(command, "mark_memory first");
        const long grownKb = residentKb() - mark().residentKb;
        const int64_t playedMs = sprite::FrameClock::forNewCanvases()->now() - mark().gameTimeMs;
        std::printf("soak: %.1f minutes of game time since the mark, resident memory grew by %ld KB\n",
                    double(playedMs) / 60000.0, grownKb);
        const long limitKb = long(driver.integerArgument(command, 0)) * 1024;
        if (playedMs < int64_t(driver.integerArgument(command, 1)) * 60000)
            return driver.fail(command, "too little game time since the mark");
        if (grownKb >= limitKb)
            return driver.fail(command, "the resident memory grew by " + std::to_string(grownKb) + " KB");
        return true;
    });

} // namespace

} // namespace harness
