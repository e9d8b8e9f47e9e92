#include "RateLimiter.h"

#include <algorithm>

namespace scores {

namespace {

// Past this many addresses the table is swept, at most once a second, for buckets that have
// filled up again; past MaxAddresses after a sweep it is cleared, which forgives everyone but
// keeps the memory bounded under a flood from many addresses.
constexpr size_t SweepAbove = 4096;
constexpr size_t MaxAddresses = 65536;

} // namespace

RateLimiter::RateLimiter(double perSecond, double burst) : perSecond(perSecond), burst(std::max(burst, 1.0)) {}

bool RateLimiter::allow(const std::string& address, double now)
{
    if (perSecond <= 0)
        return true;
    std::lock_guard<std::mutex> lock(mutex);
    if (buckets.size() > SweepAbove && now - lastSweep >= 1) {
        lastSweep = now;
        forgetFullBuckets(now);
        if (buckets.size() > MaxAddresses)
            buckets.clear();
    }
    Bucket& bucket = buckets.try_emplace(address, Bucket{burst, now}).first->second;
    bucket.tokens = std::min(burst, bucket.tokens + std::max(0.0, now - bucket.updated) * perSecond);
    bucket.updated = now;
    if (bucket.tokens < 1)
        return false;
    bucket.tokens -= 1;
    return true;
}

size_t RateLimiter::trackedAddresses()
{
    std::lock_guard<std::mutex> lock(mutex);
    return buckets.size();
}

void RateLimiter::forgetFullBuckets(double now)
{
    std::erase_if(buckets, [&](const auto& entry) {
        return entry.second.tokens + (now - entry.second.updated) * perSecond >= burst;
    });
}

} // namespace scores
