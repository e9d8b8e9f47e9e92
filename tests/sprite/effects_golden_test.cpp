// A reference picture of radial bursts in mid-flight, compared pixel for pixel: a falling find
// burst and a star burst, their generator seeded so that every run lays them out alike.
#include "sprite/RadialSpritePSX.h"

#include "sprite/text_test_support.h"
#include "util/Region.h"
#include "window/raster/Graphics.h"

#include <gtest/gtest.h>

using lang::adopt;
using lang::Ref;
using sprite::RadialSpritePSX;
using namespace text_testing;

TEST(EffectsGolden, RadialBurstsInMidFlight)
{
    if (testDataFolder().empty())
        GTEST_SKIP() << "KIPTO2_TEST_DATA is not set";
    RadialSpritePSX::seedGenerator(2024);
    Ref<RadialSpritePSX> find = adopt(new RadialSpritePSX(3, 3));
    Ref<RadialSpritePSX> star = adopt(new RadialSpritePSX(8, 4));
    find->setLocation(-300, -230);
    star->setLocation(-120, -240);
    find->restart(3, 3);
    star->restart(8, 4);
    util::RectangleNM bounds;
    util::Region dirty;
    for (int32_t frame = 1; frame <= 6; ++frame) {
        find->update(frame, bounds, dirty);
        star->update(frame, bounds, dirty);
    }
    Ref<window::PixelImage> picture = adopt(new window::PixelImage(400, 200));
    std::fill_n(picture->getPixels(), 400 * 200, 0xFF1C2438u);
    Ref<window::Graphics> graphics = adopt(picture->getGraphics());
    find->render(graphics.get());
    star->render(graphics.get());
    EXPECT_EQ(differenceFromGolden(*picture, "golden_radial_bursts.png"), 0);
}
