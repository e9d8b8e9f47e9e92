// A tracker module (MOD, S3M, XM, IT and the other formats libxmp reads), rendered at the
// mix rate while it plays. A song loops until it is stopped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace sound {

class XmpModule;

class Song {
public:
    // Null when the bytes are not a module libxmp can load.
    static std::unique_ptr<Song> load(const uint8_t* data, size_t size, int mixRate);
    ~Song();

    // Starts from the beginning. False when the player cannot start.
    bool play();
    void stop();
    // A song that resumes fades in over one mix step.
    void setPaused(bool paused);
    bool paused() const { return paused_; }
    // A paused song is still playing; a stopped or finished one is not.
    bool playing() const { return playing_; }
    bool audible() const { return playing_ && !paused_; }

    void setVolume(int volume) { volume_ = volume; }
    int volume() const { return volume_; }

    // Adds `frames` stereo frames into `mix`, moving the gain smoothly to the volume.
    void mix(float* mix, int frames);
    // Adds `frames` that fade from the current gain to silence, for a stop or pause.
    void mixFadeOut(float* mix, int frames);

private:
    Song(std::unique_ptr<XmpModule> module, int mixRate);
    void addRendered(float* mix, int frames, float fromGain, float toGain);

    std::unique_ptr<XmpModule> module_;
    int mixRate_;
    bool playing_ = false;
    bool paused_ = false;
    int volume_ = 255;
    float gain_ = 1.0f;
    std::vector<int16_t> pcm_;
};

} // namespace sound
