#include "SpriteTableReader.h"

#include "io/ByteArrayInputStream.h"
#include "io/StreamTokenizer.h"
#include "lang/Ref.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace contentgen {

const TableEntry* SpriteTable::find(const std::string& name) const
{
    for (const TableEntry& entry : sprites)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

namespace {

std::string lower(std::string text)
{
    std::transform(
        text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

} // namespace

SpriteTable readSpriteTable(const std::vector<uint8_t>& bytes)
{
    lang::Ref<io::ByteArrayInputStream> stream
        = lang::adopt(new io::ByteArrayInputStream(bytes.data(), int32_t(bytes.size())));
    lang::Ref<io::StreamTokenizer> tokens = lang::adopt(new io::StreamTokenizer(stream.get()));
    tokens->commentChar(';');
    tokens->quoteChar('"');
    tokens->parseNumbers();
    auto isNumber = [&] { return tokens->getType() == io::StreamTokenizer::TT_NUMBER; };
    auto text = [&] {
        if (isNumber()) {
            char buffer[32];
            std::snprintf(buffer, sizeof buffer, "%g", tokens->getNumberValue());
            return std::string(buffer);
        }
        return std::string(tokens->getStringValue().c_str());
    };
    SpriteTable table;
    std::string section;
    while (tokens->nextToken() != io::StreamTokenizer::TT_EOF) {
        const std::string word = text();
        if (!isNumber() && !word.empty() && word[0] == '<') {
            section = lower(word);
            if (section == "<end>")
                break;
            if (section == "<data>")
                table.data.clear();
            continue;
        }
        if (section == "<data>") {
            if (isNumber()) {
                table.data.push_back(int(std::trunc(tokens->getNumberValue())));
            } else {
                section.clear();
                tokens->pushBack();
            }
        } else if (section == "<sprites>") {
            TableEntry entry;
            entry.name = word;
            if (tokens->nextToken() == io::StreamTokenizer::TT_EOF)
                break;
            entry.classToken = text();
            int type = tokens->nextToken();
            for (; type != io::StreamTokenizer::TT_EOF && !isNumber(); type = tokens->nextToken())
                entry.pictures.push_back(text());
            for (; type != io::StreamTokenizer::TT_EOF && isNumber(); type = tokens->nextToken())
                entry.numbers.push_back(int(std::trunc(tokens->getNumberValue())));
            if (type != io::StreamTokenizer::TT_EOF)
                tokens->pushBack();
            table.sprites.push_back(std::move(entry));
        }
    }
    return table;
}

SpriteTable readSpriteTableFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read the table " + path);
    return readSpriteTable(
        std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>()));
}

} // namespace contentgen
