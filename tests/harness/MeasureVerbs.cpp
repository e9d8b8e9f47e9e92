// Verbs that measure the program for the benchmarks under bench/: times since the start of
// the process and the CPU it uses. They report on standard error and always pass.
#include "ScriptDriver.h"
#include "game/Kipto2Canvas.h"
#include "lang/SyncGuard.h"
#include "sprite/ButtonMixin.h"

#include <chrono>
#include <cstdio>
#include <sys/resource.h>

namespace harness {

namespace {

// Taken while the program's statics are made, before main runs.
const auto processStart = std::chrono::steady_clock::now();

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

const Verb reportTime("report_time", 1, Verb::Anytime, [](ScriptDriver&, const Command& command) {
    std::fprintf(stderr, "harness: %s after %.0f ms\n", command.arguments[0].c_str(), millisecondsSince(processStart));
    return true;
});

// The share of one core the whole program uses over the seconds.
const Verb reportCpu("report_cpu", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    const int seconds = driver.integerArgument(command, 0, 5);
    const double before = cpuSeconds();
    const auto start = std::chrono::steady_clock::now();
    ScriptDriver::sleepMs(seconds * 1000);
    const double used = cpuSeconds() - before;
    std::fprintf(stderr, "harness: CPU %.1f %% of one core over %.1f s\n", 100.0 * used / (millisecondsSince(start) / 1000.0),
        millisecondsSince(start) / 1000.0);
    return true;
});

const Verb waitPaint("wait_paint", 0, Verb::NeedsProgram,
    [](ScriptDriver& driver, const Command& command) { return driver.waitForFreshPaint(command); });

// Waits until the button at PATH takes clicks.
const Verb waitEnabled("wait_enabled", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    sprite::GameCanvas3* canvas = driver.getCanvas();
    if (!canvas)
        return driver.fail(command, "sprites are there once the canvas runs (wait_ready first)");
    return driver.waitFor(command, "the button", [&] {
        SyncGuard guard(canvas);
        sprite::ButtonMixin* button = sprite::ButtonMixin::of(driver.findSprite(command.arguments[0]));
        return button && button->getState() != sprite::ButtonMixin::Disabled;
    });
});

} // namespace

} // namespace harness
