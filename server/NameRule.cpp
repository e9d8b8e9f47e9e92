#include "NameRule.h"

namespace scores {

namespace {

bool isNameByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '-'
        || c == '.' || c >= 192;
}

} // namespace

bool NameRule::isValid(std::string_view name)
{
    if (name.empty() || name.size() > MaxLength)
        return false;
    bool visible = false;
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        if (!isNameByte(byte))
            return false;
        visible = visible || byte > 32;
    }
    return visible;
}

} // namespace scores
