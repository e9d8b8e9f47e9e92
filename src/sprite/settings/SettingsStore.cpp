#include "sprite/settings/SettingsStore.h"

#include <cstring>

namespace sprite {

bool SettingsStore::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "SettingsStore") == 0 || Object::isInstanceOf(className);
}

} // namespace sprite
