#include "sound/detail/Stream.h"

#include "sound/detail/PcmConvert.h"

#include <algorithm>

namespace sound {

namespace {

constexpr int kDecodeFrames = 2048;

} // namespace

std::unique_ptr<Stream> Stream::open(
    const uint8_t* data, size_t size, std::vector<uint8_t> owned, LoopMode mode)
{
    std::unique_ptr<Decoder> decoder = openDecoder(data, size);
    if (!decoder)
        return nullptr;
    return std::unique_ptr<Stream>(new Stream(std::move(decoder), std::move(owned), mode));
}

Stream::Stream(std::unique_ptr<Decoder> decoder, std::vector<uint8_t> owned, LoopMode mode)
    : owned_(std::move(owned)),
      decoder_(std::move(decoder)),
      format_(decoder_->rate(), decoder_->channels(), {})
{
    format_.setLoopMode(mode);
}

void Stream::restart()
{
    decoder_->rewind();
    window_.clear();
    windowStart_ = 0;
    end_ = -1;
    decodedSinceRewind_ = false;
}

bool Stream::decodeMore()
{
    int channels = decoder_->channels();
    size_t used = window_.size();
    window_.resize(used + size_t(kDecodeFrames) * channels);
    int got = decoder_->read(window_.data() + used, kDecodeFrames);
    window_.resize(used + size_t(got) * channels);
    if (got > 0) {
        decodedSinceRewind_ = true;
        return true;
    }
    // At the end: a looping stream starts over, unless a whole pass gave nothing.
    bool loops = loopMode() == LoopMode::Normal && decodedSinceRewind_ && decoder_->rewind();
    decodedSinceRewind_ = false;
    if (loops)
        return true;
    end_ = windowStart_ + int64_t(window_.size() / channels);
    return false;
}

void Stream::fetch(int64_t first, int count, float* out)
{
    int channels = decoder_->channels();
    int64_t drop = std::clamp<int64_t>(first - windowStart_, 0, int64_t(window_.size() / channels));
    window_.erase(window_.begin(), window_.begin() + drop * channels);
    windowStart_ += drop;
    while (end_ < 0 && windowStart_ + int64_t(window_.size() / channels) < first + count)
        decodeMore();
    int64_t available = windowStart_ + int64_t(window_.size() / channels) - first;
    int copied = int(std::clamp<int64_t>(available, 0, count));
    if (copied > 0)
        toStereoFloat(window_.data() + (first - windowStart_) * channels, channels, copied, out);
    std::fill(out + 2 * copied, out + 2 * count, 0.0f);
}

} // namespace sound
