// Verbs of the soak flows, which play round after round and check that the program settles:
//
//   mark_memory                     remembers the program's resident memory and the canvas's
//                                   clock now (after a warm-up); prints the live sprites,
//                                   pictures and sounds
//   play_rounds MINUTES|warmup      plays rounds until MINUTES of game time have passed since
//                                   the mark: days 1 to 5 of every shop in turn (but the
//                                   campaign's last), then Blitz in every shop, and round
//                                   again, each through open_round, autoplay_round and its
//                                   result's Continue button. After each round the live
//                                   sprites, pictures and sounds must come back to (at most)
//                                   their numbers between the rounds before. The warm-up plays
//                                   day 1 and Blitz of every shop and learns those numbers
//   expect_memory_growth_below MB [MINUTES]
//                                   the resident memory grew by less than MB megabytes since the
//                                   mark, over at least MINUTES minutes of game time (default 0);
//                                   prints the growth and the game time played since
//   expect_steps_on_time            no frame step of the canvas ran more than one frame period
//                                   after its time on its clock; prints the worst lateness
#include "ScriptDriver.h"
#include "lang/LiveCounts.h"
#include "sprite/FrameClock.h"

#include <cstdio>
#include <fstream>
#include <algorithm>
#include <map>
#include <unistd.h>

namespace harness {

namespace {

// Under the address sanitizer freed memory waits in its quarantine, so the resident memory tells
// nothing of leaks there (its leak checker looks at the end instead): the growth is printed but
// not held to the limit.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool ResidentMemoryShowsLeaks = false;
#else
constexpr bool ResidentMemoryShowsLeaks = true;
#endif

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

double minutesSinceMark()
{
    return double(sprite::FrameClock::forNewCanvases()->now() - mark().gameTimeMs) / 60000.0;
}

// The most live objects of each kind seen between rounds: what the screens between rounds
// hold. The warm-up's rounds (or else the first round) teach it; every later round must leave
// no more behind.
std::map<std::string, int32_t>& betweenRounds()
{
    static std::map<std::string, int32_t> counts;
    return counts;
}

void learnBetweenRounds()
{
    for (const auto& [kind, count] : lang::LiveCounts::snapshot())
        betweenRounds()[kind] = std::max(betweenRounds()[kind], count);
}

// The ambient sprites (and their pictures) that come and go on the screens between rounds and
// may stay for a minute: a round that leaves objects behind passes this after a few rounds.
constexpr int32_t ComingAndGoing = 8;

// The kinds with more live objects now than between rounds before (beyond those that come and
// go), with both numbers; empty when none has. Fewer is fine: the program may let go of what it
// held (the intro music ends).
std::string liveObjectsLeftBehind()
{
    std::string changed;
    for (const auto& [kind, count] : lang::LiveCounts::snapshot()) {
        const int32_t before = betweenRounds()[kind];
        if (count > before + ComingAndGoing)
            changed += " " + kind + " " + std::to_string(before) + " -> " + std::to_string(count);
    }
    return changed;
}

// Runs another verb of the script as if its line stood at the command's place.
bool runVerb(
    ScriptDriver& driver, const Command& at, const std::string& verb, std::vector<std::string> arguments)
{
    Command command{at.line, verb, std::move(arguments)};
    return Verb::find(verb)->handler(driver, command);
}

// Looks at the live objects a second apart while the warm-up learns their numbers.
constexpr int LearningLooks = 10;

// One round played to its result and left; then the objects it made must be gone, unless the
// round is one to learn from.
bool playRound(ScriptDriver& driver, const Command& command, int shop, int day, bool learning)
{
    const std::string round = "the round of shop " + std::to_string(shop) + ", day " + std::to_string(day);
    // The frames after the result let the round's sprites leave and the next screen settle.
    if (!runVerb(driver, command, "open_round", {std::to_string(shop), std::to_string(day)})
        || !runVerb(driver, command, "autoplay_round", {})
        || !runVerb(driver, command, "expect_visible", {"RoundCompleteDlg"})
        || !runVerb(driver, command, "click_sprite", {"RoundCompleteDlg/RCContinue"})
        || !runVerb(driver, command, "wait", {"25"}))
        return driver.fail(command, "in " + round);
    if (learning || betweenRounds().empty()) {
        // Some sprites of the next screen come a while after it shows: learn over ten seconds.
        for (int look = 0; look < LearningLooks; ++look) {
            if (!runVerb(driver, command, "wait", {"25"}))
                return false;
            learnBetweenRounds();
        }
        return true;
    }
    std::string changed;
    auto settled = [&changed] {
        changed = liveObjectsLeftBehind();
        return changed.empty();
    };
    if (!driver.waitFor(command, "the live objects to come back to their numbers between rounds", settled))
        return driver.fail(command, "after " + round + ":" + changed);
    return true;
}

const Verb markMemory("mark_memory", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    mark().residentKb = residentKb();
    mark().gameTimeMs = sprite::FrameClock::forNewCanvases()->now();
    if (mark().residentKb < 0)
        return driver.fail(command, "the resident memory cannot be read on this system");
    std::printf("soak: at the mark, resident memory %ld KB, live objects:", mark().residentKb);
    for (const auto& [kind, count] : lang::LiveCounts::snapshot())
        std::printf(" %d %s", count, kind.c_str());
    std::printf("\n");
    return true;
});

constexpr int Shops = 12;
constexpr int Days = 5;

const Verb playRounds("play_rounds", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    if (mark().residentKb < 0)
        return driver.fail(command, "mark_memory first");
    int rounds = 0;
    auto play = [&](int shop, int day, bool learning) {
        if (!playRound(driver, command, shop, day, learning))
            return false;
        std::printf(
            "soak: round %d (shop %d, day %d) left, %.1f minutes of game time, resident memory %+ld KB\n",
            ++rounds, shop, day, minutesSinceMark(), residentKb() - mark().residentKb);
        return true;
    };
    // Day 0 is Blitz. The warm-up shows every shop and its Blitz round once.
    if (command.arguments[0] == "warmup") {
        for (int shop = 1; shop <= Shops; ++shop) {
            if (!play(shop, 1, true) || !play(shop, 0, true))
                return false;
        }
        return true;
    }
    // Days 1 to 5 of every shop, then Blitz in every shop. The last shop's last day ends the
    // campaign in its final celebration instead of a result (campaign_whole plays it).
    const int roundsInTurn = Shops * (Days + 1);
    const double minutes = driver.integerArgument(command, 0);
    for (int turn = 0; minutesSinceMark() < minutes; ++turn) {
        const int shop = turn % roundsInTurn % Shops + 1;
        const int day = (turn % roundsInTurn / Shops + 1) % (Days + 1);
        if (!(shop == Shops && day == Days) && !play(shop, day, false))
            return false;
    }
    return true;
});

const Verb expectMemoryGrowth(
    "expect_memory_growth_below", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
        if (mark().residentKb < 0)
            return driver.fail(command, "mark_memory first");
        const long grownKb = residentKb() - mark().residentKb;
        std::printf("soak: %.1f minutes of game time since the mark, resident memory grew by %ld KB\n",
            minutesSinceMark(), grownKb);
        const long limitKb = long(driver.integerArgument(command, 0)) * 1024;
        if (minutesSinceMark() < driver.integerArgument(command, 1))
            return driver.fail(command, "too little game time since the mark");
        if (grownKb >= limitKb && ResidentMemoryShowsLeaks)
            return driver.fail(command, "the resident memory grew by " + std::to_string(grownKb) + " KB");
        return true;
    });

const Verb expectStepsOnTime(
    "expect_steps_on_time", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
        sprite::GameCanvas3* canvas = driver.getCanvas();
        if (!canvas)
            return driver.fail(command, "the canvas runs once the window is handed over (wait_ready first)");
        const int64_t worst = canvas->getWorstStepLateness();
        std::printf(
            "soak: the latest frame step ran %lld ms after its time\n", static_cast<long long>(worst));
        if (worst > sprite::GameCanvas3::FramePeriodMs)
            return driver.fail(command, "a frame step ran " + std::to_string(worst) + " ms late");
        return true;
    });

} // namespace

} // namespace harness
