// The window target against the software window target, the reference: the canvas's sprites
// painted at one moment through both give the same picture within the OpenGL target's
// tolerance (tests/window/gl/PictureTolerance.h).
#include "PngWriter.h"
#include "ScriptDriver.h"
#include "lang/SyncGuard.h"
#include "sprite/GameCanvas3.h"
#include "sprite/LoaderFrame2.h"
#include "window/gl/PictureTolerance.h"
#include "window/image/ImageBase.h"
#include "window/raster/PixelImage.h"
#include "window/raster/SoftwareWindowGraphics.h"

#include <cstdio>

namespace harness {

namespace {

// The visible top-level sprites painted in one frame of `target` on opaque black.
lang::Ref<window::ImageBase> paintSprites(sprite::GameCanvas3& canvas, window::Graphics& target)
{
    lang::Ref<window::ImageBase> picture = lang::adopt<window::ImageBase>(new window::PixelImage);
    lang::Ref<window::Graphics> frame = lang::adopt(target.create());
    if (!frame)
        return picture;
    frame->fillRect(0, 0, 800, 600, 0xFF000000u);
    for (int32_t i = 0; i < canvas.getSpriteCount(); ++i) {
        lang::Ref<sprite::SpriteBase> sprite = lang::adopt(canvas.getSpriteAt(i));
        if (sprite && sprite->isVisible())
            sprite->render(frame.get());
    }
    frame->dispose();
    target.getBackBuffer(picture.get());
    return picture;
}

// compare_targets NAME.png: the picture through the window's target is written as NAME.png,
// the software target's as software_NAME.png; the command fails when they differ.
const Verb compareTargets(
    "compare_targets", 1, Verb::NeedsProgram, [](ScriptDriver& driver, const Command& command) {
        sprite::GameCanvas3* canvas = driver.getCanvas();
        sprite::LoaderFrame2* frame = ScriptDriver::currentFrame();
        if (!canvas || !frame)
            return driver.fail(command, "the canvas paints once it runs (wait_ready first)");
        lang::Ref<window::ImageBase> windowPicture, softwarePicture;
        {
            SyncGuard guard(canvas);
            SyncGuard display(window::Component::getDisplayLock());
            lang::Ref<window::Graphics> windowTarget = lang::adopt(frame->getGraphics());
            if (!windowTarget)
                return driver.fail(command, "the window has no target");
            lang::Ref<window::Graphics> software
                = lang::adopt(new window::SoftwareWindowGraphics(nullptr, 800, 600));
            windowPicture = paintSprites(*canvas, *windowTarget);
            softwarePicture = paintSprites(*canvas, *software);
            std::fprintf(
                stderr, "compare_targets: %s against SoftwareWindowGraphics\n", windowTarget->getClassName());
        }
        const std::string folder = driver.getOutputFolder() + "/";
        window::writePngFile(*windowPicture, lang::String((folder + command.arguments[0]).c_str()));
        window::writePngFile(
            *softwarePicture, lang::String((folder + "software_" + command.arguments[0]).c_str()));
        if (windowPicture->getWidth() != 800 || windowPicture->getHeight() != 600)
            return driver.fail(command, "the window's picture is not 800 x 600");
        const gltest::Mismatches misses
            = gltest::compare(softwarePicture->getPixels(), windowPicture->getPixels(), 800, 600);
        if (misses.count == 0)
            return true;
        const size_t first = size_t(misses.firstY) * 800 + size_t(misses.firstX);
        char text[160];
        std::snprintf(text, sizeof text,
            "%d pixels differ beyond %d per channel, the first at %d,%d: %08x against %08x", misses.count,
            gltest::Tolerance, misses.firstX, misses.firstY, softwarePicture->getPixels()[first],
            windowPicture->getPixels()[first]);
        return driver.fail(command, text);
    });

} // namespace

} // namespace harness
