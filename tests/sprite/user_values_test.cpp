#include "sprite/User.h"
#include "sprite/settings/sqlite/SqliteSettingsStore.h"
#include "window/text/Font.h"

#include "user_helpers.h"

#include <climits>
#include <sys/stat.h>

using lang::String;
using sprite::User;

namespace {

lang::Ref<User> openUser(const char* name = "Kipto2")
{
    auto user = lang::adopt(new User());
    user->open(name);
    return user;
}

lang::ByteArray bytesOf(std::initializer_list<uint8_t> values)
{
    lang::ByteArray bytes(static_cast<int32_t>(values.size()));
    int32_t i = 0;
    for (uint8_t b : values)
        bytes[i++] = b;
    return bytes;
}

std::vector<std::string> subkeysOf(User& user)
{
    lang::StringArray names;
    user.listSubkeys(names);
    std::vector<std::string> result;
    for (int32_t i = 0; i < names.length(); i++) {
        result.push_back(names.at(i)->c_str());
        names.at(i)->release();
    }
    return result;
}

using UserValues = SettingsFolderTest;

TEST_F(UserValues, EmptyStoreGivesDefaultsAndCreatesTheFile)
{
    auto user = openUser();
    EXPECT_TRUE(user->isPersistent());
    EXPECT_EQ(user->getInt("VOLUMEMUSIC", 120), 120);
    EXPECT_EQ(user->getInt("Bob\\LEVEL", -5), -5);
    EXPECT_STREQ(user->getString("LASTPROFILE", "Player").c_str(), "Player");
    lang::ByteArray bytes(3);
    EXPECT_FALSE(user->getBinary("DATA", bytes));
    EXPECT_EQ(bytes.length(), 3);
    EXPECT_EQ(user->getCredits(), 0);
    EXPECT_EQ(user->getFontMetricsMode(), 2);
    EXPECT_TRUE(user->getFontName().isEmpty());
    struct stat info {};
    EXPECT_EQ(stat(fileOf("Kipto2").c_str(), &info), 0);
}

TEST_F(UserValues, TypedValuesSurviveReopening)
{
    {
        auto user = openUser();
        user->setInt("FULLSCREEN", 1);
        user->setInt("NEGATIVE", -123456);
        user->setInt("EXTREME", INT32_MIN);
        user->setString("LASTPROFILE", "Zo\xe9");
        user->setBinary("BLOB", bytesOf({0, 0xFF, 7, 0}));
    }
    auto user = openUser();
    EXPECT_EQ(user->getInt("FULLSCREEN", 0), 1);
    EXPECT_EQ(user->getInt("NEGATIVE", 0), -123456);
    EXPECT_EQ(user->getInt("EXTREME", 0), INT32_MIN);
    EXPECT_STREQ(user->getString("LASTPROFILE", "").c_str(), "Zo\xe9");
    lang::ByteArray bytes;
    ASSERT_TRUE(user->getBinary("BLOB", bytes));
    ASSERT_EQ(bytes.length(), 4);
    EXPECT_EQ(bytes[1], 0xFF);
    EXPECT_EQ(bytes[3], 0);
}

TEST_F(UserValues, OverwritingChangesTypeAndValue)
{
    auto user = openUser();
    user->setString("MIXBUFFER", "big");
    user->setInt("MIXBUFFER", 4096);
    EXPECT_EQ(user->getInt("MIXBUFFER", 0), 4096);
    EXPECT_STREQ(user->getString("MIXBUFFER", "none").c_str(), "none");
}

TEST_F(UserValues, NamesIgnoreCase)
{
    auto user = openUser();
    user->setInt("VolumeFx", 200);
    user->setInt("bob\\Level", 4);
    EXPECT_EQ(user->getInt("VOLUMEFX", 0), 200);
    EXPECT_EQ(user->getInt("BOB\\LEVEL", 0), 4);
    EXPECT_EQ(subkeysOf(*user), std::vector<std::string>({"bob"}));
}

TEST_F(UserValues, GetIntReadsDecimalStrings)
{
    auto user = openUser();
    const std::pair<const char*, int32_t> cases[] = {
        {"42", 42}, {"  -17", -17}, {"+8", 8}, {"12abc", 12}, {"abc", 0}, {"", 0},
        {"99999999999", INT32_MAX}, {"-99999999999", INT32_MIN}, {"-2147483648", INT32_MIN},
    };
    for (const auto& [text, expected] : cases) {
        user->setString("N", text);
        EXPECT_EQ(user->getInt("N", 77), expected) << '"' << text << '"';
    }
    user->setBinary("B", bytesOf({1, 0, 0, 0}));
    EXPECT_EQ(user->getInt("B", 77), 77);
}

TEST_F(UserValues, StringsLongerThan1023BytesReadAsMissing)
{
    auto user = openUser();
    std::string longest(1023, 'x');
    user->setString("LONGEST", longest.c_str());
    EXPECT_EQ(user->getString("LONGEST", "default").length(), 1023);
    user->setString("TOOLONG", (longest + "y").c_str());
    EXPECT_STREQ(user->getString("TOOLONG", "default").c_str(), "default");
    user->setInt("DWORD", 5);
    EXPECT_STREQ(user->getString("DWORD", "default").c_str(), "default");
}

TEST_F(UserValues, GetBinaryReadsTheBytesOfAnyType)
{
    auto user = openUser();
    user->setString("TEXT", "ab");
    user->setInt("NUMBER", 0x01020304);
    lang::ByteArray bytes;
    ASSERT_TRUE(user->getBinary("TEXT", bytes));
    ASSERT_EQ(bytes.length(), 3);
    EXPECT_EQ(bytes[0], 'a');
    EXPECT_EQ(bytes[2], 0);
    ASSERT_TRUE(user->getBinary("NUMBER", bytes));
    ASSERT_EQ(bytes.length(), 4);
    EXPECT_EQ(bytes[0], 0x04);
    EXPECT_EQ(bytes[3], 0x01);
    user->setBinary("EMPTY", lang::ByteArray());
    ASSERT_TRUE(user->getBinary("EMPTY", bytes));
    EXPECT_EQ(bytes.length(), 0);
}

TEST_F(UserValues, SubkeysAreCreatedOnDemandEvenByReads)
{
    auto user = openUser();
    user->setInt("Bob\\LEVEL", 3);
    user->setString("Ann\\Shop\\Deep\\NAME", "x");
    EXPECT_EQ(user->getInt("LEVEL", -1), -1);
    EXPECT_EQ(user->getInt("Bob\\LEVEL", -1), 3);
    EXPECT_STREQ(user->getString("Ann\\Shop\\Deep\\NAME", "").c_str(), "x");
    EXPECT_EQ(user->getInt("carl\\ANYTHING", 9), 9);
    EXPECT_EQ(subkeysOf(*user), std::vector<std::string>({"Ann", "Bob", "carl"}));
}

TEST_F(UserValues, AProfileKeyHoldsAnEmptyDefaultValue)
{
    auto user = openUser();
    user->setString("Dora\\", "");
    EXPECT_EQ(subkeysOf(*user), std::vector<std::string>({"Dora"}));
    EXPECT_STREQ(user->getString("Dora\\", "missing").c_str(), "");
}

TEST_F(UserValues, DeleteValueFallsBackToTheSubkeyTree)
{
    auto user = openUser();
    user->setInt("Bob", 1);
    user->setInt("Bob\\a\\x", 2);
    user->setInt("Bob\\y", 3);
    user->setInt("Bobby\\z", 4);
    user->deleteValue("Bob");
    EXPECT_EQ(user->getInt("Bob", -1), -1);
    EXPECT_EQ(user->getInt("Bob\\y", -1), 3);
    user->deleteValue("Bob");
    EXPECT_EQ(subkeysOf(*user), std::vector<std::string>({"Bobby"}));
    // Reading under the deleted key makes it anew, empty.
    EXPECT_EQ(user->getInt("Bob\\a\\x", -1), -1);
    EXPECT_EQ(user->getInt("Bob\\y", -1), -1);
    EXPECT_EQ(user->getInt("Bobby\\z", -1), 4);
}

TEST_F(UserValues, DeleteValueInsideASubkey)
{
    auto user = openUser();
    user->setInt("Bob\\y", 3);
    user->setInt("Bob\\inner\\q", 5);
    user->deleteValue("Bob\\y");
    EXPECT_EQ(user->getInt("Bob\\y", -1), -1);
    user->deleteValue("Bob\\inner");
    EXPECT_EQ(user->getInt("Bob\\inner\\q", -1), -1);
    EXPECT_EQ(subkeysOf(*user), std::vector<std::string>({"Bob"}));
}

TEST_F(UserValues, ListSubkeysGivesOwnedStringsSortedWithoutCase)
{
    auto user = openUser();
    for (const char* name : {"delta", "Alpha", "charlie", "Bravo"})
        user->setString(String(name) + "\\", "");
    lang::StringArray names;
    user->listSubkeys(names);
    ASSERT_EQ(names.length(), 4);
    EXPECT_STREQ(names.at(0)->c_str(), "Alpha");
    EXPECT_STREQ(names.at(3)->c_str(), "delta");
    for (int32_t i = 0; i < names.length(); i++) {
        EXPECT_EQ(names.at(i)->getRefCount(), 1);
        names.at(i)->release();
    }
}

TEST_F(UserValues, CreditsStartAt500000AndAreWrittenAtDestruction)
{
    {
        auto user = openUser();
        EXPECT_EQ(user->getCredits(), 0);
        EXPECT_EQ(user->getCreditsOrStart(), 500000);
        EXPECT_EQ(user->subtractCredits(1500), 498500);
        EXPECT_EQ(user->addCredits(25), 498525);
    }
    auto user = openUser();
    EXPECT_EQ(user->getInt("CREDITS", 0), 498525);
    EXPECT_EQ(user->getCredits(), 498525);
    user->resetCredits();
    EXPECT_EQ(user->getCredits(), 500000);
    EXPECT_EQ(user->addCredits(INT32_MAX), INT32_MIN + 499999);
}

TEST_F(UserValues, OpenReadsTheFontSettings)
{
    {
        auto user = openUser();
        user->setString("fontName", "Verdana");
        user->setInt("nonAscentDescent", 0);
    }
    const lang::String systemFace = window::Font::defaultFaceName;
    auto user = openUser();
    EXPECT_STREQ(user->getFontName().c_str(), "Verdana");
    EXPECT_EQ(user->getFontMetricsMode(), 0);
    // The configured face becomes the one the text sprites' system fonts use.
    EXPECT_STREQ(window::Font::defaultFaceName.c_str(), "Verdana");
    window::Font::defaultFaceName = systemFace;
}

TEST_F(UserValues, ANestedRegistryNameIsAKeyOfTheGamesFile)
{
    {
        auto profile = openUser("Kipto\\Bob");
        profile->setInt("LEVEL", 6);
    }
    auto game = openUser("Kipto");
    EXPECT_EQ(game->getInt("Bob\\LEVEL", 0), 6);
    EXPECT_EQ(subkeysOf(*game), std::vector<std::string>({"Bob"}));
    struct stat info {};
    EXPECT_NE(stat(fileOf("Bob").c_str(), &info), 0);
}

TEST_F(UserValues, ReopeningMovesToAnotherKey)
{
    auto user = openUser("Kipto");
    user->setInt("WHERE", 1);
    user->open("Kipto\\Ann");
    EXPECT_EQ(user->getInt("WHERE", 0), 0);
    user->setInt("WHERE", 2);
    user->open("Kipto");
    EXPECT_EQ(user->getInt("WHERE", 0), 1);
    EXPECT_EQ(user->getInt("Ann\\WHERE", 0), 2);
}

TEST_F(UserValues, TwoStoresOnOneFileSeeEachOthersWrites)
{
    auto first = openUser();
    auto second = openUser();
    first->setInt("SHARED", 11);
    EXPECT_EQ(second->getInt("SHARED", 0), 11);
    second->writeChunked("P\\userdata", bytesOf({1, 2, 3}));
    lang::ByteArray bytes;
    ASSERT_TRUE(first->readChunked("P\\userdata", bytes));
    EXPECT_EQ(bytes.length(), 3);
}

TEST_F(UserValues, AStoreThatWasNeverOpenedKeepsNothing)
{
    User user;
    user.setInt("X", 1);
    EXPECT_EQ(user.getInt("X", 5), 5);
    EXPECT_FALSE(user.isPersistent());
    lang::StringArray names(2);
    user.listSubkeys(names);
    EXPECT_EQ(names.length(), 0);
}

TEST_F(UserValues, WithoutASettingsBackEndNothingIsKept)
{
    sprite::installSettingsStore(nullptr);
    User user;
    user.open("Kipto2");
    user.setInt("X", 1);
    EXPECT_EQ(user.getInt("X", 5), 5);
    EXPECT_FALSE(user.isPersistent());
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    sprite::installSettingsStore(&sprite::SqliteSettingsStore::openFor);
}

} // namespace
