// Reads a sprite table the way the engine's loader tokenizes it: the <data> numbers and the
// <sprites> entries (name, class token, pictures, numbers). The campaign preview rebuilds
// screens from the game's tables with it, and the content tests read the calendar's layout.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace contentgen {

struct TableEntry {
    std::string name;
    std::string classToken;
    std::vector<std::string> pictures;
    std::vector<int> numbers;
};

struct SpriteTable {
    std::vector<int> data;
    std::vector<TableEntry> sprites;

    // The entry of that name, or none.
    const TableEntry* find(const std::string& name) const;
};

SpriteTable readSpriteTable(const std::vector<uint8_t>& bytes);
// Throws std::runtime_error when the file cannot be read.
SpriteTable readSpriteTableFile(const std::string& path);

} // namespace contentgen
