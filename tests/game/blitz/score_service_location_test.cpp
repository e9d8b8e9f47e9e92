#include "BoardPolling.h"
#include "game/blitz/ScoreServiceLocation.h"
#include "sprite/User.h"

#include <gtest/gtest.h>


namespace {

// Settings that hold only the list address of the service.
class ListAddressSettings : public sprite::User {
public:
    lang::String getString(const lang::String& path, const lang::String& defaultValue) override
    {
        return path.equals("SCOREGETURL") ? lang::String("http://settings.test/list?shop=") : defaultValue;
    }
};

} // namespace

TEST(ScoreServiceLocation, SettingsOverrideThePackageAndTheEnvironmentOverridesBoth)
{
    unsetenv(ScoreServiceLocation::EnvironmentVariable);
    // No package is open here: the package texts are empty.
    auto settings = lang::adopt(new ListAddressSettings());
    ScoreServiceLocation fromSettings = ScoreServiceLocation::find(settings.get());
    EXPECT_STREQ(fromSettings.getListPrefix().c_str(), "http://settings.test/list?shop=");
    EXPECT_STREQ(fromSettings.getSubmitPrefix().c_str(), "");

    setenv(ScoreServiceLocation::EnvironmentVariable, "http://127.0.0.1:8642//", 1);
    ScoreServiceLocation fromEnvironment = ScoreServiceLocation::find(settings.get());
    unsetenv(ScoreServiceLocation::EnvironmentVariable);
    EXPECT_STREQ(fromEnvironment.getListPrefix().c_str(), "http://127.0.0.1:8642/scores/list?shop=");
    EXPECT_STREQ(fromEnvironment.getSubmitPrefix().c_str(), "http://127.0.0.1:8642/scores/submit?shop=");
}

TEST(ScoreServiceLocation, NoServiceAtAllLeavesTheBoardEmptyAndTheSubmissionWaiting)
{
    ScoreBoard scores(ScoreServiceLocation("", ""), ScoreBoard::Timeouts{300, 500});
    ASSERT_TRUE(scores.submit("Bob", 2, 297000));
    ASSERT_TRUE(pollUntilApplied(scores));
    EXPECT_FALSE(scores.hasAnswer(2));
    EXPECT_TRUE(scores.hasPendingSubmission());
}
