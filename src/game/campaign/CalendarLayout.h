// The calendar's layout: where the seven cells of a page and their progress circles stand,
// which calendar shop number each cell of the twelve week rows holds (1 to 12 a shop, 13 an
// upgrade, 14 decorating, 0 no cell; row 0 is never shown) and the opening position of each
// number. Read from the 140 numbers of the calendar's table; bad values are refused with a
// debug line and leave empty cells, so that a damaged table still gives a calendar.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

// A cell of the calendar: a week row and a column (0 to 6), ordered row by row.
struct CalendarCell {
    int32_t week = 0;
    int32_t column = 0;

    auto operator<=>(const CalendarCell&) const = default;
    // The cell after this one, reading row by row.
    CalendarCell following() const;
};

class CalendarLayout {
public:
    static constexpr int32_t Rows = 12;
    static constexpr int32_t Columns = 7;
    static constexpr int32_t LastWeek = Rows - 1;
    static constexpr int32_t Numbers = 14;
    static constexpr int32_t UpgradeNumber = 13;
    static constexpr int32_t DecoratingNumber = 14;
    static constexpr int32_t ShopCount = 12;
    // 7 cell and 7 circle positions, 12 x 7 cells, 14 opening positions.
    static constexpr int32_t NumberCount = 2 * Columns + 2 * Columns + Rows * Columns + 2 * Numbers;

    struct Point {
        int32_t x = 0;
        int32_t y = 0;
    };

    // Takes the layout from the table's numbers; false (with a debug line for each refusal)
    // when the numbers are too few or some were out of range.
    bool read(const int32_t* values, int32_t count);

    // The calendar number of the cell; 0 outside the grid.
    int32_t numberAt(CalendarCell cell) const;
    // The number of cells with the same calendar number from week 1, column 0 up to and
    // including this one; 0 for an empty cell.
    int32_t dayOf(CalendarCell cell) const;
    // The cell of a number's day (the day-th cell holding it), if there is one.
    std::optional<CalendarCell> cellOfDay(int32_t number, int32_t day) const;
    // The next cell holding a number after this one, up to the last week.
    std::optional<CalendarCell> nextCell(CalendarCell cell) const;
    // The last cell holding a number at or before this one (from week 1 on).
    std::optional<CalendarCell> lastCellUpTo(CalendarCell cell) const;
    // A cell holding the number lies at or after `from`.
    bool hasCellFrom(int32_t number, CalendarCell from) const;

    Point cellPosition(int32_t column) const { return cells[clampColumn(column)]; }
    Point circlePosition(int32_t column) const { return circles[clampColumn(column)]; }
    // The opening position of a calendar number 1 to 14; none when the table gave no valid one.
    std::optional<CalendarCell> opening(int32_t number) const;

    static bool isCalendarNumber(int32_t number) { return number >= 1 && number <= Numbers; }
    static bool isInGrid(CalendarCell cell)
    {
        return cell.week >= 0 && cell.week < Rows && cell.column >= 0 && cell.column < Columns;
    }

private:
    static int32_t clampColumn(int32_t column)
    {
        return column < 0 ? 0 : column >= Columns ? Columns - 1 : column;
    }

    std::array<Point, Columns> cells{};
    std::array<Point, Columns> circles{};
    std::array<std::array<int32_t, Columns>, Rows> grid{};
    std::array<std::optional<CalendarCell>, Numbers> openings{};
};
