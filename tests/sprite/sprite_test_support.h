// Shared pieces of the sprite engine tests: pictures made in memory, package files (laid out by
// the core tests' helper) written to a temporary folder, and a record of the message boxes the
// loader shows.
#pragma once

#include "lang/PackageFiles.h"
#include "lang/Ref.h"
#include "lang/ResourceFile.h"
#include "PngWriter.h"
#include "sprite/DataLoader.h"
#include "window/raster/PixelImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace spritetest {

using testing_support::TempFolder;

inline void writeFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
}

// A picture of the size whose pixels `colour(x, y)` gives.
inline lang::Ref<window::ImageBase> makeImage(int32_t width, int32_t height,
    const std::function<uint32_t(int32_t, int32_t)>& colour)
{
    lang::Ref<window::ImageBase> image = lang::adopt<window::ImageBase>(new window::PixelImage(width, height));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            image->getPixels()[y * width + x] = colour(x, y);
    }
    image->setHasAlpha(true);
    return image;
}

inline std::string pngOf(int32_t width, int32_t height, uint32_t argb)
{
    lang::Ref<window::ImageBase> image = makeImage(width, height, [argb](int32_t, int32_t) { return argb; });
    std::vector<uint8_t> bytes;
    window::encodePng(*image, bytes);
    return std::string(bytes.begin(), bytes.end());
}

using PackageItem = testing_support::Item;

// Opens a package of the items as the default package for the life of the scope.
class PackageScope {
public:
    PackageScope(const TempFolder& folder, const std::vector<PackageItem>& items, const std::string& name = "test.bin")
    {
        lang::ResourceFile::closeAll();
        writeFile(folder.file(name), testing_support::packageBytes(items));
        lang::ResourceFile::add(lang::String(folder.file(name).c_str()));
    }
    ~PackageScope() { lang::ResourceFile::closeAll(); }
};

// Records the loader's message boxes instead of showing them.
class MessageRecord {
public:
    MessageRecord()
    {
        sprite::DataLoader::setMessageHandler([this](const char* caption, const char* text) {
            captions.push_back(caption);
            texts.push_back(text);
        });
    }
    ~MessageRecord() { sprite::DataLoader::setMessageHandler(nullptr); }

    std::vector<std::string> captions;
    std::vector<std::string> texts;
};

} // namespace spritetest
