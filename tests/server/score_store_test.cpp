#include "ScoreStore.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <fstream>
#include <iterator>

using scores::ScoreStore;

namespace {

constexpr int64_t Day = ScoreStore::Window;
constexpr int64_t Start = 1'700'000'000;

std::vector<std::pair<std::string, int32_t>> namesAndTimes(const std::vector<ScoreStore::Row>& rows)
{
    std::vector<std::pair<std::string, int32_t>> out;
    for (const auto& row : rows)
        out.emplace_back(row.name, row.time);
    return out;
}

std::string contentsOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST(ScoreStore, KeepsEachPlayersBestPerShopAndSurvivesReopening)
{
    TempFolder folder;
    {
        ScoreStore store(folder.file("scores.sqlite"));
        store.record(3, "Bob", 900, Start);
        store.record(3, "Bob", 1200, Start + 1);
        store.record(3, "Ann", 1000, Start + 2);
        store.record(4, "Bob", 5000, Start + 3);
        store.record(3, "Cy", 900, Start + 4);
    }
    ScoreStore store(folder.file("scores.sqlite"));
    using Rows = std::vector<std::pair<std::string, int32_t>>;
    // Equal times keep the order of submission.
    EXPECT_EQ(namesAndTimes(store.bestList(3, 25)), (Rows{{"Bob", 900}, {"Cy", 900}, {"Ann", 1000}}));
    EXPECT_EQ(namesAndTimes(store.dayList(3, Start + 10, 25)), (Rows{{"Bob", 900}, {"Cy", 900}, {"Ann", 1000}}));
    EXPECT_EQ(namesAndTimes(store.bestList(4, 25)), (Rows{{"Bob", 5000}}));
    EXPECT_EQ(store.bestList(3, 2).size(), 2u);
}

TEST(ScoreStore, DayListHoldsTheBestOfTheLast24HoursOnly)
{
    TempFolder folder;
    ScoreStore store(folder.file("scores.sqlite"));
    store.record(1, "Bob", 700, Start);
    store.record(1, "Bob", 800, Start + 100);
    store.record(1, "Ann", 750, Start + 200);
    using Rows = std::vector<std::pair<std::string, int32_t>>;
    EXPECT_EQ(namesAndTimes(store.dayList(1, Start + Day - 1, 25)), (Rows{{"Bob", 700}, {"Ann", 750}}));
    // Bob's 700 has left the window; his later, slower time still counts for the day.
    EXPECT_EQ(namesAndTimes(store.dayList(1, Start + Day, 25)), (Rows{{"Ann", 750}, {"Bob", 800}}));
    EXPECT_EQ(namesAndTimes(store.dayList(1, Start + 200 + Day, 25)), Rows{});
    // The all-time best stays.
    EXPECT_EQ(namesAndTimes(store.bestList(1, 25)), (Rows{{"Bob", 700}, {"Ann", 750}}));
}

TEST(ScoreStore, RefusesDamagedOrForeignFilesWithoutTouchingThem)
{
    TempFolder folder;
    std::string garbage = folder.file("garbage.sqlite");
    std::ofstream(garbage, std::ios::binary) << std::string(8192, 'x');
    EXPECT_THROW(ScoreStore store(garbage), ScoreStore::Error);
    EXPECT_EQ(contentsOf(garbage), std::string(8192, 'x'));

    // A real database whose pages were overwritten halfway.
    std::string damaged = folder.file("damaged.sqlite");
    {
        ScoreStore store(damaged);
        for (int i = 0; i < 400; i++)
            store.record(1 + i % 12, "P" + std::to_string(i), 700 + i, Start);
    }
    std::string bytes = contentsOf(damaged);
    ASSERT_GT(bytes.size(), 8192u);
    for (size_t i = 4096; i < bytes.size(); i += 7)
        bytes[i] = static_cast<char>(0xA5);
    std::ofstream(damaged, std::ios::binary | std::ios::trunc) << bytes;
    try {
        ScoreStore store(damaged);
        ADD_FAILURE() << "a damaged database was opened";
    } catch (const ScoreStore::Error& error) {
        EXPECT_NE(std::string(error.what()).find(damaged), std::string::npos) << error.what();
    }
    EXPECT_EQ(contentsOf(damaged), bytes);

    // Another program's database.
    std::string foreign = folder.file("foreign.sqlite");
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(foreign.c_str(), &db), SQLITE_OK);
    sqlite3_exec(db, "CREATE TABLE notes(text)", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    std::string before = contentsOf(foreign);
    EXPECT_THROW(ScoreStore store(foreign), ScoreStore::Error);
    EXPECT_EQ(contentsOf(foreign), before);
}
