// Player profiles: the name rules, where profiles and their records are kept, choosing and
// deleting them, and the two profile dialogs (the list with its scrolling and the name prompt).
#include "game/flow/SpriteHelpers.h"
#include "game/profiles/ProfileInputPrompt.h"
#include "game/profiles/ProfileList.h"
#include "game/profiles/ProfileName.h"
#include "game/profiles/ProfileStore.h"
#include "game_testing.h"
#include "sprite/ButtonMixin.h"

#include <string>
#include <vector>

namespace {

using gametest::GameTest;
using sprite::ButtonMixin;

std::vector<std::string> plain(const std::vector<lang::String>& names)
{
    std::vector<std::string> out;
    for (const lang::String& name : names)
        out.push_back(name.c_str());
    return out;
}

TEST(ProfileNameRules, LengthCharactersTrimmingAndCase)
{
    EXPECT_TRUE(ProfileName::isValid("Anna-Lena"));
    EXPECT_FALSE(ProfileName::isValid("Anna-Lena2")) << "ten characters";
    EXPECT_FALSE(ProfileName::isValid("Bob!"));
    EXPECT_FALSE(ProfileName::isValid("   "));
    EXPECT_FALSE(ProfileName::isValid(""));
    EXPECT_TRUE(ProfileName::isValid("\xC9mile J."));
    EXPECT_FALSE(ProfileName::isValid("Bob\\x")) << "a settings path separator";

    EXPECT_EQ(ProfileName::trim(" \tZo\xEB "), "Zo\xEB") << "letters above 127 are no blanks";
    EXPECT_EQ(ProfileName::trim("\xE9\xE8"), "\xE9\xE8");

    EXPECT_TRUE(ProfileName::same("bob", "BOB"));
    EXPECT_TRUE(ProfileName::same("Zo\xEB", "ZO\xEB"));
    EXPECT_FALSE(ProfileName::same("Bob", "Bo"));
}

class ProfileStoreTest : public GameTest {
protected:
    lang::Ref<ProfileStore> openStore()
    {
        lang::Ref<ProfileStore> store = lang::adopt(new ProfileStore);
        store->open(openSettings().get(), gametest::RegistryName);
        return store;
    }
};

TEST_F(ProfileStoreTest, ChoosingReadsTheStoredRecordOrWritesAFreshOne)
{
    lang::Ref<sprite::User> settings = openSettings();
    lang::ByteArray tiny(1);
    settings->writeChunked(ProfileSave::pathOf("Ann"), tiny);
    ProfileSave stored;
    stored.hints = 9;
    stored.save(*settings, "Cy");

    lang::Ref<ProfileStore> store = openStore();
    EXPECT_FALSE(store->choose("Ann")) << "a record of one byte counts as absent";
    lang::ByteArray bytes;
    ASSERT_TRUE(settings->readChunked(ProfileSave::pathOf("Ann"), bytes));
    EXPECT_EQ(bytes.length(), ProfileSave::RecordBytes) << "the fresh record is written at once";

    EXPECT_TRUE(store->choose("Cy"));
    EXPECT_EQ(store->getSave()->hints, 9);
    EXPECT_EQ(store->getCurrentName(), "Cy");
}

TEST_F(ProfileStoreTest, ListingSkipsBadNamesAndFindsNamesWithoutCase)
{
    lang::Ref<sprite::User> settings = openSettings();
    for (const char* key : {"Ann\\", "bob\\", "Far too long\\", "Bad!\\"})
        settings->setString(key, "");
    lang::Ref<ProfileStore> store = openStore();
    EXPECT_EQ(plain(store->listNames()), (std::vector<std::string>{"Ann", "bob"}));
    EXPECT_EQ(store->findName("BOB"), "bob");
    EXPECT_TRUE(store->findName("Cy").isEmpty());

    settings->setString("MRUHSNAME", "Bad!");
    EXPECT_TRUE(store->getLastUsed().isEmpty()) << "a stored name that breaks the rules is no name";
    settings->setString("MRUHSNAME", "bob");
    EXPECT_EQ(store->getLastUsed(), "bob");
}

TEST_F(ProfileStoreTest, DeletingTheCurrentProfileForgetsItEverywhere)
{
    lang::Ref<ProfileStore> store = openStore();
    store->addProfile("Ann");
    store->addProfile("Bob");
    store->setLastUsed("Ann");
    store->choose("Ann");
    store->deleteProfile("ANN");
    EXPECT_TRUE(store->getCurrentName().isEmpty());
    EXPECT_TRUE(store->getLastUsed().isEmpty());
    EXPECT_EQ(plain(store->listNames()), std::vector<std::string>{"Bob"});
    store->saveSave();
    ProfileSave stored;
    EXPECT_FALSE(stored.load(*openSettings(), "Ann")) << "nothing writes the deleted record back";
}

TEST_F(ProfileStoreTest, ASetLastProfileKeepsTheProfilesApartFromTheFramesSettings)
{
    lang::Ref<sprite::User> settings = openSettings();
    settings->setString("LASTPROFILE", "Family");
    settings->setInt("FULLSCREEN", 1);
    lang::Ref<ProfileStore> store = openStore();
    store->addProfile("Ann");
    store->setLastUsed("Ann");
    store->choose("Ann");
    EXPECT_EQ(plain(store->listNames()), std::vector<std::string>{"Ann"});

    lang::Ref<sprite::User> place = lang::adopt(new sprite::User);
    place->open(lang::String(gametest::RegistryName) + "\\Kipto\\Family");
    EXPECT_EQ(place->getString("MRUHSNAME", ""), "Ann");
    ProfileSave stored;
    EXPECT_TRUE(stored.load(*place, "Ann"));
    EXPECT_FALSE(stored.load(*settings, "Ann"));
    EXPECT_EQ(settings->getInt("FULLSCREEN", 0), 1);

    // "Player" (in any case) is the game's own place.
    settings->setString("LASTPROFILE", "PLAYER");
    EXPECT_EQ(openStore()->getStore()->getInt("FULLSCREEN", 0), 1);
}

const char* const DialogsTable = R"(
<sprites>
ProfileList    ProfileList:profiles.txt        200 100 400 400 1 0
ProfilePrompt  ProfileInputPrompt:prompt.txt   200 200 400 200 1 0
message        TextSprite                      0 0 1
<end>
)";

class ProfileDialogs : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        writeTable("game.dat", DialogsTable);
        writeProfileTables();
    }
    ProfileList& openList(std::initializer_list<const char*> names)
    {
        lang::Ref<sprite::User> settings = openSettings();
        for (const char* name : names)
            settings->setString(lang::String(name) + "\\", "");
        settings->setString("MRUHSNAME", *names.begin());
        gametest::TestCanvas& game = startCanvas();
        ProfileList& list = *game.getDialogs().profileList();
        list.setVisible(true);
        return list;
    }
    std::vector<std::string> rows()
    {
        std::vector<std::string> shown;
        for (int32_t i = 0; i < canvas->getDialogs().profileList()->childCount(); ++i) {
            lang::Ref<sprite::SpriteBase> child = lang::adopt(canvas->getDialogs().profileList()->getChild(i));
            if (child->isInstanceOf("TextSprite") && child->isVisible())
                shown.push_back(spriteText(child.get()).c_str());
        }
        return shown;
    }
    int32_t state(const char* button) { return ButtonMixin::of(canvas->find(std::string("ProfileList/") + button))->getState(); }
    // Presses and releases at a point of the list (in its own coordinates).
    void press(int32_t x, int32_t y) { canvas->mouse(window::Event::MouseDown, 200 + x, 100 + y); }
    void release(int32_t x, int32_t y) { canvas->mouse(window::Event::MouseUp, 200 + x, 100 + y); }
};

TEST_F(ProfileDialogs, SevenProfilesScrollFiveAtATimeAndHeldButtonsRepeat)
{
    openList({"p1", "p2", "p3", "p4", "p5", "p6", "p7"});
    EXPECT_EQ(rows(), (std::vector<std::string>{"p1", "p2", "p3", "p4", "p5"}));
    EXPECT_EQ(state("bsup"), ButtonMixin::Disabled);
    EXPECT_EQ(state("bprofilename1"), ButtonMixin::Selected) << "the first name is selected";

    press(370, 260);
    release(370, 260);
    EXPECT_EQ(rows(), (std::vector<std::string>{"p2", "p3", "p4", "p5", "p6"}));
    EXPECT_NE(state("bsup"), ButtonMixin::Disabled);
    press(370, 260);
    release(370, 260);
    EXPECT_EQ(rows(), (std::vector<std::string>{"p3", "p4", "p5", "p6", "p7"}));
    EXPECT_EQ(state("bsdown"), ButtonMixin::Disabled);

    // Held: one row at once, then after 10 frames one row per frame.
    press(370, 50);
    EXPECT_EQ(canvas->getDialogs().profileList()->getScrollOffset(), 1);
    canvas->steps(10);
    EXPECT_EQ(canvas->getDialogs().profileList()->getScrollOffset(), 1);
    canvas->steps(1);
    EXPECT_EQ(canvas->getDialogs().profileList()->getScrollOffset(), 0);
    canvas->steps(3);
    EXPECT_EQ(canvas->getDialogs().profileList()->getScrollOffset(), 0) << "the list stops at its top";
    release(370, 50);
}

TEST_F(ProfileDialogs, RowsSelectNamesAndTheLastDeletionAsksForAFirstProfile)
{
    ProfileList& list = openList({"Ann", "Bob"});
    press(60, 100);
    EXPECT_EQ(list.getSelectedName(), "Bob");
    EXPECT_EQ(state("bprofilename2"), ButtonMixin::Selected);
    EXPECT_EQ(state("bprofilename1"), ButtonMixin::Normal);
    // The <data> section places the rows' names.
    lang::Ref<sprite::SpriteBase> first = lang::adopt(list.getChild(list.childCount() - ProfileList::RowCount));
    EXPECT_EQ(first->getX(), 200);
    EXPECT_EQ(first->getY(), 60);

    list.deleteProfile("Bob");
    list.selectName("");
    EXPECT_EQ(list.getSelectedName(), "Ann");
    list.deleteProfile("Ann");
    list.refresh();
    EXPECT_TRUE(list.getSelectedName().isEmpty());
    EXPECT_EQ(state("accept"), ButtonMixin::Disabled);
    EXPECT_EQ(state("delete"), ButtonMixin::Disabled) << "nothing to delete";
    EXPECT_EQ(rows(), std::vector<std::string>{});
}

TEST_F(ProfileDialogs, ThePromptTakesNineAllowedCharactersAndSubmitsWithReturn)
{
    gametest::TestCanvas& game = startCanvas();
    ProfileInputPrompt& prompt = *game.getDialogs().profilePrompt();
    EXPECT_TRUE(prompt.isVisible());
    auto submit = [&] { return ButtonMixin::of(game.find("ProfilePrompt/bsubmitprofile"))->getState(); };
    EXPECT_EQ(submit(), ButtonMixin::Disabled);
    game.type("  ");
    EXPECT_EQ(submit(), ButtonMixin::Disabled) << "a name of spaces";
    game.key(8);
    game.key(8);
    game.type("Ann!-Sophie");
    EXPECT_EQ(prompt.getName(), "Ann-Sophi") << "no exclamation mark, and no tenth character";
    game.key(window::Event::DeleteKey);
    EXPECT_EQ(prompt.getName(), "Ann-Soph");
    EXPECT_EQ(submit(), ButtonMixin::Normal);
    game.key(13);
    EXPECT_EQ(game.getProfileName(), "Ann-Soph");
    EXPECT_FALSE(prompt.isVisible());

    // A further profile starts from an empty name and can be cancelled.
    prompt.setAddingAnother(true);
    prompt.setVisible(true);
    EXPECT_TRUE(prompt.getName().isEmpty());
    EXPECT_TRUE(game.shown("ProfilePrompt/bcanceladdprofile"));
    game.click(200 + 240 + 10, 200 + 130 + 10);
    EXPECT_FALSE(prompt.isVisible());
    EXPECT_EQ(game.getProfileName(), "Ann-Soph");
}

} // namespace
