// The choice of the window target and of its scaling: the environment before the stored
// setting, OpenGL by default on a display, software on a headless driver, linear scaling by
// default, and words that name nothing ignored.
#include "window/RendererChoice.h"

#include <gtest/gtest.h>

TEST(RendererChoice, EnvironmentThenSettingThenDefault)
{
    EXPECT_TRUE(window::chooseRenderer("gl", "software", true).openGl);
    EXPECT_FALSE(window::chooseRenderer("software", "gl", false).openGl);
    EXPECT_FALSE(window::chooseRenderer("soft", "", false).openGl);
    EXPECT_EQ(window::chooseRenderer("software", "gl", false).reason, "KIPTO2_RENDERER=software");
    EXPECT_FALSE(window::chooseRenderer(nullptr, "software", false).openGl);
    EXPECT_TRUE(window::chooseRenderer("", "gl", true).openGl);
    EXPECT_TRUE(window::chooseRenderer(nullptr, "", false).openGl);
    EXPECT_FALSE(window::chooseRenderer(nullptr, "", true).openGl);
    const window::RendererChoice unknown = window::chooseRenderer("vulkan", "", false);
    EXPECT_TRUE(unknown.openGl);
    EXPECT_NE(unknown.reason.find("names no renderer"), std::string::npos);
}

TEST(ScalingChoice, EnvironmentThenSettingThenLinear)
{
    EXPECT_FALSE(window::chooseScaling("nearest", "linear").linear);
    EXPECT_TRUE(window::chooseScaling("linear", "nearest").linear);
    EXPECT_FALSE(window::chooseScaling(nullptr, "nearest").linear);
    EXPECT_FALSE(window::chooseScaling("", "nearest").linear);
    EXPECT_TRUE(window::chooseScaling(nullptr, "").linear);
    const window::ScalingChoice unknown = window::chooseScaling("smooth", "nearest");
    EXPECT_FALSE(unknown.linear);
    EXPECT_EQ(unknown.reason, "the setting SCALING is nearest (KIPTO2_SCALING=smooth names no scaling)");
}
