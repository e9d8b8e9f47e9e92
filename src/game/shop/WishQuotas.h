// How many wishes of each item type (0 to 4) a day still allows. Type 0 counts wishes for
// copies of items that were handed over on an earlier day.
#pragma once

#include <array>
#include <cstdint>

class WishQuotas {
public:
    static constexpr int32_t Types = 5;

    // The quotas of a day (0 is Blitz; days past the table take its last row).
    void setForDay(int32_t day);
    int32_t left(int32_t type) const { return counters[type]; }
    bool allows(int32_t type) const { return counters[type] > 0; }
    void use(int32_t type) { --counters[type]; }

private:
    std::array<int32_t, Types> counters{};
};
