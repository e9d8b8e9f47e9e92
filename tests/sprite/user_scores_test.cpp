#include "sprite/User.h"

#include "user_helpers.h"

using lang::String;
using sprite::User;

namespace {

class UserScores : public SettingsFolderTest {
protected:
    void SetUp() override
    {
        SettingsFolderTest::SetUp();
        user = reopened();
    }
    void TearDown() override
    {
        user.reset();
        SettingsFolderTest::TearDown();
    }

    lang::Ref<User> reopened()
    {
        auto fresh = lang::adopt(new User());
        fresh->open("Kipto2");
        return fresh;
    }

    // Scores 100, 90, ... for `count` records of the table.
    void fill(const char* table, int32_t count)
    {
        for (int32_t i = 0; i < count; i++)
            user->addScore(String("p") + i, table, i + 1, 100 - 10 * i, 1000 + i);
    }

    lang::Ref<User> user;
};

TEST_F(UserScores, RecordsAreKeptBestFirst)
{
    EXPECT_EQ(user->addScore("Ann", "blitz", 2, 50, 7), 0);
    EXPECT_EQ(user->addScore("Bob", "blitz", 3, 70, 8), 0);
    EXPECT_EQ(user->addScore("Cid", "blitz", 1, 60, 9), 1);
    EXPECT_STREQ(user->getScoreName("blitz", 0).c_str(), "Bob");
    EXPECT_STREQ(user->getScoreName("blitz", 1).c_str(), "Cid");
    EXPECT_EQ(user->getScore("blitz", 2), 50);
    EXPECT_EQ(user->getLevel("blitz", 2), 2);
    EXPECT_EQ(user->getSetting("blitz", 2), 7);
}

TEST_F(UserScores, ATieWithTheThirdBestIsInsertedFourth)
{
    fill("", 5);
    EXPECT_EQ(user->addScore("tie", 9, 80, 0), 3);
    EXPECT_STREQ(user->getScoreName(2).c_str(), "p2");
    EXPECT_STREQ(user->getScoreName(3).c_str(), "tie");
    EXPECT_EQ(user->getScore(4), 70);
    EXPECT_EQ(user->getLevel(3), 9);
}

TEST_F(UserScores, AnEleventhRecordWorseThanAllIsRefused)
{
    fill("t", 10);
    EXPECT_EQ(user->addScore("late", "t", 1, 10, 0), -1);
    EXPECT_EQ(user->addScore("worse", "t", 1, 5, 0), -1);
    EXPECT_EQ(user->getScore("t", 10), -1);
    EXPECT_EQ(user->getStoredScores(), 10);
    EXPECT_EQ(user->getInt("SCORE10", -1), -1);
}

TEST_F(UserScores, ABetterRecordInAFullTableIsKeptButOnlyTenAreStored)
{
    fill("t", 10);
    EXPECT_EQ(user->addScore("best", "t", 1, 1000, 0), 0);
    EXPECT_EQ(user->getScore("t", 10), 10);
    EXPECT_EQ(user->getStoredScores(), 10);
    auto again = reopened();
    EXPECT_STREQ(again->getScoreName("t", 0).c_str(), "best");
    EXPECT_EQ(again->getScore("t", 9), 20);
    EXPECT_EQ(again->getScore("t", 10), -1);
}

TEST_F(UserScores, RecordsAreStoredAsFiveNumberedValues)
{
    user->addScore("Ann", "blitz", 4, 321, 77);
    EXPECT_EQ(user->getInt("SCORE0", 0), 321);
    EXPECT_STREQ(user->getString("SCORENAME0", "").c_str(), "Ann");
    EXPECT_STREQ(user->getString("SCOREMODE0", "?").c_str(), "blitz");
    EXPECT_EQ(user->getInt("LEVEL0", 0), 4);
    EXPECT_EQ(user->getInt("SCORESETTING0", 0), 77);
}

TEST_F(UserScores, LoadingRebuildsEveryTable)
{
    fill("a", 3);
    fill("b", 2);
    user->addScore("plain", 1, 5, 0);
    auto again = reopened();
    EXPECT_EQ(again->getStoredScores(), 6);
    EXPECT_EQ(again->getScore("a", 2), 80);
    EXPECT_EQ(again->getSetting("a", 2), 1002);
    EXPECT_STREQ(again->getScoreName("b", 1).c_str(), "p1");
    EXPECT_STREQ(again->getScoreName(0).c_str(), "plain");
}

TEST_F(UserScores, LoadingStopsAtTheFirstMissingScore)
{
    user->setInt("SCORE0", 5);
    user->setInt("SCORE2", 7);
    user->loadScores();
    EXPECT_EQ(user->getStoredScores(), 1);
    EXPECT_EQ(user->getScore(0), 5);
    EXPECT_STREQ(user->getScoreName(0).c_str(), "");
    EXPECT_EQ(user->getScore(1), -1);
}

TEST_F(UserScores, AScoreDirectoryIsASubkey)
{
    user->setScoreDir("Scores");
    user->addScore("Ann", 1, 42, 0);
    EXPECT_EQ(user->getInt("Scores\\SCORE0", 0), 42);
    EXPECT_EQ(user->getInt("SCORE0", -1), -1);
    user->setScoreDir("Other\\");
    user->loadScores();
    EXPECT_EQ(user->getScore(0), -1);
    user->setScoreDir("Scores\\");
    user->loadScores();
    EXPECT_EQ(user->getScore(0), 42);
}

TEST_F(UserScores, RemovingATableRenumbersTheRest)
{
    fill("a", 3);
    fill("b", 2);
    user->removeScoreTable("a");
    EXPECT_EQ(user->getScore("a", 0), -1);
    EXPECT_EQ(user->getStoredScores(), 2);
    EXPECT_EQ(user->getInt("SCORE2", -1), -1);
    EXPECT_EQ(user->getString("SCORENAME4", "gone"), "gone");
    auto again = reopened();
    EXPECT_EQ(again->getScore("b", 1), 90);
    EXPECT_EQ(again->getScore("a", 0), -1);
    user->removeScoreTable("missing");
    EXPECT_EQ(user->getStoredScores(), 2);
}

TEST_F(UserScores, ClearingDeletesTheStoredRecordsOnly)
{
    fill("a", 3);
    user->setInt("OTHER", 1);
    user->clearScores();
    EXPECT_EQ(user->getInt("SCORE0", -1), -1);
    EXPECT_EQ(user->getInt("LEVEL2", -1), -1);
    EXPECT_EQ(user->getInt("OTHER", -1), 1);
    EXPECT_EQ(user->getScore("a", 0), 100);
    EXPECT_EQ(reopened()->getScore("a", 0), -1);
}

TEST_F(UserScores, MissingRecordsGiveTheirDefaults)
{
    EXPECT_STREQ(user->getScoreName("none", 0).c_str(), "");
    EXPECT_EQ(user->getLevel("none", 0), 0);
    EXPECT_EQ(user->getScore("none", 0), -1);
    EXPECT_EQ(user->getSetting("none", 0), 0);
    fill("t", 1);
    EXPECT_EQ(user->getScore("t", -1), -1);
    EXPECT_EQ(user->getScore("t", 1), -1);
}

} // namespace
