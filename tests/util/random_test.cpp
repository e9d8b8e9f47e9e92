// util::Random and the C runtime generator, checked against a second implementation written
// here from the algorithm's description. That reference is itself checked twice: its C runtime
// generator against the well-known first outputs of the Windows runtime for the default seed 1,
// and its ISAAC core, switched to plain right shifts, against the published ISAAC test vector
// (second block of results for an all-zero seed).
#include "util/CRand.h"
#include "util/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <thread>
#include <vector>

namespace {

struct ReferenceCrt {
    uint32_t state = 1;
    int next()
    {
        state = state * 214013u + 2531011u;
        return static_cast<int>((state >> 16) & 0x7FFF);
    }
};

// ISAAC as Bob Jenkins describes it, with a switch between right shifts (the original) and
// right rotations (the variant util::Random uses).
class ReferenceIsaac {
public:
    explicit ReferenceIsaac(bool rotations) : rotations(rotations) {}

    uint32_t right(uint32_t value, int count) const
    {
        return rotations ? (value >> count) | (value << (32 - count)) : value >> count;
    }

    void mix(uint32_t& a, uint32_t& b, uint32_t& c, uint32_t& d, uint32_t& e, uint32_t& f, uint32_t& g, uint32_t& h) const
    {
        a ^= b << 11; d += a; b += c;
        b ^= right(c, 2); e += b; c += d;
        c ^= d << 8; f += c; d += e;
        d ^= right(e, 16); g += d; e += f;
        e ^= f << 10; h += e; f += g;
        f ^= right(g, 4); a += f; g += h;
        g ^= h << 8; b += g; h += a;
        h ^= right(a, 9); c += h; a += b;
    }

    // randinit with a seed, including its first call of isaac.
    void init(const std::array<uint32_t, 256>& seed)
    {
        aa = bb = cc = 0;
        uint32_t a, b, c, d, e, f, g, h;
        a = b = c = d = e = f = g = h = 0x9E3779B9u;
        for (int i = 0; i < 4; ++i)
            mix(a, b, c, d, e, f, g, h);
        for (int pass = 0; pass < 2; ++pass) {
            const std::array<uint32_t, 256> source = pass == 0 ? seed : mm;
            for (int i = 0; i < 256; i += 8) {
                a += source[i]; b += source[i + 1]; c += source[i + 2]; d += source[i + 3];
                e += source[i + 4]; f += source[i + 5]; g += source[i + 6]; h += source[i + 7];
                mix(a, b, c, d, e, f, g, h);
                mm[i] = a; mm[i + 1] = b; mm[i + 2] = c; mm[i + 3] = d;
                mm[i + 4] = e; mm[i + 5] = f; mm[i + 6] = g; mm[i + 7] = h;
            }
        }
        isaac();
    }

    void isaac()
    {
        cc = cc + 1;
        bb = bb + cc;
        for (int i = 0; i < 256; ++i) {
            const uint32_t x = mm[i];
            if (i % 4 == 0) aa ^= aa << 13;
            if (i % 4 == 1) aa ^= right(aa, 6);
            if (i % 4 == 2) aa ^= aa << 2;
            if (i % 4 == 3) aa ^= right(aa, 16);
            aa = mm[(i + 128) % 256] + aa;
            const uint32_t y = mm[(x >> 2) % 256] + aa + bb;
            mm[i] = y;
            bb = mm[(y >> 10) % 256] + x;
            rsl[i] = bb;
        }
    }

    std::array<uint32_t, 256> rsl{};

private:
    bool rotations;
    std::array<uint32_t, 256> mm{};
    uint32_t aa = 0, bb = 0, cc = 0;
};

// The results util::Random hands out after setSeed(seed), in the order it uses them.
std::vector<uint32_t> referenceStream(uint32_t seed, size_t count)
{
    ReferenceCrt crt;
    crt.state = seed;
    for (int skip = crt.next() % 10000; skip > 0; --skip)
        crt.next();
    std::array<uint32_t, 256> words{};
    for (uint32_t& word : words)
        word = static_cast<uint32_t>(crt.next());
    ReferenceIsaac isaac(true);
    isaac.init(words);
    std::vector<uint32_t> out;
    while (out.size() < count) {
        for (int i = 255; i >= 0 && out.size() < count; --i)
            out.push_back(isaac.rsl[i]);
        isaac.isaac();
    }
    return out;
}

TEST(RandomReferenceTest, CrtMatchesTheWindowsRuntimeForSeedOne)
{
    ReferenceCrt crt;
    std::vector<int> first;
    for (int i = 0; i < 10; ++i)
        first.push_back(crt.next());
    EXPECT_EQ(first, (std::vector<int>{41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464}));
}

TEST(RandomReferenceTest, IsaacWithShiftsMatchesThePublishedVector)
{
    ReferenceIsaac isaac(false);
    isaac.init({});
    isaac.isaac();
    const std::vector<uint32_t> expected{0xf650e4c8, 0xe448e96d, 0x98db2fb4, 0xf5fad54f,
                                         0x433f1afb, 0xedec154a, 0xd8370487, 0x46ca4f9a};
    EXPECT_EQ(std::vector<uint32_t>(isaac.rsl.begin(), isaac.rsl.begin() + 8), expected);
}

TEST(CrtRandTest, FollowsTheRuntimeSequenceFromASeed)
{
    util::crtSrand(1);
    EXPECT_EQ(util::crtRand(), 41);
    EXPECT_EQ(util::crtRand(), 18467);
    ReferenceCrt crt;
    crt.state = 987654321u;
    util::crtSrand(987654321u);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(util::crtRand(), crt.next()) << i;
}

TEST(CrtRandTest, EachThreadHasItsOwnState)
{
    util::crtSrand(1);
    int otherFirst = -1;
    std::thread other([&] {
        util::crtSrand(5);
        util::crtRand();
        otherFirst = util::crtRand();
    });
    other.join();
    EXPECT_EQ(util::crtRand(), 41);
    ReferenceCrt crt;
    crt.state = 5;
    crt.next();
    EXPECT_EQ(otherFirst, crt.next());
}

TEST(RandomTest, FullWidthDrawsGiveTheResultsFromIndex255Down)
{
    for (const uint32_t seed : {0u, 1u, 12345u, 0xDEADBEEFu}) {
        util::Random random;
        random.setSeed(seed);
        // n = 2^31 - 1 takes 31 bits: the result shifted right by one, never rejected.
        const std::vector<uint32_t> expected = referenceStream(seed, 700);
        for (size_t i = 0; i < expected.size(); ++i)
            ASSERT_EQ(static_cast<uint32_t>(random.nextInt(0x7FFFFFFF)), expected[i] >> 1) << "seed " << seed << " draw " << i;
    }
}

TEST(RandomTest, SmallRangesTakeTheTopBitsAndRejectTooLargeValues)
{
    util::Random random;
    random.setSeed(777);
    const std::vector<uint32_t> stream = referenceStream(777, 2000);
    size_t next = 0;
    for (int draw = 0; draw < 500; ++draw) {
        // n = 5 takes 3 bits: the top three bits of a result, retried while above 5.
        uint32_t value;
        do
            value = stream.at(next++) >> 29;
        while (value > 5);
        ASSERT_EQ(random.nextInt(5), static_cast<int32_t>(value)) << draw;
    }
}

TEST(RandomTest, RangeEdges)
{
    util::Random random;
    random.setSeed(3);
    EXPECT_EQ(random.nextInt(0), 0);
    EXPECT_EQ(random.nextInt(-5), 0);
    bool seen[2] = {false, false};
    for (int i = 0; i < 200; ++i) {
        const int32_t value = random.nextInt(1);
        ASSERT_TRUE(value == 0 || value == 1);
        seen[value] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1]);
    for (int i = 0; i < 2000; ++i) {
        const int32_t value = random.nextInt(100);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 100);
    }
}

TEST(RandomTest, SettingTheSameSeedRepeatsTheSequence)
{
    util::Random a;
    util::Random b;
    a.setSeed(42);
    b.setSeed(42);
    for (int i = 0; i < 600; ++i)
        ASSERT_EQ(a.nextInt(1000), b.nextInt(1000));
}

TEST(RandomTest, TheQuickFunctionDrawsFromTheThreadsRuntimeGenerator)
{
    double afterSeed = -1;
    double second = -1;
    std::thread fresh([&] {
        const double first = util::Random::random(); // seeds this thread's generator
        EXPECT_GE(first, 0.0);
        EXPECT_LT(first, 1.0);
        util::crtSrand(1);
        afterSeed = util::Random::random();
        second = util::Random::random();
    });
    fresh.join();
    EXPECT_EQ(afterSeed, 41 / 32768.0);
    EXPECT_EQ(second, 18467 / 32768.0);
}

} // namespace
