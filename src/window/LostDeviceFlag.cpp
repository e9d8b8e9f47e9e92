#include "window/LostDeviceFlag.h"

#include "lang/SyncGuard.h"

#include <cstring>

namespace window {

LostDeviceFlag* LostDeviceFlag::get()
{
    static LostDeviceFlag flag;
    return &flag;
}

bool LostDeviceFlag::isSet() const
{
    SyncGuard guard(this);
    return lost;
}

void LostDeviceFlag::set(bool value)
{
    SyncGuard guard(this);
    lost = value;
}

bool LostDeviceFlag::raise()
{
    SyncGuard guard(this);
    if (lost)
        return false;
    lost = true;
    return true;
}

bool LostDeviceFlag::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "LostDeviceFlag") == 0 || Object::isInstanceOf(className);
}

const char* LostDeviceFlag::getClassName() const
{
    return "LostDeviceFlag";
}

} // namespace window
