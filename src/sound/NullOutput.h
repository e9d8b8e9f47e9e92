// An output without a device. Pulled: nothing happens until the owner calls pull(), which
// is how tests render the mix. Paced: a thread pulls and discards frames in real time, so
// sounds still end on schedule on a machine that has no sound card.
#pragma once

#include "sound/Output.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace sound {

class NullOutput : public Output {
public:
    enum class Pacing { Pulled, RealTime };

    explicit NullOutput(Pacing pacing = Pacing::Pulled) : pacing_(pacing) { }
    ~NullOutput() override;

    bool open(FrameSource& source, int rate, int bufferFrames) override;
    void close() override;

    // Mixes `frames` stereo frames into `out`; silence while the output is closed.
    void pull(int16_t* out, int frames);

private:
    void pace();

    Pacing pacing_;
    std::atomic<FrameSource*> source_{nullptr};
    int rate_ = 0;
    int bufferFrames_ = 0;
    std::thread thread_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
};

} // namespace sound
