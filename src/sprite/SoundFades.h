// The canvas's sounds: the switch that mutes them, and the volume and pitch ramps that every
// frame step advances by one frame until they end. The ramps have a monitor of their own.
#pragma once

#include "util/Vector.h"

#include <atomic>

namespace window {
class AudioClip;
}

namespace sprite {

class SoundFades {
public:
    void setSoundOn(bool on) { soundOn = on; }
    bool isSoundOn() const { return soundOn; }

    // Plays or loops the clip once; nothing while the sound is off.
    void play(window::AudioClip* clip);
    void loop(window::AudioClip* clip);
    void stop(window::AudioClip* clip);
    // Moves the clip's pitch to `targetScale` times its own, or its volume to `target`, over
    // that many frames.
    void slide(window::AudioClip* clip, float targetScale, int32_t frames);
    void fade(window::AudioClip* clip, int32_t target, int32_t frames, int32_t stopAtEnd);
    // One frame of every ramp; finished ramps are dropped.
    void update();
    int32_t rampCount();

private:
    void addRamp(window::AudioClip* clip);

    util::Vector ramps;
    std::atomic<bool> soundOn{true};
};

} // namespace sprite
