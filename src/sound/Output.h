// Where mixed sound goes: an audio device, or nowhere. An output pulls 16-bit stereo
// frames from a FrameSource (the engine) on its own schedule. The device output comes from the
// back end the program installs at start-up (src/sound/sdl/ for SDL2).
#pragma once

#include <cstdint>
#include <memory>

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

// Makes an output for the platform's audio device.
using DeviceOutputFactory = std::unique_ptr<Output> (*)();

// Installs the maker of device outputs, before other threads start. Without one (or after
// installing null) an engine that asks for a device runs silent.
void installDeviceOutput(DeviceOutputFactory factory);
// A new device output; null when no maker is installed.
std::unique_ptr<Output> makeDeviceOutput();

} // namespace sound
