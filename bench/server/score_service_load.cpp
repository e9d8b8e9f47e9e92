// Load on the score service over loopback, in this process: the service on a free port, and 1
// then 32 client threads, each on one kept-alive connection, sending list requests and then
// submissions for a fixed time. Prints requests per second and latencies.
//   score_service_load [seconds per run, default 3]
#include "ScoreServer.h"
#include "Verification.h"

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct RunResult {
    size_t requests = 0;
    size_t failures = 0;
    double seconds = 0;
    double p50Ms = 0;
    double p99Ms = 0;
};

std::string submitTarget(int client, int i)
{
    std::string name = "C" + std::to_string(client) + "x" + std::to_string(i % 1000);
    int shop = 1 + i % 12;
    int score = 200000 + (i * 7919) % 99000;
    return "/scores/submit?shop=" + std::to_string(shop) + "&name=" + name + "&score="
        + scores::Verification::make(name, shop, score, 1 + i % 999) + "&s=" + std::to_string(score);
}

// `clients` threads send requests made by `target` for `seconds`.
template <class Target>
RunResult run(int port, int clients, double seconds, Target target)
{
    std::vector<std::vector<double>> latencies(clients);
    std::atomic<size_t> failures{0};
    auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
    auto started = Clock::now();
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; c++) {
        threads.emplace_back([&, c] {
            httplib::Client client("127.0.0.1", port);
            client.set_keep_alive(true);
            for (int i = 0; Clock::now() < end; i++) {
                auto before = Clock::now();
                auto result = client.Get(target(c, i).c_str());
                auto after = Clock::now();
                if (!result || result->status != 200)
                    failures++;
                latencies[c].push_back(std::chrono::duration<double, std::milli>(after - before).count());
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    RunResult result;
    result.seconds = std::chrono::duration<double>(Clock::now() - started).count();
    std::vector<double> all;
    for (const auto& list : latencies)
        all.insert(all.end(), list.begin(), list.end());
    std::sort(all.begin(), all.end());
    result.requests = all.size();
    result.failures = failures;
    if (!all.empty()) {
        result.p50Ms = all[all.size() / 2];
        result.p99Ms = all[std::min(all.size() - 1, all.size() * 99 / 100)];
    }
    return result;
}

void print(const char* what, int clients, const RunResult& result)
{
    std::printf("%-7s %3d clients  %8.0f requests/s  p50 %6.3f ms  p99 %6.3f ms  (%zu requests, %zu failed)\n",
                what, clients, result.requests / result.seconds, result.p50Ms, result.p99Ms, result.requests,
                result.failures);
}

} // namespace

int main(int argc, char** argv)
{
    double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    if (seconds <= 0 || seconds > 60)
        seconds = 3.0;
    char folder[] = "/tmp/kipto2-scores-load-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    int status = 0;
    {
        scores::ScoreStore store(std::string(folder) + "/scores.sqlite");
        scores::ScoreService::Limits unlimited;
        unlimited.listPerSecond = 0;
        unlimited.submitPerSecond = 0;
        scores::ScoreService service(store, unlimited);
        scores::ScoreServer::Options options;
        options.port = 0;
        options.log = nullptr;
        scores::ScoreServer server(service, options);
        int port = server.bind();
        std::thread serving([&] { server.run(); });

        // Full lists: 40 players in every shop.
        for (int i = 0; i < 12 * 40; i++)
            service.submit(submitTarget(999, i).substr(std::string("/scores/submit?").size()), "seed");

        for (int clients : {1, 32}) {
            RunResult lists = run(port, clients, seconds, [](int c, int i) {
                return "/scores/list?shop=" + std::to_string(1 + (c + i) % 12);
            });
            print("list", clients, lists);
            status |= lists.failures != 0;
        }
        for (int clients : {1, 32}) {
            RunResult submissions = run(port, clients, seconds, submitTarget);
            print("submit", clients, submissions);
            status |= submissions.failures != 0;
        }
        server.stop();
        serving.join();
    }
    std::filesystem::remove_all(folder);
    return status;
}
