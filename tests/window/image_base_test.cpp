// Loading of named pictures: package items, files, masks, header-only mode, and the life of
// an image (create, unload, copy).
#include "lang/Ref.h"
#include "lang/ResourceFile.h"
#include "support/PictureFiles.h"
#include "support/TempFolder.h"
#include "window/raster/PixelImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

using namespace testing_pictures;
using lang::adopt;
using lang::Ref;
using lang::String;
using window::ImageBase;
using window::PixelImage;

namespace {

// A 2 x 2 RGB picture in four colours.
Bytes fourColours()
{
    return makePng(2, 2, 8, 2, {0xFF, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0x10, 0x20, 0x30});
}

// A grey mask: one value, or a 2 x 1 pattern of black and white.
Bytes greyPng(int32_t width, int32_t height, const Bytes& values)
{
    return makePng(width, height, 8, 0, values);
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes)
{
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void putWord(Bytes& out, uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

// A package file with the given items, opened as the default package for the test's length.
class PackageFixture : public ::testing::Test {
protected:
    void openPackage(const std::vector<std::pair<std::string, Bytes>>& items)
    {
        Bytes directory;
        putWord(directory, 0);
        putWord(directory, 0); // no header block
        putWord(directory, static_cast<uint32_t>(items.size()));
        size_t directorySize = directory.size();
        for (const auto& item : items)
            directorySize += 1 + item.first.size() + 8;
        uint32_t offset = static_cast<uint32_t>(directorySize);
        Bytes data;
        for (const auto& [name, bytes] : items) {
            directory.push_back(static_cast<uint8_t>(name.size()));
            directory.insert(directory.end(), name.begin(), name.end());
            putWord(directory, offset);
            putWord(directory, static_cast<uint32_t>(bytes.size()));
            offset += static_cast<uint32_t>(bytes.size());
            data.insert(data.end(), bytes.begin(), bytes.end());
        }
        directory.insert(directory.end(), data.begin(), data.end());
        writeFile(path, directory);
        lang::ResourceFile::add(String(path.string().c_str()));
    }

    void TearDown() override
    {
        lang::ResourceFile::closeAll();
        ImageBase::hiddenLoadDepth = 0;
        ImageBase::forceImmediateLoad = false;
    }

    testing_support::TempFolder folder;
    std::filesystem::path path = folder.file("package.bin");
};

using ImageLoading = PackageFixture;

} // namespace

TEST_F(ImageLoading, PackageItemsAndMasks)
{
    openPackage({{"four", fourColours()}, {"black", greyPng(1, 1, {0})}, {"stripes", greyPng(2, 1, {0, 255})},
        {"junk", Bytes(40, 'x')}});

    Ref<PixelImage> plain = adopt(new PixelImage(String("+four")));
    ASSERT_TRUE(plain->getPixels());
    EXPECT_EQ(plain->getPixels()[0], 0xFFFF0000u);
    EXPECT_EQ(plain->getPixels()[3], 0xFF102030u);
    EXPECT_FALSE(plain->getHasAlpha());
    EXPECT_TRUE(plain->isPixelsChanged());

    // A black mask keeps the picture opaque; colours stay.
    Ref<PixelImage> blackMasked = adopt(new PixelImage(String("+four|+black")));
    ASSERT_TRUE(blackMasked->getPixels());
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(blackMasked->getPixels()[i], plain->getPixels()[i]) << i;
    EXPECT_TRUE(blackMasked->getHasAlpha());

    // A mask narrower than the picture repeats: black, white, black, white.
    Ref<PixelImage> striped = adopt(new PixelImage(String("+four|+stripes")));
    ASSERT_TRUE(striped->getPixels());
    EXPECT_EQ(striped->getPixels()[0], 0xFFFF0000u);
    EXPECT_EQ(striped->getPixels()[1], 0x0000FF00u);
    EXPECT_EQ(striped->getPixels()[2], 0xFF0000FFu);
    EXPECT_EQ(striped->getPixels()[3], 0x00102030u);

    for (const char* name : {"+missing", "+junk", "+four|+missing"}) {
        Ref<PixelImage> image = adopt(new PixelImage(String(name)));
        const bool maskOnlyMissing = String(name).indexOf('|') >= 0;
        EXPECT_EQ(image->isLoadFailed(), !maskOnlyMissing) << name;
        EXPECT_EQ(image->getPixels() != nullptr, maskOnlyMissing) << name;
    }
}

TEST_F(ImageLoading, WithoutAPackageItemsFail)
{
    Ref<PixelImage> image = adopt(new PixelImage(String("+four")));
    EXPECT_TRUE(image->isLoadFailed());
    EXPECT_EQ(image->getPixels(), nullptr);
}

TEST_F(ImageLoading, HeaderOnlyModeReadsSizesUntilPixelsAreNeeded)
{
    openPackage({{"four", fourColours()}, {"junk", Bytes(40, 'x')}});
    ImageBase::hiddenLoadDepth = 1;
    ASSERT_TRUE(ImageBase::isHeaderOnlyMode());
    Ref<PixelImage> image = adopt(new PixelImage(String("+four")));
    EXPECT_EQ(image->getWidth(), 2);
    EXPECT_EQ(image->getHeight(), 2);
    EXPECT_EQ(image->getPixels(), nullptr);
    EXPECT_FALSE(image->isLoadFailed());
    // Undecodable data is not yet a failure while only sizes are read.
    Ref<PixelImage> junk = adopt(new PixelImage(String("+junk")));
    EXPECT_FALSE(junk->isLoadFailed());

    ImageBase::forceImmediateLoad = true;
    EXPECT_FALSE(ImageBase::isHeaderOnlyMode());
    image->ensurePixels();
    EXPECT_NE(image->getPixels(), nullptr);
    ImageBase::forceImmediateLoad = false;

    ImageBase::hiddenLoadDepth = 0;
    junk->ensurePixels();
    EXPECT_TRUE(junk->isLoadFailed());
}

TEST(ImageFiles, ReadsWholeFilesOfAnySize)
{
    // Noise does not compress: the file is far larger than the first 8192-byte buffer.
    Bytes noise;
    uint32_t seed = 7;
    for (int32_t i = 0; i < 64 * 64 * 4; ++i) {
        seed = seed * 1664525u + 1013904223u;
        noise.push_back(static_cast<uint8_t>(seed >> 24));
    }
    const Bytes file = makePng(64, 64, 8, 6, noise);
    ASSERT_GT(file.size(), 16384u);
    testing_support::TempFolder folder;
    const std::filesystem::path path = folder.file("noise.png");
    writeFile(path, file);
    Ref<PixelImage> image = adopt(new PixelImage(String(path.string().c_str())));
    std::filesystem::remove(path);
    ASSERT_TRUE(image->getPixels());
    const uint32_t last = image->getPixels()[64 * 64 - 1];
    const uint8_t* lastBytes = noise.data() + noise.size() - 4;
    EXPECT_EQ(last, uint32_t{lastBytes[3]} << 24 | uint32_t{lastBytes[0]} << 16 | uint32_t{lastBytes[1]} << 8 | lastBytes[2]);
    EXPECT_TRUE(image->getHasAlpha());
}

TEST(ImageFiles, AMissingFileFailsForGood)
{
    testing_support::TempFolder folder;
    const std::filesystem::path path = folder.file("late.png");
    Ref<PixelImage> image = adopt(new PixelImage(String(path.string().c_str())));
    EXPECT_TRUE(image->isLoadFailed());
    writeFile(path, fourColours());
    image->ensurePixels();
    EXPECT_EQ(image->getPixels(), nullptr);
}

TEST(ImageLife, DecodeCreateUnloadAndCopy)
{
    const Bytes six = {'G', 'I', 'F', '8', '9', 'a'};
    Ref<PixelImage> tooShort = adopt(new PixelImage(six.data(), 6));
    EXPECT_EQ(tooShort->getPixels(), nullptr);
    EXPECT_TRUE(tooShort->isLoadFailed());

    Ref<PixelImage> blank = adopt(new PixelImage(3, 2));
    blank->create(4, 3, 1);
    ASSERT_TRUE(blank->getPixels());
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(blank->getPixels()[i], 0u);
    EXPECT_EQ(blank->getRowBytes(), 16);
    EXPECT_TRUE(blank->getName().isEmpty());
    blank->unload();
    EXPECT_EQ(blank->getWidth(), 0);
    EXPECT_EQ(blank->getPixels(), nullptr);

    const Bytes bytes = fourColours();
    Ref<PixelImage> decoded = adopt(new PixelImage(bytes.data(), static_cast<int32_t>(bytes.size())));
    decoded->getPixels()[0] = 0x12345678u;
    Ref<ImageBase> duplicate = adopt(decoded->copy());
    ASSERT_TRUE(duplicate->getPixels());
    EXPECT_NE(duplicate->getPixels(), decoded->getPixels());
    EXPECT_EQ(duplicate->getPixels()[0], 0x12345678u);
    EXPECT_EQ(duplicate->getWidth(), 2);
    EXPECT_STREQ(duplicate->getClassName(), "PixelImage");
}

TEST(ImageLife, NamedImagesReloadAfterUnload)
{
    testing_support::TempFolder folder;
    const std::filesystem::path path = folder.file("reload.png");
    writeFile(path, fourColours());
    const String name(path.string().c_str());
    Ref<PixelImage> image = adopt(new PixelImage(name));
    ASSERT_TRUE(image->getPixels());
    image->getPixels()[0] = 0;
    image->unload();
    EXPECT_EQ(image->getWidth(), 2); // a named image keeps its size
    image->ensurePixels();
    ASSERT_TRUE(image->getPixels());
    EXPECT_EQ(image->getPixels()[0], 0xFFFF0000u);

    // setMask names the mask after the picture and applies it at once.
    const std::filesystem::path maskPath = folder.file("mask.png");
    writeFile(maskPath, greyPng(1, 1, {255}));
    Ref<PixelImage> mask = adopt(new PixelImage(String(maskPath.string().c_str())));
    image->setMask(mask.get());
    EXPECT_EQ(image->getName(), name + "|" + mask->getName());
    EXPECT_EQ(image->getPixels()[1], 0x0000FF00u);
    // Reloading goes through both names again.
    image->unload();
    image->ensurePixels();
    ASSERT_TRUE(image->getPixels());
    EXPECT_EQ(image->getPixels()[0], 0x00FF0000u);
}
