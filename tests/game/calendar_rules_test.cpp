// The calendar's layout and progress rules, without sprites: day numbers, refused layouts, the
// record's fields settled before use, the progress after a round and which shop opens.
#include "game/campaign/CalendarLayout.h"
#include "game/campaign/CalendarProgress.h"
#include "game/save/ProfileSave.h"
#include "calendar_testing.h"

#include <gtest/gtest.h>

namespace {

using calendartest::layoutNumbers;
using Played = CalendarProgress::Played;

CalendarLayout readLayout(const std::vector<int32_t>& numbers)
{
    CalendarLayout layout;
    layout.read(numbers.data(), int32_t(numbers.size()));
    return layout;
}

void passDay(ProfileSave& save, int32_t shop, int32_t day, int32_t served)
{
    save.bestServed[ProfileSave::dayIndex(shop, day)] = int16_t(served);
}

} // namespace

TEST(CalendarLayoutRules, DaysCountTheSameNumberRowByRowFromWeekOne)
{
    const CalendarLayout layout = readLayout(layoutNumbers());
    // Week 0 holds a 12 that is never shown and never counted.
    EXPECT_EQ(layout.dayOf({2, 2}), 1);
    EXPECT_EQ(layout.dayOf({2, 4}), 2);
    EXPECT_EQ(layout.dayOf({3, 2}), 5);
    EXPECT_EQ(layout.dayOf({1, 4}), 2);
    EXPECT_EQ(layout.dayOf({2, 0}), 3) << "shop 1's third day follows the page turn";
    EXPECT_EQ(layout.dayOf({1, 5}), 0) << "an empty cell has no day";
    for (int32_t day = 1; day <= 5; ++day) {
        const std::optional<CalendarCell> cell = layout.cellOfDay(12, day);
        ASSERT_TRUE(cell) << day;
        EXPECT_EQ(layout.dayOf(*cell), day);
        EXPECT_EQ(layout.numberAt(*cell), 12);
    }
    EXPECT_FALSE(layout.cellOfDay(12, 6));
    // The next cell skips empty ones and pages; there is none after the last.
    EXPECT_EQ(layout.nextCell({1, 4}), (CalendarCell{2, 0}));
    EXPECT_EQ(layout.nextCell({2, 6}), (CalendarCell{3, 0}));
    EXPECT_FALSE(layout.nextCell({3, 2}));
    EXPECT_EQ(layout.numberAt({12, 0}), 0);
    EXPECT_EQ(layout.numberAt({1, 7}), 0);
}

TEST(CalendarLayoutRules, BadNumbersAreRefusedAndLeaveEmptyCells)
{
    std::vector<int32_t> numbers = layoutNumbers();
    EXPECT_TRUE(readLayout(numbers).opening(1));
    // 60 numbers reach into week 4: the cells read stay, the rest and every opening are gone.
    CalendarLayout shortLayout;
    EXPECT_FALSE(shortLayout.read(numbers.data(), 60));
    EXPECT_EQ(shortLayout.numberAt({3, 2}), 12);
    EXPECT_FALSE(shortLayout.opening(1));
    EXPECT_FALSE(CalendarLayout().read(nullptr, 0));

    numbers[calendartest::cellIndex(1, 3)] = 15;
    numbers[calendartest::cellIndex(1, 4)] = -1;
    numbers[calendartest::openingIndex(2)] = 12; // week 12 does not exist
    numbers[calendartest::openingIndex(2) + 1] = 0;
    numbers[calendartest::openingIndex(12) + 1] = 7;
    CalendarLayout bad;
    EXPECT_FALSE(bad.read(numbers.data(), int32_t(numbers.size())));
    EXPECT_EQ(bad.numberAt({1, 3}), 0);
    EXPECT_EQ(bad.numberAt({1, 4}), 0);
    EXPECT_EQ(bad.numberAt({2, 0}), 1) << "good cells stay";
    EXPECT_FALSE(bad.opening(2));
    EXPECT_FALSE(bad.opening(12));
    EXPECT_TRUE(bad.opening(1));
    // A number whose opening was refused needs no announcement: its cells are usable.
    ProfileSave save;
    EXPECT_TRUE(CalendarProgress(bad, save).isAnnounced(2));
}

TEST(CalendarProgressRules, ANewRecordStartsOnTheFirstCellWithTheFirstShopAndTheUpgradesAnnounced)
{
    const CalendarLayout layout = readLayout(layoutNumbers());
    ProfileSave save;
    CalendarProgress progress(layout, save);
    progress.settle();
    EXPECT_EQ(progress.reached(), (CalendarCell{1, 0}));
    EXPECT_EQ(layout.numberAt(progress.reached()), 11);
    EXPECT_TRUE(progress.isAnnounced(11));
    EXPECT_TRUE(progress.isAnnounced(13));
    EXPECT_FALSE(progress.isAnnounced(1));
    EXPECT_FALSE(progress.firstNewlyOpenedShop());
}

TEST(CalendarProgressRules, OnlyPassingTheFurthestCellMovesTheProgress)
{
    const CalendarLayout layout = readLayout(layoutNumbers());
    ProfileSave save;
    CalendarProgress progress(layout, save);

    passDay(save, 11, 1, 9);
    EXPECT_EQ(progress.dayPlayed(11, 1, {1, 0}), Played::Unchanged) << "9 served fail the day";
    passDay(save, 11, 1, 10);
    EXPECT_EQ(progress.dayPlayed(11, 1, {1, 1}), Played::Unchanged) << "played from another cell";
    EXPECT_EQ(progress.dayPlayed(11, 2, {1, 0}), Played::Unchanged) << "another day";
    EXPECT_EQ(progress.dayPlayed(11, 1, {1, 0}), Played::Moved);
    EXPECT_EQ(progress.reached(), (CalendarCell{1, 1}));

    passDay(save, 11, 2, 15);
    EXPECT_EQ(progress.dayPlayed(11, 2, {1, 1}), Played::Moved);
    // An upgrade visit needs no customers.
    EXPECT_EQ(progress.dayPlayed(13, 1, {1, 2}), Played::Moved);
    EXPECT_EQ(progress.reached(), (CalendarCell{1, 3}));
    EXPECT_EQ(progress.dayPlayed(11, 1, {1, 0}), Played::Unchanged) << "a replay of an earlier day";

    // Shop 1's last day leaves no cell of it behind the new furthest cell: it is completed.
    for (int32_t day = 1; day <= 3; ++day)
        passDay(save, 1, day, 12);
    EXPECT_EQ(progress.dayPlayed(1, 1, {1, 3}), Played::Moved);
    EXPECT_EQ(progress.dayPlayed(1, 2, {1, 4}), Played::Moved);
    EXPECT_EQ(save.shopCompleted[0], 0);
    EXPECT_EQ(progress.dayPlayed(1, 3, {2, 0}), Played::Moved);
    EXPECT_EQ(save.shopCompleted[0], 1);
    EXPECT_EQ(progress.reached(), (CalendarCell{2, 1}));

    // The own shop's fifth day is the last round: completed, and the progress stays.
    save.reachedWeek = 3;
    save.reachedCell = 2;
    EXPECT_FALSE(progress.isFinished());
    passDay(save, 12, 5, 10);
    EXPECT_EQ(progress.dayPlayed(12, 5, {3, 2}), Played::Finished);
    EXPECT_EQ(save.shopCompleted[11], 1);
    EXPECT_EQ(progress.reached(), (CalendarCell{3, 2}));
    EXPECT_TRUE(progress.isFinished());
}

TEST(CalendarProgressRules, AShopOpensBetweenTheMarkerAndTheFurthestCellAndIsAnnouncedOnce)
{
    const CalendarLayout layout = readLayout(layoutNumbers());
    ProfileSave save;
    CalendarProgress progress(layout, save);
    // Shop 1 opens at (1, 2): once the furthest cell lies after it.
    save.reachedCell = 2;
    EXPECT_FALSE(progress.isNewlyOpened(1));
    save.reachedCell = 3;
    EXPECT_TRUE(progress.isNewlyOpened(1));
    EXPECT_EQ(progress.firstNewlyOpenedShop(), 1);
    // A marker already past the opening has seen it.
    save.calendarCell = 3;
    EXPECT_FALSE(progress.isNewlyOpened(1));
    save.calendarCell = 2;
    progress.announce(1);
    EXPECT_FALSE(progress.isNewlyOpened(1));
    EXPECT_TRUE(progress.isAnnounced(1));
    EXPECT_FALSE(progress.firstNewlyOpenedShop());

    // Decorating opens at (2, 0); its announcement is the own shop's too. 13 never waits.
    save.reachedWeek = 2;
    save.reachedCell = 1;
    save.calendarWeek = 2;
    save.calendarCell = 0;
    EXPECT_TRUE(progress.isNewlyOpened(14));
    EXPECT_FALSE(progress.isNewlyOpened(13));
    EXPECT_FALSE(progress.isAnnounced(12));
    progress.announce(14);
    EXPECT_TRUE(progress.isAnnounced(12));
    EXPECT_TRUE(progress.isAnnounced(14));
}

TEST(CalendarProgressRules, ARecordIsSettledIntoTheLayoutBeforeUse)
{
    const CalendarLayout layout = readLayout(layoutNumbers());
    ProfileSave save;
    CalendarProgress progress(layout, save);
    save.reachedWeek = 2;
    save.reachedCell = -4;
    save.calendarWeek = 0;
    save.calendarCell = 9;
    progress.settle();
    EXPECT_EQ(progress.reached(), (CalendarCell{2, 0}));
    EXPECT_EQ(progress.marker(), (CalendarCell{1, 6}));
    // A furthest cell this layout leaves empty (an older layout's) falls back to the nearest
    // reached one that holds a round.
    save.reachedWeek = 99;
    save.reachedCell = 3;
    progress.settle();
    EXPECT_EQ(progress.reached(), (CalendarCell{3, 2}));
    save.reachedWeek = 1;
    save.reachedCell = 6;
    progress.settle();
    EXPECT_EQ(progress.reached(), (CalendarCell{1, 4}));
}
