// A small calendar layout for the tests, in the order of the calendar table's 140 numbers:
//
//   week 0:  0  0  0  0  0  0 12   (never shown)
//   week 1: 11 11 13  1  1  0  0
//   week 2:  1 14 12 14 12  0  2
//   week 3: 12 12 12  0  0  0  0
//
// Openings: shop 1 at (1, 2), shop 2 at (2, 5), the own shop 12 at (2, 1), decorating 14 at
// (2, 0); 11 and 13 at (0, 0) (announced from the start); 3 to 10 at (0, 0) with no cells.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace calendartest {

constexpr int32_t CellLeft[] = {10, 120, 230, 340, 10, 120, 230};
constexpr int32_t CellTop[] = {20, 20, 20, 20, 200, 200, 200};
constexpr int32_t CellSize = 100;

inline int32_t cellIndex(int32_t week, int32_t column)
{
    return 28 + week * 7 + column;
}

inline int32_t openingIndex(int32_t number)
{
    return 112 + (number - 1) * 2;
}

inline std::vector<int32_t> layoutNumbers()
{
    std::vector<int32_t> numbers(140, 0);
    for (int32_t c = 0; c < 7; ++c) {
        numbers[size_t(2 * c)] = CellLeft[c];
        numbers[size_t(2 * c + 1)] = CellTop[c];
        numbers[size_t(14 + 2 * c)] = CellLeft[c] - 5;
        numbers[size_t(14 + 2 * c + 1)] = CellTop[c] - 5;
    }
    const int32_t grid[4][7] = {{0, 0, 0, 0, 0, 0, 12}, {11, 11, 13, 1, 1, 0, 0}, {1, 14, 12, 14, 12, 0, 2},
        {12, 12, 12, 0, 0, 0, 0}};
    for (int32_t w = 0; w < 4; ++w) {
        for (int32_t c = 0; c < 7; ++c)
            numbers[size_t(cellIndex(w, c))] = grid[w][c];
    }
    const int32_t openings[][3] = {{1, 1, 2}, {2, 2, 5}, {12, 2, 1}, {14, 2, 0}};
    for (const auto& [number, week, column] : openings) {
        numbers[size_t(openingIndex(number))] = week;
        numbers[size_t(openingIndex(number) + 1)] = column;
    }
    return numbers;
}

} // namespace calendartest
