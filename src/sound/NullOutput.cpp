#include "sound/NullOutput.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace sound {

NullOutput::~NullOutput()
{
    close();
}

bool NullOutput::open(FrameSource& source, int rate, int bufferFrames)
{
    close();
    rate_ = rate;
    bufferFrames_ = std::max(1, bufferFrames);
    source_ = &source;
    if (pacing_ == Pacing::RealTime) {
        stopping_ = false;
        thread_ = std::thread([this] { pace(); });
    }
    return true;
}

void NullOutput::close()
{
    if (thread_.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopping_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    source_ = nullptr;
}

void NullOutput::pull(int16_t* out, int frames)
{
    FrameSource* source = source_;
    if (source != nullptr)
        source->mix(out, frames);
    else
        std::fill(out, out + 2 * frames, int16_t(0));
}

// Pulls one buffer per buffer period against absolute deadlines, so the pace never drifts.
void NullOutput::pace()
{
    using Clock = std::chrono::steady_clock;
    std::vector<int16_t> buffer(size_t(bufferFrames_) * 2);
    auto period = std::chrono::duration_cast<Clock::duration>(
        std::chrono::duration<double>(double(bufferFrames_) / rate_));
    auto deadline = Clock::now();
    std::unique_lock<std::mutex> lock(mutex_);
    while (!stopping_) {
        lock.unlock();
        pull(buffer.data(), bufferFrames_);
        lock.lock();
        deadline += period;
        wake_.wait_until(lock, deadline, [this] { return stopping_; });
    }
}

} // namespace sound
