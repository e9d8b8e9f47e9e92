#include "game/save/ProfileSave.h"

#include "sprite/User.h"
#include "sprite/user_helpers.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Offsets of the fields in the stored record, worked out by hand from the field sizes.
constexpr size_t StorySeenAt = 0, HintsAt = 1, ReachedWeekAt = 3, ReachedCellAt = 5, WishedAt = 7,
                 FoundAt = 3607, BestAt = 7207, WishOrderAt = 7327, HintTakenAt = 9127, OpenedAt = 9199,
                 CompletedAt = 9213, TutorialAt = 9225, BlitzAt = 9226, ReservedAt = 9706, BlitzHelpAt = 9707,
                 CalendarWeekAt = 9708, CalendarCellAt = 9710, UpgradesAt = 9712;

void put16(std::vector<uint8_t>& bytes, size_t at, int v)
{
    bytes[at] = static_cast<uint8_t>(v & 0xFF);
    bytes[at + 1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}

void put32(std::vector<uint8_t>& bytes, size_t at, int32_t v)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
}

// The stored form of a new profile, built field by field.
std::vector<uint8_t> defaultBytes()
{
    std::vector<uint8_t> bytes(9734, 0);
    put16(bytes, HintsAt, 3);
    put16(bytes, ReachedWeekAt, 1);
    for (size_t i = 0; i < 900; ++i)
        put16(bytes, WishOrderAt + 2 * i, -1);
    bytes[OpenedAt + 10] = 1;
    bytes[OpenedAt + 12] = 1;
    bytes[CompletedAt + 10] = 1;
    for (size_t i = 0; i < 120; ++i)
        put32(bytes, BlitzAt + 4 * i, -1);
    put16(bytes, CalendarWeekAt, 1);
    return bytes;
}

std::vector<uint8_t> stored(const ProfileSave& save)
{
    lang::Ref<lang::ByteArray> bytes = lang::adopt(save.toBytes());
    return std::vector<uint8_t>(bytes->data(), bytes->data() + bytes->length());
}

} // namespace

TEST(ProfileSaveRecord, StoredBytesFollowTheLayoutFieldByField)
{
    EXPECT_EQ(stored(ProfileSave()), defaultBytes());

    ProfileSave save;
    save.storySeen = 1;
    save.hints = 0x1234;
    save.reachedWeek = 7;
    save.reachedCell = 6;
    save.itemWishedDay[ProfileSave::itemIndex(1, 0)] = 0x0102;
    save.itemWishedDay[ProfileSave::itemIndex(12, 149)] = -2;
    save.itemFoundDay[ProfileSave::itemIndex(3, 10)] = 5;
    save.bestServed[ProfileSave::dayIndex(12, 5)] = 15;
    save.wishOrder[ProfileSave::wishIndex(2, 3, 14)] = 149;
    save.hintTaken[ProfileSave::tokenIndex(4, 5)] = 1;
    save.shopOpened[13] = 1;
    save.shopCompleted[0] = 1;
    save.tutorialShown = 1;
    save.blitzTimes[ProfileSave::blitzIndex(5, 9)] = 0x01020304;
    save.reservedFlag = 0xAB;
    save.blitzHelpSeen = 1;
    save.calendarWeek = 11;
    save.calendarCell = 4;
    save.upgrades[10] = 3;

    std::vector<uint8_t> expected = defaultBytes();
    expected[StorySeenAt] = 1;
    put16(expected, HintsAt, 0x1234);
    put16(expected, ReachedWeekAt, 7);
    put16(expected, ReachedCellAt, 6);
    put16(expected, WishedAt, 0x0102);
    put16(expected, WishedAt + 2 * 1799, -2);
    put16(expected, FoundAt + 2 * (2 * 150 + 10), 5);
    put16(expected, BestAt + 2 * 59, 15);
    put16(expected, WishOrderAt + 2 * ((5 + 2) * 15 + 14), 149);
    expected[HintTakenAt + 3 * 6 + 5] = 1;
    expected[OpenedAt + 13] = 1;
    expected[CompletedAt] = 1;
    expected[TutorialAt] = 1;
    put32(expected, BlitzAt + 4 * (4 * 10 + 9), 0x01020304);
    expected[ReservedAt] = 0xAB;
    expected[BlitzHelpAt] = 1;
    put16(expected, CalendarWeekAt, 11);
    put16(expected, CalendarCellAt, 4);
    put16(expected, UpgradesAt + 2 * 10, 3);
    EXPECT_EQ(stored(save), expected);

    ProfileSave back;
    back.readBytes(expected.data(), static_cast<int32_t>(expected.size()));
    EXPECT_EQ(stored(back), expected);
}

TEST(ProfileSaveRecord, ShortAndLongRecordsKeepDefaultsAndIgnoreExtraBytes)
{
    // Two bytes: the flag is there, the two-byte hint count is not.
    const uint8_t two[] = {1, 9};
    ProfileSave fromTwo;
    fromTwo.readBytes(two, 2);
    EXPECT_EQ(fromTwo.storySeen, 1);
    EXPECT_EQ(fromTwo.hints, 3);
    EXPECT_EQ(fromTwo.reachedWeek, 1);

    // Cut inside the wished-day table: whole elements are taken, the rest stay defaults.
    std::vector<uint8_t> bytes = defaultBytes();
    put16(bytes, HintsAt, 8);
    put16(bytes, WishedAt + 2 * 4, 2);
    put16(bytes, WishedAt + 2 * 5, 2);
    ProfileSave cut;
    cut.readBytes(bytes.data(), static_cast<int32_t>(WishedAt + 2 * 5 + 1));
    EXPECT_EQ(cut.hints, 8);
    EXPECT_EQ(cut.itemWishedDay[4], 2);
    EXPECT_EQ(cut.itemWishedDay[5], 0);
    EXPECT_EQ(cut.blitzTimes[0], -1);

    // A newer, longer record: the known fields are read, the tail is ignored.
    put16(bytes, UpgradesAt, 2);
    bytes.resize(9734 + 100, 0xEE);
    ProfileSave longer;
    longer.readBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
    EXPECT_EQ(longer.hints, 8);
    EXPECT_EQ(longer.upgrades[0], 2);
    EXPECT_EQ(stored(longer).size(), 9734u);
}

TEST(ProfileSaveRecord, DamagedValuesAreBroughtIntoRange)
{
    std::vector<uint8_t> bytes = defaultBytes();
    put16(bytes, ReachedWeekAt, 0);
    put16(bytes, ReachedCellAt, 9);
    put16(bytes, CalendarWeekAt, 300);
    put16(bytes, CalendarCellAt, -4);
    put16(bytes, UpgradesAt, 7);
    put16(bytes, UpgradesAt + 2, -1);
    put16(bytes, WishOrderAt, 150);
    put16(bytes, WishOrderAt + 2, -7);
    put16(bytes, WishOrderAt + 4, 149);
    ProfileSave save;
    save.readBytes(bytes.data(), static_cast<int32_t>(bytes.size()));
    EXPECT_EQ(save.reachedWeek, 1);
    EXPECT_EQ(save.reachedCell, 6);
    EXPECT_EQ(save.calendarWeek, 11);
    EXPECT_EQ(save.calendarCell, 0);
    EXPECT_EQ(save.upgrades[0], 3);
    EXPECT_EQ(save.upgrades[1], 0);
    EXPECT_EQ(save.wishOrder[0], -1);
    EXPECT_EQ(save.wishOrder[1], -1);
    EXPECT_EQ(save.wishOrder[2], 149);
}

TEST(ProfileSaveRecord, BlitzTimesStayAscendingAndKeepTen)
{
    ProfileSave save;
    EXPECT_EQ(save.bestBlitzTime(4), -1);
    EXPECT_EQ(save.recordBlitzTime(4, 900), 0);
    EXPECT_EQ(save.recordBlitzTime(4, 700), 0);
    EXPECT_EQ(save.recordBlitzTime(4, 900), 2); // after the equal one
    EXPECT_EQ(save.bestBlitzTime(4), 700);
    for (int i = 0; i < 7; ++i)
        save.recordBlitzTime(4, 1000 + i);
    EXPECT_EQ(save.recordBlitzTime(4, 5000), -1); // ten better or equal times: not stored
    EXPECT_EQ(save.recordBlitzTime(4, 1006), -1);
    EXPECT_EQ(save.recordBlitzTime(4, 800), 1);   // the worst falls off
    EXPECT_EQ(save.blitzTimes[ProfileSave::blitzIndex(4, 9)], 1005);
    EXPECT_EQ(save.blitzTimes[ProfileSave::blitzIndex(5, 0)], -1);
    EXPECT_EQ(save.recordBlitzTime(13, 500), -1);
}

class ProfileSaveStore : public SettingsFolderTest {
protected:
    void SetUp() override
    {
        SettingsFolderTest::SetUp();
        user = lang::adopt(new sprite::User());
        user->open("Kipto2");
    }
    lang::Ref<sprite::User> user;
};

TEST_F(ProfileSaveStore, RecordsAreStoredPerProfileAndTinyValuesCountAsAbsent)
{
    ProfileSave save;
    save.hints = 11;
    save.save(*user, "Bob");
    save.save(*user, ""); // no profile: nothing written

    ProfileSave back;
    ASSERT_TRUE(back.load(*user, "Bob"));
    EXPECT_EQ(back.hints, 11);
    EXPECT_FALSE(ProfileSave().load(*user, "Ann"));
    EXPECT_FALSE(ProfileSave().load(*user, ""));

    // A single (not chunked) value is read too; one of 1 byte is no record.
    lang::ByteArray one(1);
    user->setBinary("Cid\\userdata", one);
    ProfileSave untouched;
    untouched.hints = 5;
    EXPECT_FALSE(untouched.load(*user, "Cid"));
    EXPECT_EQ(untouched.hints, 5);
    lang::ByteArray plain(3);
    plain[0] = 1;
    plain[1] = 2;
    user->setBinary("Dan\\userdata", plain);
    ProfileSave single;
    ASSERT_TRUE(single.load(*user, "Dan"));
    EXPECT_EQ(single.storySeen, 1);
    EXPECT_EQ(single.hints, 2);
}
