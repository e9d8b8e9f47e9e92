// An image bundle of arbitrary bytes, named by a sprite table as the game names one: the loader
// must survive whatever the entries claim, and every picture it keeps is whole (its pixels fill
// its size) or marked as failed.
#include "lang/Ref.h"
#include "sprite/DataLoader.h"
#include "util/Enumeration.h"
#include "window/image/ImageBase.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

std::string folder;

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char pattern[] = "/tmp/kipto2-bundle-fuzz-XXXXXX";
    folder = mkdtemp(pattern) ? pattern : "/tmp";
    std::ofstream(folder + "/table.txt") << "<images> b.bin\n";
    sprite::DataLoader::setMessageHandler([](const char*, const char*) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::ofstream(folder + "/b.bin", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    lang::Ref<sprite::DataLoader> loader
        = lang::adopt(new sprite::DataLoader(lang::String(folder.c_str()), nullptr, nullptr));
    loader->load("table.txt");
    lang::Ref<util::Enumeration> images = lang::adopt(loader->getImages().elements());
    while (images->hasMoreElements()) {
        auto* image = static_cast<window::ImageBase*>(images->nextElement());
        const uint32_t* pixels = image->getPixels();
        if (pixels == nullptr) {
            if (!image->isLoadFailed())
                std::abort(); // a picture without pixels must say that it failed
            continue;
        }
        // Touch every pixel: a short buffer shows up under the address sanitizer.
        uint32_t sum = 0;
        for (size_t i = 0; i < size_t(image->getWidth()) * size_t(image->getHeight()); ++i)
            sum += pixels[i];
        (void)sum;
    }
    if (window::ImageBase::hiddenLoadDepth.load() != 0 || window::ImageBase::forceImmediateLoad.load())
        std::abort();
    return 0;
}
