#include "sprite/settings/sqlite/SqliteSettingsStore.h"

#include "lang/Cp1252.h"
#include "lang/Debug.h"
#include "lang/Exception.h"
#include "sprite/settings/SettingsLocation.h"
#include "sprite/settings/sqlite/SettingsBackup.h"

#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

namespace sprite {

namespace {

const char* const Schema =
    "CREATE TABLE IF NOT EXISTS keys("
    "  id INTEGER PRIMARY KEY,"
    "  parent INTEGER NOT NULL,"
    "  name TEXT NOT NULL COLLATE NOCASE,"
    "  UNIQUE(parent, name));"
    "CREATE TABLE IF NOT EXISTS vals("
    "  key INTEGER NOT NULL,"
    "  name TEXT NOT NULL COLLATE NOCASE,"
    "  type INTEGER NOT NULL,"
    "  data BLOB NOT NULL,"
    "  PRIMARY KEY(key, name)) WITHOUT ROWID;";

// In the order of SqliteSettingsStore::StatementId.
const char* const StatementTexts[] = {
    "SELECT id FROM keys WHERE parent = ?1 AND name = ?2",
    "INSERT INTO keys(parent, name) VALUES(?1, ?2)",
    "SELECT type, data FROM vals WHERE key = ?1 AND name = ?2",
    "INSERT OR REPLACE INTO vals(key, name, type, data) VALUES(?1, ?2, ?3, ?4)",
    "DELETE FROM vals WHERE key = ?1 AND name = ?2",
    "SELECT name FROM keys WHERE parent = ?1 ORDER BY name",
    "DELETE FROM vals WHERE key = ?1 AND name <> '' AND name NOT GLOB '*[^0-9]*'"
    " AND CAST(name AS INTEGER) >= ?2",
    // The tree of keys below ?1, ?1 included: first its values, then the keys. UNION, not
    // UNION ALL, so that a damaged file whose keys form a loop still ends the walk.
    "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION SELECT keys.id FROM keys JOIN tree"
    " ON keys.parent = tree.id) DELETE FROM vals WHERE key IN tree",
    "WITH RECURSIVE tree(id) AS (SELECT ?1 UNION SELECT keys.id FROM keys JOIN tree"
    " ON keys.parent = tree.id) DELETE FROM keys WHERE id IN tree",
};

// One use of a prepared statement: binds, steps, and resets it when the use ends.
class Query {
public:
    explicit Query(sqlite3_stmt* statement) : statement(statement) {}
    ~Query()
    {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
    }
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Query& bind(int index, int64_t value)
    {
        sqlite3_bind_int64(statement, index, value);
        return *this;
    }
    // Names travel as UTF-8 so that the file reads well in any SQLite tool.
    Query& bind(int index, const lang::String& name)
    {
        std::string text = lang::cp1252ToUtf8(name.c_str());
        sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Query& bind(int index, const uint8_t* bytes, size_t count)
    {
        // A zero-length blob still needs a non-null pointer to count as a blob.
        static const uint8_t none = 0;
        sqlite3_bind_blob64(statement, index, count ? bytes : &none, count, SQLITE_TRANSIENT);
        return *this;
    }

    int step() { return sqlite3_step(statement); }
    int64_t integer(int column) const { return sqlite3_column_int64(statement, column); }
    lang::String name(int column) const
    {
        const char* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        int count = sqlite3_column_bytes(statement, column);
        return lang::String(lang::utf8ToCp1252(text ? text : "", static_cast<size_t>(count)).c_str());
    }
    std::vector<uint8_t> blob(int column) const
    {
        const auto* bytes = static_cast<const uint8_t*>(sqlite3_column_blob(statement, column));
        int count = sqlite3_column_bytes(statement, column);
        return bytes ? std::vector<uint8_t>(bytes, bytes + count) : std::vector<uint8_t>();
    }

private:
    sqlite3_stmt* statement;
};

// The names of a key path, without the empty ones.
std::vector<lang::String> splitKeyPath(const lang::String& keyPath)
{
    std::vector<lang::String> names;
    int32_t start = 0;
    while (start <= keyPath.length()) {
        int32_t end = keyPath.indexOf('\\', start);
        if (end < 0)
            end = keyPath.length();
        if (end > start)
            names.push_back(keyPath.substring(start, end));
        start = end + 1;
    }
    return names;
}

using OpenFailure = SqliteSettingsStore::OpenFailure;

// What the connection's last error says about the file.
OpenFailure failureOf(sqlite3* db)
{
    switch (sqlite3_errcode(db)) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return OpenFailure::Damaged;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return OpenFailure::Locked;
    default:
        return OpenFailure::Unusable;
    }
}

// Said on standard error and in the debug output.
void report(const std::string& text)
{
    std::fprintf(stderr, "%s\n", text.c_str());
    lang::debugOutput((text + "\n").c_str());
}

lang::String forPlayer(const std::string& text)
{
    return lang::String(lang::utf8ToCp1252(text.data(), text.size()).c_str());
}

// The player's words for a store that keeps nothing.
lang::String troubleOfUnusedFile(OpenFailure failure, const std::string& file)
{
    if (failure == OpenFailure::Locked)
        return forPlayer("The saved games in " + file + " are in use by another program, probably a "
                         "second copy of the game. Nothing of this session will be saved; close the "
                         "other copy and start the game again to play with your saves.");
    return forPlayer("The saved games in " + file + " cannot be opened. Nothing of this session "
                     "will be saved.");
}

} // namespace

SqliteSettingsStore::SqliteSettingsStore(sqlite3* db, bool persistent) : db(db), persistent(persistent)
{
}

SqliteSettingsStore::~SqliteSettingsStore()
{
    for (sqlite3_stmt* statement : statements)
        sqlite3_finalize(statement);
    writeBackup("closing");
    sqlite3_close(db);
}

SqliteSettingsStore* SqliteSettingsStore::open(const std::string& file, const lang::String& rootKey,
                                               std::string& whyNot, OpenFailure& failure)
{
    failure = OpenFailure::Unusable;
    sqlite3* db = nullptr;
    int result = sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (result != SQLITE_OK) {
        whyNot = db ? sqlite3_errmsg(db) : sqlite3_errstr(result);
        sqlite3_close(db);
        return nullptr;
    }
    auto* store = new SqliteSettingsStore(db, file != ":memory:");
    sqlite3_busy_timeout(db, BusyTimeoutMs);
    if (sqlite3_db_readonly(db, "main") == 1)
        whyNot = "the file cannot be written";
    else if (store->prepare(whyNot, failure)) {
        store->rootId = store->openKey(rootKey);
        if (store->rootId >= 0 && !store->writeFailed) {
            failure = OpenFailure::None;
            return store;
        }
        failure = failureOf(db);
        whyNot = sqlite3_errcode(db) != SQLITE_OK ? sqlite3_errmsg(db) : "its root key cannot be made";
    }
    store->release();
    return nullptr;
}

// Checks the file before anything is written to it, so that a damaged or foreign file is
// reported instead of being written over.
bool SqliteSettingsStore::prepare(std::string& whyNot, OpenFailure& failure)
{
    bool intact = execute("PRAGMA journal_mode=WAL") && execute("PRAGMA synchronous=FULL")
        && settings_backup::isIntact(db);
    if (!intact) {
        const bool damageFound = sqlite3_errcode(db) == SQLITE_OK;
        failure = damageFound ? OpenFailure::Damaged : failureOf(db);
        whyNot = damageFound ? "the file is damaged" : sqlite3_errmsg(db);
        return false;
    }
    if (!execute(Schema)) {
        failure = failureOf(db);
        whyNot = sqlite3_errmsg(db);
        return false;
    }
    for (int i = 0; i < StatementCount; i++) {
        if (sqlite3_prepare_v3(db, StatementTexts[i], -1, SQLITE_PREPARE_PERSISTENT, &statements[i],
                               nullptr) != SQLITE_OK) {
            whyNot = sqlite3_errmsg(db);
            return false;
        }
    }
    return true;
}

bool SqliteSettingsStore::execute(const char* sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

void SqliteSettingsStore::beginWrite()
{
    if (writeDepth++ > 0)
        return;
    writeFailed = false;
    // IMMEDIATE takes the write lock at once, so that waiting for another program happens
    // here, under the busy timeout, and never halfway through a write.
    if (!execute("BEGIN IMMEDIATE"))
        failWrite("start");
}

void SqliteSettingsStore::endWrite()
{
    if (--writeDepth > 0)
        return;
    if (!writeFailed && !execute("COMMIT"))
        failWrite("finish");
    if (writeFailed && !sqlite3_get_autocommit(db))
        execute("ROLLBACK");
    if (!writeFailed && failing) {
        failing = false;
        sqlite3_busy_timeout(db, BusyTimeoutMs);
    }
}

void SqliteSettingsStore::failWrite(const char* what)
{
    if (!writeFailed)
        report(std::string("Settings: could not ") + what + " saving (" + sqlite3_errmsg(db)
               + "); the change is lost.");
    writeFailed = true;
    if (!failing)
        ++failureRuns;
    failing = true;
    if (sqlite3_errcode(db) == SQLITE_BUSY)
        sqlite3_busy_timeout(db, BusyRetryMs);
}

int64_t SqliteSettingsStore::findKey(const lang::String& keyPath, bool create)
{
    int64_t id = rootId;
    for (const lang::String& name : splitKeyPath(keyPath)) {
        Query find(statements[FindKey]);
        int found = find.bind(1, id).bind(2, name).step();
        if (found == SQLITE_ROW) {
            id = find.integer(0);
            continue;
        }
        if (found != SQLITE_DONE || !create || !canWrite())
            return -1;
        Query insert(statements[InsertKey]);
        if (insert.bind(1, id).bind(2, name).step() != SQLITE_DONE) {
            failWrite("make a key while");
            return -1;
        }
        id = sqlite3_last_insert_rowid(db);
    }
    return id;
}

int64_t SqliteSettingsStore::openKey(const lang::String& keyPath)
{
    int64_t id = findKey(keyPath, false);
    if (id >= 0)
        return id;
    WriteBatch batch(*this);
    return findKey(keyPath, true);
}

bool SqliteSettingsStore::getValue(const lang::String& keyPath, const lang::String& name, Value& out)
{
    int64_t key = openKey(keyPath);
    if (key < 0)
        return false;
    Query find(statements[FindValue]);
    if (find.bind(1, key).bind(2, name).step() != SQLITE_ROW)
        return false;
    out.type = static_cast<int32_t>(find.integer(0));
    out.bytes = find.blob(1);
    return true;
}

bool SqliteSettingsStore::setValue(const lang::String& keyPath, const lang::String& name, int32_t type,
                                   const uint8_t* bytes, size_t count)
{
    WriteBatch batch(*this);
    int64_t key = findKey(keyPath, true);
    if (key < 0 || !canWrite())
        return false;
    Query put(statements[PutValue]);
    if (put.bind(1, key).bind(2, name).bind(3, type).bind(4, bytes, count).step() != SQLITE_DONE) {
        failWrite("write a value while");
        return false;
    }
    return true;
}

bool SqliteSettingsStore::deleteValue(const lang::String& keyPath, const lang::String& name)
{
    WriteBatch batch(*this);
    int64_t key = findKey(keyPath, true);
    if (key < 0 || !canWrite())
        return false;
    Query remove(statements[RemoveValue]);
    if (remove.bind(1, key).bind(2, name).step() != SQLITE_DONE) {
        failWrite("delete a value while");
        return false;
    }
    return sqlite3_changes(db) > 0;
}

bool SqliteSettingsStore::deleteKey(const lang::String& keyPath)
{
    WriteBatch batch(*this);
    int64_t key = findKey(keyPath, false);
    // The root key is the store itself and stays.
    if (key < 0 || key == rootId || !canWrite())
        return false;
    Query removeValues(statements[RemoveTreeValues]);
    Query removeKeys(statements[RemoveTreeKeys]);
    if (removeValues.bind(1, key).step() != SQLITE_DONE || removeKeys.bind(1, key).step() != SQLITE_DONE) {
        failWrite("delete a key while");
        return false;
    }
    return true;
}

std::vector<lang::String> SqliteSettingsStore::listSubkeys(const lang::String& keyPath)
{
    std::vector<lang::String> names;
    int64_t key = openKey(keyPath);
    if (key < 0)
        return names;
    Query list(statements[ListKeys]);
    list.bind(1, key);
    while (list.step() == SQLITE_ROW)
        names.push_back(list.name(0));
    return names;
}

void SqliteSettingsStore::deleteNumberedValuesFrom(const lang::String& keyPath, int32_t first)
{
    WriteBatch batch(*this);
    int64_t key = findKey(keyPath, true);
    if (key < 0 || !canWrite())
        return;
    Query remove(statements[RemoveNumbered]);
    if (remove.bind(1, key).bind(2, first).step() != SQLITE_DONE)
        failWrite("delete old chunks while");
}

bool SqliteSettingsStore::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "SqliteSettingsStore") == 0 || SettingsStore::isInstanceOf(className);
}

void SqliteSettingsStore::writeBackup(const char* when)
{
    if (backupFile.empty() || !settings_backup::isIntact(db))
        return;
    std::string whyNot;
    if (!settings_backup::writeBackup(db, backupFile, whyNot))
        report("Settings: the safety copy " + backupFile + " could not be written when " + when + " ("
               + whyNot + ").");
}

SqliteSettingsStore* SqliteSettingsStore::openRescuing(const std::string& file, const lang::String& rootKey,
                                                       std::string& whyNot, OpenFailure& failure)
{
    const std::string backup = settings_backup::backupFileOf(file);
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    const bool existed = !error && size > 0;
    // SQLite takes an empty file for a new database; an emptied one must not pass unnoticed.
    SqliteSettingsStore* store = nullptr;
    if (!error && size == 0 && std::filesystem::exists(backup, error)) {
        whyNot = "the file is empty";
        failure = OpenFailure::Damaged;
    } else {
        if (!error && size == 0)
            report("Settings: " + file + " was empty; starting with default settings.");
        store = open(file, rootKey, whyNot, failure);
    }
    if (store) {
        store->backupFile = backup;
        if (existed)
            store->writeBackup("starting");
        return store;
    }
    if (failure != OpenFailure::Damaged)
        return nullptr;

    const std::string aside = settings_backup::moveAside(file);
    if (aside.empty()) {
        whyNot += "; it cannot be moved aside";
        return nullptr;
    }
    std::string whyNoBackup;
    const bool restored = settings_backup::restoreBackup(backup, file, whyNoBackup);
    const std::string kept = "Settings: " + file + " is damaged (" + whyNot + "); it is kept as " + aside;
    report(restored ? kept + " and the settings were restored from the safety copy " + backup + "."
                    : kept + "; " + whyNoBackup + ", so the game starts with new settings.");
    store = open(file, rootKey, whyNot, failure);
    if (!store)
        return nullptr;
    store->backupFile = backup;
    store->trouble = forPlayer(restored
            ? "The saved games were damaged and have been restored from their safety copy; the "
              "latest progress may be missing. The damaged file is kept as " + aside + "."
            : "The saved games were damaged and no safety copy could be used, so the game starts "
              "afresh. The damaged file is kept as " + aside + ".");
    return store;
}

SettingsStore* SqliteSettingsStore::openFor(const lang::String& name)
{
    SettingsLocation where = SettingsLocation::of(name);
    std::string file = where.folder;
    std::string whyNot;
    OpenFailure failure = OpenFailure::Unusable;
    if (where.folder.empty()) {
        whyNot = "no home folder is known";
    } else if (!makeFolders(where.folder)) {
        whyNot = "its folder cannot be made";
    } else {
        file = where.folder + "/" + where.fileStem + ".sqlite";
        if (SqliteSettingsStore* store = openRescuing(file, where.rootKey, whyNot, failure))
            return store;
    }
    report("Settings: " + file + " cannot be used (" + whyNot + "); starting with default settings, "
           "changes will not be saved.");
    OpenFailure memoryFailure;
    SqliteSettingsStore* memory = SqliteSettingsStore::open(":memory:", where.rootKey, whyNot, memoryFailure);
    if (!memory)
        throw new lang::Exception("Out of memory");
    memory->trouble = troubleOfUnusedFile(failure, file);
    return memory;
}

} // namespace sprite
