// The campaign as the game reads it from the package: the calendar's layout can be played
// from the first day to the final one, announcing every shop before its days, and the
// pictures of the calendar, the upgrade screen and the story board have every frame drawn.
// Also the generator's pieces these rely on: the table reader, wrapped and fitted text, and
// the pencilled-in look of days to come.
#include "CampaignKit.h"
#include "Png.h"
#include "SpriteTableReader.h"
#include "Style.h"

#include "lang/Ref.h"
#include "lang/ResourceFileHeader.h"
#include "lang/ResourceItem.h"

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <set>

using namespace contentgen;

namespace {

class GamePackage {
public:
    GamePackage()
        : header_(
            lang::adopt(new lang::ResourceFileHeader(lang::String(KIPTO2_CONTENT_BUILD "/../Kipto2.bin"))))
    {
    }

    std::optional<std::vector<uint8_t>> item(const std::string& name) const
    {
        lang::Ref<lang::ResourceItem> item = lang::adopt(header_->getItem(lang::String(name.c_str()), false));
        if (!item)
            return std::nullopt;
        return std::vector<uint8_t>(item->getData(), item->getData() + item->getSize());
    }

    SpriteTable table(const std::string& name) const
    {
        const auto bytes = item(name);
        EXPECT_TRUE(bytes) << "no table " << name;
        return bytes ? readSpriteTable(*bytes) : SpriteTable{};
    }

    struct Rgba {
        int width = 0, height = 0;
        std::vector<uint8_t> pixels;
        uint8_t alpha(int x, int y) const { return pixels[(size_t(y) * size_t(width) + size_t(x)) * 4 + 3]; }
    };
    Rgba picture(const std::string& name) const
    {
        Rgba out;
        const auto bytes = item(name);
        EXPECT_TRUE(bytes && decodePng(*bytes, out.width, out.height, out.pixels)) << "no picture " << name;
        return out;
    }

private:
    lang::Ref<lang::ResourceFileHeader> header_;
};

// ---- The calendar's layout --------------------------------------------------------------

struct Cell {
    int week = 0, column = 0;
    bool operator<(const Cell& o) const { return week != o.week ? week < o.week : column < o.column; }
    bool operator<=(const Cell& o) const { return !(o < *this); }
    bool operator==(const Cell& o) const { return week == o.week && column == o.column; }
};

struct Layout {
    std::array<std::array<int, 7>, 12> shop{};
    std::array<Cell, 15> opening{}; // by calendar shop number 1 to 14

    explicit Layout(const std::vector<int>& data)
    {
        for (int w = 0; w < 12; ++w)
            for (int c = 0; c < 7; ++c)
                shop[size_t(w)][size_t(c)] = data[size_t(28 + w * 7 + c)];
        for (int s = 1; s <= 14; ++s)
            opening[size_t(s)] = {data[size_t(112 + (s - 1) * 2)], data[size_t(113 + (s - 1) * 2)]};
    }
    int at(const Cell& cell) const { return shop[size_t(cell.week)][size_t(cell.column)]; }

    // Cells with the same number from week 1, column 0 up to and including this one.
    int day(const Cell& cell) const
    {
        int count = 0;
        for (Cell c{1, 0}; c <= cell; c = c.column == 6 ? Cell{c.week + 1, 0} : Cell{c.week, c.column + 1})
            count += at(c) == at(cell);
        return count;
    }
    // The next cell holding a shop after this one, up to week 11.
    std::optional<Cell> next(Cell cell) const
    {
        do
            cell = cell.column == 6 ? Cell{cell.week + 1, 0} : Cell{cell.week, cell.column + 1};
        while (cell.week <= 11 && at(cell) == 0);
        return cell.week <= 11 ? std::optional<Cell>(cell) : std::nullopt;
    }
    bool onPage(int number, int week) const
    {
        for (int c = 0; c < 7; ++c)
            if (shop[size_t(week)][size_t(c)] == number)
                return true;
        return false;
    }
};

const std::vector<int>& calendarData()
{
    static const std::vector<int> data = GamePackage().table("Calendar").data;
    return data;
}

} // namespace

TEST(CampaignCalendar, LayoutNumbersAreInRange)
{
    const std::vector<int>& data = calendarData();
    ASSERT_EQ(data.size(), 140u);
    for (int i = 0; i < 28; i += 2) { // cell and circle positions lie on the screen
        EXPECT_TRUE(data[size_t(i)] >= 0 && data[size_t(i)] < 800 && data[size_t(i + 1)] >= 0
            && data[size_t(i + 1)] < 600)
            << "pair " << i / 2;
    }
    const Layout layout(data);
    for (int w = 0; w < 12; ++w)
        for (int c = 0; c < 7; ++c) {
            EXPECT_GE(layout.shop[size_t(w)][size_t(c)], 0);
            EXPECT_LE(layout.shop[size_t(w)][size_t(c)], 14);
            if (w == 0) {
                EXPECT_EQ(layout.shop[0][size_t(c)], 0) << "week 0 is never shown";
            }
        }
    for (int s = 1; s <= 14; ++s) {
        EXPECT_TRUE(layout.opening[size_t(s)].week >= 0 && layout.opening[size_t(s)].week <= 11)
            << "shop " << s;
        EXPECT_TRUE(layout.opening[size_t(s)].column >= 0 && layout.opening[size_t(s)].column <= 6)
            << "shop " << s;
    }
}

TEST(CampaignCalendar, EveryShopHasItsDaysAndDecoratingLeadsIntoTheOwnShop)
{
    const Layout layout(calendarData());
    std::map<int, std::vector<int>> days;
    for (Cell c{1, 0}; c.week <= 11; c = c.column == 6 ? Cell{c.week + 1, 0} : Cell{c.week, c.column + 1})
        if (layout.at(c) != 0) {
            days[layout.at(c)].push_back(layout.day(c));
            if (layout.at(c) == 14) { // the visit ends with that day of shop 12, played at once
                const std::optional<Cell> after = layout.next(c);
                ASSERT_TRUE(after) << "decorating at week " << c.week;
                EXPECT_EQ(layout.at(*after), 12)
                    << "decorating at week " << c.week << ", column " << c.column;
                EXPECT_EQ(layout.day(*after), layout.day(c))
                    << "decorating at week " << c.week << ", column " << c.column;
            }
        }
    for (int s = 1; s <= 14; ++s)
        EXPECT_EQ(days[s], (s == 13 ? std::vector<int>{1, 2, 3, 4, 5, 6} : std::vector<int>{1, 2, 3, 4, 5}))
            << "shop " << s;
}

// Plays the calendar as the game does: from the first cell, each passed day moves the
// progress to the next cell; a page build announces the one shop whose opening position lies
// between the marker's last place and the new furthest cell (two at once would lose one), and
// announcing the decorating visits (14) announces the player's shop (12) too.
TEST(CampaignCalendar, PassingEachDayInTurnReachesEveryCellAndAnnouncesEveryShopFirst)
{
    const Layout layout(calendarData());
    ASSERT_EQ(layout.at({1, 0}), 11) << "the story board hands over to the Corner Shop's first day";
    std::set<int> announced = {11, 13};
    std::set<Cell> reachedCells;
    Cell reached{1, 0}, marker{1, 0};
    for (int step = 0; step < 84; ++step) {
        reachedCells.insert(reached);
        std::vector<int> opened;
        for (int s = 1; s <= 14; ++s) {
            const Cell& at = layout.opening[size_t(s)];
            const bool visible = s <= 12 || layout.onPage(s, reached.week);
            if (s != 13 && !announced.count(s) && marker <= at && at < reached && visible)
                opened.push_back(s);
        }
        ASSERT_LE(opened.size(), 1u) << "shops opening together at week " << reached.week << ", column "
                                     << reached.column;
        for (int s : opened) {
            announced.insert(s);
            if (s == 14)
                announced.insert(12);
        }
        const int shop = layout.at(reached), day = layout.day(reached);
        EXPECT_TRUE(announced.count(shop))
            << "shop " << shop << " day " << day << " comes before its announcement";
        if (shop == 12 && day == 5) { // the final day: passing it starts the celebration
            EXPECT_FALSE(layout.next(reached)) << "cells after the final day can never be reached";
            break;
        }
        const std::optional<Cell> next = layout.next(reached);
        ASSERT_TRUE(next) << "the calendar ends before the final day";
        marker = reached;
        reached = *next;
    }
    int cells = 0;
    for (const auto& row : layout.shop)
        for (int s : row)
            cells += s != 0;
    EXPECT_EQ(int(reachedCells.size()), cells);
    EXPECT_EQ(announced.size(), 14u);
}

// ---- The pictures -----------------------------------------------------------------------

namespace {

// True when the cell holds drawn pixels; `signature` gets a digest of them.
bool cellIsDrawn(const GamePackage::Rgba& sheet, int x0, int y0, int w, int h, uint64_t& signature)
{
    bool drawn = false;
    signature = 1469598103934665603ull;
    for (int y = y0; y < y0 + h; ++y)
        for (int x = x0; x < x0 + w; ++x)
            for (int k = 0; k < 4; ++k) {
                const uint8_t v = sheet.pixels[(size_t(y) * size_t(sheet.width) + size_t(x)) * 4 + size_t(k)];
                signature = (signature ^ v) * 1099511628211ull;
                drawn |= k == 3 && v > 0;
            }
    return drawn;
}

void expectFramesDrawnAndDistinct(
    const GamePackage& package, const std::string& picture, int columns, int rows)
{
    const GamePackage::Rgba sheet = package.picture(picture);
    ASSERT_EQ(sheet.width % columns, 0) << picture;
    ASSERT_EQ(sheet.height % rows, 0) << picture;
    const int w = sheet.width / columns, h = sheet.height / rows;
    std::set<uint64_t> seen;
    for (int i = 0; i < columns * rows; ++i) {
        uint64_t signature = 0;
        EXPECT_TRUE(cellIsDrawn(sheet, (i % columns) * w, (i / columns) * h, w, h, signature))
            << picture << " frame " << i << " is empty";
        EXPECT_TRUE(seen.insert(signature).second)
            << picture << " frame " << i << " repeats an earlier frame";
    }
}

} // namespace

TEST(CampaignPictures, EverySheetOfTheScreensHasItsFramesDrawn)
{
    const GamePackage package;
    int sheets = 0;
    for (const char* dialog : {"Calendar", "UpgradeMyShop", "StoryBoard"})
        for (const TableEntry& entry : package.table(dialog).sprites) {
            const std::string className = entry.classToken.substr(0, entry.classToken.find(':'));
            if ((className == "AnimateSprite" || className == "ButtonSprite" || className == "SparkleSprite")
                && entry.numbers.size() >= 4) {
                expectFramesDrawnAndDistinct(
                    package, entry.pictures.at(0), entry.numbers[2], entry.numbers[3]);
                ++sheets;
            }
        }
    EXPECT_GT(sheets, 40);
    // The confetti: three pieces of 14 frames in one row, small enough for 300 of them
    for (int kind = 1; kind <= 3; ++kind) {
        const std::string name = "iconfetti" + std::to_string(kind);
        const GamePackage::Rgba sheet = package.picture(name);
        EXPECT_EQ(sheet.width, sheet.height * 14) << name;
        EXPECT_TRUE(sheet.height >= 8 && sheet.height <= 16) << name;
        expectFramesDrawnAndDistinct(package, name, 14, 1);
    }
}

TEST(CampaignPictures, TheFourLooksOfAnUpgradeSlotShareTheirPlaceAndDiffer)
{
    const GamePackage package;
    const SpriteTable table = package.table("UpgradeMyShop");
    for (int slot = 1; slot <= 6; ++slot) {
        const std::string prefix = "myshop_upgrade_B_" + std::to_string(slot) + "_";
        const TableEntry* unfurnished = table.find(prefix + "0");
        ASSERT_TRUE(unfurnished) << prefix << "0";
        const GamePackage::Rgba bare = package.picture(unfurnished->pictures.at(0));
        for (int value = 1; value <= 3; ++value) {
            const TableEntry* entry = table.find(prefix + std::to_string(value));
            ASSERT_TRUE(entry) << prefix << value;
            EXPECT_EQ(entry->numbers, unfurnished->numbers) << prefix << value << " stands elsewhere";
            const GamePackage::Rgba look = package.picture(entry->pictures.at(0));
            EXPECT_EQ(look.width, bare.width) << prefix << value;
            EXPECT_EQ(look.height, bare.height) << prefix << value;
            EXPECT_NE(look.pixels, bare.pixels) << prefix << value << " looks unfurnished";
        }
    }
}

TEST(CampaignPictures, StoryPagesFollowOneAnotherAndFillTheScreen)
{
    const GamePackage package;
    const SpriteTable story = package.table("StoryBoard");
    const TableEntry* bg = story.find("bg");
    ASSERT_TRUE(bg);
    EXPECT_EQ(bg->pictures.at(0), "storyboard1_1");
    int pages = 0;
    while (package.item("storyboard1_" + std::to_string(pages + 1))) {
        ++pages;
        const GamePackage::Rgba page = package.picture("storyboard1_" + std::to_string(pages));
        ASSERT_EQ(page.width, 800);
        ASSERT_EQ(page.height, 600);
        int seeThrough = 0;
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                seeThrough += page.alpha(x, y) < 255;
        EXPECT_EQ(seeThrough, 0) << "page " << pages << " lets the screen behind show through";
    }
    EXPECT_GE(pages, 5);
    EXPECT_LE(pages, 8);
    EXPECT_FALSE(package.item("storyboard1_" + std::to_string(pages + 2)))
        << "a gap in the pages ends the story early";
}

// ---- The generator's pieces ---------------------------------------------------------------

TEST(CampaignTables, TheReaderTokenizesLikeTheLoader)
{
    const std::string text = "; comment\n<DATA> 1 2.9 -3 ; three numbers\n<sprites>\n"
                             "\"\" Sprite pic 4 5\n"
                             "b DialogSprite:+sub 0 0 800 600 1 0\n"
                             "c ButtonSprite sheet \"\" 7 8 <end> d Sprite x 1 1\n";
    const SpriteTable table = readSpriteTable(std::vector<uint8_t>(text.begin(), text.end()));
    EXPECT_EQ(table.data, (std::vector<int>{1, 2, -3}));
    ASSERT_EQ(table.sprites.size(), 3u);
    EXPECT_EQ(table.sprites[0].name, "");
    EXPECT_EQ(table.sprites[0].pictures, std::vector<std::string>{"pic"});
    EXPECT_EQ(table.sprites[1].classToken, "DialogSprite:+sub");
    EXPECT_EQ(table.sprites[1].numbers, (std::vector<int>{0, 0, 800, 600, 1, 0}));
    EXPECT_EQ(table.sprites[2].pictures, (std::vector<std::string>{"sheet", ""}));
    EXPECT_EQ(table.find("d"), nullptr) << "nothing after <end> is read";
}

TEST(CampaignKit, TextWrapsAtSpacesAndShrinksToFit)
{
    const Font font(style::bodyFont, 16);
    const std::string text = "Serve ten customers to pass the day";
    const int width = font.textWidth("Serve ten customers");
    const std::vector<std::string> lines = wrapLines(font, text, width);
    ASSERT_GE(lines.size(), 2u);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(font.textWidth(line), width) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    EXPECT_EQ(joined, text);
    EXPECT_EQ(wrapLines(font, "one\ntwo", 1000), (std::vector<std::string>{"one", "two"}));
    // A word wider than the line stays whole on a line of its own
    EXPECT_EQ(wrapLines(font, "a Wednesday b", 20), (std::vector<std::string>{"a", "Wednesday", "b"}));
    const int size = fittingSize(style::titleFont, "Fashion Boutique", 150, 30);
    EXPECT_LT(size, 30);
    EXPECT_LE(Font(style::titleFont, size).textWidth("Fashion Boutique"), 150);
    EXPECT_GT(Font(style::titleFont, size + 1).textWidth("Fashion Boutique"), 150);
}

TEST(CampaignKit, DaysToComeArePencilledInGreyKeepingTheirShape)
{
    Picture card(4, 1);
    card.ref(0, 0) = {0.9f, 0.1f, 0.1f, 1.0f}; // red
    card.ref(1, 0) = {0.05f, 0.2f, 0.05f, 0.5f}; // half-transparent green
    const Picture grey = greyed(card, 0.5f);
    for (int x = 0; x < 4; ++x) {
        const Rgba& p = grey.at(x, 0);
        EXPECT_EQ(p.a, card.at(x, 0).a) << x;
        EXPECT_FLOAT_EQ(p.r, p.g) << x;
        EXPECT_FLOAT_EQ(p.g, p.b) << x;
        EXPECT_LE(p.r, p.a) << "premultiplied colour stays within its alpha";
    }
    EXPECT_GT(grey.at(0, 0).r, greyed(card, 0.0f).at(0, 0).r) << "fading moves toward white";
    EXPECT_EQ(grey.at(2, 0).a, 0.0f);
}
