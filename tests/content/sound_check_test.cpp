// The sound generator's output formats and the checks that judge every generated sound.
#include "SoundCheck.h"
#include "SoundFile.h"
#include "SoundTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace contentgen;

namespace {

Mono sineWave(double hz, size_t frames, double level)
{
    Mono out(frames);
    for (size_t i = 0; i < frames; ++i)
        out[i] = float(level * std::sin(2 * kPi * hz * double(i) / kRate));
    return out;
}

} // namespace

TEST(SoundFiles, WavRoundTripKeepsLengthLevelAndRate)
{
    Mono tone = sineWave(441.0, 2205, 0.5);
    const SoundMeasure m = measureSound(encodeWav(toPcm16(tone), 1, kRate));
    ASSERT_TRUE(m.decoded);
    EXPECT_EQ(m.channels, 1);
    EXPECT_EQ(m.rate, kRate);
    EXPECT_EQ(m.frames, 2205u);
    EXPECT_NEAR(m.peak, 0.5 * std::sin(2 * kPi * 12 / 50), 1.0 / 32768); // the crest falls between samples
    EXPECT_NEAR(m.rms, 0.5 / std::sqrt(2.0), 0.002);
}

TEST(SoundFiles, WavHeaderFieldsAreExact)
{
    const Bytes wav = encodeWav({1, -1, 32767}, 1, kRate);
    ASSERT_EQ(wav.size(), 44u + 6u);
    EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
    EXPECT_EQ(wav[4] | wav[5] << 8, 36 + 6);             // RIFF size
    EXPECT_EQ(wav[24] | wav[25] << 8 | wav[26] << 16, kRate);
    EXPECT_EQ(wav[40] | wav[41] << 8, 6);                // data size
    EXPECT_EQ(wav[46], 0xFF);                            // -1, little-endian
    EXPECT_EQ(wav[47], 0xFF);
}

TEST(SoundFiles, OggEncodingIsRepeatableAndKeepsTheLength)
{
    Stereo music(kRate);
    music.left = sineWave(330.0, kRate, 0.4);
    music.right = sineWave(440.0, kRate, 0.4);
    const Bytes first = encodeOgg(toPcm16(music), 2, kRate, 0.3f);
    const Bytes second = encodeOgg(toPcm16(music), 2, kRate, 0.3f);
    EXPECT_EQ(first, second);
    const SoundMeasure m = measureSound(first);
    ASSERT_TRUE(m.decoded);
    EXPECT_EQ(m.channels, 2);
    EXPECT_EQ(m.frames, size_t(kRate));
    EXPECT_NEAR(m.peak, 0.4, 0.05);
}

TEST(SoundJudge, LoopThatJoinsPassesAndOneThatJumpsFails)
{
    // 441 Hz repeats every 50 frames: 2200 frames is a whole number of cycles.
    const SoundMeasure whole = measureSound(encodeWav(toPcm16(sineWave(441.0, 2200, 0.6)), 1, kRate));
    EXPECT_EQ(judgeSound(whole, true), "");
    // Cut after 2212 frames the wave stops half way through a cycle.
    const SoundMeasure cut = measureSound(encodeWav(toPcm16(sineWave(441.0, 2212, 0.6)), 1, kRate));
    EXPECT_NE(judgeSound(cut, true).find("loop point jumps"), std::string::npos);
}

TEST(SoundJudge, OneShotMustStartAndEndInSilenceAndBeAudible)
{
    Mono tone = sineWave(441.0, 2205, 0.6);
    fadeEdges(tone, 0.005, 0.005);
    EXPECT_EQ(judgeSound(measureSound(encodeWav(toPcm16(tone), 1, kRate)), false), "");
    Mono clicky = sineWave(441.0, 2205, 0.6);
    clicky[0] = 0.5f;
    EXPECT_EQ(judgeSound(measureSound(encodeWav(toPcm16(clicky), 1, kRate)), false), "starts or ends away from silence");
    Mono quiet = sineWave(441.0, 2205, 0.05);
    fadeEdges(quiet, 0.005, 0.005);
    EXPECT_NE(judgeSound(measureSound(encodeWav(toPcm16(quiet), 1, kRate)), false).find("too quiet"), std::string::npos);
    EXPECT_EQ(judgeSound(measureSound(Bytes{1, 2, 3}), false), "does not decode");
}

TEST(SoundLoops, FoldingPutsTheTailBackAtTheStart)
{
    const Mono rendered = {1, 2, 3, 4, 5, 6, 7};
    EXPECT_EQ(foldLoop(rendered, 3), (Mono{1 + 4 + 7, 2 + 5, 3 + 6}));
    // The cross-fade ends on the original frame so the last frame leads into the tail.
    const Mono crossed = crossfadeLoop({0, 0, 0, 0, 9, 9, 9, 9}, 4, 2);
    EXPECT_FLOAT_EQ(crossed[0], 9.0f);
    EXPECT_FLOAT_EQ(crossed[3], 0.0f);
}

TEST(SoundTableContent, SixtyTwoEntriesInOrderThenTheMenuMusic)
{
    const std::vector<SoundEntry> table = soundTable();
    ASSERT_EQ(table.size(), 64u);
    std::set<std::string> names;
    for (int i = 0; i < 62; ++i) {
        EXPECT_EQ(table[size_t(i)].index, i);
        EXPECT_TRUE(names.insert(table[size_t(i)].item).second) << table[size_t(i)].item;
    }
    EXPECT_EQ(table[62].item, "Music_menu_01");
    EXPECT_FALSE(table[62].looping);
    EXPECT_EQ(table[63].item, "Music_menu_02");
    EXPECT_TRUE(table[63].looping);
    // The round music is streamed; the low-time loop and the ambience loop.
    EXPECT_EQ(table[60].format, SoundFormat::OggStream);
    EXPECT_EQ(table[61].format, SoundFormat::OggStream);
    EXPECT_TRUE(table[53].looping);
    EXPECT_TRUE(table[6].looping);
    EXPECT_FALSE(table[9].looping); // shop 4 plays its sound with the ambient animation
}
