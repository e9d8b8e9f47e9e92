// Verbs that act as the player: the pointer, its button, keys, typed text and the window focus.
#include "FastClock.h"
#include "ScriptDriver.h"
#include "lang/SyncGuard.h"
#include "sdl/SdlInput.h"

namespace harness {

namespace {

bool pointer(ScriptDriver& driver, const Command& command, bool drag)
{
    const int x = driver.integerArgument(command, 0);
    const int y = driver.integerArgument(command, 1);
    sdl::mouseMove(driver.getWindow(), x, y, drag || driver.isLeftHeld());
    return driver.waitUntilHandled(command);
}

// A press and/or a release of the left button at the point.
bool button(ScriptDriver& driver, const Command& command, int x, int y, bool press, bool release)
{
    if (press) {
        sdl::mouseMove(driver.getWindow(), x, y, driver.isLeftHeld());
        sdl::mouseButton(driver.getWindow(), x, y, true);
        driver.setLeftHeld(true);
    }
    if (release) {
        sdl::mouseButton(driver.getWindow(), x, y, false);
        driver.setLeftHeld(false);
    }
    return driver.waitUntilHandled(command);
}

bool buttonAt(ScriptDriver& driver, const Command& command, bool press, bool release)
{
    return button(driver, command, driver.integerArgument(command, 0), driver.integerArgument(command, 1), press,
        release);
}

const Verb move("move", 2, Verb::NeedsProgram,
    [](ScriptDriver& driver, const Command& command) { return pointer(driver, command, false); });
const Verb drag("drag", 2, Verb::NeedsProgram,
    [](ScriptDriver& driver, const Command& command) { return pointer(driver, command, true); });
const Verb press("press", 2, Verb::NeedsProgram,
    [](ScriptDriver& driver, const Command& command) { return buttonAt(driver, command, true, false); });
const Verb release("release", 2, Verb::NeedsProgram,
    [](ScriptDriver& driver, const Command& command) { return buttonAt(driver, command, false, true); });
const Verb click("click", 2, Verb::NeedsProgram,
    [](ScriptDriver& driver, const Command& command) { return buttonAt(driver, command, true, true); });

// The centre of the sprite at the command's path, which must be shown with every dialog
// around it; false (and a failure) otherwise.
bool centreOf(ScriptDriver& driver, const Command& command, int32_t& x, int32_t& y)
{
    if (!driver.getCanvas())
        return driver.fail(command, "sprites are there once the canvas runs (wait_ready first)");
    SyncGuard guard(driver.getCanvas());
    if (!driver.findSprite(command.arguments[0]))
        return driver.fail(command, "no sprite " + command.arguments[0]);
    if (!driver.isShownOnScreen(command.arguments[0], x, y))
        return driver.fail(command, command.arguments[0] + " is not shown");
    return true;
}

// On the fast clock no frame passes between the look at the sprite and the handled click.
const Verb clickSprite("click_sprite", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    FastClock::Hold hold;
    int32_t x = 0;
    int32_t y = 0;
    return centreOf(driver, command, x, y) && button(driver, command, x, y, true, true);
});

// The left button goes down on the sprite's centre and stays down (for drag and release).
const Verb pressSprite("press_sprite", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    FastClock::Hold hold;
    int32_t x = 0;
    int32_t y = 0;
    return centreOf(driver, command, x, y) && button(driver, command, x, y, true, false);
});

const Verb key("key", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    const std::string& name = command.arguments[0];
    if (!sdl::key(driver.getWindow(), name, true) || !sdl::key(driver.getWindow(), name, false))
        return driver.fail(command, "unknown key " + name);
    return driver.waitUntilHandled(command);
});

const Verb type("type", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    sdl::text(driver.getWindow(), ScriptDriver::restOf(command, 0));
    return driver.waitUntilHandled(command);
});

const Verb deactivate("deactivate", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    sdl::loseFocus(driver.getWindow());
    return driver.waitUntilHandled(command);
});

const Verb activate("activate", 0, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    sdl::focus(driver.getWindow());
    return driver.waitUntilHandled(command);
});

} // namespace

} // namespace harness
