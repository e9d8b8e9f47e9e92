// The render thread's step interval on the real clock over 10 seconds: the mean interval and
// its jitter (the 99th percentile of the distance from 40 ms), with an empty sprite list.
#include "sprite/GameCanvas3.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <mutex>
#include <thread>
#include <vector>

namespace {

class TimedCanvas : public sprite::GameCanvas3 {
public:
    void frameStep() override
    {
        GameCanvas3::frameStep();
        std::lock_guard<std::mutex> lock(mutex);
        times.push_back(std::chrono::steady_clock::now());
    }
    std::vector<std::chrono::steady_clock::time_point> takeTimes()
    {
        std::lock_guard<std::mutex> lock(mutex);
        return std::move(times);
    }

private:
    std::mutex mutex;
    std::vector<std::chrono::steady_clock::time_point> times;
};

void BM_RenderStepInterval(benchmark::State& state)
{
    for (auto _ : state) {
        lang::Ref<TimedCanvas> canvas = lang::adopt(new TimedCanvas);
        canvas->start();
        std::this_thread::sleep_for(std::chrono::seconds(10));
        canvas->stop();
        std::vector<std::chrono::steady_clock::time_point> times = canvas->takeTimes();
        std::vector<double> intervals;
        for (size_t i = 1; i < times.size(); ++i)
            intervals.push_back(std::chrono::duration<double, std::milli>(times[i] - times[i - 1]).count());
        if (intervals.empty()) {
            state.SkipWithError("no steps");
            return;
        }
        double sum = 0;
        std::vector<double> jitter;
        for (double interval : intervals) {
            sum += interval;
            jitter.push_back(std::abs(interval - sprite::GameCanvas3::FramePeriodMs));
        }
        std::sort(jitter.begin(), jitter.end());
        state.counters["steps"] = double(times.size());
        state.counters["mean_ms"] = sum / double(intervals.size());
        state.counters["p99_jitter_ms"] = jitter[std::min(jitter.size() - 1, size_t(double(jitter.size()) * 0.99))];
        state.counters["max_jitter_ms"] = jitter.back();
    }
}
BENCHMARK(BM_RenderStepInterval)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

BENCHMARK_MAIN();
