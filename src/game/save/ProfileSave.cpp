#include "game/save/ProfileSave.h"

#include "sprite/User.h"

#include <algorithm>
#include <type_traits>
#include <vector>

namespace {

// Appends every field as little-endian bytes.
class RecordWriter {
public:
    template <class T>
    void operator()(const T& value)
    {
        if constexpr (std::is_integral_v<T>) {
            using Unsigned = std::make_unsigned_t<T>;
            const Unsigned bits = static_cast<Unsigned>(value);
            for (size_t i = 0; i < sizeof(T); ++i)
                bytes.push_back(static_cast<uint8_t>(bits >> (8 * i)));
        } else {
            for (const auto& element : value)
                (*this)(element);
        }
    }

    std::vector<uint8_t> bytes;
};

// Takes every whole element that the stored bytes hold; the rest keep their values.
class RecordReader {
public:
    RecordReader(const uint8_t* bytes, int32_t count) : bytes(bytes), count(static_cast<size_t>(count)) {}

    template <class T>
    void operator()(T& value)
    {
        if constexpr (std::is_integral_v<T>) {
            if (offset + sizeof(T) > count) {
                offset = count;
                return;
            }
            std::make_unsigned_t<T> bits = 0;
            for (size_t i = 0; i < sizeof(T); ++i)
                bits |= static_cast<std::make_unsigned_t<T>>(bytes[offset + i]) << (8 * i);
            value = static_cast<T>(bits);
            offset += sizeof(T);
        } else {
            for (auto& element : value)
                (*this)(element);
        }
    }

private:
    const uint8_t* bytes;
    size_t count;
    size_t offset = 0;
};

// Calls the visitor on every field of the record in stored order.
template <class Record, class Visitor>
void visitFields(Record& r, Visitor& visit)
{
    visit(r.storySeen);
    visit(r.hints);
    visit(r.reachedWeek);
    visit(r.reachedCell);
    visit(r.itemWishedDay);
    visit(r.itemFoundDay);
    visit(r.bestServed);
    visit(r.wishOrder);
    visit(r.hintTaken);
    visit(r.shopOpened);
    visit(r.shopCompleted);
    visit(r.tutorialShown);
    visit(r.blitzTimes);
    visit(r.reservedFlag);
    visit(r.blitzHelpSeen);
    visit(r.calendarWeek);
    visit(r.calendarCell);
    visit(r.upgrades);
}

template <class T>
T clampTo(T value, int32_t low, int32_t high)
{
    return static_cast<T>(std::clamp<int32_t>(value, low, high));
}

} // namespace

ProfileSave::ProfileSave()
{
    wishOrder.fill(-1);
    blitzTimes.fill(-1);
    shopOpened[11 - 1] = 1;
    shopOpened[13 - 1] = 1;
    shopCompleted[11 - 1] = 1;
}

int32_t ProfileSave::recordBlitzTime(int32_t shop, int32_t time)
{
    if (!isShop(shop))
        return -1;
    int32_t* times = &blitzTimes[static_cast<size_t>(blitzIndex(shop, 0))];
    int32_t place = 0;
    while (place < BlitzTimesPerShop && times[place] >= 0 && times[place] <= time)
        ++place;
    if (place == BlitzTimesPerShop)
        return -1;
    std::copy_backward(times + place, times + BlitzTimesPerShop - 1, times + BlitzTimesPerShop);
    times[place] = time;
    return place;
}

int32_t ProfileSave::bestBlitzTime(int32_t shop) const
{
    return isShop(shop) ? blitzTimes[static_cast<size_t>(blitzIndex(shop, 0))] : -1;
}

lang::ByteArray* ProfileSave::toBytes() const
{
    RecordWriter writer;
    visitFields(*this, writer);
    auto* out = new lang::ByteArray(static_cast<int32_t>(writer.bytes.size()));
    std::copy(writer.bytes.begin(), writer.bytes.end(), out->data());
    return out;
}

void ProfileSave::readBytes(const uint8_t* bytes, int32_t count)
{
    RecordReader reader(bytes, std::max(count, 0));
    visitFields(*this, reader);
    clampFields();
}

void ProfileSave::clampFields()
{
    reachedWeek = clampTo(reachedWeek, 1, Weeks);
    calendarWeek = clampTo(calendarWeek, 1, Weeks);
    reachedCell = clampTo(reachedCell, 0, DaysPerWeek - 1);
    calendarCell = clampTo(calendarCell, 0, DaysPerWeek - 1);
    for (int16_t& value : upgrades)
        value = clampTo(value, 0, 3);
    // A group index outside any catalogue would be replayed as a wish nobody can serve.
    for (int16_t& group : wishOrder) {
        if (group < 0 || group >= ItemsPerShop)
            group = -1;
    }
}

lang::String ProfileSave::pathOf(const lang::String& profileName)
{
    return profileName + "\\userdata";
}

bool ProfileSave::load(sprite::User& store, const lang::String& profileName)
{
    if (profileName.isEmpty())
        return false;
    const lang::String path = pathOf(profileName);
    lang::ByteArray bytes;
    if (!store.readChunked(path, bytes) && !store.getBinary(path, bytes))
        return false;
    if (bytes.length() < 2)
        return false;
    readBytes(bytes.data(), bytes.length());
    return true;
}

bool ProfileSave::save(sprite::User& store, const lang::String& profileName) const
{
    if (profileName.isEmpty())
        return false;
    lang::Ref<lang::ByteArray> bytes = lang::adopt(toBytes());
    return store.writeChunked(pathOf(profileName), *bytes);
}
