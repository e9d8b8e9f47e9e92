// The settings store on a file that holds hostile rows: a store with two saved profiles (chunked
// records) and a score is written once; every input then adds or replaces rows of that file
// behind the store's back (any key, name, type and SQLite storage class), and the store is opened
// and used as the game uses it: its start-up values, the profile list, both records chunked and
// whole, a score added, a profile deleted. A record read is saved back and must read back the same.
//
// The input is a list of rows, each starting with a byte whose lowest bit says which:
//   value: key id, name, type (signed), storage (0 blob, 1 text, 2 integer, 3 real),
//          length (two bytes, little-endian), then that many data bytes
//   key:   key id, parent key id, name
// Ids are bytes (0 is the root, 1 "Bob", 2 "Bob\userdata", 3 "Ann", 4 "Ann\userdata"); a name byte
// below the size of Names picks from it, any other byte is its own decimal number.
#include "lang/Ref.h"
#include "sprite/User.h"
#include "sprite/settings/sqlite/SqliteSettingsStore.h"
#include "util/OwningArray.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

const char* const Registry = "Kipto2Fuzz";
const char* const Names[]
    = {"0", "1", "2", "3", "00", "-1", "+1", " 1", "1e1", "", "userdata", "Bob", "CREDITS", "fontName",
        "nonAscentDescent", "SCORE0", "SCORENAME0", "SCOREMODE0", "LEVEL0", "SCORESETTING0", "SCORE1"};
const char* const Records[] = {"Bob\\userdata", "Ann\\userdata"};

std::string folder;
std::string templateFile;
std::string workFile;

// Reads the input from the front; past its end every read gives zeros.
class Input {
public:
    Input(const uint8_t* data, size_t size) : data(data), size(size) { }
    bool atEnd() const { return offset >= size; }
    uint8_t byte() { return offset < size ? data[offset++] : 0; }
    std::string bytes(size_t count)
    {
        count = std::min(count, size - std::min(offset, size));
        std::string out(reinterpret_cast<const char*>(data + offset), count);
        offset += count;
        return out;
    }
    std::string name()
    {
        const uint8_t which = byte();
        return which < std::size(Names) ? Names[which] : std::to_string(which);
    }

private:
    const uint8_t* data;
    size_t size;
    size_t offset = 0;
};

void bindData(sqlite3_stmt* statement, int index, uint8_t storage, const std::string& bytes)
{
    int64_t integer = 0;
    double real = 0;
    std::memcpy(&integer, bytes.data(), std::min(bytes.size(), sizeof integer));
    std::memcpy(&real, bytes.data(), std::min(bytes.size(), sizeof real));
    switch (storage % 4) {
    case 0:
        sqlite3_bind_blob(statement, index, bytes.data(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    case 1:
        sqlite3_bind_text(statement, index, bytes.data(), int(bytes.size()), SQLITE_TRANSIENT);
        break;
    case 2:
        sqlite3_bind_int64(statement, index, integer);
        break;
    default:
        sqlite3_bind_double(statement, index, real);
        break;
    }
}

void writeHostileRows(const uint8_t* data, size_t size)
{
    sqlite3* db = nullptr;
    if (sqlite3_open(workFile.c_str(), &db) != SQLITE_OK)
        std::abort();
    sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* value = nullptr;
    sqlite3_stmt* key = nullptr;
    sqlite3_prepare_v2(
        db, "INSERT OR REPLACE INTO vals(key, name, type, data) VALUES(?1, ?2, ?3, ?4)", -1, &value, nullptr);
    sqlite3_prepare_v2(
        db, "INSERT OR REPLACE INTO keys(id, parent, name) VALUES(?1, ?2, ?3)", -1, &key, nullptr);
    Input input(data, size);
    while (!input.atEnd()) {
        sqlite3_stmt* statement = (input.byte() & 1) ? key : value;
        sqlite3_bind_int(statement, 1, input.byte());
        if (statement == value) {
            const std::string name = input.name();
            sqlite3_bind_text(statement, 2, name.data(), int(name.size()), SQLITE_TRANSIENT);
            sqlite3_bind_int(statement, 3, static_cast<int8_t>(input.byte()));
            const uint8_t storage = input.byte();
            const size_t length = input.byte() | size_t(input.byte()) << 8;
            bindData(statement, 4, storage, input.bytes(length));
        } else {
            sqlite3_bind_int(statement, 2, input.byte());
            const std::string name = input.name();
            sqlite3_bind_text(statement, 3, name.data(), int(name.size()), SQLITE_TRANSIENT);
        }
        sqlite3_step(statement);
        sqlite3_reset(statement);
    }
    sqlite3_finalize(value);
    sqlite3_finalize(key);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);
}

bool sameBytes(const lang::ByteArray& a, const lang::ByteArray& b)
{
    return a.length() == b.length()
        && (a.length() == 0 || std::memcmp(a.data(), b.data(), size_t(a.length())) == 0);
}

void removeFiles(const std::string& file)
{
    for (const char* suffix : {"", "-wal", "-shm"})
        std::filesystem::remove(file + suffix);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    sprite::installSettingsStore(&sprite::SqliteSettingsStore::openFor);
    // Memory-backed where the machine has it: the store syncs every write.
    const std::string base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
    std::string pattern = base + "/kipto2-settings-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    folder = pattern;
    setenv("KIPTO2_HOME", folder.c_str(), 1);
    workFile = folder + "/" + Registry + ".sqlite";
    templateFile = folder + "/template.sqlite";
    {
        lang::Ref<sprite::User> user = lang::adopt(new sprite::User);
        user->open(Registry);
        lang::ByteArray record(9734);
        for (int32_t i = 0; i < record.length(); i++)
            record.data()[i] = uint8_t(i * 7);
        user->writeChunked(Records[0], record);
        record.resize(100);
        user->writeChunked(Records[1], record);
        user->addScore("Bob", 3, 1200, 0);
    }
    std::filesystem::copy_file(workFile, templateFile);
    removeFiles(workFile);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    removeFiles(workFile);
    std::filesystem::copy_file(templateFile, workFile);
    writeHostileRows(data, size);

    lang::Ref<sprite::User> user = lang::adopt(new sprite::User);
    user->open(Registry);
    sprite::OwningStringArray profiles;
    user->listSubkeys(profiles);
    if (user->getString("fontName", "").length() > sprite::User::MaxStringBytes)
        std::abort();
    for (const char* path : Records) {
        lang::ByteArray whole;
        user->getBinary(path, whole);
        lang::ByteArray record;
        // An empty value is stored as no chunks at all, and reads back as missing.
        if (!user->readChunked(path, record) || record.length() == 0)
            continue;
        user->writeChunked(path, record);
        lang::ByteArray again;
        if (!user->readChunked(path, again) || !sameBytes(record, again))
            std::abort();
    }
    // A score is added: the tables read from the hostile rows are written back with it.
    const int32_t place = user->addScore("Fuzz", 3, 4242, 0);
    if (place >= 0 && user->getScore(place) != 4242)
        std::abort();
    // A player deletes a profile.
    user->deleteValue("Ann");
    return 0;
}
