// Output through an SDL2 audio device with a callback. When the chosen driver has no
// device to open (a machine without a sound card), it falls back to SDL's dummy driver.
#pragma once

#include "sound/Output.h"

#include <cstdint>
#include <memory>

namespace sound {

class SdlOutput : public Output {
public:
    // The device output factory to install (sound::installDeviceOutput).
    static std::unique_ptr<Output> create();
    ~SdlOutput() override;

    bool open(FrameSource& source, int rate, int bufferFrames) override;
    void close() override;
    bool audible() const override { return audible_; }

private:
    bool openDevice(int rate, int bufferFrames);
    static void callback(void* self, uint8_t* stream, int length);

    FrameSource* source_ = nullptr;
    uint32_t device_ = 0;
    bool subsystemStarted_ = false; // through SDL_InitSubSystem
    bool driverStarted_ = false; // through SDL_AudioInit, for the dummy driver
    bool audible_ = false; // a device of a driver that reaches speakers is open
};

} // namespace sound
