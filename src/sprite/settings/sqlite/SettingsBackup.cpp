#include "sprite/settings/sqlite/SettingsBackup.h"

#include <sqlite3.h>

#include <cstring>
#include <ctime>
#include <filesystem>

namespace sprite::settings_backup {

namespace {

const char* const SidecarSuffixes[] = {"-wal", "-shm", "-journal"};

// Copies every page of `from` over `to` in one step.
bool copyPages(sqlite3* from, sqlite3* to, std::string& whyNot)
{
    sqlite3_backup* backup = sqlite3_backup_init(to, "main", from, "main");
    if (!backup) {
        whyNot = sqlite3_errmsg(to);
        return false;
    }
    const int stepped = sqlite3_backup_step(backup, -1);
    const int finished = sqlite3_backup_finish(backup);
    if (stepped != SQLITE_DONE || finished != SQLITE_OK) {
        whyNot = sqlite3_errstr(stepped != SQLITE_DONE ? stepped : finished);
        return false;
    }
    return true;
}

sqlite3* openFile(const std::string& file, int flags, std::string& whyNot)
{
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        whyNot = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        return nullptr;
    }
    // The game's other stores on the same file may be writing; their writes are short.
    sqlite3_busy_timeout(db, 5000);
    return db;
}

bool copyInto(sqlite3* source, const std::string& target, std::string& whyNot)
{
    sqlite3* db = openFile(target, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, whyNot);
    if (!db)
        return false;
    const bool copied = copyPages(source, db, whyNot);
    sqlite3_close(db);
    return copied;
}

void removeWithSidecars(const std::string& file)
{
    std::error_code ignored;
    std::filesystem::remove(file, ignored);
    for (const char* suffix : SidecarSuffixes)
        std::filesystem::remove(file + suffix, ignored);
}

std::string timeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace

std::string backupFileOf(const std::string& file)
{
    return file + ".backup";
}

bool isIntact(sqlite3* db)
{
    sqlite3_stmt* check = nullptr;
    const bool intact = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &check, nullptr) == SQLITE_OK
        && sqlite3_step(check) == SQLITE_ROW
        && std::strcmp(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok") == 0;
    sqlite3_finalize(check);
    return intact;
}

bool writeBackup(sqlite3* source, const std::string& backupFile, std::string& whyNot)
{
    if (copyInto(source, backupFile, whyNot))
        return true;
    // A copy damaged itself cannot take pages; a fresh one can.
    std::string why;
    sqlite3* old = openFile(backupFile, SQLITE_OPEN_READONLY, why);
    const bool oldIntact = old && isIntact(old);
    sqlite3_close(old);
    if (oldIntact)
        return false;
    removeWithSidecars(backupFile);
    return copyInto(source, backupFile, whyNot);
}

std::string moveAside(const std::string& file)
{
    const std::string stem = file + ".damaged-" + timeStamp();
    std::string aside = stem;
    std::error_code error;
    for (int n = 2; std::filesystem::exists(aside, error); n++)
        aside = stem + "-" + std::to_string(n);
    std::filesystem::rename(file, aside, error);
    if (error)
        return "";
    for (const char* suffix : SidecarSuffixes) {
        if (std::filesystem::exists(file + suffix, error))
            std::filesystem::rename(file + suffix, aside + suffix, error);
    }
    return aside;
}

bool restoreBackup(const std::string& backupFile, const std::string& file, std::string& whyNot)
{
    std::error_code error;
    if (!std::filesystem::exists(backupFile, error)) {
        whyNot = "there is no safety copy";
        return false;
    }
    // Read-write, so that a copy cut short by a kill is rolled back to the previous one.
    sqlite3* backup = openFile(backupFile, SQLITE_OPEN_READWRITE, whyNot);
    if (!backup)
        return false;
    bool restored = false;
    if (!isIntact(backup))
        whyNot = "the safety copy is damaged too";
    else
        restored = copyInto(backup, file, whyNot);
    sqlite3_close(backup);
    if (!restored)
        removeWithSidecars(file);
    return restored;
}

} // namespace sprite::settings_backup
