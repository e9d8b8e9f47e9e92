// The texts step: every source line becomes one text item, "\n" becomes a line feed, the
// catalogue adds the shop and item names, and a name given twice is refused with its line.
#include "Commands.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

std::string read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(Texts, EveryLineBecomesATextItemAndTheCatalogueAddsItsNames)
{
    testing_support::TempFolder folder;
    auto temp = [&](const std::string& name) { return folder.file(name); };
    std::ofstream(temp("texts_src.txt")) << "; comment\nIDS_GAMETITLE = Kipto2\n\nGREETING =  Hello\\nthere  \nCAFE = Café\n";
    const std::string out = temp("texts_out");
    std::filesystem::create_directories(out);
    ASSERT_EQ(contentgen::makeTexts(out, temp("texts.list"), temp("texts_src.txt"), KIPTO2_CONTENT_SOURCE "/items.txt"), 0);
    EXPECT_EQ(read(out + "/IDS_GAMETITLE.txt"), "Kipto2");
    EXPECT_EQ(read(out + "/GREETING.txt"), "Hello\nthere");
    EXPECT_EQ(read(out + "/CAFE.txt"), "Caf\xC3\xA9"); // kept as UTF-8; the game converts on load
    EXPECT_EQ(read(out + "/SHOPNAME_1.txt"), "Grocery");
    EXPECT_EQ(read(out + "/ITEM_1_1.txt"), "apple:1");
    EXPECT_EQ(read(out + "/ITEM_1_8.txt"), "bunch of grapes*bunches of grapes:2");
    const std::string list = read(temp("texts.list"));
    EXPECT_EQ(list.rfind("--text\nIDS_GAMETITLE=" + out + "/IDS_GAMETITLE.txt\n--text\nGREETING=", 0), 0u) << list;
}

TEST(Texts, ANameGivenTwiceOrALineWithoutTextIsRefused)
{
    testing_support::TempFolder folder;
    auto temp = [&](const std::string& name) { return folder.file(name); };
    const std::string out = temp("texts_bad");
    std::filesystem::create_directories(out);
    std::ofstream(temp("twice.txt")) << "A = one\nB = two\nA = three\n";
    try {
        contentgen::makeTexts(out, temp("bad.list"), temp("twice.txt"), KIPTO2_CONTENT_SOURCE "/items.txt");
        FAIL() << "a duplicate text went through";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("twice.txt:3: the text A is defined twice"), std::string::npos) << e.what();
    }
    std::ofstream(temp("noequals.txt")) << "A = one\nJust words\n";
    try {
        contentgen::makeTexts(out, temp("bad.list"), temp("noequals.txt"), KIPTO2_CONTENT_SOURCE "/items.txt");
        FAIL() << "a line without \" = \" went through";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("noequals.txt:2: expected NAME = text"), std::string::npos) << e.what();
    }
}
