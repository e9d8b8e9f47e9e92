// Walks the sprite tables of a package as the loader reads them (the top-level table and
// every sub-table a container names) and checks each entry: known class, number and
// picture counts, every picture and sound present and decodable, unique names. Collects
// the names and counts that the names list is compared with.
#pragma once

#include "ClassRules.h"
#include "Package.h"
#include "Report.h"

#include <set>
#include <string>

namespace contentcheck {

struct TableFacts {
    std::set<std::string> sprites;  // every sprite name of every table
    int sounds = 0;                 // entries of the top-level table's <sounds>
    int data = 0;
    int strings = 0;
};

class TableChecker {
public:
    TableChecker(const Package& package, const ClassRules& rules, Report& report)
        : package_(package), rules_(rules), report_(report) {}

    // Checks the table item (name without "+") and its sub-tables.
    void check(const std::string& tableItem, bool topLevel);
    const TableFacts& facts() const { return facts_; }

private:
    struct Entry;
    void checkEntry(const Entry& entry, const std::string& source);
    void checkPicture(const std::string& name, const std::string& source, int line, int* width = nullptr, int* height = nullptr,
                      std::vector<uint8_t>* rgba = nullptr);
    void checkSound(const std::string& token, const std::string& source, int line);
    void checkFont(const std::string& sheet, const std::string& metrics, const std::string& source, int line);

    const Package& package_;
    const ClassRules& rules_;
    Report& report_;
    TableFacts facts_;
    std::set<std::string> checkedTables_;
    std::set<std::string> checkedPictures_;
};

} // namespace contentcheck
