#include "sprite/User.h"

#include "window/text/Font.h"

#include <climits>
#include <cstring>

namespace sprite {

using lang::String;

namespace {

const char* const ScoreValueNames[] = {"SCORE", "SCORENAME", "SCOREMODE", "LEVEL", "SCORESETTING"};

// "a\b\name" gives the key "a\b" and the name "name"; a path without "\" names a value of the root.
void splitPath(const String& path, String& key, String& name)
{
    int32_t last = path.lastIndexOf('\\');
    key = last < 0 ? String("") : path.substring(0, last);
    name = last < 0 ? path : path.substring(last + 1);
}

// Decimal text as the C library's atoi reads it, but saturating instead of overflowing.
int32_t parseDecimal(const char* text)
{
    while (*text == ' ' || (*text >= '\t' && *text <= '\r'))
        text++;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+')
        text++;
    int64_t value = 0;
    for (; *text >= '0' && *text <= '9'; text++) {
        value = value * 10 + (*text - '0');
        if (value > int64_t(INT32_MAX) + 1)
            break;
    }
    value = negative ? -value : value;
    return static_cast<int32_t>(value < INT32_MIN ? INT32_MIN : value > INT32_MAX ? INT32_MAX : value);
}

// The text of a string value up to its terminating zero; false when it is too long to return.
bool stringOf(const SettingsStore::Value& value, String& text)
{
    // A value of no bytes, not even the terminating zero, is an empty string.
    if (value.bytes.empty()) {
        text = String("");
        return true;
    }
    const auto* chars = reinterpret_cast<const char*>(value.bytes.data());
    size_t length = strnlen(chars, value.bytes.size());
    if (length > static_cast<size_t>(User::MaxStringBytes))
        return false;
    text = String(chars, 0, static_cast<int32_t>(length));
    return true;
}

// The counter wraps around as a 32-bit register would.
int32_t wrappingAdd(int32_t value, int64_t n)
{
    return static_cast<int32_t>(static_cast<uint32_t>(value) + static_cast<uint32_t>(n));
}

void copyInto(const std::vector<uint8_t>& bytes, lang::ByteArray& out)
{
    out.resize(static_cast<int32_t>(bytes.size()));
    if (!bytes.empty())
        std::memcpy(out.data(), bytes.data(), bytes.size());
}

} // namespace

User::User() : scores(lang::adopt(new util::Hashtable())), scoreDir("") {}

User::~User()
{
    if (credits != 0)
        setInt("CREDITS", credits);
}

void User::open(const String& name)
{
    SyncGuard guard(*this);
    root.reset();
    root = lang::adopt(openSettingsStore(name));
    credits = getInt("CREDITS", 0);
    loadScores();
    String face = getString("fontName", "");
    if (!face.isEmpty()) {
        fontName = face;
        // A configured face replaces "Arial" for the system fonts of the text sprites.
        window::Font::defaultFaceName = face;
    }
    fontMetricsMode = getInt("nonAscentDescent", 2);
}

bool User::isPersistent() const
{
    SyncGuard guard(*this);
    return root && root->isPersistent();
}

bool User::isWriteFailing() const
{
    SyncGuard guard(*this);
    return root && root->isPersistent() && root->lastWriteFailed();
}

int32_t User::getWriteFailureRuns() const
{
    SyncGuard guard(*this);
    return root ? root->getFailureRuns() : 0;
}

lang::String User::getTrouble() const
{
    SyncGuard guard(*this);
    return root ? root->getTrouble() : lang::String("");
}

bool User::readValue(const String& path, SettingsStore::Value& out)
{
    if (!root)
        return false;
    String key, name;
    splitPath(path, key, name);
    return root->getValue(key, name, out);
}

void User::writeValue(const String& path, int32_t type, const uint8_t* bytes, size_t count)
{
    if (!root)
        return;
    String key, name;
    splitPath(path, key, name);
    root->setValue(key, name, type, bytes, count);
}

int32_t User::getInt(const String& path, int32_t defaultValue)
{
    SyncGuard guard(*this);
    SettingsStore::Value value;
    if (!readValue(path, value))
        return defaultValue;
    if (value.type == SettingsStore::TypeDword && value.bytes.size() == 4) {
        const std::vector<uint8_t>& b = value.bytes;
        return static_cast<int32_t>(uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24);
    }
    String text;
    if (value.type == SettingsStore::TypeString && stringOf(value, text))
        return parseDecimal(text.c_str());
    return defaultValue;
}

void User::setInt(const String& path, int32_t value)
{
    SyncGuard guard(*this);
    // A DWORD is stored little-endian, as the registry keeps it.
    auto bits = static_cast<uint32_t>(value);
    const uint8_t bytes[4] = {uint8_t(bits), uint8_t(bits >> 8), uint8_t(bits >> 16), uint8_t(bits >> 24)};
    writeValue(path, SettingsStore::TypeDword, bytes, sizeof bytes);
}

String User::getString(const String& path, const String& defaultValue)
{
    SyncGuard guard(*this);
    SettingsStore::Value value;
    String text;
    if (readValue(path, value) && value.type == SettingsStore::TypeString && stringOf(value, text))
        return text;
    return defaultValue;
}

void User::setString(const String& path, const String& text)
{
    SyncGuard guard(*this);
    // Stored with its terminating zero byte.
    writeValue(path, SettingsStore::TypeString, reinterpret_cast<const uint8_t*>(text.c_str()),
               static_cast<size_t>(text.length()) + 1);
}

void User::deleteValue(const String& path)
{
    SyncGuard guard(*this);
    if (!root)
        return;
    String key, name;
    splitPath(path, key, name);
    SettingsStore::WriteBatch batch(*root);
    if (!root->deleteValue(key, name))
        root->deleteKey(path);
}

void User::setBinary(const String& path, const lang::ByteArray& bytes)
{
    SyncGuard guard(*this);
    writeValue(path, SettingsStore::TypeBinary, bytes.data(), static_cast<size_t>(bytes.length()));
}

bool User::writeChunked(const String& path, const lang::ByteArray& bytes)
{
    SyncGuard guard(*this);
    if (!root)
        return false;
    {
        SettingsStore::WriteBatch batch(*root);
        int32_t chunk = 0;
        for (int32_t offset = 0; offset < bytes.length(); offset += ChunkBytes, chunk++) {
            int32_t count = bytes.length() - offset < ChunkBytes ? bytes.length() - offset : ChunkBytes;
            root->setValue(path, String(chunk), SettingsStore::TypeBinary, bytes.data() + offset,
                           static_cast<size_t>(count));
        }
        root->deleteNumberedValuesFrom(path, chunk);
    }
    return root->isPersistent() && !root->lastWriteFailed();
}

bool User::getBinary(const String& path, lang::ByteArray& outBytes)
{
    SyncGuard guard(*this);
    SettingsStore::Value value;
    if (!readValue(path, value))
        return false;
    copyInto(value.bytes, outBytes);
    return true;
}

bool User::readChunked(const String& path, lang::ByteArray& outBytes)
{
    SyncGuard guard(*this);
    if (!root)
        return false;
    std::vector<uint8_t> joined;
    SettingsStore::Value chunk;
    int32_t count = 0;
    for (; root->getValue(path, String(count), chunk); count++)
        joined.insert(joined.end(), chunk.bytes.begin(), chunk.bytes.end());
    if (count == 0)
        return false;
    copyInto(joined, outBytes);
    return true;
}

void User::listSubkeys(lang::StringArray& outNames)
{
    SyncGuard guard(*this);
    std::vector<String> names;
    if (root)
        names = root->listSubkeys("");
    // Names beyond the registry's enumeration buffer are not listed.
    std::erase_if(names, [](const String& name) { return name.length() > MaxStringBytes; });
    outNames.resize(static_cast<int32_t>(names.size()));
    for (size_t i = 0; i < names.size(); i++)
        outNames[static_cast<int32_t>(i)] = new String(names[i]);
}

util::Vector* User::scoreTable(const String& table, bool create)
{
    auto* records = static_cast<util::Vector*>(scores->get(table));
    if (records || !create)
        return records;
    auto made = lang::adopt(new util::Vector(StoredScoresPerTable));
    scores->put(table, made.get());
    return made.get();
}

ScoreObject* User::scoreRecord(const String& table, int32_t i)
{
    util::Vector* records = scoreTable(table, false);
    if (!records || i < 0 || i >= records->size())
        return nullptr;
    return static_cast<ScoreObject*>(records->elementAt(i));
}

void User::loadScores()
{
    SyncGuard guard(*this);
    scores->clear();
    int32_t n = 0;
    for (;; n++) {
        int32_t score = getInt(scoreDir + "SCORE" + n, -1);
        if (score == -1)
            break;
        auto record = lang::adopt(new ScoreObject(getString(scoreDir + "SCORENAME" + n, ""), score,
                                                  getInt(scoreDir + "LEVEL" + n, 0),
                                                  getInt(scoreDir + "SCORESETTING" + n, 0)));
        scoreTable(getString(scoreDir + "SCOREMODE" + n, ""), true)->addElement(record.get());
    }
    storedScores = n;
}

void User::setScoreDir(const String& path)
{
    SyncGuard guard(*this);
    scoreDir = path.endsWith("\\") ? path : path + "\\";
}

int32_t User::addScore(const String& name, const String& table, int32_t level, int32_t score, int32_t setting)
{
    SyncGuard guard(*this);
    util::Vector* records = scoreTable(table, true);
    int32_t count = records->size();
    int32_t index = 0;
    while (index < count && static_cast<ScoreObject*>(records->elementAt(index))->score >= score)
        index++;
    if (index == count && count >= StoredScoresPerTable)
        return -1;
    auto record = lang::adopt(new ScoreObject(name, score, level, setting));
    records->insertElementAt(record.get(), index);
    saveScores();
    return index;
}

int32_t User::addScore(const String& name, int32_t level, int32_t score, int32_t setting)
{
    return addScore(name, "", level, score, setting);
}

void User::saveScores()
{
    if (!root)
        return;
    SettingsStore::WriteBatch batch(*root);
    int32_t n = 0;
    lang::Ref<util::Enumeration> tables = lang::adopt(scores->keys());
    while (tables->hasMoreElements()) {
        auto* table = static_cast<String*>(tables->nextElement());
        auto* records = static_cast<util::Vector*>(scores->get(*table));
        for (int32_t i = 0; i < records->size() && i < StoredScoresPerTable; i++, n++) {
            auto* record = static_cast<ScoreObject*>(records->elementAt(i));
            setString(scoreDir + "SCORENAME" + n, record->name);
            setString(scoreDir + "SCOREMODE" + n, *table);
            setInt(scoreDir + "SCORE" + n, record->score);
            setInt(scoreDir + "LEVEL" + n, record->level);
            setInt(scoreDir + "SCORESETTING" + n, record->setting);
        }
    }
    storedScores = n;
}

void User::deleteStoredScores()
{
    if (!root)
        return;
    SettingsStore::WriteBatch batch(*root);
    for (int32_t n = 0; n < storedScores; n++) {
        for (const char* valueName : ScoreValueNames) {
            String key, name;
            splitPath(scoreDir + valueName + n, key, name);
            root->deleteValue(key, name);
        }
    }
}

void User::removeScoreTable(const String& table)
{
    SyncGuard guard(*this);
    if (!scoreTable(table, false))
        return;
    scores->remove(table.c_str());
    if (!root)
        return;
    SettingsStore::WriteBatch batch(*root);
    deleteStoredScores();
    saveScores();
}

void User::clearScores()
{
    SyncGuard guard(*this);
    deleteStoredScores();
}

String User::getScoreName(const String& table, int32_t i)
{
    SyncGuard guard(*this);
    ScoreObject* record = scoreRecord(table, i);
    return record ? record->name : String("");
}

String User::getScoreName(int32_t i)
{
    return getScoreName("", i);
}

int32_t User::getLevel(const String& table, int32_t i)
{
    SyncGuard guard(*this);
    ScoreObject* record = scoreRecord(table, i);
    return record ? record->level : 0;
}

int32_t User::getLevel(int32_t i)
{
    return getLevel("", i);
}

int32_t User::getScore(const String& table, int32_t i)
{
    SyncGuard guard(*this);
    ScoreObject* record = scoreRecord(table, i);
    return record ? record->score : -1;
}

int32_t User::getScore(int32_t i)
{
    return getScore("", i);
}

int32_t User::getSetting(const String& table, int32_t i)
{
    SyncGuard guard(*this);
    ScoreObject* record = scoreRecord(table, i);
    return record ? record->setting : 0;
}

int32_t User::getCredits()
{
    SyncGuard guard(*this);
    return credits;
}

int32_t User::getCreditsOrStart()
{
    SyncGuard guard(*this);
    if (credits == 0)
        credits = StartCredits;
    return credits;
}

int32_t User::addCredits(int32_t n)
{
    SyncGuard guard(*this);
    credits = wrappingAdd(credits, n);
    return credits;
}

int32_t User::subtractCredits(int32_t n)
{
    SyncGuard guard(*this);
    credits = wrappingAdd(credits, -static_cast<int64_t>(n));
    return credits;
}

void User::resetCredits()
{
    SyncGuard guard(*this);
    credits = StartCredits;
}

bool User::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "User") == 0 || Object::isInstanceOf(className);
}

} // namespace sprite
