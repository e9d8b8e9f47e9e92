#include "SoundCheck.h"

#include "sound/Decoder.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace contentgen {

SoundMeasure measureSound(const std::vector<uint8_t>& bytes)
{
    SoundMeasure m;
    std::vector<int16_t> pcm;
    // The engine's own decoders: what passes here is what the game can play.
    std::unique_ptr<sound::Decoder> decoder = sound::openDecoder(bytes.data(), bytes.size());
    if (!decoder)
        return m;
    m.channels = decoder->channels();
    m.rate = decoder->rate();
    m.decoded = sound::decodeAll(*decoder, pcm);
    if (!m.decoded || m.channels < 1)
        return m;
    const size_t channels = size_t(m.channels);
    m.frames = pcm.size() / channels;
    if (m.frames < 2) {
        m.decoded = false;
        return m;
    }
    double sum = 0.0, stepSum = 0.0;
    for (size_t c = 0; c < channels; ++c) {
        auto at = [&](size_t frame) { return pcm[frame * channels + c] / 32768.0; };
        for (size_t i = 0; i < m.frames; ++i) {
            const double v = at(i);
            m.peak = std::max(m.peak, std::fabs(v));
            sum += v * v;
            if (i > 0) {
                const double step = std::fabs(v - at(i - 1));
                m.maxStep = std::max(m.maxStep, step);
                stepSum += step * step;
            }
        }
        m.loopJump = std::max(m.loopJump, std::fabs(at(0) - at(m.frames - 1)));
        m.edgeStart = std::max(m.edgeStart, std::fabs(at(0)));
        m.edgeEnd = std::max(m.edgeEnd, std::fabs(at(m.frames - 1)));
    }
    m.rms = std::sqrt(sum / double(m.frames * channels));
    m.stepRms = std::sqrt(stepSum / double((m.frames - 1) * channels));
    return m;
}

std::string judgeSound(const SoundMeasure& m, bool looping)
{
    if (!m.decoded)
        return "does not decode";
    if (m.peak > 0.95)
        return "peak " + std::to_string(m.peak) + " leaves no headroom";
    if (m.peak < 0.2)
        return "peak " + std::to_string(m.peak) + " is too quiet";
    if (m.rms < 0.01)
        return "almost silent";
    if (looping && m.loopJump > std::max(m.maxStep, 4.0 * m.stepRms))
        return "loop point jumps by " + std::to_string(m.loopJump) + " (largest step inside " + std::to_string(m.maxStep) + ")";
    if (!looping && (m.edgeStart > 0.02 || m.edgeEnd > 0.02))
        return "starts or ends away from silence";
    return "";
}

} // namespace contentgen
