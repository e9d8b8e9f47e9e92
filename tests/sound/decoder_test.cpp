// The decoders: WAV parsing and its checks, Ogg Vorbis and MPEG audio from memory.
#include "sound/Decoder.h"
#include "sound/WavDecoder.h"

#include "SoundFixtures.h"

#include <gtest/gtest.h>

using namespace sound;
using namespace soundtest;

namespace {

std::vector<int16_t> decodeBytes(const std::vector<uint8_t>& bytes, int& rate, int& channels) {
    std::vector<int16_t> pcm;
    std::unique_ptr<Decoder> decoder = openDecoder(bytes.data(), bytes.size());
    if (!decoder || !decodeAll(*decoder, pcm))
        return {};
    rate = decoder->rate();
    channels = decoder->channels();
    return pcm;
}

// Mono PCM as the stereo frames the measurements take.
std::vector<int16_t> bothSides(const std::vector<int16_t>& mono) {
    std::vector<int16_t> stereo;
    for (int16_t value : mono) {
        stereo.push_back(value);
        stereo.push_back(value);
    }
    return stereo;
}

void setU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = uint8_t(value >> (8 * i));
}

// Offsets inside the 44-byte header that makeWav writes.
constexpr size_t kFmtChannels = 22;
constexpr size_t kFmtBlockAlign = 32;
constexpr size_t kFmtBits = 34;
constexpr size_t kDataSize = 40;

} // namespace

TEST(WavDecoder, SixteenBitStereoComesBackExactly) {
    std::vector<int16_t> pcm = {0, -1, 32767, -32768, 1234, -4321};
    int rate = 0, channels = 0;
    EXPECT_EQ(decodeBytes(writeWav(11025, 2, 16, pcm), rate, channels), pcm);
    EXPECT_EQ(rate, 11025);
    EXPECT_EQ(channels, 2);
}

TEST(WavDecoder, EightBitIsUnsignedAroundTheMiddle) {
    std::vector<uint8_t> wav = writeWav(8000, 1, 8, {0, 0, 0, 0});
    wav[44] = 0x80;
    wav[45] = 0x00;
    wav[46] = 0xFF;
    wav[47] = 0x7F;
    int rate = 0, channels = 0;
    std::vector<int16_t> expected = {0, -32768, 127 * 256, -256};
    EXPECT_EQ(decodeBytes(wav, rate, channels), expected);
    EXPECT_EQ(channels, 1);
}

TEST(WavDecoder, OddDataChunkIsPaddedWhenWritten) {
    std::vector<uint8_t> wav = writeWav(8000, 1, 8, {256, 512, 768});
    EXPECT_EQ(wav.size(), size_t(44 + 3 + 1));
    WavFormat format;
    ASSERT_TRUE(parseWav(wav.data(), wav.size(), format));
    EXPECT_EQ(format.frames, 3);
    EXPECT_EQ(format.data[2], 128 + 3);
}

TEST(WavDecoder, SkipsUnknownChunksWithTheirPadByte) {
    std::vector<uint8_t> wav = writeWav(22050, 1, 16, {7, 8});
    // An odd-sized "LIST" chunk (3 bytes plus one pad byte) before the data chunk.
    std::vector<uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    wav.insert(wav.begin() + 36, list.begin(), list.end());
    WavFormat format;
    ASSERT_TRUE(parseWav(wav.data(), wav.size(), format));
    EXPECT_EQ(format.frames, 2);
    EXPECT_EQ(format.data, wav.data() + 36 + 12 + 8);
}

TEST(WavDecoder, DataSizeIsCutToWholeFrames) {
    std::vector<uint8_t> wav = writeWav(22050, 2, 16, {1, 2, 3, 4});
    setU32(wav, kDataSize, 7);
    wav.resize(44 + 7);
    WavFormat format;
    ASSERT_TRUE(parseWav(wav.data(), wav.size(), format));
    EXPECT_EQ(format.frames, 1);
}

TEST(WavDecoder, RefusesLyingOrBrokenHeaders) {
    std::vector<uint8_t> good = writeWav(22050, 1, 16, {1, 2, 3, 4});
    WavFormat format;
    ASSERT_TRUE(parseWav(good.data(), good.size(), format));

    std::vector<uint8_t> bad = good;
    setU32(bad, kDataSize, 1000); // data chunk longer than the file
    EXPECT_FALSE(parseWav(bad.data(), bad.size(), format));

    bad = good;
    setU32(bad, 16, 0xFFFFFFF0u); // fmt chunk size past the end
    EXPECT_FALSE(parseWav(bad.data(), bad.size(), format));

    bad = good;
    bad[kFmtChannels] = 3;
    EXPECT_FALSE(parseWav(bad.data(), bad.size(), format));

    bad = good;
    bad[kFmtBits] = 24;
    EXPECT_FALSE(parseWav(bad.data(), bad.size(), format));

    bad = good;
    bad[kFmtBlockAlign] = 4; // does not match one channel of 16 bits
    EXPECT_FALSE(parseWav(bad.data(), bad.size(), format));

    bad = good;
    bad[20] = 2; // ADPCM
    EXPECT_FALSE(parseWav(bad.data(), bad.size(), format));

    bad = good;
    setU32(bad, kDataSize, 0); // no frames at all
    EXPECT_FALSE(parseWav(bad.data(), bad.size(), format));

    for (size_t cut = 0; cut < 44; ++cut)
        EXPECT_FALSE(parseWav(good.data(), cut, format)) << "cut at " << cut;
}

TEST(WavDecoder, AcceptsExtensiblePcm) {
    std::vector<int16_t> pcm = {100, -100};
    std::vector<uint8_t> wav = writeWav(48000, 1, 16, pcm);
    setU32(wav, 16, 40);
    wav[20] = 0xFE;
    wav[21] = 0xFF;
    std::vector<uint8_t> extension(24, 0);
    extension[0] = 22;  // extension size
    extension[8] = 1;   // sub-format GUID begins with the PCM tag
    wav.insert(wav.begin() + 36, extension.begin(), extension.end());
    int rate = 0, channels = 0;
    EXPECT_EQ(decodeBytes(wav, rate, channels), pcm);
    EXPECT_EQ(rate, 48000);
}

TEST(WavDecoder, RewindStartsOver) {
    std::vector<int16_t> pcm = {1, 2, 3};
    std::vector<uint8_t> wav = writeWav(22050, 1, 16, pcm);
    std::unique_ptr<Decoder> decoder = openDecoder(wav.data(), wav.size());
    ASSERT_TRUE(decoder);
    int16_t out[8];
    EXPECT_EQ(decoder->read(out, 8), 3);
    EXPECT_EQ(decoder->read(out, 8), 0);
    ASSERT_TRUE(decoder->rewind());
    EXPECT_EQ(decoder->read(out, 2), 2);
    EXPECT_EQ(out[1], 2);
}

TEST(VorbisDecoder, DecodesTheEncodedLengthAndPitch) {
    constexpr int kFrames = 22050;
    std::vector<uint8_t> ogg = encodeOgg(22050, 1, sine(22050, 1, 441.0, kFrames));
    ASSERT_FALSE(ogg.empty());
    int rate = 0, channels = 0;
    std::vector<int16_t> pcm = decodeBytes(ogg, rate, channels);
    EXPECT_EQ(rate, 22050);
    EXPECT_EQ(channels, 1);
    ASSERT_EQ(pcm.size(), size_t(kFrames)); // the last granule position trims the padding
    EXPECT_NEAR(zeroCrossings(bothSides(pcm), 0), 882, 2);
}

TEST(VorbisDecoder, StereoKeepsItsSides) {
    std::vector<int16_t> pcm(2 * 4410);
    std::vector<int16_t> left = sine(22050, 1, 300.0, 4410);
    for (size_t i = 0; i < left.size(); ++i)
        pcm[2 * i] = left[i]; // the right side stays silent
    int rate = 0, channels = 0;
    std::vector<int16_t> decoded = decodeBytes(encodeOgg(22050, 2, pcm), rate, channels);
    ASSERT_EQ(channels, 2);
    EXPECT_GT(rms(decoded, 0), 5000.0);
    EXPECT_LT(rms(decoded, 1), 200.0);
}

TEST(VorbisDecoder, CutOrDamagedDataNeverCrashes) {
    std::vector<uint8_t> ogg = encodeOgg(22050, 1, sine(22050, 1, 441.0, 22050));
    int rate = 0, channels = 0;
    // Cut inside the headers: nothing to decode.
    std::vector<uint8_t> cut(ogg.begin(), ogg.begin() + 100);
    EXPECT_TRUE(decodeBytes(cut, rate, channels).empty());
    // Cut in the middle of the audio pages: what is there decodes.
    std::vector<uint8_t> half(ogg.begin(), ogg.begin() + ogg.size() / 2);
    std::vector<int16_t> pcm = decodeBytes(half, rate, channels);
    EXPECT_LT(pcm.size(), size_t(22050));
    // Damaged bytes all over the audio pages.
    std::vector<uint8_t> damaged = ogg;
    for (size_t i = 4000; i < damaged.size(); i += 97)
        damaged[i] ^= 0x5A;
    decodeBytes(damaged, rate, channels);
}

TEST(MpegDecoder, DecodesGaplessToTheOriginalLength) {
    std::vector<uint8_t> mp3 = readTestData("sound/sine440_22050_mono.mp3");
    ASSERT_FALSE(mp3.empty());
    int rate = 0, channels = 0;
    std::vector<int16_t> pcm = decodeBytes(mp3, rate, channels);
    EXPECT_EQ(rate, 22050);
    EXPECT_EQ(channels, 1);
    EXPECT_EQ(pcm.size(), size_t(11025)); // encoder delay and padding removed
    EXPECT_NEAR(zeroCrossings(bothSides(pcm), 0), 440, 3);
}

TEST(MpegDecoder, RewindGivesTheSameFrames) {
    std::vector<uint8_t> mp3 = readTestData("sound/sine440_22050_mono.mp3");
    std::unique_ptr<Decoder> decoder = openDecoder(mp3.data(), mp3.size());
    ASSERT_TRUE(decoder);
    std::vector<int16_t> first(2000), second(2000);
    ASSERT_EQ(decoder->read(first.data(), 2000), 2000);
    ASSERT_TRUE(decoder->rewind());
    ASSERT_EQ(decoder->read(second.data(), 2000), 2000);
    EXPECT_EQ(first, second);
}

TEST(MpegDecoder, GarbageAfterAHeaderIsRefused) {
    std::vector<uint8_t> junk(4096);
    for (size_t i = 0; i < junk.size(); ++i)
        junk[i] = uint8_t(i * 37 + 11);
    junk[0] = 'I';
    junk[1] = 'D';
    junk[2] = '3';
    EXPECT_EQ(openDecoder(junk.data(), junk.size()), nullptr);
    std::vector<uint8_t> mp3 = readTestData("sound/sine440_22050_mono.mp3");
    EXPECT_EQ(openDecoder(mp3.data(), 3), nullptr);
}

TEST(Decoder, UnknownFormatsAreRefused) {
    std::vector<uint8_t> text = {'h', 'e', 'l', 'l', 'o'};
    EXPECT_EQ(openDecoder(text.data(), text.size()), nullptr);
    EXPECT_EQ(openDecoder(nullptr, 0), nullptr);
}
