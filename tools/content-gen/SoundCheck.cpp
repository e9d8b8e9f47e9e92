#include "SoundCheck.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace contentgen {

namespace {

struct Memory {
    const std::vector<uint8_t>* bytes;
    size_t at = 0;
};

size_t readMemory(void* out, size_t size, size_t count, void* source)
{
    Memory& memory = *static_cast<Memory*>(source);
    const size_t wanted = size * count;
    const size_t left = memory.bytes->size() - memory.at;
    const size_t taken = std::min(wanted, left);
    std::memcpy(out, memory.bytes->data() + memory.at, taken);
    memory.at += taken;
    return size ? taken / size : 0;
}

bool decodeOgg(const std::vector<uint8_t>& bytes, std::vector<int16_t>& pcm, int& channels, int& rate)
{
    Memory memory{&bytes};
    ov_callbacks callbacks{readMemory, nullptr, nullptr, nullptr};
    OggVorbis_File file;
    if (ov_open_callbacks(&memory, &file, nullptr, 0, callbacks) != 0)
        return false;
    vorbis_info* info = ov_info(&file, -1);
    channels = info->channels;
    rate = int(info->rate);
    char buffer[8192];
    int section = 0;
    for (;;) {
        const long got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section);
        if (got <= 0)
            break;
        const int16_t* samples = reinterpret_cast<const int16_t*>(buffer);
        pcm.insert(pcm.end(), samples, samples + got / 2);
    }
    ov_clear(&file);
    return !pcm.empty();
}

uint32_t read32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t read16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

bool decodeWav(const std::vector<uint8_t>& bytes, std::vector<int16_t>& pcm, int& channels, int& rate)
{
    if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "WAVE", 4) != 0)
        return false;
    size_t at = 12;
    int bits = 0;
    while (at + 8 <= bytes.size()) {
        const uint32_t size = read32(&bytes[at + 4]);
        const uint8_t* body = &bytes[at + 8];
        if (at + 8 + size > bytes.size())
            return false;
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0 && size >= 16) {
            channels = read16(body + 2);
            rate = int(read32(body + 4));
            bits = read16(body + 14);
        } else if (std::memcmp(&bytes[at], "data", 4) == 0 && bits == 16) {
            for (uint32_t i = 0; i + 1 < size; i += 2)
                pcm.push_back(int16_t(read16(body + i)));
            return channels > 0;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}

} // namespace

SoundMeasure measureSound(const std::vector<uint8_t>& bytes)
{
    SoundMeasure m;
    std::vector<int16_t> pcm;
    const bool ogg = bytes.size() >= 4 && std::memcmp(bytes.data(), "OggS", 4) == 0;
    m.decoded = ogg ? decodeOgg(bytes, pcm, m.channels, m.rate) : decodeWav(bytes, pcm, m.channels, m.rate);
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
