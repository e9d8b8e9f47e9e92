// The clock of the harness's --fast option: time jumps to every frame's deadline at once, so
// that frame steps follow each other without waiting. The script's player holds it while it
// acts: from its look at the game to the game's handling of its input no frame passes, as for
// a player who reacts within a frame on the real clock, and while it waits for the game it
// lets the frames pass one at a time. Without the hold, a busy machine could run hundreds of
// frames between a look and the click decided on it, and the click would land in a game that
// has moved on, or a day would run out while the player is still looking.
#pragma once

#include "sprite/FrameClock.h"

#include <condition_variable>
#include <mutex>

namespace harness {

class FastClock : public sprite::VirtualFrameClock {
public:
    // The longest a hold keeps a frame waiting: a program that ends while the player acts
    // still gets its frames.
    static constexpr int MaxHoldMs = 2000;

    // Makes a fast clock the clock of the canvases to come.
    static void install();
    // The installed clock (not counted), or none.
    static FastClock* installed();

    // Waits while the player holds the clock, then jumps to the deadline.
    void waitUntil(int64_t deadline) override;

    // Time stands still for the scope (nothing without the fast clock).
    class Hold {
    public:
        Hold();
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;
        // Lets one frame step (and its paint) run and returns when the render thread waits
        // again; without the fast clock, waits a millisecond of real time.
        void passFrame();
    };

    const char* getClassName() const override { return "FastClock"; }

private:
    void addHold();
    void dropHold();
    void runOneFrame();

    std::mutex mutex;
    std::condition_variable released;
    std::condition_variable backBetweenFrames;
    int holds = 0;
    // Frames the holder lets run.
    int framesLet = 0;
    // The render thread waits in waitUntil.
    bool betweenFrames = false;
};

} // namespace harness
