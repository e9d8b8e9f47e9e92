#include "game/shop/ClickLockout.h"

void ClickLockout::reset()
{
    bogusClicks = 0;
    lockouts = 0;
    lockedOut = false;
}

bool ClickLockout::registerBogusClick()
{
    if (lockedOut)
        return false;
    if (++bogusClicks < ClicksToLock)
        return false;
    ++lockouts;
    lockedOut = true;
    return true;
}

void ClickLockout::clickExpired()
{
    if (bogusClicks > 0)
        --bogusClicks;
}

bool ClickLockout::lockExpired()
{
    if (!lockedOut || bogusClicks >= ClicksToLock)
        return false;
    lockedOut = false;
    return true;
}
