// Problems found by the content checker, each with the source file and line it concerns.
#pragma once

#include <string>
#include <vector>

namespace contentcheck {

class Report {
public:
    void error(const std::string& where, int line, const std::string& what)
    {
        lines_.push_back(where + ":" + std::to_string(line) + ": error: " + what);
    }
    bool empty() const { return lines_.empty(); }
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

} // namespace contentcheck
