// One sound of the game: a sample (decoded whole, for effects), a stream (decoded while it
// plays, for long music) or a module song, loaded from a file or a "+" package item. Plays
// once or looping, pauses, stops, and fades its volume and pitch frame by frame. Every call
// into the sound engine happens under one process-wide audio monitor, and only after a
// successful startEngine().
#pragma once

#include "lang/Object.h"
#include "lang/String.h"

#include <cstdint>
#include <vector>

namespace sound {
class SoundEngine;
class Sample;
class Stream;
class Song;
}

namespace window {

class AudioClip : public lang::Object {
public:
    enum Kind { KindSample = 0, KindStream = 1, KindSong = 2 };

    AudioClip();
    ~AudioClip() override;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "AudioClip"; }

    virtual void pause();
    virtual void play();
    // Plays looping; a paused sound resumes where it was.
    virtual void loop();
    virtual void stop();

protected:
    virtual void loopSound();
    virtual void pauseSound();
    virtual void playSound();
    virtual void stopSound();

public:
    // 0..255; the engine clamps.
    virtual void setVolume(int32_t volume);
    // Pitch as a multiple of the sound's own rate.
    virtual void setFrequencyScale(float scale);
    // Moves the volume to `target` over `frames` calls of update(); with stopAtEnd == 1 the
    // sound pauses when the fade ends.
    virtual void fadeVolume(int32_t target, int32_t frames, int32_t stopAtEnd);
    virtual void slideFrequency(float targetScale, int32_t frames);
    // One frame of fade and slide: true while a fade step was applied or a slide still runs.
    virtual bool update();

    // Names the sound ("+" and a package item, or a file path) without loading it.
    void setSource(const lang::String& name, int32_t kind);
    bool load(int32_t kind, const lang::String& name);
    bool loadIfNeeded();
    bool isPlaying();

    // Starts the engine once (22050 Hz, 32 channels); bufferMs -1 keeps the engine's buffer.
    static bool startEngine(void* window, int32_t bufferMs, bool useWinMM);
    static void stopEngine();
    // The effects master volume, 0..255.
    static void setMasterVolume(int32_t volume);

    // The engine every clip plays through (tests give it their own output before the start).
    static sound::SoundEngine& engine();
    // The lock around every engine call.
    static lang::Object& audioMonitor();

    const lang::String& getName() const { return name; }
    int32_t getKind() const { return kind; }
    int32_t getChannel() const { return channel; }
    int32_t getVolume() const { return volume; }
    int32_t getDefaultFrequency() const { return defaultFrequency; }
    float getFrequencyScale() const { return frequencyScale; }
    bool isLoaded() const { return handle != nullptr; }
    bool isLoadFailed() const { return loadFailed; }

private:
    bool loadFromFile(int32_t kind);
    bool loadFromPackage(int32_t kind);
    void releaseHandle();
    bool ensureLoaded();
    void applyVolumeAndFrequency();
    void claimStreamChannel();
    sound::Sample* sample() const { return kind == KindSample ? static_cast<sound::Sample*>(handle) : nullptr; }
    sound::Stream* stream() const { return kind == KindStream ? static_cast<sound::Stream*>(handle) : nullptr; }
    sound::Song* song() const { return kind == KindSong ? static_cast<sound::Song*>(handle) : nullptr; }

    void* handle = nullptr;                // the engine's sample, stream or song, by kind
    std::vector<uint8_t> streamMemory;     // package bytes a stream plays from
    int32_t channel = -1;
    int32_t volume = -1;
    int32_t fadeTarget = -1;
    double fadeRemainder = 0.0;
    double fadeStep = 0.0;
    int32_t fadeFrames = 0;
    int32_t stopAtFadeEnd = 0;
    int32_t kind = KindSample;
    int32_t defaultFrequency = 0;
    float frequencyScale = 1.0f;
    float scaleTarget = 1.0f;
    float scaleStep = 0.0f;
    int32_t slideFrames = 0;
    lang::String name;
    bool loadFailed = false;
};

} // namespace window
