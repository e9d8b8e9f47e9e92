// kipto2-content-check: checks a data package against the names the code looks up and
// validates its sprite tables. Prints one "file:line: error: ..." per problem; exit 1 when
// there is any.
#include "ClassRules.h"
#include "NamesCheck.h"
#include "Package.h"
#include "TableChecker.h"

#include "lang/Exception.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char Usage[] =
    "usage: kipto2-content-check PACKAGE NAMES CLASSES [--list LIST]... [--table ITEM]...\n"
    "  NAMES    the names the code looks up (content/names.txt)\n"
    "  CLASSES  the classes tables may name, with their number and picture counts\n"
    "  LIST     package lists (NAME=PATH) that tell where each item came from\n"
    "  ITEM     further top-level tables to check besides \"datfile\"\n";

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fputs(Usage, stderr);
        return 2;
    }
    std::vector<std::string> lists, tables{"datfile"};
    for (int i = 4; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc || (option != "--list" && option != "--table")) {
            std::fputs(Usage, stderr);
            return 2;
        }
        (option == "--list" ? lists : tables).push_back(argv[++i]);
    }
    contentcheck::Report report;
    try {
        contentcheck::Package package(argv[1]);
        for (const std::string& list : lists)
            package.readList(list);
        contentcheck::ClassRules rules;
        rules.read(argv[3], report);
        contentcheck::TableChecker tables_(package, rules, report);
        for (size_t i = 0; i < tables.size(); ++i)
            tables_.check(tables[i], i == 0);
        contentcheck::checkNames(argv[2], package, tables_.facts(), report);
    } catch (lang::Exception* e) {
        std::fprintf(stderr, "kipto2-content-check: %s\n", e->getMessage().c_str());
        e->release();
        return 1;
    }
    for (const std::string& line : report.lines())
        std::fprintf(stderr, "%s\n", line.c_str());
    return report.empty() ? 0 : 1;
}
