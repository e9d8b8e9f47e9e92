// Verbs that look at what the program shows: screenshots, pixels, sprites, texts, the window.
#include "PngWriter.h"
#include "ScriptDriver.h"
#include "game/flow/SpriteHelpers.h"
#include "game/menus/VersionLine.h"
#include "lang/Cp1252.h"
#include "lang/SyncGuard.h"
#include "sprite/AnimateSprite.h"
#include "sprite/LoaderFrame2.h"

#include <cstdio>
#include <cstdlib>

namespace harness {

namespace {

// Runs `check` on the sprite at the command's first argument, under the canvas's monitor.
template <class Check>
bool withSprite(ScriptDriver& driver, const Command& command, Check check)
{
    if (!driver.getCanvas())
        return driver.fail(command, "sprites are there once the canvas runs (wait_ready first)");
    SyncGuard guard(driver.getCanvas());
    sprite::SpriteBase* sprite = driver.findSprite(command.arguments[0]);
    if (!sprite)
        return driver.fail(command, "no sprite " + command.arguments[0]);
    return check(*sprite);
}

bool expectShown(ScriptDriver& driver, const Command& command, bool wanted)
{
    return withSprite(driver, command, [&](sprite::SpriteBase& sprite) {
        if (sprite.isVisible() != wanted)
            return driver.fail(command, command.arguments[0] + (wanted ? " is hidden" : " is shown"));
        return true;
    });
}

const Verb screenshot("screenshot", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    if (!driver.waitForFreshPaint(command))
        return false;
    lang::Ref<window::ImageBase> picture = driver.grabPicture(command);
    if (!picture)
        return false;
    const std::string path = driver.getOutputFolder() + "/" + command.arguments[0];
    if (!window::writePngFile(*picture, lang::String(path.c_str())))
        return driver.fail(command, "cannot write " + path);
    return true;
});

const Verb expectVisible("expect_visible", 1, Verb::NeedsProgram,
    [](ScriptDriver& driver, const Command& command) { return expectShown(driver, command, true); });
const Verb expectHidden("expect_hidden", 1, Verb::NeedsProgram,
    [](ScriptDriver& driver, const Command& command) { return expectShown(driver, command, false); });

const Verb expectFrame("expect_frame", 2, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    return withSprite(driver, command, [&](sprite::SpriteBase& sprite) {
        auto* animated = dynamic_cast<sprite::AnimateSprite*>(&sprite);
        const int cell = driver.integerArgument(command, 1);
        if (!animated || animated->getFrame() != cell)
            return driver.fail(command,
                command.arguments[0] + " shows cell " + std::to_string(animated ? animated->getFrame() : -1));
        return true;
    });
});

// Where the sprite stands in its dialog (the point its table numbers place).
const Verb expectPosition("expect_position", 3, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    return withSprite(driver, command, [&](sprite::SpriteBase& sprite) {
        const int x = driver.integerArgument(command, 1);
        const int y = driver.integerArgument(command, 2);
        if (sprite.getX() != x || sprite.getY() != y)
            return driver.fail(command, command.arguments[0] + " stands at " + std::to_string(sprite.getX()) + " "
                + std::to_string(sprite.getY()));
        return true;
    });
});

// The text a text sprite shows, compared with the rest of the line (UTF-8 in the script,
// Windows-1252 in the game), where "\n" stands for a line break.
const Verb expectText("expect_text", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    std::string line = ScriptDriver::restOf(command, 1);
    for (size_t at = line.find("\\n"); at != std::string::npos; at = line.find("\\n", at + 1))
        line.replace(at, 2, "\n");
    const std::string wanted = lang::utf8ToCp1252(line.data(), line.size());
    return withSprite(driver, command, [&](sprite::SpriteBase& sprite) {
        const std::string shown = spriteText(&sprite).c_str();
        if (shown != wanted)
            return driver.fail(command, command.arguments[0] + " shows \"" + shown + "\"");
        return true;
    });
});

// The version line of this build, wherever a screen shows it.
const Verb expectVersion("expect_version", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    return withSprite(driver, command, [&](sprite::SpriteBase& sprite) {
        const std::string shown = spriteText(&sprite).c_str();
        if (shown != versionLineText().c_str())
            return driver.fail(command, command.arguments[0] + " shows \"" + shown + "\"");
        return true;
    });
});

const Verb expectPixel("expect_pixel", 3, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    if (!driver.waitForFreshPaint(command))
        return false;
    lang::Ref<window::ImageBase> picture = driver.grabPicture(command);
    if (!picture)
        return false;
    const int x = driver.integerArgument(command, 0);
    const int y = driver.integerArgument(command, 1);
    if (x < 0 || y < 0 || x >= picture->getWidth() || y >= picture->getHeight())
        return driver.fail(command, "no pixel there");
    const uint32_t got = picture->getPixels()[y * picture->getWidth() + x] & 0xFFFFFFu;
    const uint32_t want = uint32_t(std::stoul(command.arguments[2], nullptr, 16));
    const int tolerance = driver.integerArgument(command, 3, 0);
    for (int shift = 0; shift < 24; shift += 8) {
        if (std::abs(int((got >> shift) & 255) - int((want >> shift) & 255)) > tolerance) {
            char text[80];
            std::snprintf(text, sizeof text, "pixel (%d, %d) is %06X, not %06X", x, y, got, want);
            return driver.fail(command, text);
        }
    }
    return true;
});

const Verb expectFullScreen("expect_fullscreen", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
    sprite::LoaderFrame2* frame = ScriptDriver::currentFrame();
    const bool wanted = driver.integerArgument(command, 0) != 0;
    if (!frame || frame->isFullScreen() != wanted)
        return driver.fail(command, frame && frame->isFullScreen() ? "the window is full screen" : "the window is not full screen");
    return true;
});

} // namespace

} // namespace harness
