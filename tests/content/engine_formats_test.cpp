// The generated sounds as the game's sound engine reads them: every entry of the sound
// table decodes with the engine's own decoders, at the mixer's rate and to its full length.
#include "SoundCheck.h"
#include "SoundTable.h"

#include "sound/Decoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(EngineFormats, EverySoundDecodesWithTheEngine)
{
    for (const contentgen::SoundEntry& entry : contentgen::soundTable()) {
        SCOPED_TRACE(entry.item);
        const std::vector<uint8_t> bytes = readFile(KIPTO2_CONTENT_BUILD "/sounds/" + entry.item);
        ASSERT_FALSE(bytes.empty());
        std::unique_ptr<sound::Decoder> decoder = sound::openDecoder(bytes.data(), bytes.size());
        ASSERT_NE(decoder, nullptr);
        EXPECT_EQ(decoder->rate(), contentgen::kRate);
        EXPECT_EQ(decoder->channels(), entry.format == contentgen::SoundFormat::OggStream ? 2 : 1);
        std::vector<int16_t> pcm;
        ASSERT_TRUE(sound::decodeAll(*decoder, pcm));
        const contentgen::SoundMeasure measure = contentgen::measureSound(bytes);
        EXPECT_EQ(pcm.size(), measure.frames * size_t(decoder->channels()));
        EXPECT_EQ(contentgen::judgeSound(measure, entry.looping), "");
    }
}
