#include "window/image/ImageTextures.h"

#include <mutex>
#include <utility>

namespace window {

namespace {

std::mutex discardedMutex;
std::vector<std::unique_ptr<ImageTextures>> discarded;

} // namespace

void ImageTextures::discard(std::unique_ptr<ImageTextures> record)
{
    if (!record)
        return;
    std::lock_guard<std::mutex> guard(discardedMutex);
    discarded.push_back(std::move(record));
}

std::vector<std::unique_ptr<ImageTextures>> ImageTextures::takeDiscarded()
{
    std::lock_guard<std::mutex> guard(discardedMutex);
    return std::exchange(discarded, {});
}

} // namespace window
