// A token bucket per client address: each request takes a token, tokens come back at a steady
// rate up to the bucket's size. Addresses whose buckets are full again are forgotten, and the
// table never grows past a fixed size. Safe to use from every thread of the server.
#pragma once

#include <cstddef>
#include <mutex>
#include <string>
#include <unordered_map>

namespace scores {

class RateLimiter {
public:
    // perSecond <= 0 lets everything through.
    RateLimiter(double perSecond, double burst);

    // Takes a token of this address at `now` (seconds); false when its bucket is empty.
    bool allow(const std::string& address, double now);

    size_t trackedAddresses();

private:
    struct Bucket {
        double tokens;
        double updated;
    };

    void forgetFullBuckets(double now);

    double perSecond;
    double burst;
    double lastSweep = 0;
    std::unordered_map<std::string, Bucket> buckets;
    std::mutex mutex;
};

} // namespace scores
