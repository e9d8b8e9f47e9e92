// A sound decoded while it plays: a decoder over encoded bytes and a small window of
// decoded frames that the mixer reads from. Frames are numbered along an endless timeline,
// so a looping stream runs on across its loop point without a seam.
#pragma once

#include "sound/Decoder.h"
#include "sound/Sample.h"

#include <memory>
#include <vector>

namespace sound {

class Stream {
public:
    // Opens a stream on `data`, which must outlive it unless `owned` holds those bytes.
    // Null when no decoder accepts the data.
    static std::unique_ptr<Stream> open(
        const uint8_t* data, size_t size, std::vector<uint8_t> owned, LoopMode mode);

    // The stream's format as a sample without frames (its rate is the default frequency).
    Sample& sample() { return format_; }

    LoopMode loopMode() const { return format_.loopMode(); }
    void setLoopMode(LoopMode mode) { format_.setLoopMode(mode); }

    // Back to the first frame with nothing decoded yet.
    void restart();

    // Writes `count` stereo frames as floats, starting at frame `first` of the timeline.
    // `first` never goes back before an earlier call's since the last restart; frames past
    // the end of a stream that does not loop are silent.
    void fetch(int64_t first, int count, float* out);

    // True once the end is known and lies at or before `position`.
    bool endedBefore(int64_t position) const { return end_ >= 0 && position >= end_; }

private:
    Stream(std::unique_ptr<Decoder> decoder, std::vector<uint8_t> owned, LoopMode mode);
    bool decodeMore();

    std::vector<uint8_t> owned_;
    std::unique_ptr<Decoder> decoder_;
    Sample format_;
    std::vector<int16_t> window_; // decoded frames from windowStart_ on
    int64_t windowStart_ = 0;
    int64_t end_ = -1; // timeline frame where the stream ends, -1 while unknown
    bool decodedSinceRewind_ = false;
};

} // namespace sound
