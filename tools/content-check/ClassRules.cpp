#include "ClassRules.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace contentcheck {

bool ClassRules::read(const std::string& path, Report& report)
{
    std::ifstream in(path);
    if (!in) {
        report.error(path, 0, "cannot read the class rules");
        return false;
    }
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (line.empty() || line[0] == ';')
            continue;
        std::istringstream words(line);
        std::string name, numbers, pictures, flag;
        words >> name >> numbers >> pictures;
        ClassRule rule;
        if (std::sscanf(numbers.c_str(), "numbers=%d..%d", &rule.minNumbers, &rule.maxNumbers) != 2
            || std::sscanf(pictures.c_str(), "pictures=%d..%d", &rule.minPictures, &rule.maxPictures) != 2) {
            report.error(path, lineNumber, "expected: Name numbers=MIN..MAX pictures=MIN..MAX [container] [font] [sheet]");
            continue;
        }
        while (words >> flag) {
            if (flag == "container") rule.container = true;
            else if (flag == "font") rule.font = true;
            else if (flag == "sheet") rule.sheet = true;
            else report.error(path, lineNumber, "unknown flag " + flag);
        }
        rules_[name] = rule;
    }
    return true;
}

const ClassRule* ClassRules::find(const std::string& name) const
{
    const auto found = rules_.find(name);
    return found == rules_.end() ? nullptr : &found->second;
}

} // namespace contentcheck
