#include "RateLimiter.h"
#include "ScoreService.h"
#include "TempFolder.h"
#include "Verification.h"

#include <gtest/gtest.h>

using scores::ScoreService;
using scores::ScoreStore;
using scores::Verification;

namespace {

// A service over a fresh database whose clock the test moves.
class ScoreServiceTest : public ::testing::Test {
protected:
    ScoreServiceTest() : store(folder.file("scores.sqlite")), service(store, limits(), [this] { return now; }) {}

    static ScoreService::Limits limits()
    {
        ScoreService::Limits limits;
        limits.listPerSecond = 0;
        limits.submitPerSecond = 0;
        return limits;
    }

    ScoreService::Reply submit(const std::string& name, int shop, int time, int r = 123)
    {
        int score = 300000 - time;
        std::string query = "shop=" + std::to_string(shop) + "&name=" + name + "&score="
            + Verification::make(name, shop, score, r) + "&s=" + std::to_string(score);
        return service.submit(query, "10.0.0.1");
    }

    TempFolder folder;
    int64_t now = 1'700'000'000;
    ScoreStore store;
    ScoreService service;
};

} // namespace

TEST_F(ScoreServiceTest, SubmissionAnswersTheNewListWithTheSubmittersRank)
{
    ASSERT_EQ(submit("Ann", 5, 1000).status, 200);
    ScoreService::Reply reply = submit("Bob", 5, 1500);
    ASSERT_EQ(reply.status, 200) << reply.body;
    EXPECT_NE(reply.body.find("<entry><name>Ann</name><score>299000</score><level>5</level><rank>1</rank></entry>"),
              std::string::npos)
        << reply.body;
    EXPECT_NE(reply.body.find("<entry><name>Bob</name><score>298500</score><level>5</level><rank>2</rank></entry>"),
              std::string::npos);
    EXPECT_NE(reply.body.find("<highlight>2</highlight>"), std::string::npos);
    // The plain list names no highlight.
    EXPECT_EQ(service.list("shop=5", "10.0.0.1").body.find("highlight"), std::string::npos);
}

TEST_F(ScoreServiceTest, WrongCheckValuesAreRefusedAndNothingIsStored)
{
    std::string good = Verification::make("Bob", 2, 299000, 77);
    std::string wrongShop = Verification::make("Bob", 3, 299000, 77);
    for (const std::string& query :
         {"shop=2&name=Bob&score=" + wrongShop + "&s=299000", "shop=2&name=Bob&score=" + good + "&s=299001",
          "shop=2&name=Ann&score=" + good + "&s=299000", std::string("shop=2&name=Bob&score=&s=299000")}) {
        EXPECT_EQ(service.submit(query, "10.0.0.1").status, 400) << query;
    }
    EXPECT_TRUE(store.bestList(2, 25).empty());
    EXPECT_EQ(service.submit("shop=2&name=Bob&score=" + good + "&s=299000", "10.0.0.1").status, 200);
}

TEST_F(ScoreServiceTest, ListsStayFreshAcrossSubmissionsAndTheDayWindow)
{
    submit("Ann", 1, 900);
    now += 3600;
    submit("Bob", 1, 800);
    std::string first = service.list("shop=1", "a").body;
    EXPECT_LT(first.find("Bob"), first.find("Ann"));
    // A new time shows at once, though the list was kept ready.
    submit("Cy", 1, 700);
    std::string second = service.list("shop=1", "a").body;
    EXPECT_LT(second.find("Cy"), second.find("Bob"));
    // Ann's time leaves the day's list when it is 24 hours old; the all-time list keeps it.
    now += ScoreStore::Window - 3600;
    std::string later = service.list("shop=1", "a").body;
    EXPECT_EQ(later.find("Ann"), std::string::npos) << later;
    EXPECT_NE(later.find("Bob"), std::string::npos);
    EXPECT_NE(service.list("shop=1&period=all", "a").body.find("Ann"), std::string::npos);
}

TEST_F(ScoreServiceTest, ListHoldsTwentyFiveEntriesAndRanksBeyondThemAreNotHighlighted)
{
    for (int i = 0; i < 30; i++)
        submit("P" + std::to_string(i), 9, 1000 + i);
    ScoreService::Reply last = submit("Slow", 9, 5000);
    size_t entries = 0;
    for (size_t at = last.body.find("<entry>"); at != std::string::npos; at = last.body.find("<entry>", at + 1))
        entries++;
    EXPECT_EQ(entries, 25u);
    EXPECT_EQ(last.body.find("highlight"), std::string::npos);
    EXPECT_NE(submit("Fast", 9, 601).body.find("<highlight>1</highlight>"), std::string::npos);
}

TEST(ScoreServiceLimits, AFloodFromOneAddressIsHeldBackOthersGoOn)
{
    TempFolder folder;
    ScoreStore store(folder.file("scores.sqlite"));
    int64_t now = 1'700'000'000;
    ScoreService::Limits limits;
    limits.listPerSecond = 2;
    limits.listBurst = 5;
    ScoreService service(store, limits, [&] { return now; });
    int refused = 0;
    for (int i = 0; i < 20; i++)
        refused += service.list("shop=1", "10.0.0.9").status == 429;
    EXPECT_EQ(refused, 15);
    EXPECT_EQ(service.list("shop=1", "10.0.0.10").status, 200);
    now += 1;
    EXPECT_EQ(service.list("shop=1", "10.0.0.9").status, 200) << "tokens come back with time";
}

TEST(RateLimiter, ForgetsAddressesWhoseBucketsFilledUpAndStaysBounded)
{
    scores::RateLimiter limiter(1, 2);
    for (int i = 0; i < 5000; i++)
        ASSERT_TRUE(limiter.allow("a" + std::to_string(i), 100));
    EXPECT_EQ(limiter.trackedAddresses(), 5000u);
    // Two seconds later every bucket is full again: the next newcomer sweeps them away, while a
    // flood from one address stays held back.
    EXPECT_TRUE(limiter.allow("b", 102));
    EXPECT_LE(limiter.trackedAddresses(), 1u);
    EXPECT_TRUE(limiter.allow("b", 102));
    EXPECT_FALSE(limiter.allow("b", 102));
    for (int i = 0; i < 100000; i++)
        limiter.allow("c" + std::to_string(i), 200 + i / 10000);
    EXPECT_LE(limiter.trackedAddresses(), 10001u) << "only the last second's addresses are kept";
}
