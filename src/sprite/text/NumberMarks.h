// Which cells of a digit picture a number uses for its decimal and grouping marks: cell 3 holds
// "," and cell 4 ".", so a locale that writes 1.234,5 swaps them. Read from the user's locale
// once, when a number first needs them.
#pragma once

#include <cstdint>
#include <string>

namespace sprite {

struct NumberMarks {
    static constexpr int32_t CommaCell = 3;
    static constexpr int32_t PointCell = 4;
    static constexpr int32_t NoCell = -1;

    int32_t decimalCell = PointCell;
    // NoCell when the locale groups with a space: the room stays, no mark is drawn.
    int32_t groupCell = CommaCell;

    // The cells for the locale's separators as texts (UTF-8 or single bytes). An empty thousands
    // separator (the C locale has none) counts as ",".
    static NumberMarks fromSeparators(const std::string& decimalPoint, const std::string& thousands);
    // The marks of the user's locale (LC_NUMERIC, LC_ALL or LANG).
    static NumberMarks ofUserLocale();
};

} // namespace sprite
