#include "NamesCheck.h"

#include "Png.h"

#include <fstream>
#include <sstream>

namespace contentcheck {

void checkNames(const std::string& namesPath, const Package& package, const TableFacts& facts, Report& report)
{
    std::ifstream in(namesPath);
    if (!in) {
        report.error(namesPath, 0, "cannot read the names list");
        return;
    }
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        std::istringstream words(line);
        std::string kind, name;
        if (!(words >> kind) || kind[0] == ';')
            continue;
        words >> name;
        if (name.empty()) {
            report.error(namesPath, lineNumber, "a " + kind + " without a name");
        } else if (kind == "sprite") {
            if (!facts.sprites.count(name))
                report.error(namesPath, lineNumber, "no table declares the sprite " + name);
        } else if (kind == "text" || kind == "item") {
            if (!package.has(name))
                report.error(namesPath, lineNumber, "the package has no " + kind + " " + name);
        } else if (kind == "picture") {
            const auto bytes = package.item(name);
            int w = 0, h = 0;
            std::vector<uint8_t> rgba;
            if (!bytes)
                report.error(namesPath, lineNumber, "the package has no picture " + name);
            else if (!contentgen::decodePng(*bytes, w, h, rgba))
                report.error(namesPath, lineNumber, "the picture " + name + " does not decode");
        } else if (kind == "sound" || kind == "data") {
            const int index = std::atoi(name.c_str());
            const int count = kind == "sound" ? facts.sounds : facts.data;
            if (index < 0 || index >= count)
                report.error(namesPath, lineNumber, "the top-level table has no " + kind + " entry " + name + " (it has " + std::to_string(count) + ")");
        } else {
            report.error(namesPath, lineNumber, "unknown kind " + kind);
        }
    }
}

} // namespace contentcheck
