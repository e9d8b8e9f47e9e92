#include "sound/mpg123/MpegDecoder.h"

#include <mpg123.h>

#include <algorithm>
#include <mutex>

namespace sound {

namespace {

// Bytes handed to the decoder each time it asks for more.
constexpr size_t kFeedBytes = 16384;

bool initLibrary()
{
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] { ready = mpg123_init() == MPG123_OK; });
    return ready;
}

} // namespace

std::unique_ptr<MpegDecoder> MpegDecoder::open(const uint8_t* data, size_t size)
{
    if (!initLibrary())
        return nullptr;
    std::unique_ptr<MpegDecoder> decoder(new MpegDecoder(data, size));
    decoder->handle_ = mpg123_new(nullptr, nullptr);
    mpg123_handle* mh = decoder->handle_;
    if (mh == nullptr)
        return nullptr;
    // ADD_FLAGS keeps the default flags, gapless decoding among them.
    mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    mpg123_format_none(mh);
    const long* rates = nullptr;
    size_t rateCount = 0;
    mpg123_rates(&rates, &rateCount);
    for (size_t i = 0; i < rateCount; ++i)
        mpg123_format(mh, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (!decoder->restart())
        return nullptr;
    return decoder;
}

MpegDecoder::~MpegDecoder()
{
    if (handle_ != nullptr) {
        mpg123_close(handle_);
        mpg123_delete(handle_);
    }
}

bool MpegDecoder::restart()
{
    mpg123_close(handle_);
    fed_ = 0;
    if (mpg123_open_feed(handle_) != MPG123_OK)
        return false;
    return readFormat();
}

bool MpegDecoder::feedMore()
{
    if (fed_ >= size_)
        return false;
    size_t chunk = std::min(kFeedBytes, size_ - fed_);
    if (mpg123_feed(handle_, data_ + fed_, chunk) != MPG123_OK)
        return false;
    fed_ += chunk;
    return true;
}

// Feeds data until the first frame header gives the format, which must stay the same.
bool MpegDecoder::readFormat()
{
    long rate = 0;
    int channels = 0, encoding = 0;
    for (;;) {
        int result = mpg123_getformat(handle_, &rate, &channels, &encoding);
        if (result == MPG123_OK)
            break;
        if (result != MPG123_NEED_MORE || !feedMore())
            return false;
    }
    if (encoding != MPG123_ENC_SIGNED_16 || rate < kMinSourceRate || rate > kMaxSourceRate)
        return false;
    if (channels_ != 0 && (channels != channels_ || rate != rate_))
        return false;
    rate_ = int(rate);
    channels_ = channels;
    return true;
}

int MpegDecoder::read(int16_t* out, int frames)
{
    size_t frameBytes = size_t(2 * channels_);
    size_t wanted = size_t(frames) * frameBytes;
    size_t got = 0;
    while (got < wanted) {
        size_t done = 0;
        int result = mpg123_read(handle_, reinterpret_cast<unsigned char*>(out) + got, wanted - got, &done);
        got += done;
        if (result == MPG123_NEED_MORE) {
            if (!feedMore())
                break;
        } else if (result == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(handle_, &rate, &channels, &encoding);
            if (rate != rate_ || channels != channels_)
                break; // a stream that changes its format mid-way ends there
        } else if (result != MPG123_OK) {
            break;
        }
    }
    return int(got / frameBytes);
}

bool MpegDecoder::rewind()
{
    return restart();
}

} // namespace sound
