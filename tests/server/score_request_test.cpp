#include "NameRule.h"
#include "ScoreRequest.h"
#include "Verification.h"

#include <gtest/gtest.h>

using scores::NameRule;
using scores::ScoreRequest;
using scores::Verification;

// Values worked out by hand from the recipe (the game's tests check the recipe itself).
TEST(Verification, TheCheckAcceptsExactlyTheGamesValue)
{
    EXPECT_TRUE(Verification::check("005A780A1263988579", "Bob", 3, 299000));
    EXPECT_TRUE(Verification::check("999A-368A-344044543", "\xE9" "abc", 12, 1));
    EXPECT_FALSE(Verification::check("005A780A1263988579", "Bob", 4, 299000)) << "another shop";
    EXPECT_FALSE(Verification::check("005A780A1263988579", "Bob", 3, 299001)) << "another score";
    EXPECT_FALSE(Verification::check("005A780A1263988579", "Bo", 3, 299000)) << "another name";
    EXPECT_FALSE(Verification::check("5A780A1263988579", "Bob", 3, 299000)) << "r not written in three digits";
    EXPECT_FALSE(Verification::check("005A780A1263988579 ", "Bob", 3, 299000)) << "trailing byte";
    EXPECT_FALSE(Verification::check("000A777A1263988874", "Bob", 3, 299000)) << "the game writes r = 0 as 999";
    EXPECT_FALSE(Verification::check("", "Bob", 3, 299000));
}

TEST(NameRule, ProfileNamesOnly)
{
    for (const char* name : {"Bob", "Ann-Marie", "J. Doe", "Zo\xEB", "123456789", " x"})
        EXPECT_TRUE(NameRule::isValid(name)) << name;
    for (const char* name : {"", "   ", "1234567890", "a<b", "a&b", "a+b", "tab\t", "\x80uro", "a%b"})
        EXPECT_FALSE(NameRule::isValid(name)) << name;
    EXPECT_FALSE(NameRule::isValid(std::string("a\0b", 3))) << "a zero byte";
}

TEST(ScoreRequest, SubmissionIsDecodedAndChecked)
{
    ScoreRequest good = ScoreRequest::parseSubmit("shop=12&name=Zo%EB%20A&score=005A1A2&s=299399");
    ASSERT_TRUE(good.ok()) << good.error;
    EXPECT_EQ(good.shop, 12);
    EXPECT_EQ(good.name, "Zo\xEB A");
    EXPECT_EQ(good.verification, "005A1A2");
    EXPECT_EQ(good.score, 299399);
    EXPECT_EQ(good.time(), 601);

    const char* refused[] = {
        "shop=13&name=Bob&score=1&s=1000",              // no such shop
        "shop=0&name=Bob&score=1&s=1000",
        "shop=3x&name=Bob&score=1&s=1000",
        "shop=3&name=Bob&score=1&s=299400",             // a time of 600 tenths
        "shop=3&name=Bob&score=1&s=0",                  // a time of 300000 tenths
        "shop=3&name=Bob&score=1&s=99999999999",        // beyond 32 bits
        "shop=3&name=Bob&score=1",                      // no score
        "shop=3&name=ABCDEFGHIJ&score=1&s=1000",        // a name of ten bytes
        "shop=3&name=%3Cb%3E&score=1&s=1000",           // markup in the name
        "shop=3&name=Bob%2&score=1&s=1000",             // a broken escape
        "shop=3&name=Bob%zz&score=1&s=1000",
        "shop=3&shop=4&name=Bob&score=1&s=1000",        // a parameter twice
    };
    for (const char* query : refused)
        EXPECT_FALSE(ScoreRequest::parseSubmit(query).ok()) << query;
    EXPECT_FALSE(ScoreRequest::parseSubmit("shop=3&name=Bob&score=1&s=1000&x=" + std::string(600, 'a')).ok())
        << "an oversized query";
}

TEST(ScoreRequest, ListNeedsAShopAndKnowsItsPeriods)
{
    ScoreRequest day = ScoreRequest::parseList("shop=7");
    ASSERT_TRUE(day.ok());
    EXPECT_EQ(day.shop, 7);
    EXPECT_FALSE(day.allTime);
    EXPECT_TRUE(ScoreRequest::parseList("shop=7&period=all").allTime);
    for (const char* query : {"", "shop=", "shop=-1", "shop=7&period=week", "shop=%"})
        EXPECT_FALSE(ScoreRequest::parseList(query).ok()) << query;
}
