// Verbs that play another copy of the game holding the settings file:
//
//   lock_settings     takes the file's write lock and keeps it, as a second copy of the game
//                     in the middle of a save would; the program's saves then fail after its
//                     busy time-out
//   unlock_settings   gives the lock back
#include "ScriptDriver.h"
#include "sprite/settings/SettingsLocation.h"

#include <sqlite3.h>

namespace harness {

namespace {

sqlite3*& holder()
{
    static sqlite3* connection = nullptr;
    return connection;
}

const Verb lockSettings("lock_settings", 0, Verb::Anytime, [](ScriptDriver& driver, const Command& command) {
    if (holder())
        return driver.fail(command, "the settings are locked already");
    const sprite::SettingsLocation where
        = sprite::SettingsLocation::of(lang::String(driver.getRegistryName().c_str()));
    const std::string file = where.folder + "/" + where.fileStem + ".sqlite";
    sqlite3* connection = nullptr;
    const bool locked
        = sqlite3_open_v2(file.c_str(), &connection, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK
        && sqlite3_exec(connection, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK;
    if (!locked) {
        const std::string why = connection ? sqlite3_errmsg(connection) : "no memory";
        sqlite3_close(connection);
        return driver.fail(command, file + " cannot be locked: " + why);
    }
    holder() = connection;
    return true;
});

const Verb unlockSettings(
    "unlock_settings", 0, Verb::Anytime, [](ScriptDriver& driver, const Command& command) {
        if (!holder())
            return driver.fail(command, "the settings are not locked");
        sqlite3_exec(holder(), "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(holder());
        holder() = nullptr;
        return true;
    });

} // namespace

} // namespace harness
