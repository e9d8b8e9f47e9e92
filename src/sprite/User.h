// The user settings store: everything that outlives one run of the game (settings, the players'
// saved games, high-score tables, a credit counter), kept as typed values under keys with the
// registry's rules. Values are named by paths relative to the game's key: in "Bob\userdata" the
// part before the last "\" is a subkey (created when missing, also by a read) and the rest the
// value's name. Failures are not reported to the caller: a missing or unreadable value gives the
// default and a failed write is dropped. One object serves every thread; each operation holds
// its monitor.
#pragma once

#include "lang/Array.h"
#include "lang/Ref.h"
#include "sprite/ScoreObject.h"
#include "sprite/settings/SettingsStore.h"
#include "util/Hashtable.h"
#include "util/Vector.h"

namespace sprite {

class User : public lang::Object {
public:
    // Chunked values are cut into pieces of this many bytes.
    static constexpr int32_t ChunkBytes = 4096;
    // The longest string value returned; a longer one reads as missing.
    static constexpr int32_t MaxStringBytes = 1023;
    // Score records stored per table; more are kept in memory only.
    static constexpr int32_t StoredScoresPerTable = 10;
    static constexpr int32_t StartCredits = 500000;

    User();
    // Writes a credit counter that is not 0 to "CREDITS".
    ~User() override;
    User(const User&) = delete;
    User& operator=(const User&) = delete;

    // Opens the key "Software\Corvalen\" + name, creating it when missing, and reads the
    // credits, the score tables and the font settings from it.
    virtual void open(const lang::String& name);
    // A DWORD value, or a string value read as a decimal integer (leading blanks and a sign
    // allowed, reading stops at the first other character, no digits give 0); else the default.
    virtual int32_t getInt(const lang::String& path, int32_t defaultValue);
    virtual void setInt(const lang::String& path, int32_t value);
    // A string value of at most MaxStringBytes bytes; else the default.
    virtual lang::String getString(const lang::String& path, const lang::String& defaultValue);
    virtual void setString(const lang::String& path, const lang::String& text);
    // Deletes the value; when there is none, deletes the subkey of that name with everything
    // below it.
    virtual void deleteValue(const lang::String& path);
    virtual void setBinary(const lang::String& path, const lang::ByteArray& bytes);
    // Writes the bytes as values "0", "1", ... of ChunkBytes each under the subkey `path`, and
    // removes the chunks an earlier, longer value left there, all in one write. True when the
    // write reached the settings file; on false the value stored before is unchanged.
    virtual bool writeChunked(const lang::String& path, const lang::ByteArray& bytes);
    // The bytes of a value of any type; false when it is missing.
    virtual bool getBinary(const lang::String& path, lang::ByteArray& outBytes);
    // The chunks "0", "1", ... under the subkey `path` joined up to the first missing one;
    // false when not even "0" exists.
    virtual bool readChunked(const lang::String& path, lang::ByteArray& outBytes);
    // Resizes outNames to the subkeys of the game's key, in the order of their names; every
    // element is a new String the caller releases.
    virtual void listSubkeys(lang::StringArray& outNames);

    // Reads the score records into tables by their "SCOREMODE" value, up to the first record
    // without a "SCORE".
    virtual void loadScores();
    // Score values live under this path prefix; a "\" is appended when missing.
    virtual void setScoreDir(const lang::String& path);
    // Inserts the record before the first worse one (after equal ones) and saves the tables;
    // returns its index, or -1 when the table already holds StoredScoresPerTable records that
    // are all at least as good.
    virtual int32_t addScore(const lang::String& name, const lang::String& table, int32_t level,
                             int32_t score, int32_t setting);
    // The same for the table "".
    virtual int32_t addScore(const lang::String& name, int32_t level, int32_t score, int32_t setting);
    // Empty when there is no such record.
    virtual lang::String getScoreName(const lang::String& table, int32_t i);
    virtual lang::String getScoreName(int32_t i);
    // 0 when there is no such record.
    virtual int32_t getLevel(const lang::String& table, int32_t i);
    virtual int32_t getLevel(int32_t i);
    // -1 when there is no such record.
    virtual int32_t getScore(const lang::String& table, int32_t i);
    virtual int32_t getScore(int32_t i);
    // Drops the table, deletes every stored record and saves the remaining tables.
    virtual void removeScoreTable(const lang::String& table);
    // Deletes the stored score records; the tables in memory stay.
    virtual void clearScores();
    // 0 when there is no such record.
    virtual int32_t getSetting(const lang::String& table, int32_t i);

    virtual int32_t getCredits();
    // The credits, first set to StartCredits when they are 0.
    virtual int32_t getCreditsOrStart();
    virtual int32_t addCredits(int32_t n);
    virtual int32_t subtractCredits(int32_t n);
    virtual void resetCredits();

    // The "fontName" setting read by open (empty when unset): the face name for system fonts.
    lang::String getFontName() const { return fontName; }
    // The "nonAscentDescent" setting read by open, 2 by default: the font metrics mode.
    int32_t getFontMetricsMode() const { return fontMetricsMode; }
    // The number of score records written by the last save or read by the last load.
    int32_t getStoredScores() const { return storedScores; }
    // False when the settings file could not be used and nothing will be kept.
    bool isPersistent() const;
    // True while the settings file takes no saves: the last write meant for it failed (a full
    // disk, a lock held by another program). The next write that reaches the file clears it.
    bool isWriteFailing() const;
    // How many times writes to the file have started to fail (SettingsStore::getFailureRuns).
    int32_t getWriteFailureRuns() const;
    // What went wrong with the settings file at open, in words for the player; empty when
    // nothing did (SettingsStore::getTrouble).
    lang::String getTrouble() const;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "User"; }

private:
    bool readValue(const lang::String& path, SettingsStore::Value& out);
    void writeValue(const lang::String& path, int32_t type, const uint8_t* bytes, size_t count);
    // The table of that name, or null; with `create` a missing table is made.
    util::Vector* scoreTable(const lang::String& table, bool create);
    ScoreObject* scoreRecord(const lang::String& table, int32_t i);
    void saveScores();
    void deleteStoredScores();

    lang::Ref<SettingsStore> root;
    lang::Ref<util::Hashtable> scores;
    lang::String scoreDir;
    int32_t storedScores = 0;
    int32_t credits = 0;
    lang::String fontName;
    int32_t fontMetricsMode = 2;
};

} // namespace sprite
