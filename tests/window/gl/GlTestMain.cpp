// The entry function of the OpenGL target's tests: windows open through the SDL platform layer
// asking for OpenGL. They run on SDL's offscreen driver (OpenGL through EGL) unless a display
// is given (SDL_VIDEODRIVER=x11 under Xvfb); Mesa's software OpenGL serves either.
#include "window/sdl/SdlPlatform.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("KIPTO2_RENDERER", "gl", 1);
    window::platform::install(std::make_unique<window::sdl::SdlPlatform>());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
