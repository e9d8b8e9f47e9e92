#include "window/audio/AudioClip.h"

#include "lang/LiveCounts.h"
#include "lang/Ref.h"
#include "lang/ResourceFile.h"
#include "lang/ResourceItem.h"
#include "lang/SyncGuard.h"
#include "sound/SoundEngine.h"

#include <cstring>

namespace window {

namespace {

// Made on first use: objects may be built during static initialisation.
std::atomic<int32_t>& liveSounds()
{
    static std::atomic<int32_t>& count = lang::LiveCounts::of("sounds");
    return count;
}

constexpr int kMixRate = 22050;
constexpr int kSoftwareChannels = 32;
constexpr int kNeverStolen = 255;
constexpr int kTrueStereo = -1;

// True after a successful engine start; read and written only under the audio monitor.
bool audioReady = false;

} // namespace

sound::SoundEngine& AudioClip::engine()
{
    static sound::SoundEngine theEngine;
    return theEngine;
}

lang::Object& AudioClip::audioMonitor()
{
    static lang::Object monitor;
    return monitor;
}

AudioClip::AudioClip()
{
    ++liveSounds();
}

AudioClip::~AudioClip()
{
    --liveSounds();
    SyncGuard guard(audioMonitor());
    if (audioReady && handle != nullptr)
        releaseHandle();
    streamMemory.clear();
    handle = nullptr;
}

bool AudioClip::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "AudioClip") == 0 || Object::isInstanceOf(className);
}

// --- Engine start and stop

bool AudioClip::startEngine(void* window, int32_t bufferMs, bool useWinMM)
{
    SyncGuard guard(audioMonitor());
    if (audioReady)
        return true;
    engine().setWindow(window);
    if (bufferMs != -1)
        engine().setBufferLength(bufferMs);
    if (useWinMM)
        engine().setOutput(sound::OutputType::Device);
    audioReady = engine().start(kMixRate, kSoftwareChannels, 0);
    return audioReady;
}

void AudioClip::stopEngine()
{
    SyncGuard guard(audioMonitor());
    if (audioReady)
        engine().close();
    audioReady = false;
}

void AudioClip::setMasterVolume(int32_t volume)
{
    SyncGuard guard(audioMonitor());
    if (audioReady)
        engine().setEffectsVolume(volume);
}

// --- Loading

void AudioClip::setSource(const lang::String& source, int32_t sourceKind)
{
    name = source;
    kind = sourceKind;
    loadFailed = false;
}

bool AudioClip::load(int32_t newKind, const lang::String& source)
{
    if (!name.equals(source))
        name = source;
    SyncGuard guard(audioMonitor());
    if (!audioReady)
        return false;
    stop();
    if (handle != nullptr)
        releaseHandle();
    streamMemory.clear();
    kind = newKind;
    defaultFrequency = 0;
    if (name.startsWith("+"))
        loadFromPackage(kind);
    else
        loadFromFile(kind);
    loadFailed = handle == nullptr;
    return handle != nullptr;
}

bool AudioClip::loadFromFile(int32_t newKind)
{
    sound::SoundEngine& sounds = engine();
    const char* path = name.c_str();
    if (newKind == KindSample) {
        auto* loaded = sounds.loadSample(sound::SoundEngine::kAnySlot, path);
        handle = loaded;
        defaultFrequency = sounds.defaultFrequency(loaded);
    } else if (newKind == KindStream) {
        auto* opened = sounds.openStream(path, sound::LoopMode::Normal);
        handle = opened;
        defaultFrequency = sounds.defaultFrequency(sounds.streamSample(opened));
    } else if (newKind == KindSong) {
        handle = sounds.loadSong(path);
    }
    return handle != nullptr;
}

bool AudioClip::loadFromPackage(int32_t newKind)
{
    lang::ResourceFile* package = lang::ResourceFile::getDefault();
    if (package == nullptr)
        return false;
    lang::Ref<lang::ResourceItem> item = lang::adopt(package->getItem(name.substring(1), false));
    if (!item)
        return false;
    sound::SoundEngine& sounds = engine();
    const uint8_t* bytes = item->getData();
    int32_t length = item->getSize();
    if (newKind == KindSample) {
        auto* loaded = sounds.loadSampleFromMemory(sound::SoundEngine::kAnySlot, bytes, 0, length);
        handle = loaded;
        defaultFrequency = sounds.defaultFrequency(loaded);
    } else if (newKind == KindSong) {
        handle = sounds.loadSongFromMemory(bytes, length);
    } else if (newKind == KindStream) {
        // The stream reads these bytes while it plays, so it gets a copy of its own.
        streamMemory.assign(bytes, bytes + length);
        auto* opened = sounds.openStreamFromMemory(streamMemory.data(), 0, length, sound::LoopMode::Normal);
        handle = opened;
        if (opened == nullptr)
            streamMemory.clear();
        defaultFrequency = sounds.defaultFrequency(sounds.streamSample(opened));
    }
    return handle != nullptr;
}

bool AudioClip::loadIfNeeded()
{
    if (handle != nullptr || name.isEmpty() || loadFailed)
        return false;
    return load(kind, name);
}

void AudioClip::releaseHandle()
{
    if (kind == KindSample)
        engine().freeSample(sample());
    else if (kind == KindStream)
        engine().closeStream(stream());
    else if (kind == KindSong)
        engine().freeSong(song());
    handle = nullptr;
}

// Loads on first use, unless there is nothing to load or an earlier load failed.
bool AudioClip::ensureLoaded()
{
    if (handle == nullptr && !name.isEmpty() && !loadFailed)
        load(kind, name);
    return handle != nullptr;
}

// --- Playing

void AudioClip::pause()
{
    pauseSound();
}

void AudioClip::play()
{
    playSound();
}

void AudioClip::loop()
{
    loopSound();
}

void AudioClip::stop()
{
    stopSound();
}

void AudioClip::applyVolumeAndFrequency()
{
    sound::SoundEngine& sounds = engine();
    if (kind == KindSong) {
        if (volume != -1)
            sounds.setSongVolume(song(), volume);
        return;
    }
    if (volume != -1)
        sounds.setVolume(channel, volume);
    if (frequencyScale != 1.0f)
        sounds.setFrequency(channel, int32_t(float(defaultFrequency) * frequencyScale));
}

// A stream is music: nothing else may take its channel, and it keeps its own stereo image.
void AudioClip::claimStreamChannel()
{
    if (channel != -1) {
        engine().setPriority(channel, kNeverStolen);
        engine().setPan(channel, kTrueStereo);
    }
}

void AudioClip::playSound()
{
    SyncGuard guard(audioMonitor());
    if (!audioReady)
        return;
    if (handle == nullptr) {
        if (!ensureLoaded())
            return;
    } else {
        stop();
    }
    sound::SoundEngine& sounds = engine();
    if (kind == KindSample) {
        sounds.setLoopMode(sample(), sound::LoopMode::Off);
        channel = sounds.playSample(channel, sample());
    } else if (kind == KindStream) {
        sounds.setLoopMode(stream(), sound::LoopMode::Off);
        channel = sounds.playStream(channel, stream());
        claimStreamChannel();
    } else {
        sounds.playSong(song());
    }
    applyVolumeAndFrequency();
}

void AudioClip::loopSound()
{
    SyncGuard guard(audioMonitor());
    if (!audioReady || !ensureLoaded())
        return;
    sound::SoundEngine& sounds = engine();
    if (kind == KindSong) {
        if (sounds.isSongPaused(song()))
            sounds.setSongPaused(song(), false);
        else
            sounds.playSong(song());
        applyVolumeAndFrequency();
        return;
    }
    if (kind == KindSample)
        sounds.setLoopMode(sample(), sound::LoopMode::Normal);
    else
        sounds.setLoopMode(stream(), sound::LoopMode::Normal);
    if (channel != -1 && sounds.isPaused(channel)) {
        sounds.setPaused(channel, false);
    } else if (!isPlaying()) {
        // A channel kept from a sound that has ended is let go first; the sound then starts
        // on a free channel at once rather than on the next call.
        if (channel != -1) {
            sounds.stopChannel(channel);
            channel = -1;
        }
        if (kind == KindSample) {
            channel = sounds.playSample(sound::SoundEngine::kAnyChannel, sample());
        } else {
            channel = sounds.playStream(sound::SoundEngine::kAnyChannel, stream());
            claimStreamChannel();
        }
    }
    applyVolumeAndFrequency();
}

void AudioClip::pauseSound()
{
    SyncGuard guard(audioMonitor());
    if (!audioReady)
        return;
    if (kind == KindSong) {
        if (engine().isSongPlaying(song()))
            engine().setSongPaused(song(), true);
    } else if (channel != -1) {
        engine().setPaused(channel, true);
    }
}

void AudioClip::stopSound()
{
    SyncGuard guard(audioMonitor());
    if (!audioReady)
        return;
    sound::SoundEngine& sounds = engine();
    if (kind == KindSong) {
        if (sounds.isSongPlaying(song()))
            sounds.stopSong(song());
        return;
    }
    if (kind == KindStream)
        sounds.stopStream(stream());
    if (channel != -1) {
        sounds.stopChannel(channel);
        channel = -1;
    }
}

bool AudioClip::isPlaying()
{
    SyncGuard guard(audioMonitor());
    if (!audioReady)
        return false;
    if (kind == KindSong)
        return engine().isSongPlaying(song());
    return channel != -1 && engine().isPlaying(channel);
}

// --- Volume and pitch

void AudioClip::setVolume(int32_t newVolume)
{
    volume = newVolume;
    SyncGuard guard(audioMonitor());
    if (!audioReady)
        return;
    if (kind == KindSong) {
        if (engine().isSongPlaying(song()))
            engine().setSongVolume(song(), volume);
    } else if (channel != -1) {
        engine().setVolume(channel, volume);
    }
}

void AudioClip::setFrequencyScale(float scale)
{
    // Under the monitor like every other call, so the stored channel is never read while
    // another thread replaces it. The engine ignores the call while it is not running.
    SyncGuard guard(audioMonitor());
    frequencyScale = scale;
    if (channel != -1)
        engine().setFrequency(channel, int32_t(scale * float(defaultFrequency)));
}

void AudioClip::fadeVolume(int32_t target, int32_t frames, int32_t stopAtEnd)
{
    if (frames > 0) {
        fadeTarget = target;
        fadeRemainder = 0.0;
        fadeFrames = frames;
        stopAtFadeEnd = stopAtEnd;
        fadeStep = double(target - volume) / frames;
    } else {
        setVolume(target);
        fadeFrames = 0;
    }
}

void AudioClip::slideFrequency(float targetScale, int32_t frames)
{
    if (frames > 0) {
        scaleTarget = targetScale;
        slideFrames = frames;
        scaleStep = (targetScale - frequencyScale) / frames;
    } else {
        setFrequencyScale(targetScale);
        slideFrames = 0;
    }
}

bool AudioClip::update()
{
    bool faded = false;
    if (fadeFrames > 0) {
        --fadeFrames;
        if (fadeFrames > 0) {
            fadeRemainder += fadeStep;
            int32_t whole = int32_t(fadeRemainder); // the fraction carries over to the next frame
            setVolume(volume + whole);
            fadeRemainder -= whole;
            faded = true;
        } else {
            setVolume(fadeTarget);
            if (stopAtFadeEnd == 1)
                pause();
        }
    }
    if (slideFrames > 0) {
        --slideFrames;
        if (slideFrames > 0) {
            setFrequencyScale(frequencyScale + scaleStep);
            return true;
        }
        setFrequencyScale(scaleTarget);
    }
    return faded;
}

} // namespace window
