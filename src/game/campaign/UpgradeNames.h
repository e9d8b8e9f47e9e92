// The names of the upgrade slots' sprites, shared by the upgrade screen and the decorating
// visits of the own shop: "btnupgrade" followed by the slot selects it for editing, "upgrade"
// followed by the slot, "-" and the option (1 to 3) chooses that option, and a picture prefix
// followed by the slot, "_" and the value (0 unfurnished) shows a look.
#pragma once

#include "lang/String.h"

namespace upgrades {

constexpr int32_t Options = 3;
constexpr int32_t MaxValue = 3;

lang::String slotButton(int32_t slot);
lang::String optionButton(int32_t slot, int32_t option);
lang::String picture(const char* prefix, int32_t slot, int32_t value);

// The slot of a slot button's name; false for any other name.
bool parseSlotButton(const lang::String& name, int32_t& slot);
// The slot and option of an option button's name; false for any other name.
bool parseOptionButton(const lang::String& name, int32_t& slot, int32_t& option);

} // namespace upgrades
