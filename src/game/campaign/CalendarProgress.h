// The campaign's progress on the calendar, as the save record keeps it: the furthest cell
// reached, where the marker stood last, which calendar numbers have been announced and which
// shops are completed. The rules of the calendar without its sprites: which cells are reached,
// which shop opens and waits to be announced, and how a played round moves the progress.
#pragma once

#include "game/campaign/CalendarLayout.h"

#include <optional>

class ProfileSave;

class CalendarProgress {
public:
    // Customers to serve for a day to count as passed.
    static constexpr int32_t PassCount = 10;
    static constexpr int32_t SilverCount = 13;
    static constexpr int32_t GoldCount = 15;
    static constexpr int32_t OwnShop = 12;
    static constexpr int32_t LastDay = 5;

    // Both are borrowed and must outlive the progress.
    CalendarProgress(const CalendarLayout& layout, ProfileSave& save);

    // Brings the record's calendar fields into range before use: weeks 1 to 11, cells 0 to 6;
    // a furthest cell that this layout leaves empty (a record of an older layout) becomes the
    // nearest reached cell that holds a number.
    void settle();

    CalendarCell reached() const;
    CalendarCell marker() const;
    bool isReached(CalendarCell cell) const { return cell <= reached(); }
    bool isFurthest(CalendarCell cell) const { return cell == reached(); }

    // The number's opening has been announced, or it has no opening to announce (the upgrade
    // number 13, and any number whose opening the layout refused).
    bool isAnnounced(int32_t number) const;
    // Its opening lies at or after the marker's last place and before the furthest cell, and it
    // has not been announced yet (13 never waits).
    bool isNewlyOpened(int32_t number) const;
    // The first of the shops 1 to 12 that is newly opened, if any.
    std::optional<int32_t> firstNewlyOpenedShop() const;
    // Marks the number announced; decorating (14) announces the player's own shop too.
    void announce(int32_t number);

    // The most customers served on a shop's day (0 for anything else).
    int32_t bestServed(int32_t number, int32_t day) const;
    // The badge of a cell: 0 bronze, 1 silver, 2 gold; none for a cell not yet passed.
    std::optional<int32_t> badgeOf(CalendarCell cell) const;
    // The furthest cell is the last one and its day has been passed: nothing is left to play.
    bool isFinished() const;

    enum class Played {
        // The round did not pass the furthest cell: nothing moved.
        Unchanged,
        // The progress moved to the next cell.
        Moved,
        // The last round of the own shop: it is completed; the final celebration follows.
        Finished,
    };
    // A round of (number, day) was played from the cell selected on the shown page. Only a
    // passed round (or an upgrade or decorating visit) of the furthest cell moves the
    // progress; a shop without a cell left after it is completed.
    Played dayPlayed(int32_t number, int32_t day, CalendarCell selected);

private:
    const CalendarLayout& layout;
    ProfileSave& save;
};
