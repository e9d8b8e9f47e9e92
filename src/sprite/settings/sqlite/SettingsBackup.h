// The safety copy of a settings file and what happens to a damaged one: the copy is made with
// SQLite's online backup, so that a kill in the middle leaves the previous copy (its journal is
// rolled back at the next use); a damaged file is renamed, never deleted, and the copy put in
// its place.
#pragma once

#include <string>

struct sqlite3;

namespace sprite::settings_backup {

// The name of the safety copy of `file`.
std::string backupFileOf(const std::string& file);

// Writes the whole database of `source` over the copy at `backupFile`. False, with the reason in
// `whyNot`, when the copy could not be made; the earlier copy then stays as it was unless it
// was damaged itself.
bool writeBackup(sqlite3* source, const std::string& backupFile, std::string& whyNot);

// Renames `file` with its write-ahead log and index to a free name beside it that says it is
// damaged and when it was found. The new name, or empty when the file could not be moved.
std::string moveAside(const std::string& file);

// Makes `file` (which must not exist) a copy of the intact safety copy at `backupFile`. False,
// with the reason in `whyNot`, when there is no intact copy or it cannot be written.
bool restoreBackup(const std::string& backupFile, const std::string& file, std::string& whyNot);

// True when the database passes SQLite's quick check. Errors other than damage (a lock, a
// failed read) are left in the connection's error code.
bool isIntact(sqlite3* db);

} // namespace sprite::settings_backup
