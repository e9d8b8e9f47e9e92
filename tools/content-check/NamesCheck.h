// Compares the package with the list of names the code looks up (content/names.txt):
// "sprite NAME", "text NAME", "item NAME", "picture NAME", "sound INDEX", "data INDEX".
#pragma once

#include "Package.h"
#include "Report.h"
#include "TableChecker.h"

#include <string>

namespace contentcheck {

void checkNames(const std::string& namesPath, const Package& package, const TableFacts& facts, Report& report);

} // namespace contentcheck
