// Verbs about the program as a whole: loading, the hand-over, time, the end and the settings.
#include "HarnessClasses.h"
#include "ScriptDriver.h"
#include "sdl/SdlInput.h"
#include "sprite/LoaderFrame2.h"
#include "sprite/User.h"

#include <algorithm>

namespace harness {

namespace {

const Verb waitLoadingHeld("wait_loading_held", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    return driver.waitFor(command, "the loading gate", [] { return HarnessGate::isHolding(); });
});

const Verb releaseLoading("release_loading", 0, Verb::Anytime, [](ScriptDriver&, const Command&) {
    HarnessGate::open();
    return true;
});

const Verb waitReady("wait_ready", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    const int seconds = driver.integerArgument(command, 0, 20);
    if (!driver.waitFor(command, "the hand-over to the canvas", [] {
            sprite::LoaderFrame2* frame = ScriptDriver::currentFrame();
            return frame && frame->isHandedOver();
        }, seconds * 1000))
        return false;
    driver.takeCanvas();
    return driver.waitUntilHandled(command);
});

const Verb close("close", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    sdl::closeWindow(driver.getWindow());
    return driver.waitForEnd(command, "the program did not end");
});

// The normal exit, then a new start of the program with the same settings.
const Verb restart("restart", 0, Verb::NeedsProgram,
    [](ScriptDriver& driver, const Command& command) { return driver.restartProgram(command); });

const Verb expectExit("expect_exit", 1, Verb::Anytime, [](ScriptDriver& driver, const Command& command) {
    if (!driver.waitForEnd(command, "the program is still running"))
        return false;
    if (driver.exitCode() != driver.integerArgument(command, 0))
        return driver.fail(command, "the program ended with " + std::to_string(driver.exitCode()));
    return true;
});

const Verb expectSetting("expect_setting", 2, Verb::Anytime, [](ScriptDriver& driver, const Command& command) {
    lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
    settings->open(lang::String(driver.getRegistryName().c_str()));
    const int value = settings->getInt(lang::String(command.arguments[0].c_str()), -999999);
    if (value != driver.integerArgument(command, 1))
        return driver.fail(command, command.arguments[0] + " is " + std::to_string(value));
    return true;
});

// Written before the program starts (harness_main); nothing to do in the script's course.
const Verb presetSetting("preset_setting", 3, Verb::Anytime, [](ScriptDriver&, const Command&) { return true; });

const Verb waitMs("wait_ms", 1, Verb::Anytime, [](ScriptDriver& driver, const Command& command) {
    ScriptDriver::sleepMs(driver.integerArgument(command, 0));
    return true;
});

const Verb waitFrames("wait", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    sprite::GameCanvas3* canvas = driver.getCanvas();
    if (!canvas)
        return driver.fail(command, "frames count once the canvas runs (wait_ready first)");
    const int32_t frames = std::max(0, driver.integerArgument(command, 0));
    const int32_t target = canvas->getFrameNo() + frames;
    // As long as the frames take on the real clock, and the usual margin: a long wait on the
    // fast clock of a busy machine must not run out before its frames are done.
    const int timeoutMs = ScriptDriver::DefaultTimeoutMs + frames * sprite::GameCanvas3::FramePeriodMs;
    return driver.waitFor(command, "frames", [&] { return canvas->getFrameNo() >= target; }, timeoutMs);
});

} // namespace

} // namespace harness
