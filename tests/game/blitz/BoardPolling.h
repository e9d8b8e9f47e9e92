// Calls a score board's poll() as the game does each frame, until a request has been applied.
// A request that ignored its time-out would run far past the limit here.
#pragma once

#include "game/blitz/ScoreBoard.h"

#include <chrono>
#include <thread>

inline bool pollUntilApplied(ScoreBoard& board)
{
    auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < giveUp) {
        if (board.poll())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}
