#include "SoundFile.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <stdexcept>

namespace contentgen {

namespace {

int16_t toSample(float v)
{
    const long scaled = std::lround(double(v) * 32767.0);
    return int16_t(std::clamp<long>(scaled, -32768, 32767));
}

void put16(Bytes& out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(Bytes& out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putTag(Bytes& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(uint8_t(tag[i]));
}

void appendPage(Bytes& out, const ogg_page& page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

} // namespace

std::vector<int16_t> toPcm16(const Mono& sound)
{
    std::vector<int16_t> pcm(sound.size());
    std::transform(sound.begin(), sound.end(), pcm.begin(), toSample);
    return pcm;
}

std::vector<int16_t> toPcm16(const Stereo& sound)
{
    std::vector<int16_t> pcm(sound.frames() * 2);
    for (size_t i = 0; i < sound.frames(); ++i) {
        pcm[2 * i] = toSample(sound.left[i]);
        pcm[2 * i + 1] = toSample(sound.right[i]);
    }
    return pcm;
}

Bytes encodeWav(const std::vector<int16_t>& pcm, int channels, int rate)
{
    const uint32_t dataSize = uint32_t(pcm.size() * 2);
    Bytes out;
    putTag(out, "RIFF");
    put32(out, 36 + dataSize);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, uint32_t(channels));
    put32(out, uint32_t(rate));
    put32(out, uint32_t(rate * channels * 2));
    put16(out, uint32_t(channels * 2));
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataSize);
    for (int16_t v : pcm)
        put16(out, uint16_t(v));
    return out;
}

Bytes encodeOgg(const std::vector<int16_t>& pcm, int channels, int rate, float quality)
{
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, quality) != 0) {
        vorbis_info_clear(&info);
        throw std::runtime_error("vorbis encoder refused the settings");
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_comment_add_tag(&comment, "ENCODER", "kipto2-content-gen");
    vorbis_dsp_state dsp;
    vorbis_block block;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x4B495054); // a fixed serial keeps the bytes the same every build

    Bytes out;
    ogg_packet header, commentPacket, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebooks);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentPacket);
    ogg_stream_packetin(&stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0)
        appendPage(out, page);

    const size_t frames = pcm.size() / size_t(channels);
    const size_t chunk = 1024;
    for (size_t start = 0;; start += chunk) {
        const size_t count = std::min(chunk, frames - std::min(frames, start));
        if (count == 0) {
            vorbis_analysis_wrote(&dsp, 0); // end of stream
        } else {
            float** buffer = vorbis_analysis_buffer(&dsp, int(count));
            for (size_t i = 0; i < count; ++i)
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = pcm[(start + i) * size_t(channels) + size_t(c)] / 32768.0f;
            vorbis_analysis_wrote(&dsp, int(count));
        }
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0)
                    appendPage(out, page);
            }
        }
        if (count == 0)
            break;
    }
    while (ogg_stream_flush(&stream, &page) != 0)
        appendPage(out, page);

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

void writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
}

} // namespace contentgen
