#include "Commands.h"

#include "Catalogue.h"
#include "SoundFile.h"

#include <fstream>
#include <set>
#include <stdexcept>

namespace contentgen {

namespace {

// "\n" in the source becomes a line feed; every other byte stays.
std::string unescape(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string trim(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    const size_t last = text.find_last_not_of(" \t\r");
    return first == std::string::npos ? "" : text.substr(first, last - first + 1);
}

} // namespace

int makeTexts(const std::string& outDir, const std::string& listPath, const std::string& textsPath, const std::string& cataloguePath)
{
    std::ifstream in(textsPath);
    if (!in)
        throw std::runtime_error("cannot read " + textsPath);
    std::ofstream list(listPath, std::ios::trunc);
    std::set<std::string> names;
    auto emit = [&](const std::string& name, const std::string& text, const std::string& where) {
        if (!names.insert(name).second)
            throw std::runtime_error(where + ": the text " + name + " is defined twice");
        const std::string path = outDir + "/" + name + ".txt";
        writeFile(path, Bytes(text.begin(), text.end()));
        list << "--text\n" << name << "=" << path << "\n";
    };
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (trim(line).empty() || line[0] == ';')
            continue;
        const size_t equals = line.find(" = ");
        const std::string where = textsPath + ":" + std::to_string(lineNumber);
        if (equals == std::string::npos || trim(line.substr(0, equals)).empty())
            throw std::runtime_error(where + ": expected NAME = text");
        emit(trim(line.substr(0, equals)), unescape(trim(line.substr(equals + 3))), where);
    }
    for (const Shop& shop : readCatalogue(cataloguePath)) {
        emit("SHOPNAME_" + std::to_string(shop.number), shop.title, cataloguePath);
        for (const CatalogueItem& item : shop.items)
            emit(itemTextName(item.shop, item.kind), item.text, cataloguePath + ":" + std::to_string(item.line));
    }
    return 0;
}

} // namespace contentgen
