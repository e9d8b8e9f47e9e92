// Where mixed sound goes: an audio device, or nowhere. An output pulls 16-bit stereo
// frames from a FrameSource (the engine) on its own schedule.
#pragma once

#include <cstdint>

namespace sound {

class FrameSource {
public:
    virtual ~FrameSource() = default;
    // Writes `frames` interleaved stereo frames into `out`. Safe to call from any one thread.
    virtual void mix(int16_t* out, int frames) = 0;
};

class Output {
public:
    virtual ~Output() = default;
    // Starts pulling frames at `rate` in blocks of about `bufferFrames`. False when the
    // output cannot run; nothing is pulled then.
    virtual bool open(FrameSource& source, int rate, int bufferFrames) = 0;
    // Stops pulling; when it returns, no pull is running any more.
    virtual void close() = 0;
    // True when the frames reach a real device that someone can hear.
    virtual bool audible() const { return false; }
};

} // namespace sound
