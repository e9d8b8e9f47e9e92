// The item catalogue: the real one satisfies what the rounds need, and bad entries are
// reported with their file and line.
#include "Catalogue.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <set>

using namespace contentgen;

namespace {

std::string writeTemp(const testing_support::TempFolder& folder, const std::string& name,
                      const std::string& text)
{
    const std::string path = folder.file(name);
    std::ofstream(path) << text;
    return path;
}

std::string errorOf(const std::string& path)
{
    try {
        readCatalogue(path);
    } catch (const std::exception& e) {
        return e.what();
    }
    return "";
}

std::string twelveShops(const std::string& firstShopItems)
{
    std::string text = "[shop 1] One\n" + firstShopItems;
    for (int s = 2; s <= 12; ++s)
        text += "[shop " + std::to_string(s) + "] Shop\n";
    return text;
}

} // namespace

TEST(Catalogue, TheGameCatalogueHasTwelveShopsOfDistinctItems)
{
    const std::vector<Shop> shops = readCatalogue(KIPTO2_CONTENT_SOURCE "/items.txt");
    ASSERT_EQ(shops.size(), 12u);
    size_t total = 0;
    for (const Shop& shop : shops) {
        int perType[5] = {};
        std::set<uint32_t> emoji; // shops may share goods, but never two of a shop's pictures
        for (const CatalogueItem& item : shop.items) {
            emoji.insert(item.codepoint);
            ++perType[item.text.back() - '0'];
            EXPECT_EQ(item.kind, int(&item - &shop.items[0]) + 1);
        }
        total += shop.items.size();
        // Day 1 hides the first 18 groups of types 3 and 4: types 1 and 2 alone must be able
        // to serve all 15 customers; and a replay records at most 150 items.
        EXPECT_GE(perType[1] + perType[2], 15) << shop.title;
        EXPECT_GE(perType[3], 6) << shop.title;
        EXPECT_GE(perType[4], 6) << shop.title;
        EXPECT_LE(shop.items.size(), 150u);
        EXPECT_EQ(emoji.size(), shop.items.size()) << shop.title;
        EXPECT_FALSE(shop.title.empty());
    }
    EXPECT_GE(total, 480u);
}

TEST(Catalogue, NamesOfPicturesAndTexts)
{
    EXPECT_EQ(itemPictureName(1, 5), "item01_05");
    EXPECT_EQ(itemPictureName(12, 37), "item12_37");
    EXPECT_EQ(itemTextName(3, 12), "ITEM_3_12");
}

TEST(Catalogue, ReportsBadEntriesWithFileAndLine)
{
    testing_support::TempFolder folder;
    const std::string duplicate = writeTemp(folder, "dup.txt", twelveShops("🍎\tapple:1\n🍎\tred apple:2\n"));
    EXPECT_NE(errorOf(duplicate).find("dup.txt:3: this emoji is already used on line 2"), std::string::npos);
    std::string shared = "[shop 1] One\n🍎\tapple:1\n[shop 2] Two\n🍎\tapple:1\n";
    for (int s = 3; s <= 12; ++s)
        shared += "[shop " + std::to_string(s) + "] Shop\n";
    EXPECT_EQ(errorOf(writeTemp(folder, "shared.txt", shared)), "") << "two shops may sell the same goods";
    const std::string noType = writeTemp(folder, "notype.txt", twelveShops("🍎\tapple\n"));
    EXPECT_NE(errorOf(noType).find("notype.txt:2:"), std::string::npos);
    const std::string badType = writeTemp(folder, "badtype.txt", twelveShops("🍎\tapple:5\n"));
    EXPECT_NE(errorOf(badType).find("badtype.txt:2:"), std::string::npos);
    const std::string order = writeTemp(folder, "order.txt", "[shop 2] Two\n");
    EXPECT_NE(errorOf(order).find("order.txt:1: expected the header of shop 1"), std::string::npos);
    const std::string few = writeTemp(folder, "few.txt", "[shop 1] One\n🍎\tapple:1\n");
    EXPECT_NE(errorOf(few).find("twelve shops"), std::string::npos);
    EXPECT_EQ(errorOf(writeTemp(folder, "good.txt", twelveShops("🍎\tapple*apples:1\n"))), "");
}
