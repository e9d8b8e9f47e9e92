// The settings store in a SQLite database file: two tables, the keys (each with its parent) and
// the values (type and bytes). Every write is one transaction with synchronous=FULL in
// write-ahead-log mode, so a save survives a crash or a kill whole or not at all; a second
// program on the same file waits for its lock instead of failing. A safety copy of the file
// ("<file>.backup") is written after each start on an intact file and when the store closes;
// a damaged file is moved aside and the copy takes its place.
#pragma once

#include "sprite/settings/SettingsStore.h"

#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace sprite {

class SqliteSettingsStore : public SettingsStore {
public:
    // How long a write waits for another program that holds the database; once a write has
    // waited that long in vain, the next ones wait only briefly until one is stored, so that a
    // game whose file stays locked does not stop for the full time at every save.
    static constexpr int BusyTimeoutMs = 5000;
    static constexpr int BusyRetryMs = 250;

    // Why a file could not be opened.
    enum class OpenFailure { None, Damaged, Locked, Unusable };

    // Opens or creates the database at `file` (":memory:" for a store that keeps nothing) with
    // `rootKey` as its root, creating the key. Null when the file cannot be used, with the reason
    // in `whyNot` and its kind in `failure`; such a file is left untouched. The caller releases
    // the store.
    static SqliteSettingsStore* open(const std::string& file, const lang::String& rootKey,
                                     std::string& whyNot, OpenFailure& failure);
    // The settings back end (installSettingsStore): the store of the registry path
    // "Software\Corvalen\" + name. Its file is named after the first name of the path and the
    // rest of the path is the root key inside it. A damaged (or emptied) file is moved aside and
    // replaced by its safety copy, or by a new file when there is no intact copy. Any other file
    // that cannot be used (locked by another program for longer than the busy time-out, not
    // writable) is left as it is; the store then starts empty in memory. Each case is said on
    // standard error, in the debug output and in getTrouble. Never null; the caller releases
    // the store.
    static SettingsStore* openFor(const lang::String& name);
    ~SqliteSettingsStore() override;
    SqliteSettingsStore(const SqliteSettingsStore&) = delete;
    SqliteSettingsStore& operator=(const SqliteSettingsStore&) = delete;

    bool getValue(const lang::String& keyPath, const lang::String& name, Value& out) override;
    bool setValue(const lang::String& keyPath, const lang::String& name, int32_t type,
                  const uint8_t* bytes, size_t count) override;
    bool deleteValue(const lang::String& keyPath, const lang::String& name) override;
    bool deleteKey(const lang::String& keyPath) override;
    std::vector<lang::String> listSubkeys(const lang::String& keyPath) override;
    void deleteNumberedValuesFrom(const lang::String& keyPath, int32_t first) override;
    bool isPersistent() const override { return persistent; }
    bool lastWriteFailed() const override { return writeFailed; }
    int32_t getFailureRuns() const override { return failureRuns; }
    lang::String getTrouble() const override { return trouble; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "SqliteSettingsStore"; }

protected:
    void beginWrite() override;
    void endWrite() override;

private:
    enum StatementId {
        FindKey, InsertKey, FindValue, PutValue, RemoveValue, ListKeys, RemoveNumbered,
        RemoveTreeValues, RemoveTreeKeys, StatementCount
    };

    SqliteSettingsStore(sqlite3* db, bool persistent);
    bool prepare(std::string& whyNot, OpenFailure& failure);
    // Opens the file of openFor, rescuing a damaged one from its safety copy.
    static SqliteSettingsStore* openRescuing(const std::string& file, const lang::String& rootKey,
                                             std::string& whyNot, OpenFailure& failure);
    // Refreshes the safety copy from an intact file.
    void writeBackup(const char* when);
    bool execute(const char* sql);
    // The id of the key at `keyPath` below the root, or -1 when it is missing and `create` is
    // false or creating it failed.
    int64_t findKey(const lang::String& keyPath, bool create);
    // The key for an operation: found, or created in a write of its own.
    int64_t openKey(const lang::String& keyPath);
    bool canWrite() const { return writeDepth > 0 && !writeFailed; }
    // Notes a failed statement: the current write is rolled back at its end.
    void failWrite(const char* what);

    sqlite3* db;
    bool persistent;
    sqlite3_stmt* statements[StatementCount] = {};
    int64_t rootId = 0;
    int writeDepth = 0;
    bool writeFailed = false;
    // True from a failed write to the next stored one.
    bool failing = false;
    int32_t failureRuns = 0;
    // Empty for a store without a safety copy.
    std::string backupFile;
    lang::String trouble;
};

} // namespace sprite
