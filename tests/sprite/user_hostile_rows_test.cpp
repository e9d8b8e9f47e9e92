// The settings store on a file whose rows another program wrote: values and keys the store
// never writes itself are read and deleted without harm. The cases are inputs of the settings
// fuzzer (fuzz/sprite/settings_values_fuzz.cpp) that stopped it.
#include "sprite/User.h"
#include "util/OwningArray.h"

#include "user_helpers.h"

#include <sqlite3.h>

using sprite::User;

namespace {

class UserHostileRows : public SettingsFolderTest {
protected:
    // Runs SQL on the store's file while no store has it open.
    void alterFile(const std::string& sql)
    {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(fileOf("Kipto2").c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }

    lang::Ref<User> openStore()
    {
        auto user = lang::adopt(new User());
        user->open("Kipto2");
        return user;
    }
};

} // namespace

TEST_F(UserHostileRows, StringValuesWithoutBytesReadAsEmpty)
{
    openStore()->setInt("SCORE0", 5);
    // Zero-length text: not even the terminating zero the store writes.
    alterFile("UPDATE vals SET type = 1, data = '' WHERE name = 'SCORE0';"
              "INSERT INTO vals(key, name, type, data) VALUES(0, 'fontName', 1, X'');");
    auto user = openStore();
    EXPECT_EQ(user->getString("fontName", "default"), "");
    EXPECT_EQ(user->getInt("SCORE0", -1), 0);
    EXPECT_EQ(user->getStoredScores(), 1) << "the score record still counts";
}

TEST_F(UserHostileRows, DeletingAProfileEndsOnKeysThatFormALoop)
{
    {
        auto user = openStore();
        lang::ByteArray record(10);
        user->writeChunked("Ann\\userdata", record);
        user->writeChunked("Bob\\userdata", record);
    }
    // The root key made a child of "Ann": walking down from "Ann" comes back to "Ann".
    alterFile("INSERT INTO keys(id, parent, name) SELECT 0, id, 'loop' FROM keys WHERE name = 'Ann';");
    auto user = openStore();
    user->deleteValue("Ann");
    sprite::OwningStringArray names;
    user->listSubkeys(names);
    for (int32_t i = 0; i < names.length(); i++)
        EXPECT_NE(*names.at(i), "Ann");
}
