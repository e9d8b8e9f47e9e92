// What each sprite class named in a table expects of its entry: how many numbers and
// pictures, and whether it is a container that may name a sub-table. Read from
// content/classes.txt; a class missing from it is not registered for tables.
#pragma once

#include "Report.h"

#include <map>
#include <string>

namespace contentcheck {

struct ClassRule {
    int minNumbers = 0, maxNumbers = 0;
    int minPictures = 0, maxPictures = 0;
    bool container = false;
    bool font = false;   // pictures are glyph sheet and metrics pairs
    bool sheet = false;  // numbers 3 and 4 are the columns and rows of the first picture
};

class ClassRules {
public:
    // Lines: "Name numbers=MIN..MAX pictures=MIN..MAX [container] [font] [sheet]".
    bool read(const std::string& path, Report& report);
    const ClassRule* find(const std::string& name) const;

private:
    std::map<std::string, ClassRule> rules_;
};

} // namespace contentcheck
