// The shop tables as the round will read them: the goods stand where the player can see and
// click them, every group is named by the catalogue, and five days played in order always find
// fresh wishes under the day quotas (a small simulation of the round's wish rules). Also the
// generator's layout of goods and its refusal of a table that drifted from its design.
#include "Catalogue.h"
#include "ShopScene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>

using namespace contentgen;

namespace {

const std::string Source = KIPTO2_CONTENT_SOURCE;

struct TableItem {
    int number, kind, x, y;
};

struct ShopTable {
    std::vector<TableItem> items;
    std::set<std::string> names;
};

ShopTable readShopTable(int shop)
{
    std::ifstream in(Source + "/tables/Shop" + std::to_string(shop) + ".txt");
    ShopTable table;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string name, className, picture;
        if (!(words >> name >> className) || name[0] == ';' || name[0] == '<')
            continue;
        table.names.insert(name);
        if (className != "ShopItemSprite")
            continue;
        TableItem item{std::atoi(name.c_str() + 5), 0, 0, 0};
        int alpha = 0, extra1 = 0, extra2 = 0;
        words >> picture >> item.x >> item.y >> alpha >> extra1 >> extra2 >> item.kind;
        table.items.push_back(item);
    }
    return table;
}

int typeOf(const std::string& text)
{
    return text.back() - '0';
}

// One group of goods as the round's catalogue holds it.
struct Group {
    int type;
    int copies;
};

// The groups in catalogue order: the order in which their first item numbers come.
std::vector<Group> groupsOf(const ShopTable& table, const Shop& shop)
{
    std::map<int, int> firstNumber, copies;
    for (const TableItem& item : table.items) {
        copies[item.kind] += 1;
        if (!firstNumber.count(item.kind) || item.number < firstNumber[item.kind])
            firstNumber[item.kind] = item.number;
    }
    std::vector<std::pair<int, int>> order;
    for (const auto& [kind, number] : firstNumber)
        order.emplace_back(number, kind);
    std::sort(order.begin(), order.end());
    std::vector<Group> groups;
    for (const auto& [number, kind] : order)
        groups.push_back({typeOf(shop.items[size_t(kind - 1)].text), copies[kind]});
    return groups;
}

// Days 1 to 5 played in order, fifteen customers served a day, by the round's wish rules:
// quotas per type and day, the day-1 shelf rule, goods handed over leave the shelves, single
// items handed over are not wished again, nothing wished on the day before is wished again.
// Returns the number of customers who found no fresh wish in the first pass under the quotas.
int customersWithoutFreshWish(const std::vector<Group>& groups, unsigned seed)
{
    static const int quotas[6][5]
        = {{0}, {0, 9, 7, 4, 0}, {0, 7, 9, 6, 3}, {2, 5, 8, 8, 6}, {2, 4, 5, 8, 7}, {2, 4, 5, 7, 8}};
    std::mt19937 random(seed);
    auto below = [&](int n) { return int(random() % unsigned(n)); };
    const size_t count = groups.size();
    std::vector<std::vector<int>> wished(count), found(count);
    for (size_t g = 0; g < count; ++g) {
        wished[g].assign(size_t(groups[g].copies), 0);
        found[g].assign(size_t(groups[g].copies), 0);
    }
    int missing = 0;
    for (int day = 1; day <= 5; ++day) {
        int quota[5];
        std::copy(std::begin(quotas[day]), std::end(quotas[day]), quota);
        std::vector<std::vector<bool>> visible(count);
        int hardHidden = 0;
        for (size_t g = 0; g < count; ++g) {
            const int handedOver
                = int(std::count_if(found[g].begin(), found[g].end(), [](int d) { return d != 0; }));
            const bool hidden = day == 1 && groups[g].type > 2 && hardHidden++ < 18;
            for (int m = 0; m < groups[g].copies; ++m)
                visible[g].push_back(!hidden
                    && (handedOver == 0 || handedOver == groups[g].copies || found[g][size_t(m)] == 0));
        }
        std::vector<bool> used(count, false);
        for (int arrived = 0; arrived < 15; ++arrived) {
            const size_t start = size_t(below(int(count)));
            bool chosen = false;
            for (size_t step = 1; step <= count && !chosen; ++step) { // the first pass only
                const size_t g = (start + step) % count;
                const int copies = groups[g].copies;
                if (used[g] || quota[groups[g].type] <= 0)
                    continue;
                std::vector<size_t> members;
                if (copies == 1) {
                    if (visible[g][0] && (day < 2 || wished[g][0] != day - 1) && found[g][0] == 0)
                        members.push_back(0);
                } else if (day < 2
                    || std::find(wished[g].begin(), wished[g].end(), day - 1) == wished[g].end()) {
                    for (size_t m = 0; m < size_t(copies); ++m) {
                        const bool again = found[g][m] != 0;
                        if (visible[g][m] && (!again || (arrived >= 5 && quota[0] > 0))) {
                            members.push_back(m);
                            quota[0] -= again ? 1 : 0;
                        }
                    }
                }
                if (members.empty())
                    continue;
                chosen = true;
                used[g] = true;
                quota[groups[g].type] -= 1;
                const size_t want = members.size() == 1 ? 1 : members.size() <= 4 ? 2 : size_t(2 + below(2));
                for (size_t m : members)
                    wished[g][m] = day;
                std::shuffle(members.begin(), members.end(), random);
                for (size_t i = 0; i < want; ++i)
                    found[g][members[i]] = day;
            }
            missing += chosen ? 0 : 1;
        }
    }
    return missing;
}

} // namespace

TEST(ShopTables, GoodsStandWhereThePlayerSeesAndClicksThem)
{
    const std::vector<Shop> shops = readCatalogue(Source + "/items.txt");
    for (const Shop& shop : shops) {
        const ShopTable table = readShopTable(shop.number);
        SCOPED_TRACE(shop.title);
        ASSERT_FALSE(table.items.empty());
        ASSERT_LE(table.items.size(), 150u);
        std::set<int> numbers, kinds, types;
        for (const TableItem& item : table.items) {
            numbers.insert(item.number);
            kinds.insert(item.kind);
            ASSERT_GE(item.kind, 1);
            ASSERT_LE(item.kind, int(shop.items.size()))
                << "item_" << item.number << " names no catalogue text";
            types.insert(typeOf(shop.items[size_t(item.kind - 1)].text));
            // Clicks count from y 31 to 514; below y 398 the customers' thought bubbles stand.
            EXPECT_GE(item.y, 31) << "item_" << item.number;
            EXPECT_LE(item.y + 48, 400) << "item_" << item.number;
            EXPECT_GE(item.x, 0);
            EXPECT_LE(item.x + 48, 800);
        }
        EXPECT_EQ(numbers.size(), table.items.size()) << "two items share a number";
        EXPECT_EQ(*numbers.rbegin(), int(table.items.size())) << "item numbers leave a gap";
        EXPECT_GE(kinds.size(), 40u);
        EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4}));
        for (int n = 1; n <= 6; ++n)
            EXPECT_TRUE(table.names.count("hint_" + std::to_string(n)));
        EXPECT_EQ(table.names.count("hint_7"), shop.number == 11 ? 1u : 0u);
        EXPECT_EQ(table.names.count("ambientAnim1"),
            shop.number == 4 || shop.number == 9 || shop.number == 11 ? 1u : 0u);
    }
}

TEST(ShopTables, FiveDaysInOrderAlwaysFindFreshWishes)
{
    const std::vector<Shop> shops = readCatalogue(Source + "/items.txt");
    for (const Shop& shop : shops) {
        const std::vector<Group> groups = groupsOf(readShopTable(shop.number), shop);
        int missing = 0;
        for (unsigned seed = 1; seed <= 400; ++seed)
            missing += customersWithoutFreshWish(groups, seed * 7919 + unsigned(shop.number));
        EXPECT_EQ(missing, 0) << shop.title << ": customers without a fresh wish in 400 weeks";
    }
    // The simulation does find a shortage: a shop of the first 40 groups runs dry by day 5.
    const std::vector<Group> all = groupsOf(readShopTable(1), shops[0]);
    const std::vector<Group> fewer(all.begin(), all.begin() + 40);
    int missing = 0;
    for (unsigned seed = 1; seed <= 20; ++seed)
        missing += customersWithoutFreshWish(fewer, seed);
    EXPECT_GT(missing, 0);
}

TEST(ShopScene, LaysOutGoodsEvenlyAndPlacesEveryGroup)
{
    ShopScene scene(3);
    // A single (46), a pile of three (86) and a pile of five (124) on 400 pixels: the 144 spare
    // pixels make four equal gaps of 36.
    const std::vector<Box> boxes = scene.goods("STF", 0, 400, 200);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].x, 36);
    EXPECT_EQ(boxes[1].x, 36 + 46 + 36);
    EXPECT_EQ(boxes[2].x, 36 + 46 + 36 + 86 + 36);
    EXPECT_THROW(scene.goods("TTTTT", 0, 400, 300), std::runtime_error);

    // Three groups of the sizes the places offer: every copy placed, piles back items first.
    const std::map<int, Pile> sizes{{1, Pile::Five}, {2, Pile::Three}, {3, Pile::Single}};
    const std::vector<ItemPlacement> items = placeGoods(scene, sizes);
    ASSERT_EQ(items.size(), 9u);
    std::map<int, int> copies;
    for (const ItemPlacement& item : items)
        ++copies[item.kind];
    EXPECT_EQ(copies, (std::map<int, int>{{1, 5}, {2, 3}, {3, 1}}));
    const std::vector<ItemPlacement> pile(items.begin() + 1, items.begin() + 4);
    EXPECT_LT(pile[0].y, pile[1].y) << "the back item of a pile comes first";
    EXPECT_EQ(pile[1].y, pile[2].y);

    const std::map<int, Pile> tooMany{
        {1, Pile::Five}, {2, Pile::Three}, {3, Pile::Single}, {4, Pile::Single}};
    try {
        placeGoods(scene, tooMany);
        ADD_FAILURE() << "a group without a place was accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("places for 1 singles"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("need 2 singles"), std::string::npos) << e.what();
    }
}

TEST(ShopTables, TheBuildRefusesATableThatDriftedFromItsDesign)
{
    const std::string folder = testing::TempDir() + "shop_tables_drift";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder + "/tables");
    for (int shop = 1; shop <= 12; ++shop)
        std::filesystem::copy_file(Source + "/tables/Shop" + std::to_string(shop) + ".txt",
            folder + "/tables/Shop" + std::to_string(shop) + ".txt");
    std::ofstream(folder + "/tables/Shop1.txt", std::ios::app) << "; an edit by hand\n";
    const std::string build = KIPTO2_CONTENT_BUILD;
    const std::string command = std::string(KIPTO2_CONTENT_GEN) + " shops " + folder + "/out " + folder
        + "/out.list " + Source + "/items.txt " + build + "/ui " + build + "/items " + folder + "/tables 2>"
        + folder + "/errors.txt";
    EXPECT_NE(std::system(command.c_str()), 0);
    std::ifstream errors(folder + "/errors.txt");
    const std::string text((std::istreambuf_iterator<char>(errors)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("Shop1.txt is not what its shop design makes"), std::string::npos) << text;
}
