#include "sound/sdl/SdlOutput.h"

#include "lang/Debug.h"

#include <SDL.h>

#include <cstring>
#include <string>

namespace sound {

namespace {

// SDL wants a power of two frames per callback.
Uint16 deviceFrames(int bufferFrames)
{
    int frames = 256;
    while (frames * 2 <= bufferFrames && frames < 16384)
        frames *= 2;
    return Uint16(frames);
}

void report(const char* what)
{
    std::string line = std::string("Sound: ") + what + ": " + SDL_GetError() + "\n";
    lang::debugOutput(line.c_str());
}

} // namespace

std::unique_ptr<Output> SdlOutput::create()
{
    return std::make_unique<SdlOutput>();
}

SdlOutput::~SdlOutput()
{
    close();
}

bool SdlOutput::open(FrameSource& source, int rate, int bufferFrames)
{
    close();
    source_ = &source;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
        subsystemStarted_ = true;
        if (openDevice(rate, bufferFrames))
            return true;
        report("no audio device");
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystemStarted_ = false;
    } else {
        report("no audio driver");
    }
    if (SDL_AudioInit("dummy") == 0) {
        driverStarted_ = true;
        if (openDevice(rate, bufferFrames))
            return true;
        report("no dummy audio device");
    }
    close();
    return false;
}

bool SdlOutput::openDevice(int rate, int bufferFrames)
{
    SDL_AudioSpec wanted{};
    wanted.freq = rate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = deviceFrames(bufferFrames);
    wanted.callback = &SdlOutput::callback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts our 16-bit stereo to whatever the device takes.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device_ == 0)
        return false;
    // The dummy and disk drivers open devices that nobody hears.
    const char* driver = SDL_GetCurrentAudioDriver();
    audible_ = driver != nullptr && std::strcmp(driver, "dummy") != 0 && std::strcmp(driver, "disk") != 0;
    SDL_PauseAudioDevice(device_, 0);
    return true;
}

void SdlOutput::callback(void* self, uint8_t* stream, int length)
{
    auto* output = static_cast<SdlOutput*>(self);
    output->source_->mix(reinterpret_cast<int16_t*>(stream), length / 4);
}

void SdlOutput::close()
{
    if (device_ != 0) {
        SDL_CloseAudioDevice(device_); // waits for a running callback
        device_ = 0;
    }
    if (driverStarted_)
        SDL_AudioQuit();
    if (subsystemStarted_)
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    driverStarted_ = subsystemStarted_ = audible_ = false;
    source_ = nullptr;
}

} // namespace sound
