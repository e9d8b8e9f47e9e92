// What the service answers, apart from HTTP: the list of a shop and the submission of a time,
// each from the raw query of a request and the client's address. Lists are kept ready per shop
// until a submission changes them or one of their rows leaves the 24-hour window.
#pragma once

#include "RateLimiter.h"
#include "ScoreStore.h"

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

namespace scores {

class ScoreService {
public:
    static constexpr int32_t ListLength = 25;

    struct Limits {
        // Requests per second and bucket size for lists, per address.
        double listPerSecond = 10;
        double listBurst = 40;
        // The same for submissions.
        double submitPerSecond = 0.2;
        double submitBurst = 6;
    };

    struct Reply {
        int status = 200;
        std::string body;
        bool isXml() const { return status == 200; }
    };

    // Seconds since the epoch; tests give a clock of their own.
    using Clock = std::function<int64_t()>;

    ScoreService(ScoreStore& store, const Limits& limits, Clock clock = systemClock);

    Reply list(std::string_view query, const std::string& address);
    Reply submit(std::string_view query, const std::string& address);

    static int64_t systemClock();

private:
    struct CachedList {
        std::string xml;
        // The second from which the list may differ: its oldest row has left the window.
        int64_t validUntil = 0;
    };

    std::string listXml(int32_t shop, bool allTime, int64_t now);

    ScoreStore& store;
    Clock clock;
    RateLimiter listLimiter;
    RateLimiter submitLimiter;
    std::map<std::pair<int32_t, bool>, CachedList> cache;
    uint64_t submissions = 0;
    std::mutex cacheMutex;
};

} // namespace scores
