#include "BoardPolling.h"
#include "game/blitz/ScoreAnswer.h"
#include "game/blitz/ScoreBoard.h"
#include "server/ServiceProcess.h"
#include "server/TempFolder.h"

#include <gtest/gtest.h>

// The game's client against the program kipto2-scores: two players submit Blitz times of one
// shop, and each answer shows the list with the submitter's own entry highlighted.
TEST(ScoreServiceEndToEnd, SubmittedTimesShowInTheListWithTheirHighlight)
{
    TempFolder folder;
    ServiceProcess program(folder.file("scores.sqlite"));
    ASSERT_NE(program.port(), 0) << program.readLine();
    setenv(ScoreServiceLocation::EnvironmentVariable, program.url("/").c_str(), 1);
    ScoreServiceLocation location = ScoreServiceLocation::find(nullptr);
    unsetenv(ScoreServiceLocation::EnvironmentVariable);

    ScoreBoard ann(location);
    ASSERT_TRUE(ann.submit("Ann", 4, 300000 - 1234));
    ASSERT_TRUE(pollUntilApplied(ann));
    ScoreBoard zoe(location);
    ASSERT_TRUE(zoe.submit("Zo\xEB", 4, 300000 - 987));
    ASSERT_TRUE(pollUntilApplied(zoe));
    ASSERT_FALSE(zoe.hasPendingSubmission());

    ScoreAnswer answer(zoe.getAnswer(4));
    ASSERT_EQ(answer.getEntries().size(), 2u);
    EXPECT_STREQ(answer.getEntries()[0].name.c_str(), "Zo\xEB");
    EXPECT_EQ(answer.getEntries()[0].time, 987);
    EXPECT_EQ(answer.getEntries()[0].level, 4);
    EXPECT_EQ(answer.getEntries()[1].time, 1234);
    EXPECT_EQ(answer.getHighlight(), 1);

    // A fresh board reads the plain list, without a highlight.
    ScoreBoard reader(location);
    reader.fetch(4);
    ASSERT_TRUE(pollUntilApplied(reader));
    ScoreAnswer listed(reader.getAnswer(4));
    EXPECT_EQ(listed.getEntries().size(), 2u);
    EXPECT_EQ(listed.getHighlight(), -1);
    EXPECT_EQ(program.stop(), 0);
}
