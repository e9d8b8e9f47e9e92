// The service's storage: one SQLite file in WAL mode. It keeps each player's best time per
// shop, and the submissions of the last 24 hours from which the day's list is made. One object
// serves every thread of the server; each operation holds its lock.
#pragma once

#include <cstdint>
#include <mutex>
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;

namespace scores {

class ScoreStore {
public:
    // Seconds a submission stays in the day's list.
    static constexpr int64_t Window = 24 * 60 * 60;

    // Why the database cannot be used; the file is left as it was.
    class Error : public std::runtime_error {
    public:
        using std::runtime_error::runtime_error;
    };

    struct Row {
        std::string name;
        int32_t time = 0;
        // Seconds since the epoch.
        int64_t submitted = 0;
    };

    // Opens or creates the file. Throws Error when the file is not a database of this service,
    // is damaged, or cannot be opened.
    explicit ScoreStore(const std::string& path);
    ~ScoreStore();
    ScoreStore(const ScoreStore&) = delete;
    ScoreStore& operator=(const ScoreStore&) = delete;

    // Records a time submitted at `now`: the player's best of the shop improves when it is
    // better, and it joins the day's list. Submissions older than the window are dropped.
    void record(int32_t shop, const std::string& name, int32_t time, int64_t now);

    // The best time of each player submitted within the window before `now`, fastest first
    // (equal times: earlier submission first), at most `limit` rows.
    std::vector<Row> dayList(int32_t shop, int64_t now, int32_t limit);
    // Each player's best time ever, in the same order.
    std::vector<Row> bestList(int32_t shop, int32_t limit);

private:
    class Statement;

    void execute(const char* sql);
    void checkUsable(const std::string& path);

    sqlite3* db = nullptr;
    std::mutex mutex;
};

} // namespace scores
