// The start-up's window-mode rule over the settings store.
#include "sprite/StartupSettings.h"
#include "sprite/User.h"
#include "user_helpers.h"

#include <gtest/gtest.h>

using sprite::chooseFullScreen;

namespace {

class StartupSettingsTest : public SettingsFolderTest {
protected:
    lang::Ref<sprite::User> openSettings()
    {
        lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
        settings->open("StartupTest");
        return settings;
    }
};

} // namespace

TEST_F(StartupSettingsTest, FirstRunsFollowTheDesktopDepth)
{
    lang::Ref<sprite::User> settings = openSettings();
    EXPECT_FALSE(chooseFullScreen(*settings, 32));
    EXPECT_EQ(settings->getInt("NORMALEXIT", -5), 0) << "a run in progress";
    settings->setInt("NORMALEXIT", 1);
    EXPECT_TRUE(chooseFullScreen(*settings, 24));
    settings->setInt("NORMALEXIT", 1);
    settings->setInt("FULLSCREEN", 0);
    EXPECT_TRUE(chooseFullScreen(*settings, 8)) << "a desktop that cannot show a window";
    settings->setInt("NORMALEXIT", 1);
    EXPECT_FALSE(chooseFullScreen(*settings, 24)) << "the setting wins on a 24-bit desktop";
}

TEST_F(StartupSettingsTest, TheSettingChoosesFullScreenAfterANormalExit)
{
    lang::Ref<sprite::User> settings = openSettings();
    settings->setInt("FULLSCREEN", 1);
    settings->setInt("NORMALEXIT", 1);
    EXPECT_TRUE(chooseFullScreen(*settings, 32));
    EXPECT_EQ(settings->getInt("FULLSCREEN", -1), 1);
}

TEST_F(StartupSettingsTest, AfterARunThatWasKilledTheGameStartsInAWindow)
{
    {
        lang::Ref<sprite::User> settings = openSettings();
        settings->setInt("FULLSCREEN", 1);
        settings->setInt("NORMALEXIT", 1);
        EXPECT_TRUE(chooseFullScreen(*settings, 32));
        // The run ends without writing NORMALEXIT back.
    }
    lang::Ref<sprite::User> settings = openSettings();
    EXPECT_FALSE(chooseFullScreen(*settings, 32));
    EXPECT_EQ(settings->getInt("FULLSCREEN", -1), 0);
    EXPECT_EQ(settings->getInt("NORMALEXIT", -1), 0);
}
