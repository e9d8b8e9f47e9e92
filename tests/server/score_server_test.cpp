#include "ScoreServer.h"
#include "ServiceProcess.h"
#include "TempFolder.h"
#include "Verification.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <fstream>
#include <iterator>
#include <thread>

using scores::ScoreServer;
using scores::ScoreService;
using scores::ScoreStore;
using scores::Verification;

namespace {

// The service on a free loopback port, served from a thread of the test.
class ServedScores {
public:
    explicit ServedScores(const ScoreService::Limits& limits)
        : store(folder.file("scores.sqlite")), service(store, limits), server(service, options())
    {
        port = server.bind();
        serving = std::thread([this] { server.run(); });
    }
    ~ServedScores()
    {
        server.stop();
        serving.join();
    }

    httplib::Result get(const std::string& target)
    {
        httplib::Client client("127.0.0.1", port);
        return client.Get(target.c_str());
    }

    static ScoreServer::Options options()
    {
        ScoreServer::Options options;
        options.port = 0;
        options.threads = 4;
        options.log = nullptr;
        return options;
    }

    TempFolder folder;
    ScoreStore store;
    ScoreService service;
    ScoreServer server;
    int port = 0;
    std::thread serving;
};

ScoreService::Limits openLimits()
{
    ScoreService::Limits limits;
    limits.listPerSecond = 0;
    limits.submitPerSecond = 0;
    return limits;
}

std::string submitTarget(const std::string& encodedName, const std::string& rawName, int shop, int score)
{
    return "/scores/submit?shop=" + std::to_string(shop) + "&name=" + encodedName
        + "&score=" + Verification::make(rawName, shop, score, 456) + "&s=" + std::to_string(score);
}

} // namespace

TEST(ScoreServer, ListSubmitAndHighlightOverHttp)
{
    ServedScores served(openLimits());
    auto empty = served.get("/scores/list?shop=4");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->status, 200);
    EXPECT_EQ(empty->get_header_value("Content-Type"), "text/xml; charset=utf-8");
    EXPECT_EQ(empty->body.find("<entry>"), std::string::npos);

    // The name travels percent-encoded and is checked on its raw bytes.
    auto submitted = served.get(submitTarget("Zo%EB", "Zo\xEB", 4, 298000));
    ASSERT_TRUE(submitted);
    ASSERT_EQ(submitted->status, 200) << submitted->body;
    EXPECT_NE(submitted->body.find("<name>Zo\xC3\xAB</name>"), std::string::npos) << "UTF-8 in the answer";
    EXPECT_NE(submitted->body.find("<highlight>1</highlight>"), std::string::npos);
    auto listed = served.get("/scores/list?shop=4");
    EXPECT_NE(listed->body.find("<score>298000</score><level>4</level><rank>1</rank>"), std::string::npos);
}

TEST(ScoreServer, MalformedAndHostileRequestsAreRefused)
{
    ServedScores served(openLimits());
    struct Case {
        std::string target;
        int status;
    } cases[] = {
        {"/scores/list", 400},
        {"/scores/list?shop=99", 400},
        {"/scores/submit?shop=4&name=Bob&score=1A2A3&s=298000", 400},
        {submitTarget("ABCDEFGHIJKLMNOP", "ABCDEFGHIJKLMNOP", 4, 298000), 400},
        {submitTarget("Bob", "Bob", 4, 299500), 400},
        {"/scores/list?shop=4&pad=" + std::string(2000, 'x'), 414},
        {"/scores/other", 404},
    };
    for (const Case& c : cases) {
        auto result = served.get(c.target);
        ASSERT_TRUE(result) << c.target;
        EXPECT_EQ(result->status, c.status) << c.target;
    }
    httplib::Client client("127.0.0.1", served.port);
    auto posted = client.Post("/scores/submit?shop=4", std::string(100000, 'x'), "text/plain");
    ASSERT_TRUE(posted);
    EXPECT_GE(posted->status, 405);
    EXPECT_TRUE(served.store.bestList(4, 25).empty());
}

TEST(ScoreServer, FloodFromOneAddressGetsTooManyRequests)
{
    ScoreService::Limits limits = openLimits();
    limits.submitPerSecond = 0.01;
    limits.submitBurst = 3;
    ServedScores served(limits);
    std::vector<int> statuses;
    for (int i = 0; i < 10; i++)
        statuses.push_back(served.get(submitTarget("Bob", "Bob", 2, 290000 + i))->status);
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 200), 3);
    EXPECT_EQ(std::count(statuses.begin(), statuses.end(), 429), 7);
    EXPECT_EQ(served.get("/scores/list?shop=2")->status, 200) << "lists have a bucket of their own";
}

TEST(ScoreServiceProgram, ServesLogsAndStopsCleanlyOnSigterm)
{
    TempFolder folder;
    ServiceProcess program(folder.file("scores.sqlite"));
    ASSERT_NE(program.port(), 0) << program.readLine();
    httplib::Client client("127.0.0.1", program.port());
    auto listed = client.Get("/scores/list?shop=1");
    ASSERT_TRUE(listed);
    EXPECT_EQ(listed->status, 200);
    EXPECT_NE(program.readLine().find("GET /scores/list?shop=1 200"), std::string::npos);
    EXPECT_EQ(program.stop(), 0);
}

TEST(ScoreServiceProgram, RefusesACorruptDatabaseAndLeavesItAlone)
{
    TempFolder folder;
    std::string path = folder.file("scores.sqlite");
    std::string garbage = "SQLite format 3" + std::string(5000, '\x7f');
    std::ofstream(path, std::ios::binary) << garbage;
    ServiceProcess program(path);
    EXPECT_EQ(program.port(), 0);
    EXPECT_EQ(program.waitForExit(), 1);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), garbage);
}
