#include "window/image/ImageBase.h"

#include "io/FileInputStream.h"
#include "lang/LiveCounts.h"
#include "lang/ResourceFile.h"
#include "lang/ResourceItem.h"
#include "lang/SyncGuard.h"
#include "window/image/ImageDecoder.h"

#include <cstring>
#include <utility>
#include <vector>

namespace window {

std::atomic<int32_t> ImageBase::hiddenLoadDepth{0};
std::atomic<bool> ImageBase::forceImmediateLoad{false};

namespace {

// Made on first use: objects may be built during static initialisation.
std::atomic<int32_t>& livePictures()
{
    static std::atomic<int32_t>& count = lang::LiveCounts::of("pictures");
    return count;
}

// Files larger than this are not pictures the program could show.
constexpr int32_t kMaxFileBytes = 256 * 1024 * 1024;

// The bytes a picture name points at, held for as long as the source lives.
struct PictureSource {
    lang::Ref<lang::ResourceItem> item;
    std::vector<uint8_t> fileBytes;
    const uint8_t* bytes = nullptr;
    size_t length = 0;

    // False when the package, the item or the file is missing.
    bool open(const lang::String& part)
    {
        if (!part.startsWith("+")) {
            if (!io::FileInputStream::readWholeFile(part, kMaxFileBytes, fileBytes))
                return false;
            bytes = fileBytes.data();
            length = fileBytes.size();
            return true;
        }
        lang::ResourceFile* package = lang::ResourceFile::getDefault();
        if (package)
            item = lang::adopt(package->getItem(part.substring(1), false));
        if (!item)
            return false;
        bytes = item->getData();
        length = static_cast<size_t>(item->getSize());
        return true;
    }
};

} // namespace

bool ImageBase::isHeaderOnlyMode()
{
    return hiddenLoadDepth.load() > 0 && !forceImmediateLoad.load();
}

ImageBase::ImageBase()
{
    ++livePictures();
}

ImageBase::ImageBase(const lang::String& name) : name(name)
{
    ++livePictures();
    ensurePixels();
}

ImageBase::ImageBase(const uint8_t* bytes, int32_t length)
{
    ++livePictures();
    decode(bytes, length);
}

ImageBase::ImageBase(int32_t width, int32_t height)
{
    ++livePictures();
    create(width, height, 2);
}

ImageBase::~ImageBase()
{
    --livePictures();
    ImageTextures::discard(std::move(textures));
}

void ImageBase::setTextures(std::unique_ptr<ImageTextures> record)
{
    ImageTextures::discard(std::exchange(textures, std::move(record)));
}

void ImageBase::unload()
{
    pixels.reset();
    ImageTextures::discard(std::move(textures));
    if (name.isEmpty()) {
        width = 0;
        height = 0;
    }
    hasAlpha = false;
    loadFailed = false;
}

void ImageBase::ensurePixels()
{
    // Pictures are loaded by the thread that draws them; once there, the check is all it costs.
    if (pixels)
        return;
    SyncGuard guard(this);
    if (pixels || name.isEmpty() || loadFailed)
        return;
    const int32_t bar = name.indexOf('|');
    if (bar < 0) {
        loadName(name);
        return;
    }
    loadName(name.substring(0, bar));
    if (!pixels)
        return;
    // The mask goes through a decode of its own, which must not touch this image's state.
    PictureSource source;
    DecodedImage mask;
    if (source.open(name.substring(bar + 1)) && decodeImage(source.bytes, source.length, false, mask))
        applyMask(mask.pixels.get(), mask.width, mask.height);
}

void ImageBase::loadName(const lang::String& part)
{
    PictureSource source;
    if (!source.open(part)) {
        loadFailed = true;
        return;
    }
    decode(source.bytes, static_cast<int32_t>(source.length));
}

void ImageBase::decode(const uint8_t* bytes, int32_t length)
{
    SyncGuard guard(this);
    unload();
    const bool headerOnly = isHeaderOnlyMode();
    DecodedImage decoded;
    if (length > 0)
        decodeImage(bytes, static_cast<size_t>(length), headerOnly, decoded);
    takeDecoded(decoded, headerOnly);
    refreshSize();
}

void ImageBase::takeDecoded(DecodedImage& decoded, bool headerOnly)
{
    width = decoded.width;
    height = decoded.height;
    if (decoded.pixels) {
        pixels = std::move(decoded.pixels);
        hasAlpha = decoded.hasAlpha;
        pixelsChanged = true;
    } else if (!headerOnly) {
        // Data too short to be any picture counts as undecodable as well.
        loadFailed = true;
    }
}

void ImageBase::create(int32_t newWidth, int32_t newHeight, int32_t /*clearMode*/)
{
    SyncGuard guard(this);
    unload();
    name = lang::String();
    width = newWidth > 0 ? newWidth : 0;
    height = newHeight > 0 ? newHeight : 0;
    pixels.reset(new uint32_t[static_cast<size_t>(width) * height]());
    pixelsChanged = true;
}

void ImageBase::setMask(ImageBase* mask)
{
    SyncGuard guard(this);
    const int32_t bar = name.indexOf('|');
    lang::String own = bar < 0 ? name : name.substring(0, bar);
    name = own + "|" + (mask ? mask->getName() : lang::String());
    ensurePixels();
    if (mask == nullptr || !pixels)
        return;
    mask->ensurePixels();
    if (mask->getPixels())
        applyMask(mask->getPixels(), mask->getWidth(), mask->getHeight());
}

void ImageBase::applyMask(const uint32_t* maskPixels, int32_t maskWidth, int32_t maskHeight)
{
    if (maskWidth <= 0 || maskHeight <= 0)
        return;
    for (int32_t y = 0; y < height; ++y) {
        uint32_t* row = pixels.get() + static_cast<size_t>(y) * width;
        const uint32_t* maskRow = maskPixels + static_cast<size_t>(y % maskHeight) * maskWidth;
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t alpha = 255 - (maskRow[x % maskWidth] & 0xFF);
            row[x] = (row[x] & 0x00FFFFFFu) | alpha << 24;
        }
    }
    pixelsChanged = true;
    hasAlpha = true;
}

void ImageBase::copyInto(ImageBase& target)
{
    SyncGuard guard(this);
    ensurePixels();
    target.unload();
    target.name = name;
    target.width = width;
    target.height = height;
    if (pixels) {
        const size_t count = static_cast<size_t>(width) * height;
        target.pixels.reset(new uint32_t[count]);
        std::memcpy(target.pixels.get(), pixels.get(), count * 4);
    }
    target.hasAlpha = hasAlpha;
    target.loadFailed = loadFailed;
    target.pixelsChanged = true;
    target.refreshSize();
}

bool ImageBase::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ImageBase") == 0 || lang::Object::isInstanceOf(className);
}

} // namespace window
