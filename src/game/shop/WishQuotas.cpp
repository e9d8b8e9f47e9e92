#include "game/shop/WishQuotas.h"

#include <algorithm>

namespace {

// Rows: Blitz, then days 1 to 6; columns: item types 0 to 4.
constexpr int32_t QuotaTable[7][WishQuotas::Types] = {
    {0, 50, 50, 50, 50},
    {0, 9, 7, 4, 0},
    {0, 7, 9, 6, 3},
    {2, 5, 8, 8, 6},
    {2, 4, 5, 8, 7},
    {2, 4, 5, 7, 8},
    {3, 3, 4, 6, 9},
};

} // namespace

void WishQuotas::setForDay(int32_t day)
{
    const int32_t row = std::clamp(day, 0, 6);
    std::copy(std::begin(QuotaTable[row]), std::end(QuotaTable[row]), counters.begin());
}
