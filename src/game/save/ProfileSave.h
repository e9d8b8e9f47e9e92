// The saved game of one player profile: campaign progress, the item history of every shop, the
// best counts of every day, the wishes of each day's first play, Blitz times and the upgrades of
// the player's own shop. The canvas owns the current one; the round, the calendar, the upgrade
// screen and the Blitz menu read and write its fields in place. Stored as one binary value of
// RecordBytes little-endian bytes, the fields in declaration order without padding.
#pragma once

#include "lang/Array.h"
#include "lang/Object.h"
#include "lang/Ref.h"
#include "lang/String.h"

#include <array>
#include <cstdint>

namespace sprite {
class User;
}

class ProfileSave : public lang::Object {
public:
    static constexpr int32_t Shops = 12;
    static constexpr int32_t DaysPerShop = 5;
    static constexpr int32_t ItemsPerShop = 150;
    static constexpr int32_t WishesPerDay = 15;
    static constexpr int32_t TokensPerShop = 6;
    static constexpr int32_t CalendarShops = 14;
    static constexpr int32_t BlitzTimesPerShop = 10;
    static constexpr int32_t UpgradeSlots = 11;
    static constexpr int32_t Weeks = 11;
    static constexpr int32_t DaysPerWeek = 7;
    static constexpr int32_t RecordBytes = 9734;

    // A fresh record with the defaults of a new profile.
    ProfileSave();

    // --- the fields, in stored order
    uint8_t storySeen = 0;
    int16_t hints = 3;
    int16_t reachedWeek = 1;
    int16_t reachedCell = 0;
    std::array<int16_t, Shops * ItemsPerShop> itemWishedDay{};
    std::array<int16_t, Shops * ItemsPerShop> itemFoundDay{};
    std::array<int16_t, Shops * DaysPerShop> bestServed{};
    std::array<int16_t, Shops * DaysPerShop * WishesPerDay> wishOrder{};
    std::array<uint8_t, Shops * TokensPerShop> hintTaken{};
    std::array<uint8_t, CalendarShops> shopOpened{};
    std::array<uint8_t, Shops> shopCompleted{};
    uint8_t tutorialShown = 0;
    std::array<int32_t, Shops * BlitzTimesPerShop> blitzTimes{};
    uint8_t reservedFlag = 0;
    uint8_t blitzHelpSeen = 0;
    int16_t calendarWeek = 1;
    int16_t calendarCell = 0;
    std::array<int16_t, UpgradeSlots> upgrades{};

    // --- indices into the tables; shops and days count from 1, items and tokens from 0
    static int32_t dayIndex(int32_t shop, int32_t day) { return (shop - 1) * DaysPerShop + (day - 1); }
    static int32_t itemIndex(int32_t shop, int32_t item) { return (shop - 1) * ItemsPerShop + item; }
    static int32_t wishIndex(int32_t shop, int32_t day, int32_t n) { return dayIndex(shop, day) * WishesPerDay + n; }
    static int32_t tokenIndex(int32_t shop, int32_t token) { return (shop - 1) * TokensPerShop + token; }
    static int32_t blitzIndex(int32_t shop, int32_t n) { return (shop - 1) * BlitzTimesPerShop + n; }
    static bool isShop(int32_t shop) { return shop >= 1 && shop <= Shops; }

    // Inserts a Blitz time into the shop's ascending list of ten, after equal times; the tenth
    // falls off. Returns the place it took (0 is a new best), or -1 when the list is full of
    // times that are all at least as good.
    int32_t recordBlitzTime(int32_t shop, int32_t time);
    // The shop's best Blitz time in tenths of a second, or -1.
    int32_t bestBlitzTime(int32_t shop) const;

    // The record in its stored form; the caller releases it.
    lang::ByteArray* toBytes() const;
    // Takes the fields a stored value holds, keeping the defaults for the fields a short value
    // lacks and ignoring bytes past the record; then brings every field into its range.
    void readBytes(const uint8_t* bytes, int32_t count);

    // Reads the record stored for the profile; false (and the record untouched) when nothing of
    // at least 2 bytes is stored.
    bool load(sprite::User& store, const lang::String& profileName);
    // Writes the record for the profile; does nothing for an empty name. False when the record
    // did not reach the settings file (the one stored before stays).
    bool save(sprite::User& store, const lang::String& profileName) const;
    // The settings path of a profile's record: the name followed by "\userdata".
    static lang::String pathOf(const lang::String& profileName);

    const char* getClassName() const override { return "ProfileSave"; }

private:
    void clampFields();
};
