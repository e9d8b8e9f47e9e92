#include "sound/Output.h"

namespace sound {

namespace {

DeviceOutputFactory deviceOutputFactory = nullptr;

} // namespace

void installDeviceOutput(DeviceOutputFactory factory)
{
    deviceOutputFactory = factory;
}

std::unique_ptr<Output> makeDeviceOutput()
{
    return deviceOutputFactory ? deviceOutputFactory() : nullptr;
}

} // namespace sound
