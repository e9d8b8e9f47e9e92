#include "game/campaign/CalendarProgress.h"

#include "game/save/ProfileSave.h"

#include <algorithm>

namespace {

int16_t clampTo(int16_t value, int32_t low, int32_t high)
{
    return static_cast<int16_t>(std::clamp<int32_t>(value, low, high));
}

} // namespace

CalendarProgress::CalendarProgress(const CalendarLayout& layout, ProfileSave& save)
    : layout(layout), save(save)
{
}

void CalendarProgress::settle()
{
    save.reachedWeek = clampTo(save.reachedWeek, 1, CalendarLayout::LastWeek);
    save.calendarWeek = clampTo(save.calendarWeek, 1, CalendarLayout::LastWeek);
    save.reachedCell = clampTo(save.reachedCell, 0, CalendarLayout::Columns - 1);
    save.calendarCell = clampTo(save.calendarCell, 0, CalendarLayout::Columns - 1);
    if (layout.numberAt(reached()) != 0)
        return;
    std::optional<CalendarCell> nearest = layout.lastCellUpTo(reached());
    if (!nearest)
        nearest = layout.nextCell({1, -1});
    if (!nearest)
        return;
    save.reachedWeek = static_cast<int16_t>(nearest->week);
    save.reachedCell = static_cast<int16_t>(nearest->column);
}

CalendarCell CalendarProgress::reached() const
{
    return {save.reachedWeek, save.reachedCell};
}

CalendarCell CalendarProgress::marker() const
{
    return {save.calendarWeek, save.calendarCell};
}

bool CalendarProgress::isAnnounced(int32_t number) const
{
    if (!CalendarLayout::isCalendarNumber(number))
        return false;
    return number == CalendarLayout::UpgradeNumber || save.shopOpened[number - 1] != 0
        || !layout.opening(number);
}

bool CalendarProgress::isNewlyOpened(int32_t number) const
{
    if (number == CalendarLayout::UpgradeNumber || isAnnounced(number))
        return false;
    const std::optional<CalendarCell> at = layout.opening(number);
    return at && marker() <= *at && *at < reached();
}

std::optional<int32_t> CalendarProgress::firstNewlyOpenedShop() const
{
    for (int32_t shop = 1; shop <= CalendarLayout::ShopCount; ++shop) {
        if (isNewlyOpened(shop))
            return shop;
    }
    return std::nullopt;
}

void CalendarProgress::announce(int32_t number)
{
    if (!CalendarLayout::isCalendarNumber(number))
        return;
    save.shopOpened[number - 1] = 1;
    if (number == CalendarLayout::DecoratingNumber)
        save.shopOpened[OwnShop - 1] = 1;
}

int32_t CalendarProgress::bestServed(int32_t number, int32_t day) const
{
    if (!ProfileSave::isShop(number) || day < 1 || day > ProfileSave::DaysPerShop)
        return 0;
    return save.bestServed[ProfileSave::dayIndex(number, day)];
}

std::optional<int32_t> CalendarProgress::badgeOf(CalendarCell cell) const
{
    const int32_t best = bestServed(layout.numberAt(cell), layout.dayOf(cell));
    if (!isReached(cell) || best < PassCount)
        return std::nullopt;
    return best >= GoldCount ? 2 : best >= SilverCount ? 1 : 0;
}

bool CalendarProgress::isFinished() const
{
    const int32_t number = layout.numberAt(reached());
    return !layout.nextCell(reached()) && bestServed(number, layout.dayOf(reached())) >= PassCount;
}

CalendarProgress::Played CalendarProgress::dayPlayed(int32_t number, int32_t day, CalendarCell selected)
{
    if (selected != reached() || layout.numberAt(selected) != number || layout.dayOf(selected) != day)
        return Played::Unchanged;
    const bool visit = number > CalendarLayout::ShopCount;
    if (!visit && bestServed(number, day) < PassCount)
        return Played::Unchanged;
    if (number == OwnShop && day == LastDay) {
        save.shopCompleted[OwnShop - 1] = 1;
        return Played::Finished;
    }
    const std::optional<CalendarCell> next = layout.nextCell(reached());
    if (!next)
        return Played::Unchanged;
    save.reachedWeek = static_cast<int16_t>(next->week);
    save.reachedCell = static_cast<int16_t>(next->column);
    if (!visit && !layout.hasCellFrom(number, *next))
        save.shopCompleted[number - 1] = 1;
    return Played::Moved;
}
