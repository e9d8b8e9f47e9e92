#include "Catalogue.h"

#include "Text.h"

#include <cstdio>
#include <fstream>
#include <map>
#include <stdexcept>

namespace contentgen {

namespace {

[[noreturn]] void fail(const std::string& path, int line, const std::string& what)
{
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + what);
}

int typeOf(const std::string& text)
{
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon + 2 != text.size())
        return 0;
    const char digit = text[colon + 1];
    return digit >= '1' && digit <= '4' ? digit - '0' : 0;
}

} // namespace

std::vector<Shop> readCatalogue(const std::string& path)
{
    std::ifstream in(path);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    std::vector<Shop> shops;
    std::map<uint32_t, int> seen; // emoji of the current shop -> line
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            int number = 0;
            char close = 0;
            if (std::sscanf(line.c_str(), "[shop %d%c", &number, &close) != 2 || close != ']' || number != int(shops.size()) + 1)
                fail(path, lineNumber, "expected the header of shop " + std::to_string(shops.size() + 1));
            shops.push_back({number, line.substr(line.find(']') + 1), {}});
            seen.clear(); // a picture is unique within its shop; shops may share goods
            if (!shops.back().title.empty() && shops.back().title[0] == ' ')
                shops.back().title.erase(0, 1);
            continue;
        }
        const size_t tab = line.find('\t');
        if (shops.empty() || tab == std::string::npos)
            fail(path, lineNumber, "expected an emoji, a tab and the item's text");
        const std::vector<uint32_t> emoji = utf8Codepoints(line.substr(0, tab));
        CatalogueItem item;
        item.shop = shops.back().number;
        item.kind = int(shops.back().items.size()) + 1;
        item.codepoint = emoji.empty() ? 0 : emoji[0];
        item.text = line.substr(tab + 1);
        item.line = lineNumber;
        if (item.codepoint < 0x80)
            fail(path, lineNumber, "no emoji before the tab");
        if (typeOf(item.text) == 0)
            fail(path, lineNumber, "the text must end in \":1\" to \":4\" (the item type)");
        if (const auto earlier = seen.find(item.codepoint); earlier != seen.end())
            fail(path, lineNumber, "this emoji is already used on line " + std::to_string(earlier->second));
        seen[item.codepoint] = lineNumber;
        shops.back().items.push_back(item);
    }
    if (shops.size() != 12)
        fail(path, lineNumber, "the catalogue needs twelve shops, has " + std::to_string(shops.size()));
    return shops;
}

std::string itemPictureName(int shop, int kind)
{
    char name[32];
    std::snprintf(name, sizeof name, "item%02d_%02d", shop, kind);
    return name;
}

std::string itemTextName(int shop, int kind) { return "ITEM_" + std::to_string(shop) + "_" + std::to_string(kind); }

} // namespace contentgen
