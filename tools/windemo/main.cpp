// The window demo: opens the 800x600 window, draws a test picture through the software window
// target, prints the events it receives and closes cleanly. F11 or Alt+Enter toggles full
// screen; Escape leaves full screen, or closes the window. "--fullscreen" starts full screen.
#include "DemoFrame.h"

#include "lang/Ref.h"
#include "window/Platform.h"
#include "window/sdl/SdlPlatform.h"
#include "window/text/freetype/FreeTypeRasteriser.h"

#include <cstring>

int main(int argc, char** argv)
{
    window::platform::install(std::make_unique<window::sdl::SdlPlatform>());
    window::GlyphRasteriser::install(std::make_unique<window::FreeTypeRasteriser>());
    bool startFullScreen = argc > 1 && std::strcmp(argv[1], "--fullscreen") == 0;
    lang::Ref<DemoFrame> frame = lang::adopt(new DemoFrame);
    if (!frame->create(nullptr, util::RectangleNM(0, 0, 800, 600))) {
        say("no window could be made");
        return 1;
    }
    frame->setTitle("Kipto2 window demo");
    frame->setBackground(window::ColorBase(0xFF50504C));
    lang::Ref<DemoCanvas> canvas = lang::adopt(new DemoCanvas(frame.get()));
    canvas->create(frame.get(), util::RectangleNM(0, 0, 800, 600));
    frame->setVisible(true);
    if (startFullScreen)
        frame->setFullScreen(true, false);
    canvas->requestFocus();
    canvas.reset();
    int32_t exitCode = window::platform::runMessageLoop();
    window::platform::shutdown();
    say("closed");
    return exitCode;
}
