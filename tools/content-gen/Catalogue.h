// The item catalogue source (content/items.txt): twelve shops of items, each item an emoji
// and its package text "singular*plural:type".
#pragma once

#include <string>
#include <vector>

namespace contentgen {

struct CatalogueItem {
    int shop = 0;
    int kind = 0;            // 1-based position within its shop
    uint32_t codepoint = 0;  // the emoji
    std::string text;        // "singular*plural:type"
    int line = 0;            // in the source, for messages
};

struct Shop {
    int number = 0;
    std::string title;
    std::vector<CatalogueItem> items;
};

// Reads the catalogue; throws std::runtime_error naming the file and line of a bad entry
// (unknown shop header, missing type, type outside 1 to 4, an emoji used twice in one shop).
std::vector<Shop> readCatalogue(const std::string& path);

std::string itemPictureName(int shop, int kind); // "item01_05"
std::string itemTextName(int shop, int kind);    // "ITEM_1_5"

} // namespace contentgen
