#include "game/blitz/ScoreAnswer.h"

#include "game/blitz/xml/XmlTopElements.h"
#include "lang/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

// A decimal integer with optional blanks around it and an optional sign, within 32 bits.
std::optional<int32_t> readInteger(const std::string& text)
{
    size_t i = text.find_first_not_of(" \t\r\n");
    size_t end = text.find_last_not_of(" \t\r\n");
    if (i == std::string::npos)
        return std::nullopt;
    bool negative = text[i] == '-';
    if (text[i] == '-' || text[i] == '+')
        i++;
    if (i > end || end - i >= 18)
        return std::nullopt;
    int64_t value = 0;
    for (; i <= end; i++) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    value = negative ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

// The entry's fields, or nothing when one is missing or out of range.
std::optional<ScoreAnswer::Entry> readEntry(const XmlTopElement& element, int32_t defaultRank)
{
    ScoreAnswer::Entry entry;
    entry.rank = defaultRank;
    bool hasName = false, hasTime = false, hasLevel = false;
    for (const auto& [field, text] : element.children) {
        if (field == "name") {
            std::string name = lang::utf8ToCp1252(text.data(), text.size());
            if (name.empty() || name.size() > ScoreAnswer::MaxNameBytes)
                return std::nullopt;
            entry.name = lang::String(name.c_str());
            hasName = true;
        } else if (field == "score") {
            std::optional<int32_t> score = readInteger(text);
            int64_t time = score ? int64_t{ScoreAnswer::ScoreBase} - *score : 0;
            if (time < ScoreAnswer::FastestTime || time >= ScoreAnswer::ScoreBase)
                return std::nullopt;
            entry.time = static_cast<int32_t>(time);
            hasTime = true;
        } else if (field == "level") {
            std::optional<int32_t> level = readInteger(text);
            if (!level || *level < 1 || *level > 12)
                return std::nullopt;
            entry.level = *level;
            hasLevel = true;
        } else if (field == "rank") {
            std::optional<int32_t> rank = readInteger(text);
            if (!rank)
                return std::nullopt;
            entry.rank = *rank;
        }
    }
    if (!hasName || !hasTime || !hasLevel)
        return std::nullopt;
    return entry;
}

} // namespace

ScoreAnswer::ScoreAnswer(const lang::String& text)
{
    XmlTopElements::read(text.c_str(), static_cast<size_t>(text.length()), [this](const XmlTopElement& element) {
        if (element.name == "entry" && entries.size() < static_cast<size_t>(MaxEntries)) {
            if (std::optional<Entry> entry = readEntry(element, static_cast<int32_t>(entries.size()) + 1))
                entries.push_back(*entry);
        } else if (element.name == "highlight") {
            if (std::optional<int32_t> rank = readInteger(element.text)) {
                highlight = *rank;
                int64_t wanted = int64_t{*rank} - 5;
                offset = static_cast<int32_t>(std::max<int64_t>(0, std::min<int64_t>(wanted, int64_t(entries.size()) - 1)));
            }
        }
        return true;
    });
}

int32_t ScoreAnswer::clampForRows(int32_t offset, int32_t entryCount, int32_t rows)
{
    return std::max(0, std::min(offset, entryCount - rows));
}

bool ScoreAnswer::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ScoreAnswer") == 0 || Object::isInstanceOf(className);
}
