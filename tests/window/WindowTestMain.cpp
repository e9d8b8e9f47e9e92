// The entry function of the window tests: frames open through the SDL platform layer (on SDL's
// offscreen driver) and text comes from FreeType fonts, installed before the first test as the
// game installs them at start-up.
#include "window/sdl/SdlPlatform.h"
#include "window/text/freetype/FreeTypeRasteriser.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    window::platform::install(std::make_unique<window::sdl::SdlPlatform>());
    window::GlyphRasteriser::install(std::make_unique<window::FreeTypeRasteriser>());
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
