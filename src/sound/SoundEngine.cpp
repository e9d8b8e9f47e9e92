#include "sound/SoundEngine.h"

#include "io/FileInputStream.h"
#include "sound/detail/Mixer.h"
#include "sound/detail/Song.h"
#include "sound/detail/Stream.h"
#include "sound/NullOutput.h"

#include <algorithm>

namespace sound {

namespace {

constexpr int kIndexBits = 8;
constexpr int kIndexMask = (1 << kIndexBits) - 1;
constexpr int64_t kMaxFileBytes = int64_t(256) << 20;

// An empty file is no sound either.
bool readFile(const char* path, std::vector<uint8_t>& bytes)
{
    return path != nullptr && io::FileInputStream::readWholeFile(lang::String(path), kMaxFileBytes, bytes)
        && !bytes.empty();
}

const uint8_t* memoryRange(const void* data, int offset, int length)
{
    if (data == nullptr || offset < 0 || length <= 0)
        return nullptr;
    return static_cast<const uint8_t*>(data) + offset;
}

std::unique_ptr<Sample> decodeSample(const uint8_t* data, size_t size)
{
    std::unique_ptr<Decoder> decoder = openDecoder(data, size);
    std::vector<int16_t> pcm;
    if (!decoder || !decodeAll(*decoder, pcm))
        return nullptr;
    return std::make_unique<Sample>(decoder->rate(), decoder->channels(), std::move(pcm));
}

template <typename T> bool contains(const std::vector<std::unique_ptr<T>>& list, const T* item)
{
    return item != nullptr
        && std::any_of(list.begin(), list.end(), [item](const auto& held) { return held.get() == item; });
}

template <typename T> std::unique_ptr<T> takeOut(std::vector<std::unique_ptr<T>>& list, const T* item)
{
    auto found
        = std::find_if(list.begin(), list.end(), [item](const auto& held) { return held.get() == item; });
    if (found == list.end())
        return nullptr;
    std::unique_ptr<T> taken = std::move(*found);
    list.erase(found);
    return taken;
}

} // namespace

SoundEngine::SoundEngine() = default;

SoundEngine::~SoundEngine()
{
    close();
}

// --- Set-up

bool SoundEngine::setWindow(void* window)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (started_)
        return false;
    window_ = window;
    return true;
}

bool SoundEngine::setBufferLength(int milliseconds)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (started_)
        return false;
    bufferMs_ = std::max(kMinBufferMs, milliseconds) / kMinBufferMs * kMinBufferMs;
    return true;
}

int SoundEngine::bufferLength() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return bufferMs_;
}

bool SoundEngine::setOutput(OutputType type)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (started_)
        return false;
    outputType_ = type;
    return true;
}

bool SoundEngine::setCustomOutput(std::unique_ptr<Output> output)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (started_)
        return false;
    customOutput_ = std::move(output);
    return true;
}

std::unique_ptr<Output> SoundEngine::makeOutput() const
{
    std::unique_ptr<Output> device = outputType_ == OutputType::Silent ? nullptr : makeDeviceOutput();
    return device ? std::move(device) : std::make_unique<NullOutput>(NullOutput::Pacing::RealTime);
}

bool SoundEngine::start(int mixRate, int channelCount, unsigned flags)
{
    std::lock_guard<std::mutex> lifecycle(lifecycleMutex_);
    std::unique_ptr<Output> output;
    bool custom = false;
    int bufferFrames = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (started_ || flags != 0 || mixRate < 8000 || mixRate > 48000 || channelCount < 1
            || channelCount > kIndexMask + 1)
            return false;
        custom = customOutput_ != nullptr;
        output = custom ? std::move(customOutput_) : makeOutput();
        mixer_ = std::make_unique<Mixer>(mixRate, channelCount);
        slots_.resize(kSampleSlots);
        bufferFrames = int(int64_t(bufferMs_) * mixRate / 1000);
    }
    // Opened without the lock: the output's thread may pull at once, and a device lock of the
    // output must never be taken while this engine's lock is held.
    bool opened = output->open(*this, mixRate, bufferFrames);
    if (!opened && !custom) {
        output = std::make_unique<NullOutput>(NullOutput::Pacing::RealTime); // no device: run silent
        opened = output->open(*this, mixRate, bufferFrames);
    }
    std::lock_guard<std::mutex> lock(mutex_);
    if (!opened) {
        mixer_.reset();
        slots_.clear();
        return false;
    }
    output_ = std::move(output);
    started_ = true;
    return true;
}

void SoundEngine::close()
{
    std::lock_guard<std::mutex> lifecycle(lifecycleMutex_);
    std::unique_ptr<Output> output;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!started_)
            return;
        started_ = false;
        output = std::move(output_);
    }
    output->close(); // outside the lock: a pull in progress needs it to finish
    std::lock_guard<std::mutex> lock(mutex_);
    songs_.clear();
    streams_.clear();
    slots_.clear();
    mixer_.reset();
}

bool SoundEngine::started() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return started_;
}

bool SoundEngine::audible() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return started_ && output_->audible();
}

void SoundEngine::setEffectsVolume(int volume)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (started_)
        mixer_->setEffectsVolume(volume);
}

int SoundEngine::effectsVolume() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return started_ ? mixer_->effectsVolume() : 0;
}

// --- Samples

Sample* SoundEngine::loadSample(int slot, const char* path)
{
    std::vector<uint8_t> bytes;
    if (!readFile(path, bytes))
        return nullptr;
    return loadSampleFromMemory(slot, bytes.data(), 0, int(bytes.size()));
}

Sample* SoundEngine::loadSampleFromMemory(int slot, const void* data, int offset, int length)
{
    const uint8_t* bytes = memoryRange(data, offset, length);
    if (bytes == nullptr || slot < kAnySlot || slot >= kSampleSlots)
        return nullptr;
    std::unique_ptr<Sample> sample = decodeSample(bytes, size_t(length));
    if (!sample)
        return nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!started_)
        return nullptr;
    if (slot == kAnySlot) {
        auto free = std::find(slots_.begin(), slots_.end(), nullptr);
        if (free == slots_.end())
            return nullptr;
        slot = int(free - slots_.begin());
    } else if (slots_[slot]) {
        mixer_->stopAllUsing(slots_[slot].get());
    }
    slots_[slot] = std::move(sample);
    return slots_[slot].get();
}

bool SoundEngine::ownsSample(const Sample* sample) const
{
    if (contains(slots_, sample))
        return true;
    return std::any_of(streams_.begin(), streams_.end(),
        [sample](const auto& stream) { return &stream->sample() == sample; });
}

int SoundEngine::defaultFrequency(const Sample* sample) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return ownsSample(sample) ? sample->rate() : 0;
}

bool SoundEngine::setLoopMode(Sample* sample, LoopMode mode)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!contains(slots_, sample))
        return false;
    sample->setLoopMode(mode);
    return true;
}

void SoundEngine::freeSample(Sample* sample)
{
    std::lock_guard<std::mutex> lock(mutex_);
    auto held = std::find_if(
        slots_.begin(), slots_.end(), [sample](const auto& slot) { return slot.get() == sample; });
    if (sample == nullptr || held == slots_.end())
        return;
    mixer_->stopAllUsing(sample);
    held->reset();
}

// --- Streams

Stream* SoundEngine::openStream(const char* path, LoopMode mode)
{
    std::vector<uint8_t> bytes;
    if (!readFile(path, bytes))
        return nullptr;
    const uint8_t* data = bytes.data();
    size_t size = bytes.size();
    return keepStream(Stream::open(data, size, std::move(bytes), mode));
}

Stream* SoundEngine::openStreamFromMemory(const void* data, int offset, int length, LoopMode mode)
{
    const uint8_t* bytes = memoryRange(data, offset, length);
    if (bytes == nullptr)
        return nullptr;
    return keepStream(Stream::open(bytes, size_t(length), {}, mode));
}

Stream* SoundEngine::keepStream(std::unique_ptr<Stream> stream)
{
    if (!stream)
        return nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!started_)
        return nullptr;
    streams_.push_back(std::move(stream));
    return streams_.back().get();
}

bool SoundEngine::ownsStream(const Stream* stream) const
{
    return contains(streams_, stream);
}

Sample* SoundEngine::streamSample(Stream* stream)
{
    std::lock_guard<std::mutex> lock(mutex_);
    return ownsStream(stream) ? &stream->sample() : nullptr;
}

bool SoundEngine::setLoopMode(Stream* stream, LoopMode mode)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ownsStream(stream))
        return false;
    stream->setLoopMode(mode);
    return true;
}

void SoundEngine::stopChannelOf(const Stream* stream)
{
    int playing = mixer_->channelOf(stream);
    if (playing >= 0)
        mixer_->stop(playing);
}

int SoundEngine::playStream(int channel, Stream* stream)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ownsStream(stream))
        return -1;
    stopChannelOf(stream);
    stream->restart();
    return startOn(channel, nullptr, stream);
}

bool SoundEngine::stopStream(Stream* stream)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ownsStream(stream))
        return false;
    stopChannelOf(stream);
    stream->restart();
    return true;
}

void SoundEngine::closeStream(Stream* stream)
{
    std::unique_ptr<Stream> closed;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ownsStream(stream))
        return;
    stopChannelOf(stream);
    closed = takeOut(streams_, stream);
}

// --- Channels

// The channel index a handle or index names, or -1 when it names nothing current.
int SoundEngine::channelIndex(int channel) const
{
    if (channel < 0 || !started_)
        return -1;
    int index = channel & kIndexMask;
    uint32_t serial = uint32_t(channel) >> kIndexBits;
    if (index >= mixer_->channelCount())
        return -1;
    if (serial != 0 && mixer_->channel(index).serial != serial)
        return -1;
    return index;
}

int SoundEngine::handleOf(int index) const
{
    return int((mixer_->channel(index).serial << kIndexBits) | uint32_t(index));
}

int SoundEngine::startOn(int channel, Sample* sample, Stream* stream)
{
    int index = channelIndex(channel);
    if (index < 0)
        index = mixer_->pickChannel(Sample::kDefaultPriority);
    if (index < 0)
        return -1;
    mixer_->start(index, sample, stream);
    return handleOf(index);
}

int SoundEngine::playSample(int channel, Sample* sample)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!contains(slots_, sample))
        return -1;
    return startOn(channel, sample, nullptr);
}

template <typename Change> bool SoundEngine::changeChannel(int channel, Change change)
{
    std::lock_guard<std::mutex> lock(mutex_);
    int index = channelIndex(channel);
    if (index < 0 || !mixer_->channel(index).busy())
        return false;
    change(index);
    return true;
}

template <typename Read> int SoundEngine::readChannel(int channel, Read read) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    int index = channelIndex(channel);
    if (index < 0 || !mixer_->channel(index).busy())
        return -1;
    return read(mixer_->channel(index));
}

bool SoundEngine::stopChannel(int channel)
{
    return changeChannel(channel, [this](int index) { mixer_->stop(index); });
}

bool SoundEngine::setVolume(int channel, int volume)
{
    return changeChannel(channel, [this, volume](int index) { mixer_->setVolume(index, volume); });
}

bool SoundEngine::setFrequency(int channel, int frequency)
{
    return changeChannel(channel, [this, frequency](int index) { mixer_->setFrequency(index, frequency); });
}

bool SoundEngine::setPaused(int channel, bool paused)
{
    return changeChannel(channel, [this, paused](int index) { mixer_->setPaused(index, paused); });
}

bool SoundEngine::setPriority(int channel, int priority)
{
    return changeChannel(channel, [this, priority](int index) { mixer_->setPriority(index, priority); });
}

bool SoundEngine::setPan(int channel, int pan)
{
    return changeChannel(channel, [this, pan](int index) { mixer_->setPan(index, pan); });
}

bool SoundEngine::isPaused(int channel) const
{
    return readChannel(channel, [](const Channel& c) { return c.paused ? 1 : 0; }) == 1;
}

bool SoundEngine::isPlaying(int channel) const
{
    return readChannel(channel, [](const Channel&) { return 1; }) == 1;
}

int SoundEngine::volume(int channel) const
{
    return readChannel(channel, [](const Channel& c) { return c.volume; });
}

int SoundEngine::frequency(int channel) const
{
    return readChannel(channel, [](const Channel& c) { return c.frequency; });
}

int SoundEngine::pan(int channel) const
{
    return readChannel(channel, [](const Channel& c) { return c.pan; });
}

int SoundEngine::priority(int channel) const
{
    return readChannel(channel, [](const Channel& c) { return c.priority; });
}

// --- Songs

Song* SoundEngine::loadSong(const char* path)
{
    std::vector<uint8_t> bytes;
    if (!readFile(path, bytes))
        return nullptr;
    return loadSongFromMemory(bytes.data(), int(bytes.size()));
}

Song* SoundEngine::loadSongFromMemory(const void* data, int length)
{
    const uint8_t* bytes = memoryRange(data, 0, length);
    int mixRate = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (!started_ || bytes == nullptr)
            return nullptr;
        mixRate = mixer_->mixRate();
    }
    std::unique_ptr<Song> song = Song::load(bytes, size_t(length), mixRate);
    if (!song)
        return nullptr;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!started_ || mixer_->mixRate() != mixRate)
        return nullptr;
    mixer_->addSong(song.get());
    songs_.push_back(std::move(song));
    return songs_.back().get();
}

bool SoundEngine::ownsSong(const Song* song) const
{
    return contains(songs_, song);
}

bool SoundEngine::playSong(Song* song)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ownsSong(song))
        return false;
    mixer_->fadeOutSong(*song);
    return song->play();
}

bool SoundEngine::stopSong(Song* song)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ownsSong(song))
        return false;
    mixer_->fadeOutSong(*song);
    song->stop();
    return true;
}

bool SoundEngine::setSongPaused(Song* song, bool paused)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ownsSong(song) || !song->playing())
        return false;
    if (paused)
        mixer_->fadeOutSong(*song);
    song->setPaused(paused);
    return true;
}

bool SoundEngine::isSongPaused(Song* song) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return ownsSong(song) && song->playing() && song->paused();
}

bool SoundEngine::isSongPlaying(Song* song) const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return ownsSong(song) && song->playing();
}

bool SoundEngine::setSongVolume(Song* song, int volume)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ownsSong(song))
        return false;
    song->setVolume(std::clamp(volume, 0, 255));
    return true;
}

void SoundEngine::freeSong(Song* song)
{
    std::unique_ptr<Song> freed;
    std::lock_guard<std::mutex> lock(mutex_);
    if (!ownsSong(song))
        return;
    mixer_->fadeOutSong(*song);
    mixer_->removeSong(song);
    freed = takeOut(songs_, song);
}

// --- Output side

void SoundEngine::mix(int16_t* out, int frames)
{
    while (frames > 0) {
        int step = std::min(frames, Mixer::kMaxStepFrames);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (mixer_)
                mixer_->mix(out, step);
            else
                std::fill(out, out + 2 * step, int16_t(0));
        }
        out += 2 * step;
        frames -= step;
    }
}

} // namespace sound
