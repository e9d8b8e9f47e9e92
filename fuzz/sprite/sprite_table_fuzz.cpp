// Loads arbitrary bytes as a sprite table, counted and then loaded, with a canvas and a small
// package of pictures and sub-tables to name, and then as the canvas's counted lists: the
// readers must drop what they cannot use and never crash, hang or leak. The bytes are also the image bundle "b.bin" and can name their own
// table ("table.txt") as a container's sub-table.
#include "lang/PackageFiles.h"
#include "lang/ResourceFile.h"
#include "sprite/DataLoader.h"
#include "sprite/GameCanvas3.h"
#include "window/image/ImageBase.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string folder;

// The smallest valid PNG: one transparent pixel.
const unsigned char OnePixelPng[] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49,
    0x48, 0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00, 0x00, 0x1F, 0x15, 0xC4,
    0x89, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0x60, 0x00, 0x02, 0x00, 0x00, 0x05, 0x00,
    0x01, 0x7A, 0x5E, 0xAB, 0x3F, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

void writePackage()
{
    const std::string png(reinterpret_cast<const char*>(OnePixelPng), sizeof OnePixelPng);
    const std::vector<testing_support::Item> items = {
        {"pic", png},
        {"pic_automask", png},
        {"sub", "<sprites> a Sprite pic 1 2 b ButtonSprite pic 0 0 1 1 0 0 0 1 c DialogSprite:+sub 0 0 5 5"},
    };
    std::ofstream(folder + "/fuzz.pkg", std::ios::binary) << testing_support::packageBytes(items);
    lang::ResourceFile::add(lang::String((folder + "/fuzz.pkg").c_str()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/kipto2-table-fuzz-XXXXXX";
    folder = mkdtemp(pattern) ? pattern : "/tmp";
    writePackage();
    sprite::DataLoader::setMessageHandler([](const char*, const char*) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string table = folder + "/table.txt";
    std::ofstream(table, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    // Bundles named by the table read the same bytes.
    std::ofstream(folder + "/b.bin", std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    lang::Ref<sprite::GameCanvas3> canvas = lang::adopt(new sprite::GameCanvas3);
    lang::Ref<sprite::DataLoader> loader = lang::adopt(new sprite::DataLoader(lang::String(folder.c_str()), canvas.get(), nullptr));
    loader->countItems("table.txt");
    loader->load("table.txt");
    canvas->setup(lang::String(folder.c_str()), nullptr, "", -1);
    canvas->loadLists("table.txt");
    if (window::ImageBase::hiddenLoadDepth.load() != 0 || window::ImageBase::forceImmediateLoad.load())
        std::abort();
    return 0;
}
