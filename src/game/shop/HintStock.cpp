#include "game/shop/HintStock.h"

#include <algorithm>

void HintStock::startRound(ProfileSave* record, bool blitzRound)
{
    save = lang::retain(record);
    blitz = blitzRound;
    blitzHints = 0;
    if (!blitz && save->hints < 1)
        save->hints = 1;
}

int32_t HintStock::count() const
{
    return blitz ? blitzHints : save->hints;
}

int32_t HintStock::change(int32_t delta)
{
    const int32_t stock = std::clamp(count() + delta, 0, int32_t(INT16_MAX));
    if (blitz)
        blitzHints = stock;
    else
        save->hints = static_cast<int16_t>(stock);
    return stock;
}
