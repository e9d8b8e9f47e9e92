#include "support/Golden.h"

#include "lang/Ref.h"
#include "PngWriter.h"
#include "window/raster/PixelImage.h"

#include <cstdlib>
#include <filesystem>

namespace testing_pictures {

::testing::AssertionResult matchesGolden(window::ImageBase& image, const char* name)
{
    const char* dataDir = std::getenv("KIPTO2_TEST_DATA");
    if (dataDir == nullptr)
        return ::testing::AssertionFailure() << "KIPTO2_TEST_DATA is not set";
    const std::filesystem::path path = std::filesystem::path(dataDir) / "window" / (std::string(name) + ".png");
    // New references are written only on request, so that a lost reference fails the test.
    if (std::getenv("KIPTO2_UPDATE_GOLDEN") != nullptr) {
        if (!window::writePngFile(image, path.string().c_str()))
            return ::testing::AssertionFailure() << "cannot write " << path;
        return ::testing::AssertionSuccess() << "wrote " << path;
    }
    if (!std::filesystem::exists(path))
        return ::testing::AssertionFailure() << "no reference picture " << path
                                             << " (KIPTO2_UPDATE_GOLDEN=1 writes it)";
    lang::Ref<window::PixelImage> golden = lang::adopt(new window::PixelImage(lang::String(path.string().c_str())));
    const std::string actualPath = std::string(name) + ".actual.png";
    if (golden->getWidth() != image.getWidth() || golden->getHeight() != image.getHeight()) {
        window::writePngFile(image, actualPath.c_str());
        return ::testing::AssertionFailure() << name << ": size " << image.getWidth() << "x" << image.getHeight()
                                             << ", reference " << golden->getWidth() << "x" << golden->getHeight();
    }
    int32_t differing = 0;
    int32_t firstX = -1, firstY = -1;
    for (int32_t y = 0; y < image.getHeight(); ++y) {
        for (int32_t x = 0; x < image.getWidth(); ++x) {
            const size_t at = static_cast<size_t>(y) * image.getWidth() + x;
            if (image.getPixels()[at] != golden->getPixels()[at] && differing++ == 0) {
                firstX = x;
                firstY = y;
            }
        }
    }
    if (differing == 0)
        return ::testing::AssertionSuccess();
    window::writePngFile(image, actualPath.c_str());
    return ::testing::AssertionFailure() << name << ": " << differing << " pixels differ, first at (" << firstX << ", "
                                         << firstY << "); actual picture in " << actualPath;
}

} // namespace testing_pictures
