#include "CampaignPreview.h"

#include "Rng.h"
#include "SoundFile.h"
#include "SpriteTableReader.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace contentgen {

namespace {

// One state of a screen as a table: copies of the game's entries, buttons standing on the
// cell of their state, everything hidden by the game left out.
class StateTable {
public:
    void copy(const TableEntry& entry) { line(entry.name, entry.classToken, entry.pictures, entry.numbers); }

    // A sheet sprite standing on one cell; x and y default to the entry's own.
    void frame(const TableEntry& entry, int cell, int x, int y)
    {
        const int columns = entry.numbers.size() > 3 ? entry.numbers[2] : 1,
                  rows = entry.numbers.size() > 3 ? entry.numbers[3] : 1;
        line("", "AnimateSprite", entry.pictures, {x, y, columns, rows, cell});
    }
    void frame(const TableEntry& entry, int cell) { frame(entry, cell, entry.numbers[0], entry.numbers[1]); }
    void picture(const std::string& picture, int x, int y) { line("", "Sprite", {picture}, {x, y}); }

    std::string text() const { return "<sprites>\n" + out_.str() + "<end>\n"; }

private:
    void line(const std::string& name, const std::string& className, const std::vector<std::string>& pictures,
        const std::vector<int>& numbers)
    {
        out_ << (name.empty() ? "\"\"" : name) << " " << className;
        for (const std::string& p : pictures)
            out_ << " " << (p.empty() ? "\"\"" : p);
        for (int n : numbers)
            out_ << " " << n;
        out_ << "\n";
    }

    std::ostringstream out_;
};

const TableEntry& entryOf(const SpriteTable& table, const std::string& name)
{
    const TableEntry* entry = table.find(name);
    if (!entry)
        throw std::runtime_error("the preview needs the sprite " + name);
    return *entry;
}

// ---- Calendar ---------------------------------------------------------------------------

struct Layout {
    std::array<std::pair<int, int>, 7> cells, circles;
    std::array<std::array<int, 7>, 12> grid{};

    explicit Layout(const std::vector<int>& data)
    {
        if (data.size() != 140)
            throw std::runtime_error(
                "the calendar's <data> holds " + std::to_string(data.size()) + " numbers, not 140");
        for (int c = 0; c < 7; ++c) {
            cells[size_t(c)] = {data[size_t(c * 2)], data[size_t(c * 2 + 1)]};
            circles[size_t(c)] = {data[size_t(14 + c * 2)], data[size_t(14 + c * 2 + 1)]};
        }
        for (int w = 0; w < 12; ++w)
            for (int c = 0; c < 7; ++c)
                grid[size_t(w)][size_t(c)] = data[size_t(28 + w * 7 + c)];
    }

    int day(int week, int column) const
    {
        int count = 0;
        for (int w = 1; w <= week; ++w)
            for (int c = 0; c < 7 && (w < week || c <= column); ++c)
                count += grid[size_t(w)][size_t(c)] == grid[size_t(week)][size_t(column)];
        return count;
    }
};

struct CalendarState {
    std::string name;
    int page, reachedWeek, reachedCell, selected;
};

// A best count for every passed day, from 10 to 15, so that all three badges show.
int bestServed(int shop, int day)
{
    return 10 + (shop * 3 + day * 2) % 6;
}

std::string calendarState(const SpriteTable& table, const CalendarState& state)
{
    const Layout layout(table.data);
    auto before = [&](int w, int c) {
        return w < state.reachedWeek || (w == state.reachedWeek && c < state.reachedCell);
    };
    auto reached
        = [&](int w, int c) { return before(w, c) || (w == state.reachedWeek && c == state.reachedCell); };
    auto announced = [&](int shop) {
        if (shop == 11 || shop == 13)
            return true;
        for (int w = 1; w <= 11; ++w)
            for (int c = 0; c < 7; ++c)
                if (layout.grid[size_t(w)][size_t(c)] == (shop == 12 ? 14 : shop) && reached(w, c))
                    return true;
        return false;
    };
    const auto& row = layout.grid[size_t(state.page)];
    const int selectedShop = row[size_t(state.selected)];
    const int selectedDay = layout.day(state.page, state.selected);
    const bool passedDay = selectedShop <= 12 && before(state.page, state.selected);
    const std::pair<int, int> cell0 = layout.cells[0];
    const std::map<int, int> doodles = {{1, 3}, {3, 2}, {5, 4}, {6, 0}, {9, 3}, {11, 4}};

    StateTable out;
    for (const TableEntry& e : table.sprites) {
        const std::string& n = e.name;
        if (n == "bg" || n == "menu_button") {
            n == "bg" ? out.copy(e) : out.frame(e, 0);
        } else if (n == "week_numbers") {
            out.frame(e, state.page - 1);
        } else if (n == "buttonshop14") { // after the last template: the page's cards
            for (int c = 0; c < 7; ++c) {
                const int shop = row[size_t(c)];
                if (shop != 0 && announced(shop))
                    out.frame(entryOf(table, "buttonshop" + std::to_string(shop)),
                        reached(state.page, c) ? 0 : 3, layout.cells[size_t(c)].first,
                        layout.cells[size_t(c)].second);
            }
        } else if (n == "CalendarTabs") {
            out.frame(e, state.page - 1);
            const TableEntry& stars = entryOf(table, "stars");
            for (int c = 0; c < 7; ++c) {
                const int shop = row[size_t(c)];
                if (shop == 0 || shop > 12 || !before(state.page, c))
                    continue;
                const int best = bestServed(shop, layout.day(state.page, c));
                out.frame(stars,
                    best < 13       ? 0
                        : best < 15 ? 1
                                    : 2,
                    layout.cells[size_t(c)].first + 135, layout.cells[size_t(c)].second + 74);
            }
        } else if (n == "doodle_strip" && doodles.count(state.page)) {
            const int c = doodles.at(state.page);
            int frame = 0;
            for (const auto& [page, cell] : doodles)
                frame += page < state.page;
            out.frame(e, frame, e.numbers[0] - cell0.first + layout.cells[size_t(c)].first,
                e.numbers[1] - cell0.second + layout.cells[size_t(c)].second);
        } else if (n == "marker_circle" && state.page == state.reachedWeek) {
            out.picture(e.pictures[0], layout.circles[size_t(state.reachedCell)].first,
                layout.circles[size_t(state.reachedCell)].second);
        } else if (n == "marker_idle") {
            out.frame(e, 0, e.numbers[0] - cell0.first + layout.cells[size_t(state.selected)].first,
                e.numbers[1] - cell0.second + layout.cells[size_t(state.selected)].second);
        } else if (n == "notes_days") {
            out.frame(e, state.selected);
        } else if (n == "notes_shops") {
            out.frame(e, selectedShop - 1);
        } else if ((n == "ItemsFound" || n == "notes_itemNumbers") && passedDay) {
            n == "ItemsFound" ? out.copy(e) : out.frame(e, bestServed(selectedShop, selectedDay));
        } else if (n == "play_button" && selectedShop <= 12 && !passedDay) {
            out.frame(e, 0);
        } else if (n == "replaybtn" && passedDay) {
            out.frame(e, 0);
        } else if (n == "upgradebtn" && selectedShop > 12) {
            out.frame(e, 0);
        } else if (n == "arrow_left") {
            out.frame(e, state.page == 1 ? 3 : 0);
        } else if (n == "arrow_right") {
            out.frame(e, state.page == state.reachedWeek ? 3 : 0);
        }
    }
    return out.text();
}

// ---- Upgrade screen ---------------------------------------------------------------------

struct UpgradeState {
    std::string name;
    int level; // visit - 1; 6 is the final celebration
    int current; // slot being edited, 0-based
    std::array<int, 6> values;
};

std::string upgradeState(const SpriteTable& table, const UpgradeState& state)
{
    const bool final = state.level == 6;
    const int chosen = final ? 0 : state.values[size_t(state.current)];
    StateTable out;
    for (const TableEntry& e : table.sprites) {
        const std::string& n = e.name;
        int slot = 0, value = 0;
        if (std::sscanf(n.c_str(), "myshop_upgrade_B_%d_%d", &slot, &value) == 2) {
            if (state.values[size_t(slot - 1)] == value)
                out.copy(e);
        } else if (std::sscanf(n.c_str(), "btnupgrade%d", &slot) == 1) {
            if (!final)
                out.frame(e, slot == state.current + 1 ? 4 : slot <= state.level + 1 ? 0 : 3);
        } else if (std::sscanf(n.c_str(), "upgrade%d-%d", &slot, &value) == 2) {
            if (!final && slot == state.current + 1)
                out.frame(e, state.values[size_t(slot - 1)] == value ? 4 : 0);
        } else if (n == "bg" || (n == "upgrade_list" && !final) || (n == "congrats_overlay" && final)
            || (n == "txtboxfinal" && final)) {
            out.copy(e);
        } else if (n == "txtbox1" && !final && state.current == state.level && chosen == 0) {
            out.frame(e, state.level);
        } else if (n == "nextbutton" && (final || chosen != 0)) {
            out.frame(e, 0);
        } else if (n == "Twinkles" && chosen != 0) {
            // A few sparkles over the newest choice, as the screen scatters them
            const TableEntry& changed = entryOf(table,
                "myshop_upgrade_B_" + std::to_string(state.current + 1) + "_" + std::to_string(chosen));
            for (int i = 0; i < 4; ++i)
                out.frame(e, 2 + i, changed.numbers[0] + 10 + i * 37, changed.numbers[1] + (i % 2) * 28);
        }
        if (n == "congrats_overlay" && final) { // the confetti falls just above the overlay
            Rng rng(7);
            for (int i = 0; i < 160; ++i) {
                const int r = rng.below(101), kind = r > 90 ? 3 : r > 65 ? 1 : 2;
                out.frame({"", "AnimateSprite", {"iconfetti" + std::to_string(kind)}, {0, 0, 14, 1}},
                    rng.below(14), 12 + rng.below(770), 12 + rng.below(570));
            }
        }
    }
    return out.text();
}

// ---- Story board ------------------------------------------------------------------------

std::string storyState(const SpriteTable& table, int page)
{
    StateTable out;
    for (const TableEntry& e : table.sprites) {
        if (e.name == "bg")
            out.picture("storyboard1_" + std::to_string(page), e.numbers[0], e.numbers[1]);
        else if (e.name == "nextbutton")
            out.frame(e, 0);
    }
    return out.text();
}

void writeText(const std::string& path, const std::string& text)
{
    writeFile(path, Bytes(text.begin(), text.end()));
}

} // namespace

void writeCampaignPreview(const std::string& folder, const std::string& tablesDir, int storyPages)
{
    std::filesystem::create_directories(folder);
    const SpriteTable calendar = readSpriteTableFile(tablesDir + "/Calendar.txt");
    const SpriteTable upgrade = readSpriteTableFile(tablesDir + "/UpgradeMyShop.txt");
    const SpriteTable story = readSpriteTableFile(tablesDir + "/StoryBoard.txt");

    std::vector<std::pair<std::string, std::string>> states;
    for (const CalendarState& s : {CalendarState{"calendar_first", 1, 1, 0, 0},
             CalendarState{"calendar_middle", 5, 5, 3, 3}, CalendarState{"calendar_browse", 4, 5, 3, 4},
             CalendarState{"calendar_upgrade", 6, 6, 0, 0}, CalendarState{"calendar_last", 11, 11, 6, 6}})
        states.emplace_back(s.name, calendarState(calendar, s));
    for (const UpgradeState& s : {UpgradeState{"upgrade_first", 0, 0, {0, 0, 0, 0, 0, 0}},
             UpgradeState{"upgrade_fourth", 3, 3, {1, 2, 3, 2, 0, 0}},
             UpgradeState{"upgrade_sixth", 5, 5, {2, 3, 1, 1, 3, 2}},
             UpgradeState{"upgrade_again", 5, 2, {3, 1, 2, 3, 1, 1}},
             UpgradeState{"upgrade_final", 6, 6, {1, 2, 3, 2, 2, 3}}})
        states.emplace_back(s.name, upgradeState(upgrade, s));
    for (int page = 1; page <= storyPages; ++page)
        states.emplace_back("story_" + std::to_string(page), storyState(story, page));

    // The menu: every state a hidden nested dialog, opened and closed by invisible buttons
    // in the top-left corner (two rows of 6-pixel squares) that only the script clicks.
    std::ostringstream menu, list, script;
    menu << "<sprites>\n";
    list << "datfile=" << folder << "/datfile.txt\npreview_menu=" << folder << "/preview_menu.txt\n";
    script << "# Generated by kipto2-content-gen campaign: opens each preview state and screenshots "
              "it.\nwait_ready 60\nwait 5\n";
    for (const auto& [name, text] : states) {
        writeText(folder + "/" + name + ".txt", text);
        list << name << "=" << folder << "/" << name << ".txt\n";
        menu << name << " DialogSprite:+" << name << " 0 0 800 600 0 0\n";
    }
    for (size_t i = 0; i < states.size(); ++i) {
        const int x = 2 + int(i) * 8;
        menu << "open_" << states[i].first << " RectButtonSprite " << x << " 0 6 6 1\n";
        menu << "close_" << states[i].first << " RectButtonSprite " << x << " 8 6 6 1\n";
        script << "click " << x + 3 << " 3\nwait 12\nexpect_visible Preview." << states[i].first
               << "\nscreenshot " << states[i].first << ".png\nclick " << x + 3 << " 11\nwait 12\n";
    }
    menu << "<end>\n";
    script << "close\nexpect_exit 0\n";
    writeText(folder + "/preview_menu.txt", menu.str());
    writeText(
        folder + "/datfile.txt", "<sprites>\nPreview HarnessDialog:+preview_menu 0 0 800 600 0 1\n<end>\n");
    writeText(folder + "/preview.list", list.str());
    writeText(folder + "/preview.script", script.str());
}

} // namespace contentgen
