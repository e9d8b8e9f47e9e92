#include "game/campaign/CalendarLayout.h"

#include "lang/Debug.h"
#include "lang/String.h"

namespace {

void refuse(const lang::String& what)
{
    lang::debugOutput((lang::String("Calendar layout: ") + what + "\n").c_str());
}

} // namespace

CalendarCell CalendarCell::following() const
{
    return column + 1 < CalendarLayout::Columns ? CalendarCell{week, column + 1} : CalendarCell{week + 1, 0};
}

bool CalendarLayout::read(const int32_t* values, int32_t count)
{
    *this = CalendarLayout();
    bool whole = true;
    if (count < NumberCount) {
        refuse(lang::String("") + count + " numbers instead of " + NumberCount
            + "; the missing cells stay empty");
        whole = false;
    }
    int32_t next = 0;
    auto take = [&](int32_t& out) {
        if (next < count)
            out = values[next];
        ++next;
    };
    for (Point& point : cells) {
        take(point.x);
        take(point.y);
    }
    for (Point& point : circles) {
        take(point.x);
        take(point.y);
    }
    for (int32_t week = 0; week < Rows; ++week) {
        for (int32_t column = 0; column < Columns; ++column) {
            int32_t number = 0;
            take(number);
            if (number != 0 && !isCalendarNumber(number)) {
                refuse(lang::String("week ") + week + ", column " + column + " holds " + number);
                number = 0;
                whole = false;
            }
            grid[week][column] = number;
        }
    }
    for (int32_t number = 1; number <= Numbers; ++number) {
        CalendarCell at{-1, -1};
        take(at.week);
        take(at.column);
        if (next > count)
            continue;
        if (!isInGrid(at)) {
            refuse(lang::String("the opening of ") + number + " at (" + at.week + ", " + at.column
                + ") lies outside the calendar");
            whole = false;
            continue;
        }
        openings[number - 1] = at;
    }
    return whole;
}

int32_t CalendarLayout::numberAt(CalendarCell cell) const
{
    return isInGrid(cell) ? grid[cell.week][cell.column] : 0;
}

int32_t CalendarLayout::dayOf(CalendarCell cell) const
{
    const int32_t number = numberAt(cell);
    if (number == 0)
        return 0;
    int32_t day = 0;
    for (CalendarCell at{1, 0}; at <= cell; at = at.following())
        day += numberAt(at) == number ? 1 : 0;
    return day;
}

std::optional<CalendarCell> CalendarLayout::cellOfDay(int32_t number, int32_t day) const
{
    int32_t seen = 0;
    for (CalendarCell at{1, 0}; at.week < Rows; at = at.following()) {
        if (numberAt(at) == number && ++seen == day)
            return at;
    }
    return std::nullopt;
}

std::optional<CalendarCell> CalendarLayout::nextCell(CalendarCell cell) const
{
    for (CalendarCell at = cell.following(); at.week <= LastWeek; at = at.following()) {
        if (at.week >= 1 && numberAt(at) != 0)
            return at;
    }
    return std::nullopt;
}

std::optional<CalendarCell> CalendarLayout::lastCellUpTo(CalendarCell cell) const
{
    std::optional<CalendarCell> last;
    for (CalendarCell at{1, 0}; at <= cell && at.week < Rows; at = at.following()) {
        if (numberAt(at) != 0)
            last = at;
    }
    return last;
}

bool CalendarLayout::hasCellFrom(int32_t number, CalendarCell from) const
{
    for (CalendarCell at = from; at.week < Rows; at = at.following()) {
        if (numberAt(at) == number)
            return true;
    }
    return false;
}

std::optional<CalendarCell> CalendarLayout::opening(int32_t number) const
{
    return isCalendarNumber(number) ? openings[number - 1] : std::nullopt;
}
