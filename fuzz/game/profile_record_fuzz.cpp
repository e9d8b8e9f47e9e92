// A stored profile record of any length, read as the game reads it: every field the game uses as
// a place or an index comes out in its range, and the record then stores and reads back the same.
#include "game/save/ProfileSave.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

bool within(int32_t value, int32_t low, int32_t high)
{
    return value >= low && value <= high;
}

bool fieldsInRange(const ProfileSave& record)
{
    bool ok = within(record.reachedWeek, 1, ProfileSave::Weeks)
        && within(record.calendarWeek, 1, ProfileSave::Weeks)
        && within(record.reachedCell, 0, ProfileSave::DaysPerWeek - 1)
        && within(record.calendarCell, 0, ProfileSave::DaysPerWeek - 1);
    for (int16_t upgrade : record.upgrades)
        ok = ok && within(upgrade, 0, 3);
    for (int16_t group : record.wishOrder)
        ok = ok && within(group, -1, ProfileSave::ItemsPerShop - 1);
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ProfileSave record;
    record.readBytes(data, static_cast<int32_t>(size > INT32_MAX ? INT32_MAX : size));
    if (!fieldsInRange(record))
        std::abort();
    // A Blitz time joins the loaded list where it belongs.
    const int32_t shop = 1 + static_cast<int32_t>(size % ProfileSave::Shops);
    const int32_t place = record.recordBlitzTime(shop, 600);
    if (place >= 0 && record.blitzTimes[static_cast<size_t>(ProfileSave::blitzIndex(shop, place))] != 600)
        std::abort();

    lang::Ref<lang::ByteArray> stored = lang::adopt(record.toBytes());
    if (stored->length() != ProfileSave::RecordBytes)
        std::abort();
    ProfileSave again;
    again.readBytes(stored->data(), stored->length());
    lang::Ref<lang::ByteArray> storedAgain = lang::adopt(again.toBytes());
    if (std::memcmp(stored->data(), storedAgain->data(), static_cast<size_t>(stored->length())) != 0)
        std::abort();
    return 0;
}
