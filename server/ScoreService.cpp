#include "ScoreService.h"

#include "ScoreRequest.h"
#include "ScoreXml.h"
#include "Verification.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace scores {

namespace {

ScoreService::Reply refusal(int status, const std::string& why)
{
    return {status, why + "\n"};
}

} // namespace

ScoreService::ScoreService(ScoreStore& store, const Limits& limits, Clock clock)
    : store(store)
    , clock(std::move(clock))
    , listLimiter(limits.listPerSecond, limits.listBurst)
    , submitLimiter(limits.submitPerSecond, limits.submitBurst)
{
}

int64_t ScoreService::systemClock()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

ScoreService::Reply ScoreService::list(std::string_view query, const std::string& address)
{
    int64_t now = clock();
    if (!listLimiter.allow(address, static_cast<double>(now)))
        return refusal(429, "too many requests");
    ScoreRequest request = ScoreRequest::parseList(query);
    if (!request.ok())
        return refusal(400, request.error);
    return {200, listXml(request.shop, request.allTime, now)};
}

ScoreService::Reply ScoreService::submit(std::string_view query, const std::string& address)
{
    int64_t now = clock();
    if (!submitLimiter.allow(address, static_cast<double>(now)))
        return refusal(429, "too many requests");
    ScoreRequest request = ScoreRequest::parseSubmit(query);
    if (!request.ok())
        return refusal(400, request.error);
    if (!Verification::check(request.verification, request.name, request.shop, request.score))
        return refusal(400, "the check value does not fit");

    store.record(request.shop, request.name, request.time(), now);
    {
        std::lock_guard<std::mutex> lock(cacheMutex);
        cache.erase({request.shop, false});
        cache.erase({request.shop, true});
        submissions++;
    }
    std::vector<ScoreStore::Row> rows = store.dayList(request.shop, now, ListLength);
    auto own = std::find_if(rows.begin(), rows.end(), [&](const auto& row) { return row.name == request.name; });
    int32_t highlight = own == rows.end() ? 0 : static_cast<int32_t>(own - rows.begin()) + 1;
    return {200, ScoreXml::write(request.shop, rows, highlight)};
}

std::string ScoreService::listXml(int32_t shop, bool allTime, int64_t now)
{
    std::pair<int32_t, bool> key{shop, allTime};
    uint64_t submissionsBefore;
    {
        std::lock_guard<std::mutex> lock(cacheMutex);
        auto found = cache.find(key);
        if (found != cache.end() && now < found->second.validUntil)
            return found->second.xml;
        submissionsBefore = submissions;
    }
    std::vector<ScoreStore::Row> rows = allTime ? store.bestList(shop, ListLength)
                                                : store.dayList(shop, now, ListLength);
    CachedList fresh{ScoreXml::write(shop, rows, 0), std::numeric_limits<int64_t>::max()};
    if (!allTime) {
        for (const ScoreStore::Row& row : rows)
            fresh.validUntil = std::min(fresh.validUntil, row.submitted + ScoreStore::Window);
    }
    std::lock_guard<std::mutex> lock(cacheMutex);
    // A submission that came meanwhile may have made these rows stale.
    if (submissions == submissionsBefore)
        cache[key] = fresh;
    return fresh.xml;
}

} // namespace scores
