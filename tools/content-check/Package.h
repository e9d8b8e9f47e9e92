// The package under check: its items as the game reads them, and where each item came
// from (the generator's and the table lists map item names to source files).
#pragma once

#include "lang/Ref.h"
#include "lang/ResourceFileHeader.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace contentcheck {

class Package {
public:
    // Throws lang::Exception when the file is not a readable package.
    explicit Package(const std::string& path);

    std::optional<std::vector<uint8_t>> item(const std::string& name) const;
    bool has(const std::string& name) const { return item(name).has_value(); }

    // Reads a package list ("NAME=PATH" lines, "--text" lines ignored) to learn the source
    // of each item.
    void readList(const std::string& listPath);
    // The source file of an item, or the item's own name when no list mentions it.
    std::string sourceOf(const std::string& name) const;

private:
    lang::Ref<lang::ResourceFileHeader> header_;
    std::map<std::string, std::string> sources_;
};

} // namespace contentcheck
