#include "Verification.h"
#include "game/blitz/BlitzTimeFormat.h"
#include "game/blitz/ScoreVerification.h"

#include <gtest/gtest.h>

// Expected values worked out by hand: the hash rotates left by 8 bits and ORs in each byte.
TEST(ScoreVerification, HandWorkedValues)
{
    EXPECT_EQ(ScoreVerification::nameHash("Bob"), 0x4B527F72);
    // The name byte 0xEB counts as 235, not as a negative number.
    EXPECT_EQ(ScoreVerification::nameHash("Zo\xEB"), 0x4B5A7FFB);
    // Game-code bytes above 127 are widened with their sign.
    EXPECT_EQ(ScoreVerification::nameHash("A", "\xC1"), -63);
    EXPECT_EQ(ScoreVerification::nameHash("", "\x80"), -128);

    EXPECT_STREQ(ScoreVerification::makeWith("Bob", 3, 299000, 5).c_str(), "005A780A1263988579");
    EXPECT_STREQ(ScoreVerification::makeWith("Zo\xEB", 1, 250000, 42).c_str(), "042A224A1264167055");
    // A negative hash: its remainder by 1000 is negative too.
    EXPECT_STREQ(ScoreVerification::makeWith("\xE9" "abc", 7, 123456, 100).c_str(), "100A-744A-344752349");
    // r of 0 or 1000 becomes 999.
    EXPECT_STREQ(ScoreVerification::makeWith("\xE9" "abc", 12, 1, 0).c_str(), "999A-368A-344044543");
    EXPECT_STREQ(ScoreVerification::makeWith("\xE9" "abc", 12, 1, 1000).c_str(), "999A-368A-344044543");
    EXPECT_EQ(ScoreVerification::makeWith("Bob", 3, 299000, 1).substring(0, 4), "001A");
}

TEST(ScoreVerification, TheServiceAcceptsWhatTheGameMakes)
{
    const char* names[] = {"Bob", "Zo\xEB", "\xC0\xFF-. 9", "x"};
    for (int i = 0; i < 200; i++) {
        const char* name = names[i % 4];
        int shop = 1 + i % 12;
        int score = 1 + i * 1499;
        lang::String value = ScoreVerification::make(name, shop, score);
        EXPECT_TRUE(scores::Verification::check(value.c_str(), name, shop, score)) << value.c_str();
    }
}

TEST(BlitzTimeFormat, MinutesSecondsAndTenthsWithHoursInFront)
{
    struct Case {
        int32_t tenths;
        const char* text;
    } cases[] = {{1234, "2:03.4"}, {5, "0:00.5"}, {0, "0:00.0"},     {599, "0:59.9"},
                 {600, "1:00.0"},  {1000, "1:40.0"}, {35999, "59:59.9"}, {36000, "100:00.0"},
                 {-1234, "2:03.4"}, {360000, "1000:00.0"}};
    for (const Case& c : cases)
        EXPECT_STREQ(BlitzTimeFormat::format(c.tenths).c_str(), c.text) << c.tenths;
    EXPECT_STREQ(BlitzTimeFormat::format(INT32_MIN).c_str(), "5965219:24.8");
}
