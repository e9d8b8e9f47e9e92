#include "game/campaign/UpgradeNames.h"

#include <cstring>

namespace {

constexpr const char* SlotPrefix = "btnupgrade";
constexpr const char* OptionPrefix = "upgrade";

// The number written at `at` (one to three digits), moving `at` past it; -1 for none.
int32_t readNumber(const lang::String& text, int32_t& at)
{
    int32_t value = 0;
    int32_t digits = 0;
    while (at < text.length() && digits < 3 && text.charAt(at) >= '0' && text.charAt(at) <= '9') {
        value = value * 10 + (text.charAt(at) - '0');
        ++at;
        ++digits;
    }
    return digits > 0 ? value : -1;
}

} // namespace

namespace upgrades {

lang::String slotButton(int32_t slot)
{
    return lang::String(SlotPrefix) + slot;
}

lang::String optionButton(int32_t slot, int32_t option)
{
    return lang::String(OptionPrefix) + slot + "-" + option;
}

lang::String picture(const char* prefix, int32_t slot, int32_t value)
{
    return lang::String(prefix) + slot + "_" + value;
}

bool parseSlotButton(const lang::String& name, int32_t& slot)
{
    if (!name.startsWith(SlotPrefix))
        return false;
    int32_t at = int32_t(std::strlen(SlotPrefix));
    slot = readNumber(name, at);
    return slot >= 1 && at == name.length();
}

bool parseOptionButton(const lang::String& name, int32_t& slot, int32_t& option)
{
    if (!name.startsWith(OptionPrefix))
        return false;
    int32_t at = int32_t(std::strlen(OptionPrefix));
    slot = readNumber(name, at);
    if (slot < 1 || at >= name.length() || name.charAt(at) != '-')
        return false;
    ++at;
    option = readNumber(name, at);
    return option >= 1 && option <= Options && at == name.length();
}

} // namespace upgrades
