// Test helpers: whole-file reads and writes, and package bytes laid out by hand (so that tests
// can also cut and corrupt them).
#pragma once

#include "support/TempFolder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace testing_support {

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void appendUint32(std::string& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>(value >> shift));
}

struct Item {
    std::string name;
    std::string bytes;
};

// A package of the items in order: first word, header block, count, directory, then the bytes.
inline std::string packageBytes(const std::vector<Item>& items, const std::string& headerBlock = "")
{
    size_t offset = 12 + headerBlock.size();
    for (const Item& item : items)
        offset += 1 + item.name.size() + 8;
    std::string out;
    appendUint32(out, 0x4B495032); // any first word is accepted
    appendUint32(out, static_cast<uint32_t>(headerBlock.size()));
    out += headerBlock;
    appendUint32(out, static_cast<uint32_t>(items.size()));
    for (const Item& item : items) {
        out.push_back(static_cast<char>(item.name.size()));
        out += item.name;
        appendUint32(out, static_cast<uint32_t>(offset));
        appendUint32(out, static_cast<uint32_t>(item.bytes.size()));
        offset += item.bytes.size();
    }
    for (const Item& item : items)
        out += item.bytes;
    return out;
}

} // namespace testing_support
