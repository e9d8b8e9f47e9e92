#include "SpriteTable.h"

#include <cstdio>
#include <sstream>

namespace contentgen {

void SpriteTable::comment(const std::string& text)
{
    lines_.push_back({true, text, 0});
}

void SpriteTable::add(SpriteEntry entry)
{
    lines_.push_back({false, "", entries_.size()});
    entries_.push_back(std::move(entry));
}

std::string SpriteTable::text(const std::string& header) const
{
    std::ostringstream out;
    out << header << "<sprites>\n";
    for (const Line& line : lines_) {
        if (line.isComment) {
            out << "; " << line.comment << "\n";
            continue;
        }
        const SpriteEntry& e = entries_[line.entry];
        std::string pictures;
        for (const std::string& p : e.pictures)
            pictures += (pictures.empty() ? "" : " ") + (p.empty() ? std::string("\"\"") : p);
        char head[200];
        const std::string name = e.name.empty() ? "\"\"" : e.name;
        std::snprintf(
            head, sizeof head, "%-22s %-18s %-24s", name.c_str(), e.className.c_str(), pictures.c_str());
        std::string row = head;
        for (int n : e.numbers)
            row += " " + std::to_string(n);
        while (!row.empty() && row.back() == ' ')
            row.pop_back();
        out << row << "\n";
    }
    out << "<end>\n";
    return out.str();
}

SpriteTable SpriteTable::withClasses(const std::function<SpriteEntry(const SpriteEntry&)>& convert) const
{
    SpriteTable copy;
    copy.lines_ = lines_;
    for (const SpriteEntry& e : entries_)
        copy.entries_.push_back(convert(e));
    return copy;
}

namespace {

int numberAt(const SpriteEntry& e, size_t i, int fallback = 0)
{
    return i < e.numbers.size() ? e.numbers[i] : fallback;
}

void drawCell(Picture& target, const Picture& sheet, int columns, int rows, int cell, int x, int y)
{
    const int w = sheet.width() / std::max(1, columns), h = sheet.height() / std::max(1, rows);
    target.draw(cropped(sheet, (cell % columns) * w, (cell / columns) * h, w, h), x, y);
}

// The digits of a number sprite as the engine lays them out: cells 5 to 14 are 0 to 9 and
// the time separator is cell 0, drawn half a cell wide.
void drawNumber(Picture& target, const Picture& digits, const SpriteEntry& e)
{
    const int cell = digits.width() / 15;
    const int value = numberAt(e, 3), format = numberAt(e, 4);
    std::vector<std::pair<int, int>> cells; // cell, width
    const std::string text = format == 3
        ? std::to_string(value / 60) + ":" + (value % 60 < 10 ? "0" : "") + std::to_string(value % 60)
        : std::to_string(value);
    int width = 0;
    for (char c : text) {
        cells.emplace_back(c == ':' ? 0 : 5 + (c - '0'), c == ':' ? (cell + 1) / 2 : cell);
        width += cells.back().second;
    }
    const int alignment = numberAt(e, 2);
    int x = alignment == 1 ? numberAt(e, 0) - width / 2
        : alignment == 2   ? numberAt(e, 0) - width
                           : numberAt(e, 0);
    for (const auto& [index, w] : cells) {
        const int offset = index == 0 ? (cell - w) / 2 : 0;
        target.draw(cropped(digits, index * cell + offset, 0, w, digits.height()), x, numberAt(e, 1));
        x += w;
    }
}

} // namespace

void SpriteTable::compose(
    Picture& target, const std::function<const Picture&(const std::string&)>& picture) const
{
    for (const SpriteEntry& e : entries_) {
        if (!e.shownAtStart || e.pictures.empty())
            continue;
        const std::string& c = e.className;
        if (c == "Sprite" || c == "ShopItemSprite") {
            target.draw(picture(e.pictures[0]), numberAt(e, 0), numberAt(e, 1));
        } else if (c == "AnimateSprite" && numberAt(e, 4, 0) >= 0) {
            drawCell(target, picture(e.pictures[0]), numberAt(e, 2, 1), numberAt(e, 3, 1), numberAt(e, 4, 0),
                numberAt(e, 0), numberAt(e, 1));
        } else if (c == "ButtonSprite") {
            const int state = numberAt(e, 7, 0);
            drawCell(target, picture(e.pictures[0]), numberAt(e, 2, 1), numberAt(e, 3, 1),
                state == 0 ? numberAt(e, 6) : numberAt(e, 5), numberAt(e, 0), numberAt(e, 1));
        } else if (c == "NumberSprite") {
            drawNumber(target, picture(e.pictures[0]), e);
        }
    }
}

} // namespace contentgen
