#include "ScoreStore.h"

#include <sqlite3.h>

namespace scores {

namespace {

// Marks a database as this service's ("K2SC"), so that another file given by mistake is refused.
constexpr int32_t ApplicationId = 0x4b325343;

} // namespace

// A prepared statement that finalises itself.
class ScoreStore::Statement {
public:
    Statement(sqlite3* db, const char* sql) : db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK)
            throw Error(std::string("database: ") + sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int index, int64_t value)
    {
        sqlite3_bind_int64(statement, index, value);
        return *this;
    }
    Statement& bind(int index, const std::string& bytes)
    {
        sqlite3_bind_blob(statement, index, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
        return *this;
    }
    // True while a row is there to read.
    bool step()
    {
        int result = sqlite3_step(statement);
        if (result == SQLITE_ROW)
            return true;
        if (result != SQLITE_DONE)
            throw Error(std::string("database: ") + sqlite3_errmsg(db));
        return false;
    }
    int64_t integer(int column) const { return sqlite3_column_int64(statement, column); }
    std::string bytes(int column) const
    {
        const void* data = sqlite3_column_blob(statement, column);
        int size = sqlite3_column_bytes(statement, column);
        return data ? std::string(static_cast<const char*>(data), static_cast<size_t>(size)) : std::string();
    }

private:
    sqlite3* db;
    sqlite3_stmt* statement = nullptr;
};

ScoreStore::ScoreStore(const std::string& path)
{
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                        nullptr)
        != SQLITE_OK) {
        std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        throw Error(path + ": cannot open the database: " + message);
    }
    try {
        sqlite3_busy_timeout(db, 5000);
        checkUsable(path);
        execute("PRAGMA journal_mode=WAL");
        execute("PRAGMA synchronous=NORMAL");
        execute("BEGIN");
        execute("CREATE TABLE IF NOT EXISTS best(shop INTEGER NOT NULL, name BLOB NOT NULL,"
                " time INTEGER NOT NULL, submitted INTEGER NOT NULL, PRIMARY KEY(shop, name))");
        execute("CREATE TABLE IF NOT EXISTS recent(shop INTEGER NOT NULL, name BLOB NOT NULL,"
                " time INTEGER NOT NULL, submitted INTEGER NOT NULL)");
        execute("CREATE INDEX IF NOT EXISTS recent_by_shop ON recent(shop, submitted)");
        execute("CREATE INDEX IF NOT EXISTS recent_by_player ON recent(shop, name)");
        execute(("PRAGMA application_id=" + std::to_string(ApplicationId)).c_str());
        execute("COMMIT");
    } catch (const Error&) {
        sqlite3_close(db);
        throw;
    }
}

ScoreStore::~ScoreStore()
{
    sqlite3_close(db);
}

// Reads before anything is written: a file that is no database, a damaged one, or another
// program's database is refused untouched.
void ScoreStore::checkUsable(const std::string& path)
{
    try {
        Statement check(db, "PRAGMA quick_check");
        if (!check.step() || check.bytes(0) != "ok")
            throw Error(path + ": the database is damaged (" + check.bytes(0) + ")");
        Statement id(db, "PRAGMA application_id");
        id.step();
        Statement tables(db, "SELECT count(*) FROM sqlite_schema");
        tables.step();
        if (id.integer(0) != ApplicationId && tables.integer(0) != 0)
            throw Error(path + ": this database belongs to another program");
    } catch (const Error& error) {
        std::string message = error.what();
        if (message.rfind(path, 0) == 0)
            throw;
        throw Error(path + ": not a usable score database (" + message + ")");
    }
}

void ScoreStore::execute(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        std::string text = message ? message : "unknown error";
        sqlite3_free(message);
        throw Error("database: " + text);
    }
}

void ScoreStore::record(int32_t shop, const std::string& name, int32_t time, int64_t now)
{
    std::lock_guard<std::mutex> lock(mutex);
    execute("BEGIN IMMEDIATE");
    try {
        Statement(db, "INSERT INTO best VALUES(?1, ?2, ?3, ?4) ON CONFLICT(shop, name) DO UPDATE"
                      " SET time = excluded.time, submitted = excluded.submitted WHERE excluded.time < best.time")
            .bind(1, shop)
            .bind(2, name)
            .bind(3, time)
            .bind(4, now)
            .step();
        // An earlier time that is not better can never show again: the new one outlives it.
        Statement(db, "DELETE FROM recent WHERE shop = ?1 AND name = ?2 AND time >= ?3")
            .bind(1, shop)
            .bind(2, name)
            .bind(3, time)
            .step();
        Statement(db, "INSERT INTO recent VALUES(?1, ?2, ?3, ?4)")
            .bind(1, shop)
            .bind(2, name)
            .bind(3, time)
            .bind(4, now)
            .step();
        Statement(db, "DELETE FROM recent WHERE submitted <= ?1").bind(1, now - Window).step();
        execute("COMMIT");
    } catch (const Error&) {
        execute("ROLLBACK");
        throw;
    }
}

std::vector<ScoreStore::Row> ScoreStore::dayList(int32_t shop, int64_t now, int32_t limit)
{
    std::lock_guard<std::mutex> lock(mutex);
    // With MIN(), SQLite takes the other bare columns from the row holding the minimum.
    Statement query(db, "SELECT name, MIN(time), submitted FROM recent WHERE shop = ?1 AND submitted > ?2"
                        " GROUP BY name ORDER BY 2, 3, name LIMIT ?3");
    query.bind(1, shop).bind(2, now - Window).bind(3, limit);
    std::vector<Row> rows;
    while (query.step())
        rows.push_back({query.bytes(0), static_cast<int32_t>(query.integer(1)), query.integer(2)});
    return rows;
}

std::vector<ScoreStore::Row> ScoreStore::bestList(int32_t shop, int32_t limit)
{
    std::lock_guard<std::mutex> lock(mutex);
    Statement query(db, "SELECT name, time, submitted FROM best WHERE shop = ?1 ORDER BY 2, 3, name LIMIT ?2");
    query.bind(1, shop).bind(2, limit);
    std::vector<Row> rows;
    while (query.step())
        rows.push_back({query.bytes(0), static_cast<int32_t>(query.integer(1)), query.integer(2)});
    return rows;
}

} // namespace scores
