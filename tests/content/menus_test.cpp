// The menu screens' tables and pictures fit together: dialogs hold their children, knobs run
// on their grooves, the profile rows' names sit on their rows, the frames the tables and the
// game ask for exist, and the start sign's button covers its board. Also the drawing kit's
// text wrapping and picture transforms.
#include "MainMenuArt.h"
#include "MenuKit.h"
#include "Png.h"
#include "Style.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

using namespace contentgen;

namespace {

const std::string Source = KIPTO2_CONTENT_SOURCE;
const std::string Build = KIPTO2_CONTENT_BUILD;

struct Entry {
    std::string name, className, subTable;
    std::vector<std::string> pictures;
    std::vector<int> numbers;
    int number(size_t i) const { return i < numbers.size() ? numbers[i] : -1; }
};

struct Table {
    std::vector<int> data;
    std::vector<Entry> entries;
    const Entry& at(const std::string& name) const
    {
        for (const Entry& e : entries)
            if (e.name == name)
                return e;
        throw std::runtime_error("no entry " + name);
    }
};

bool isNumber(const std::string& token)
{
    return !token.empty()
        && (std::isdigit(static_cast<unsigned char>(token[0])) || token[0] == '-' || token[0] == '.');
}

// The table's tokens read as the loader reads them (the tables here use no quotes).
Table readTable(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> tokens;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line.substr(0, line.find(';')));
        for (std::string word; words >> word;)
            tokens.push_back(word);
    }
    Table table;
    std::string section;
    for (size_t i = 0; i < tokens.size();) {
        if (tokens[i][0] == '<') {
            section = tokens[i++];
        } else if (section == "<data>") {
            table.data.push_back(std::stoi(tokens[i++]));
        } else if (section == "<sprites>") {
            Entry e;
            e.name = tokens[i++];
            const std::string classToken = tokens[i++];
            e.className = classToken.substr(0, classToken.find(':'));
            if (classToken.find(":+") != std::string::npos)
                e.subTable = classToken.substr(classToken.find(":+") + 2);
            while (i < tokens.size() && !isNumber(tokens[i]) && tokens[i][0] != '<')
                e.pictures.push_back(tokens[i++]);
            while (i < tokens.size() && isNumber(tokens[i]))
                e.numbers.push_back(int(std::trunc(std::stod(tokens[i++]))));
            table.entries.push_back(e);
        } else {
            ++i;
        }
    }
    return table;
}

Table subTable(const std::string& name)
{
    return readTable(Source + "/tables/" + name + ".txt");
}

// Width and height of a generated picture (menus, then the UI kit).
std::pair<int, int> pictureSize(const std::string& name)
{
    std::string path = Build + "/menus/" + name + ".png";
    if (!std::filesystem::exists(path))
        path = Build + "/ui/" + name + ".png";
    int w = 0, h = 0;
    readPngRgba(path, w, h);
    return {w, h};
}

bool isSheet(const Entry& e)
{
    return e.className == "AnimateSprite" || e.className == "ButtonSprite";
}

// The rectangle an entry covers, when its size is known from its picture or its numbers.
bool extent(const Entry& e, int& x, int& y, int& w, int& h)
{
    x = e.number(0), y = e.number(1);
    if (e.className == "RectSprite" || e.className == "RectButtonSprite" || !e.subTable.empty()) {
        w = e.number(2), h = e.number(3);
        return true;
    }
    if (e.pictures.empty() || (e.className != "Sprite" && !isSheet(e)))
        return false;
    const auto [pw, ph] = pictureSize(e.pictures[0]);
    w = isSheet(e) ? pw / std::max(1, e.number(2)) : pw;
    h = isSheet(e) ? ph / std::max(1, e.number(3)) : ph;
    return true;
}

int cellCount(const Entry& e)
{
    return std::max(1, e.number(2)) * std::max(1, e.number(3));
}

// Every dialog of the menus with its sub-table: the top-level ones and the nested ones.
std::vector<std::pair<Entry, Table>> menuDialogs()
{
    const char* screens[] = {"MainMenuDlg", "BlitzMode", "MiniMenuDlg", "ShopUnlockDlg", "ProfileList",
        "ProfilePrompt", "Options", "Instructions"};
    const Table top = readTable(Source + "/datfile.txt");
    std::vector<std::pair<Entry, Table>> dialogs;
    for (const char* name : screens)
        dialogs.emplace_back(top.at(name), subTable(top.at(name).subTable));
    for (size_t i = 0; i < dialogs.size(); ++i)
        for (const Entry& child : dialogs[i].second.entries)
            if (!child.subTable.empty())
                dialogs.emplace_back(child, subTable(child.subTable));
    return dialogs;
}

} // namespace

TEST(MenuTables, ChildrenLieInsideTheirDialogs)
{
    // A dialog clips its children to its bounds: a child reaching outside is cut off.
    int checked = 0;
    for (const auto& [dialog, table] : menuDialogs())
        for (const Entry& child : table.entries) {
            int x, y, w, h;
            if (!extent(child, x, y, w, h))
                continue;
            EXPECT_TRUE(x >= 0 && y >= 0 && x + w <= dialog.number(2) && y + h <= dialog.number(3))
                << dialog.name << "." << child.name << " covers (" << x << ", " << y << ", " << w << ", " << h
                << ")";
            ++checked;
        }
    EXPECT_GT(checked, 200);
}

TEST(MenuTables, FramesTheTablesAndTheGameShowExist)
{
    for (const auto& [dialog, table] : menuDialogs())
        for (const Entry& e : table.entries) {
            if (!isSheet(e))
                continue;
            // Buttons: hover, normal, disabled and the selected cell; animations: the first frame.
            const std::vector<size_t> frameNumbers
                = e.className == "ButtonSprite" ? std::vector<size_t>{4, 5, 6, 8} : std::vector<size_t>{4};
            for (size_t i : frameNumbers) {
                if (e.numbers.size() > i && e.number(i) != -1) {
                    EXPECT_LT(e.number(i), cellCount(e)) << dialog.name << "." << e.name << " number " << i;
                }
            }
        }
    // Frames the game shows by number.
    EXPECT_GE(cellCount(subTable("ShopUnlockDlg").at("ShopIcon")), 14); // shops, Blitz, decorating
    EXPECT_GE(cellCount(subTable("BlitzTimes").at("shoptimetitles")), 12);
    EXPECT_GE(cellCount(subTable("BlitzTimes").at("modetitles")), 2);
    EXPECT_GE(cellCount(subTable("BlitzMode").at("star_12_5")), 4);
    EXPECT_GE(cellCount(subTable("MainMenuDlg").at("rattle")), 2);
    // The selected look is a cell of its own wherever a button can be selected.
    for (const char* name : {"bprofilename1", "bprofilename5"})
        EXPECT_EQ(subTable("ProfileList").at(name).numbers.size(), 9u) << name;
    for (const char* name : {"blitzshop1", "blitzshop12", "btn_timeGlobal", "btn_timeLocal"})
        EXPECT_EQ(subTable("BlitzTimes").at(name).numbers.size(), 9u) << name;
}

TEST(MenuTables, InstructionPagesRunWithoutAGap)
{
    // The dialog counts pages "pg1", "pg2", ... up to the first missing number.
    const Table table = subTable("Instructions");
    int pages = 0;
    for (const Entry& e : table.entries)
        if (e.name.rfind("pg", 0) == 0) {
            ++pages;
            EXPECT_EQ(e.name, "pg" + std::to_string(pages)) << "pages out of order or with a gap";
            EXPECT_EQ(e.numbers, table.at("pg1").numbers) << e.name << " is not where page 1 is";
        }
    EXPECT_GE(pages, 4);
}

TEST(MenuTables, OptionsKnobsTravelTheirGrooves)
{
    const Table table = subTable("Options");
    ASSERT_EQ(table.data.size(), 4u) << "effects x and y, music x and y";
    const struct {
        const char* knob;
        const char* groove;
        int left, y;
    } sliders[] = {{"butfxknob", "fxtrack", table.data[0], table.data[1]},
        {"butmuknob", "mutrack", table.data[2], table.data[3]}};
    for (const auto& s : sliders) {
        const Entry& knob = table.at(s.knob);
        const Entry& groove = table.at(s.groove);
        int kx, ky, kw, kh, gx, gy, gw, gh;
        ASSERT_TRUE(extent(knob, kx, ky, kw, kh) && extent(groove, gx, gy, gw, gh));
        EXPECT_EQ(ky, s.y) << s.knob;
        EXPECT_TRUE(kx >= s.left && kx <= s.left + 255) << s.knob << " starts off its groove";
        // The knob's left edge runs over 256 positions, so the groove is that much wider than it.
        EXPECT_EQ(gx, s.left) << s.groove;
        EXPECT_EQ(gw, 256 + kw) << s.groove;
        EXPECT_LE(std::abs((gy + gh / 2) - (ky + kh / 2)), 1) << s.knob << " does not sit on its groove";
    }
}

TEST(MenuTables, ProfileRowNamesSitOnTheirRows)
{
    const Table table = subTable("ProfileList");
    ASSERT_EQ(table.data.size(), 10u) << "centre x and top y of five names";
    // The names are copies of "message": its font's line height is the name's height.
    const Table datfile = readTable(Source + "/datfile.txt");
    const Entry& message = datfile.at("message");
    int mw = 0, mh = 0;
    const std::vector<uint8_t> metrics
        = readPngRgba(Build + "/menus/" + message.pictures[1] + ".png", mw, mh);
    const int lineHeight = int(uint32_t(metrics[3 * 4 + 3]) << 24 | uint32_t(metrics[3 * 4]) << 16
        | uint32_t(metrics[3 * 4 + 1]) << 8 | metrics[3 * 4 + 2]);
    ASSERT_GT(lineHeight, 10);
    for (int row = 0; row < 5; ++row) {
        int x, y, w, h;
        ASSERT_TRUE(extent(table.at("bprofilename" + std::to_string(row + 1)), x, y, w, h));
        const int centre = table.data[size_t(row) * 2], top = table.data[size_t(row) * 2 + 1];
        EXPECT_EQ(centre, x + w / 2) << "row " << row + 1;
        EXPECT_TRUE(top >= y && top + lineHeight <= y + h)
            << "row " << row + 1 << ": the name spills off its plate";
    }
}

TEST(MenuTables, StartButtonCoversTheSignBoardAtRest)
{
    const Table table = subTable("MainMenuDlg");
    const Entry& rattle = table.at("rattle");
    for (const char* name : {"burst1", "burst2"}) // the sign does not jump between the sheets
        EXPECT_EQ(std::vector<int>(table.at(name).numbers.begin(), table.at(name).numbers.begin() + 2),
            std::vector<int>(rattle.numbers.begin(), rattle.numbers.begin() + 2))
            << name;
    const Entry& button = table.at("buttonstartNEW");
    EXPECT_EQ(std::vector<int>(button.numbers.begin(), button.numbers.begin() + 4),
        (std::vector<int>{rattle.number(0) + SignCell::BoardX, rattle.number(1) + SignCell::BoardY,
            SignCell::BoardW, SignCell::BoardH}));
    // Frame 0 hangs straight below the hook; a frame of the swing does not.
    const Picture sheet = readPngPicture(Build + "/menus/" + rattle.pictures[0] + ".png");
    auto balance = [&](int frame) {
        double mass = 0, moment = 0;
        for (int y = 0; y < SignCell::Height; ++y)
            for (int x = 0; x < SignCell::Width; ++x) {
                const float a = sheet.at(frame * SignCell::Width + x, y).a;
                mass += a;
                moment += a * x;
            }
        return moment / mass - SignCell::HookX;
    };
    EXPECT_LT(std::fabs(balance(0)), 1.0);
    EXPECT_GT(std::fabs(balance(2)), 2.0);
}

TEST(MenuKit, WrapLinesKeepsWordsAndWidth)
{
    const Font font(style::bodyFont, 17);
    const std::string text
        = "Customers come in one by one, each with a wish in a thought bubble.\nFind the wished items.";
    const std::vector<std::string> lines = wrapLines(font, text, 200);
    std::string joined;
    for (const std::string& line : lines) {
        EXPECT_LE(font.textWidth(line), 200) << line;
        joined += (joined.empty() ? "" : " ") + line;
    }
    std::string expected = text;
    std::replace(expected.begin(), expected.end(), '\n', ' ');
    EXPECT_EQ(joined, expected);
    EXPECT_EQ(lines.back(), "Find the wished items.") << "a line feed starts a new line";
    // A word wider than the width stands alone rather than vanishing.
    EXPECT_EQ(wrapLines(font, "Supercalifragilistic ok", 40),
        (std::vector<std::string>{"Supercalifragilistic", "ok"}));
}

TEST(MenuKit, TransformTurnsAboutThePivot)
{
    Picture source(40, 20);
    source.ref(5, 3) = {1, 0, 0, 1}; // one red pixel near the top left
    const Picture same = transformed(source, 40, 20, 20, 10, 20, 10, 1, 1, 0);
    EXPECT_NEAR(same.at(5, 3).a, 1.0f, 0.02f);
    // Half a turn about the middle sends it to the mirrored place; a move of the pivot shifts it.
    const Picture turned = transformed(source, 40, 20, 20, 10, 20, 10, 1, 1, 180);
    EXPECT_NEAR(turned.at(34, 16).a, 1.0f, 0.02f);
    EXPECT_NEAR(turned.at(5, 3).a, 0.0f, 0.02f);
    const Picture moved = transformed(source, 40, 20, 20, 10, 23, 12, 1, 1, 0);
    EXPECT_NEAR(moved.at(8, 5).a, 1.0f, 0.02f);
    // Squeezed to half its width about the middle: x 5 goes to 12.5, spread over two columns.
    const Picture squeezed = transformed(source, 40, 20, 20, 10, 20, 10, 0.5f, 1, 0);
    EXPECT_NEAR(squeezed.at(12, 3).a + squeezed.at(13, 3).a, 0.5f, 0.05f);
}
