// The synthesiser's arithmetic: note names, envelopes, mixing, filters, score lengths.
#include "Score.h"
#include "Synth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

using namespace contentgen;

namespace {

double energy(const Mono& sound, size_t from = 0)
{
    double sum = 0;
    for (size_t i = from; i < sound.size(); ++i)
        sum += double(sound[i]) * sound[i];
    return sum;
}

} // namespace

TEST(Notes, NamesGiveMidiNumbers)
{
    EXPECT_EQ(noteNumber("C4"), 60);
    EXPECT_EQ(noteNumber("A4"), 69);
    EXPECT_EQ(noteNumber("Bb3"), 58);
    EXPECT_EQ(noteNumber("F#4"), 66);
    EXPECT_EQ(noteNumber("C-1"), 0);
    EXPECT_DOUBLE_EQ(midiToHz(69), 440.0);
    EXPECT_NEAR(midiToHz(81), 880.0, 1e-9);
    EXPECT_THROW(noteNumber("H4"), std::runtime_error);
    EXPECT_THROW(noteNumber("C#"), std::runtime_error);
}

TEST(Envelopes, AttackDecayAndSustainRelease)
{
    const Mono ad = envelopeAD(framesOf(0.5), 0.01, 0.1);
    EXPECT_FLOAT_EQ(ad[0], 0.0f);
    EXPECT_NEAR(ad[framesOf(0.01)], 1.0f, 1e-3f);
    EXPECT_NEAR(ad[framesOf(0.11)], std::exp(-1.0f), 0.01f);
    EXPECT_LT(ad.back(), 0.01f); // the last frames release to silence
    const Mono asr = envelopeASR(1000, 0.0, 0.5, 100.0 / kRate);
    EXPECT_FLOAT_EQ(asr[500], 0.5f);
    EXPECT_NEAR(asr[950], 0.25f, 0.01f);
}

TEST(Mixing, GrowsTheTargetAndPansWithEqualPower)
{
    Mono target(2, 1.0f);
    mixInto(target, Mono{1, 2, 3}, 1, 2.0);
    EXPECT_EQ(target, (Mono{1, 3, 4, 6}));
    Stereo stereo;
    mixInto(stereo, Mono{1}, 0, 1.0, 0.0);
    EXPECT_NEAR(stereo.left[0], 1.0f, 1e-6f);
    EXPECT_NEAR(stereo.right[0], 1.0f, 1e-6f);
    Stereo left;
    mixInto(left, Mono{1}, 0, 1.0, -1.0);
    EXPECT_NEAR(left.left[0], std::sqrt(2.0f), 1e-6f);
    EXPECT_NEAR(left.right[0], 0.0f, 1e-6f);
}

TEST(Mixing, NormaliseSetsThePeakExactly)
{
    Mono sound = {0.1f, -0.4f, 0.2f};
    normalise(sound, 0.8);
    EXPECT_FLOAT_EQ(sound[1], -0.8f);
    EXPECT_FLOAT_EQ(sound[0], 0.2f);
    Mono silence(4, 0.0f);
    normalise(silence, 0.8); // nothing to scale, and no division by zero
    EXPECT_EQ(silence, Mono(4, 0.0f));
}

TEST(Oscillators, GlideEndsAndFrequency)
{
    const Mono g = glide(101, 100.0, 400.0);
    EXPECT_FLOAT_EQ(g.front(), 100.0f);
    EXPECT_NEAR(g.back(), 400.0f, 1e-3f);
    EXPECT_NEAR(g[50], 200.0f, 1e-3f); // half way in an exponential glide is the geometric mean
    // 441 Hz crosses zero upward once every 50 frames.
    const Mono tone = sine(constant(2205, 441.0));
    int crossings = 0;
    for (size_t i = 1; i < tone.size(); ++i)
        if (tone[i - 1] < 0 && tone[i] >= 0)
            ++crossings;
    EXPECT_EQ(crossings, 44);
}

TEST(Filters, LowPassKeepsLowAndCutsHigh)
{
    Mono low = sine(constant(kRate, 200.0)), high = sine(constant(kRate, 6000.0));
    const double lowBefore = energy(low, 1000), highBefore = energy(high, 1000);
    biquad(low, FilterKind::LowPass, 1000.0, 0.707);
    biquad(high, FilterKind::LowPass, 1000.0, 0.707);
    EXPECT_GT(energy(low, 1000) / lowBefore, 0.9);
    EXPECT_LT(energy(high, 1000) / highBefore, 0.01);
}

TEST(Scores, LoopsAreExactlyTheirLengthAndOneShotsKeepTheirTail)
{
    Score score;
    score.tempo = 120;
    score.beats = 4;
    score.parts.push_back({Voice::Marimba, "C5:1 E5:1 G5:1 C6:1"});
    const Stereo loop = renderScore(score, true, 1.0, 7);
    EXPECT_EQ(loop.frames(), framesOf(2.0)); // 4 beats at 120 per minute
    const Stereo once = renderScore(score, false, 1.5, 7);
    EXPECT_EQ(once.frames(), framesOf(2.0) + framesOf(1.5));
    // The same seed renders the same samples.
    EXPECT_EQ(renderScore(score, true, 1.0, 7).left, loop.left);
    score.parts.push_back({Voice::Kick, "x...x...x...x...", 1.0, 0.0, 0.1, 0, 0.0, true});
    EXPECT_NE(renderScore(score, true, 1.0, 7).left, loop.left);
    Score bad = score;
    bad.parts[0].notes = "C5";
    EXPECT_THROW(renderScore(bad, true, 1.0, 7), std::runtime_error);
}
