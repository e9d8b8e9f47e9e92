#include "sprite/AnimateSprite.h"

#include "window/image/ImageArray.h"

#include <algorithm>
#include <cstring>

namespace sprite {

AnimateSprite::AnimateSpriteClass AnimateSprite::classObject("AnimateSprite");

AnimateSprite::AnimateSprite() = default;

void AnimateSprite::initSheet(window::ImageArray* pictures, lang::IntArray* numbers)
{
    lang::Ref<window::ImageBase> picture = pictureOfEntry(pictures);
    setImage(picture.get(), numberAt(numbers, 2, 1), numberAt(numbers, 3, 1));
    setLocation(numberAt(numbers, 0), numberAt(numbers, 1));
}

bool AnimateSprite::init(window::ImageArray* pictures, lang::IntArray* numbers)
{
    initSheet(pictures, numbers);
    const int32_t count = numberCount(numbers);
    if (count >= 5) {
        const int32_t start = numberAt(numbers, 4);
        if (start == -1) {
            frame = -1;
            setVisible(false);
        } else {
            setFrame(start);
        }
    }
    if (count >= 8) {
        ticksPerStep = numberAt(numbers, 5);
        pingPong = numberAt(numbers, 6) != 0;
        step = numberAt(numbers, 7);
    }
    return true;
}

SpriteBase* AnimateSprite::duplicate()
{
    auto* copy = new AnimateSprite;
    copyAnimateStateTo(*copy);
    return copy;
}

void AnimateSprite::copyAnimateStateTo(AnimateSprite& other) const
{
    copyImageStateTo(other);
    other.columns = columns;
    other.rows = rows;
    other.ticks = ticks;
    other.frame = frame;
    other.step = step;
    other.ticksPerStep = ticksPerStep;
    other.holdTicks = holdTicks;
    other.loopsLeft = loopsLeft;
    other.bouncesLeft = bouncesLeft;
    other.tickOffset = tickOffset;
    other.firstFrame = firstFrame;
    other.lastFrame = lastFrame;
    other.looping = looping;
    other.pingPong = pingPong;
}

bool AnimateSprite::isAnimating() const
{
    return step != 0 && !(looping && loopsLeft < 1) && !(pingPong && bouncesLeft < 1);
}

bool AnimateSprite::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (!checkDelayed(frameNo)) {
        const int32_t t = ++ticks;
        if (step != 0 && (ticksPerStep == 0 || (tickOffset + t) % ticksPerStep == 0)) {
            const bool running = isAnimating();
            int32_t next = frame + step;
            if (next > lastFrame) {
                if (loopsLeft == 1)
                    looping = false;
                if (pingPong) {
                    next -= step;
                    step = -step;
                } else if (looping) {
                    if (holdTicks != 0 && t % holdTicks != 0) {
                        next -= step; // waits on the end cell
                    } else {
                        if (loopsLeft > 0)
                            --loopsLeft;
                        if (holdTicks != 0 && loopsLeft == 0)
                            finished = true;
                        const int32_t span = lastFrame - firstFrame + step;
                        next = span > 0 ? firstFrame + (next - firstFrame) % span : firstFrame;
                    }
                } else {
                    next -= step;
                    step = 0;
                }
            }
            if (next < firstFrame) {
                if (loopsLeft == 1)
                    looping = false;
                if (bouncesLeft == 1)
                    pingPong = false;
                if (pingPong) {
                    if (bouncesLeft > 0)
                        --bouncesLeft;
                    next -= step;
                    step = -step;
                } else if (looping) {
                    if (holdTicks != 0 && t % holdTicks != 0) {
                        next -= step;
                    } else {
                        if (loopsLeft > 0)
                            --loopsLeft;
                        if (holdTicks != 0 && loopsLeft == 0)
                            finished = true;
                        next += lastFrame - firstFrame - step;
                    }
                } else {
                    next -= step;
                    step = 0;
                }
            }
            setFrame(next);
            if (running && !isAnimating())
                finished = true;
        }
    }
    return ImageSprite::update(frameNo, outBounds, dirtyRegion);
}

bool AnimateSprite::isDrawable() const
{
    return frame >= 0 && ImageSprite::isDrawable();
}

bool AnimateSprite::isBusy() const
{
    return ImageSprite::isBusy() || isAnimating();
}

void AnimateSprite::setImage(window::ImageBase* picture)
{
    setImage(picture, 1, 1);
}

void AnimateSprite::setImage(window::ImageBase* picture, int32_t newColumns, int32_t newRows)
{
    ImageSprite::setImage(picture);
    // Both at most MaxCells, so that their product fits.
    columns = std::clamp(newColumns, 1, MaxCells);
    rows = std::clamp(newRows, 1, MaxCells);
    lastFrame = cellCount() - 1;
    showFrame(frame);
}

bool AnimateSprite::hitTest(int32_t px, int32_t py)
{
    return frame >= 0 ? hitTestPixel(px, py, 1) : contains(px, py);
}

void AnimateSprite::setFrame(int32_t i)
{
    i = std::min(i, cellCount() - 1);
    if (i == frame)
        return;
    frame = i;
    showFrame(frame);
    markDirty();
}

void AnimateSprite::showFrame(int32_t cell)
{
    if (!image)
        return;
    const int32_t cellWidth = image->getWidth() / columns;
    const int32_t cellHeight = image->getHeight() / rows;
    // Without a cell shown the sprite keeps the size of one.
    const int32_t shown = std::max(cell, 0);
    setSourceRect(util::RectangleNM((shown % columns) * cellWidth, (shown / columns) * cellHeight, cellWidth, cellHeight));
}

void AnimateSprite::setRange(int32_t first, int32_t last)
{
    firstFrame = std::max(first, 0);
    lastFrame = std::min(cellCount() - 1, last);
}

void AnimateSprite::setAnimation(int32_t newStep, bool loop)
{
    ticks = 0;
    step = newStep;
    looping = loop;
}

void AnimateSprite::setPingPong(bool on)
{
    pingPong = on;
}

bool AnimateSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "AnimateSprite") == 0 || ImageSprite::isInstanceOf(className);
}

} // namespace sprite
