#include "BoardPolling.h"
#include "HostileScoreService.h"
#include "game/blitz/ScoreAnswer.h"
#include "game/blitz/ScoreBoard.h"
#include "server/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

// Short time-outs for the tests; the game's own are 12 s and 20 s.
const ScoreBoard::Timeouts TestTimeouts{300, 500};

size_t countRequests(const HostileScoreService& service, const char* part)
{
    size_t count = 0;
    for (const std::string& request : service.requests())
        count += request.find(part) != std::string::npos;
    return count;
}

class ScoreBoardTest : public ::testing::Test {
protected:
    ScoreBoardTest() : service(folder.file("secret.txt"))
    {
        std::ofstream(folder.file("secret.txt")) << "TOPSECRET";
    }

    ScoreBoard board(const std::string& mode)
    {
        return ScoreBoard(ScoreServiceLocation::fromBase(service.base(mode).c_str()), TestTimeouts);
    }

    TempFolder folder;
    HostileScoreService service;
};

} // namespace

TEST_F(ScoreBoardTest, EveryMisbehaviourEndsWithinItsTimeOutAndLeavesNoAnswer)
{
    for (const char* mode : {"noanswer", "stall", "drip", "endless", "huge", "redirect", "missing", "broken",
                             "empty"}) {
        ScoreBoard fetching = board(mode);
        fetching.fetch(3);
        ASSERT_TRUE(pollUntilApplied(fetching)) << mode << ": the list request did not end";
        EXPECT_FALSE(fetching.hasAnswer(3)) << mode;

        ScoreBoard submitting = board(mode);
        ASSERT_TRUE(submitting.submit("Bob", 3, 298000));
        ASSERT_TRUE(pollUntilApplied(submitting)) << mode << ": the submission did not end";
        EXPECT_TRUE(submitting.hasPendingSubmission()) << mode << ": a failed submission waits";
        EXPECT_EQ(submitting.getPendingShop(), 3);
    }
}

TEST_F(ScoreBoardTest, HostileDocumentsGiveOnlyTheirValidEntries)
{
    auto fetched = [this](const char* mode) {
        ScoreBoard fetching = board(mode);
        fetching.fetch(3);
        EXPECT_TRUE(pollUntilApplied(fetching)) << mode;
        return ScoreAnswer(fetching.getAnswer(3)).getEntries();
    };
    EXPECT_TRUE(fetched("notxml").empty());
    EXPECT_TRUE(fetched("deep").empty());
    for (const ScoreAnswer::Entry& entry : fetched("laughs"))
        EXPECT_LT(entry.name.length(), 100) << "an entity was expanded";
    // The external entity is neither read nor expanded; the entry itself is valid.
    auto external = fetched("external");
    ASSERT_EQ(external.size(), 1u);
    EXPECT_STREQ(external[0].name.c_str(), "Eve");
    EXPECT_EQ(fetched("good").size(), 2u);
}

TEST_F(ScoreBoardTest, SubmissionUsesItsOwnShopEncodesTheNameAndIsSentOnce)
{
    ScoreBoard scores = board("good");
    // Shop 7 was played; the name holds a space and a byte above 127.
    ASSERT_TRUE(scores.submit("Zo\xEB Q", 7, 297500));
    EXPECT_NE(scores.getPendingUrl().indexOf("/scores/submit?shop=7&name=Zo%EB%20Q&score="), -1)
        << scores.getPendingUrl().c_str();
    EXPECT_TRUE(scores.getPendingUrl().endsWith("&s=297500"));
    EXPECT_FALSE(scores.submit("Zo\xEB Q", 7, 297500)) << "the same time while it is on its way";
    ASSERT_TRUE(pollUntilApplied(scores));
    // The double refuses a check value that does not fit the decoded name, so this was accepted.
    EXPECT_TRUE(scores.hasAnswer(7));
    EXPECT_EQ(ScoreAnswer(scores.getAnswer(7)).getHighlight(), 2);
    EXPECT_FALSE(scores.hasPendingSubmission());
    EXPECT_FALSE(scores.submit("Zo\xEB Q", 7, 297500)) << "the same time again";
    EXPECT_EQ(countRequests(service, "/scores/submit"), 1u);
    // The same score in another shop is another submission.
    EXPECT_TRUE(scores.submit("Zo\xEB Q", 8, 297500));
    ASSERT_TRUE(pollUntilApplied(scores));
    EXPECT_EQ(countRequests(service, "/scores/submit?shop=8"), 1u);
}

TEST_F(ScoreBoardTest, WaitingSubmissionIsSentAgainOnlyForItsOwnShop)
{
    // Submissions fail at first; the board is then pointed at a service that answers.
    ScoreBoard failing = board("broken");
    ASSERT_TRUE(failing.submit("Bob", 5, 298000));
    ASSERT_TRUE(pollUntilApplied(failing));
    ASSERT_TRUE(failing.hasPendingSubmission());
    lang::String waiting = failing.getPendingUrl();

    // Another shop's list is a plain list request.
    failing.fetch(6);
    ASSERT_TRUE(pollUntilApplied(failing));
    EXPECT_EQ(countRequests(service, "/broken/scores/list?shop=6"), 1u);
    EXPECT_TRUE(failing.hasPendingSubmission());
    // Its own shop's list sends the waiting submission again, as it was.
    failing.fetch(5);
    ASSERT_TRUE(pollUntilApplied(failing));
    EXPECT_EQ(countRequests(service, "/broken/scores/list?shop=5"), 0u);
    EXPECT_EQ(countRequests(service, "/broken/scores/submit?shop=5"), 2u);
    EXPECT_TRUE(failing.getPendingUrl().equals(waiting));

    // Against a service that answers, the retried submission fills the cache of its shop and
    // stops waiting.
    ScoreBoard answering = board("good");
    ASSERT_TRUE(answering.submit("Bob", 5, 298000));
    answering.fetch(9);
    ASSERT_TRUE(pollUntilApplied(answering));
    EXPECT_TRUE(answering.hasAnswer(5));
    EXPECT_FALSE(answering.hasAnswer(9)) << "the list of shop 9 waits for the submission";
    ASSERT_TRUE(pollUntilApplied(answering));
    EXPECT_TRUE(answering.hasAnswer(9));
    EXPECT_FALSE(answering.hasPendingSubmission());
}

TEST_F(ScoreBoardTest, LeavingWhileARequestRunsIsSafe)
{
    lang::Ref<ScoreTransfer> transfer;
    {
        auto scores = lang::adopt(new ScoreBoard(ScoreServiceLocation::fromBase(service.base("stall").c_str()),
                                                 TestTimeouts));
        scores->fetch(2);
        transfer = lang::retain(scores->getRunningTransfer());
        ASSERT_TRUE(transfer);
    }
    transfer->join();
    EXPECT_TRUE(transfer->isDone());
    EXPECT_FALSE(transfer->hasText());
    EXPECT_EQ(transfer->getRefCount(), 1) << "the thread let go of its own reference";
}
