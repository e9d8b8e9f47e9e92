#include "sprite/SpriteBase.h"

#include "lang/LiveCounts.h"
#include "lang/String.h"
#include "window/Event.h"
#include "window/raster/Graphics.h"
#include "window/raster/GraphicsClip.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace sprite {

namespace {

// Made on first use: objects may be built during static initialisation.
std::atomic<int32_t>& liveSprites()
{
    static std::atomic<int32_t>& count = lang::LiveCounts::of("sprites");
    return count;
}

uint8_t clampByte(int32_t value)
{
    return uint8_t(std::clamp(value, 0, 255));
}

} // namespace

int32_t clampCoordinate(int64_t value)
{
    return int32_t(std::clamp<int64_t>(value, -SpriteBase::CoordinateLimit, SpriteBase::CoordinateLimit));
}

int32_t numberAt(const lang::IntArray* numbers, int32_t index, int32_t fallback)
{
    if (!numbers || index < 0 || index >= numbers->length())
        return fallback;
    return (*numbers)[index];
}

int32_t numberCount(const lang::IntArray* numbers)
{
    return numbers ? numbers->length() : 0;
}

SpriteBase::SpriteBase()
{
    ++liveSprites();
}

SpriteBase::SpriteBase(int32_t x, int32_t y) : x(clampCoordinate(x)), y(clampCoordinate(y))
{
    ++liveSprites();
    bounds = util::RectangleNM(this->x, this->y, 0, 0);
}

SpriteBase::~SpriteBase()
{
    --liveSprites();
    if (action)
        action->release();
}

void SpriteBase::moved(int32_t, int32_t) {}

void SpriteBase::paint(window::Graphics*) {}

void SpriteBase::render(window::Graphics* graphics)
{
    if (!graphics || !isDrawable())
        return;
    lang::Ref<window::Graphics> own = lang::adopt(graphics->create());
    if (!own)
        return;
    // A new target on an image starts at full opacity: carry a fading container's over.
    own->setOpacity(graphics->getOpacity());
    if (clip)
        narrowClip(*own, *clip);
    paint(own.get());
    own->dispose();
}

void SpriteBase::onAction(lang::Object*, const lang::String&) {}

bool SpriteBase::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region&)
{
    if (!checkDelayed(frameNo)) {
        if (moveFrames > 0) {
            ++updateDepth;
            int32_t nextX = moveFrames == 1 ? moveTargetX : moveStepX.step(getX());
            int32_t nextY = moveFrames == 1 ? moveTargetY : moveStepY.step(getY());
            setLocation(nextX, nextY);
            --updateDepth;
            if (--moveFrames == 0)
                finished = true;
        }
        if (fadeFrames > 0) {
            ++updateDepth;
            setAlpha(fadeFrames == 1 ? fadeTarget : fadeStep.step(getAlpha()));
            --updateDepth;
            if (--fadeFrames == 0) {
                if (fadeTarget == 0 && hideWhenFadedOut == 1)
                    setVisible(false);
                finished = true;
            }
        }
    }
    if (finished)
        reportFinished();
    outBounds = getBounds();
    bool changed = dirty;
    dirty = false;
    lastUpdateFrame = frameNo;
    return changed;
}

void SpriteBase::reportFinished()
{
    finished = false;
    if (!listener)
        return;
    lang::Ref<window::Event> event = lang::adopt(new window::Event(this, action));
    listener->handleEvent(event.get());
}

bool SpriteBase::checkDelayed(int32_t frameNo)
{
    if (!delayed)
        return false;
    if (delayUntil < 0)
        delayUntil = frameNo - 1 + pendingDelay;
    if (frameNo >= delayUntil) {
        delayed = false;
        return false;
    }
    return true;
}

int32_t SpriteBase::getBoundsWidth() const
{
    return bounds.width;
}

int32_t SpriteBase::getBoundsHeight() const
{
    return bounds.height;
}

int32_t SpriteBase::getX() const
{
    switch (anchor & 0x70) {
    case AnchorLeft: return bounds.x;
    case AnchorRight: return bounds.x + bounds.width;
    default: return x;
    }
}

int32_t SpriteBase::getY() const
{
    switch (anchor & 0x07) {
    case AnchorTop: return bounds.y;
    case AnchorBottom: return bounds.y + bounds.height;
    default: return y;
    }
}

void SpriteBase::setLocation(int32_t newX, int32_t newY)
{
    moveBy(clampCoordinate(int64_t(newX) - getX()), clampCoordinate(int64_t(newY) - getY()));
}

void SpriteBase::setVisible(bool on)
{
    if (visible == on)
        return;
    visible = on;
    dirty = true;
}

bool SpriteBase::isDrawable() const
{
    return visible && getWidth() >= 1 && getHeight() >= 1;
}

void SpriteBase::setColor(int32_t alpha, int32_t red, int32_t green, int32_t blue)
{
    setColor(window::ColorBase::compose(clampByte(red), clampByte(green), clampByte(blue), clampByte(alpha)));
}

bool SpriteBase::isBusy() const
{
    return moveFrames >= 1 || fadeFrames >= 1;
}

void SpriteBase::fadeTo(int32_t alpha, int32_t frames, bool hideWhenDone)
{
    fadeTarget = std::clamp(alpha, 0, 255);
    if (frames != -1)
        fadeFrames = frames;
    if (fadeFrames == 0)
        fadeFrames = 1;
    fadeStep.set(getAlpha(), fadeTarget, fadeFrames);
    hideWhenFadedOut = hideWhenDone ? 1 : 0;
}

bool SpriteBase::contains(int32_t px, int32_t py) const
{
    return getBounds().contains(px, py);
}

const util::RectangleNM& SpriteBase::getBounds() const
{
    if (!clip)
        return bounds;
    boundsResult = bounds.intersect(*clip);
    return boundsResult;
}

void SpriteBase::releaseImages() {}

void SpriteBase::loadImages() {}

bool SpriteBase::handleEvent(window::Event*)
{
    return false;
}

void SpriteBase::moveBy(int32_t dx, int32_t dy)
{
    dx = clampCoordinate(int64_t(x) + dx) - x;
    dy = clampCoordinate(int64_t(y) + dy) - y;
    if (dx == 0 && dy == 0)
        return;
    x += dx;
    y += dy;
    bounds.x += dx;
    bounds.y += dy;
    markDirty();
    if (updateDepth == 0) {
        // A move from outside update ends the running motion where the sprite now stands.
        moveTargetX = getX();
        moveTargetY = getY();
        moveFrames = std::min(moveFrames, 1);
        moveStepX.clear();
        moveStepY.clear();
    }
    moved(dx, dy);
}

void SpriteBase::moveTo(int32_t targetX, int32_t targetY, int32_t frames)
{
    moveTargetX = targetX;
    moveTargetY = targetY;
    moveFrames = frames;
    moveStepX.set(getX(), targetX, frames);
    moveStepY.set(getY(), targetY, frames);
}

void SpriteBase::setListener(window::Receiver* receiver, lang::Object* newAction)
{
    listener = receiver;
    if (newAction)
        newAction->addRef();
    if (action)
        action->release();
    action = newAction;
}

void SpriteBase::setListener(window::Receiver* receiver, const lang::String& actionName)
{
    lang::Ref<lang::String> text = lang::adopt(new lang::String(actionName));
    setListener(receiver, text.get());
}

void SpriteBase::setDelay(int32_t frames)
{
    if (lastUpdateFrame < 0) {
        if (frames > 0) {
            delayed = true;
            delayUntil = -1;
            pendingDelay = frames;
        }
        return;
    }
    delayUntil = lastUpdateFrame + frames;
    if (delayUntil > lastUpdateFrame && !delayed)
        delayed = true;
}

void SpriteBase::setDelayed(bool on)
{
    delayed = on;
    delayUntil = on ? INT_MAX : -1;
}

void SpriteBase::setColor(uint32_t newColor)
{
    if (newColor == color.getValue())
        return;
    bool alphaChanged = (newColor >> 24) != color.getAlpha();
    color.setValue(newColor);
    useCornerColors = false;
    markDirty();
    if (alphaChanged && updateDepth == 0) {
        fadeTarget = color.getAlpha();
        fadeFrames = std::min(fadeFrames, 1);
        fadeStep.clear();
    }
}

void SpriteBase::setAlpha(int32_t alpha)
{
    uint8_t value = clampByte(alpha);
    if (value == color.getAlpha())
        return;
    color.setAlpha(value);
    markDirty();
    if (updateDepth == 0) {
        // A change from outside update ends the running fade at the new alpha.
        fadeTarget = value;
        fadeFrames = std::min(fadeFrames, 1);
        fadeStep.clear();
    }
}

void SpriteBase::setScale(double scale)
{
    scale = std::max(0.0, scale);
    if (scale == scaleX && scale == scaleY)
        return;
    scaleX = scale;
    scaleY = scale;
    computeBounds();
    markDirty();
}

void SpriteBase::setRotation(double degrees)
{
    if (degrees == rotation)
        return;
    rotation = degrees;
    computeBounds();
    markDirty();
}

void SpriteBase::setFlip(int32_t mode)
{
    flip = mode;
    markDirty();
}

void SpriteBase::setCornerColors(const uint32_t colors[4])
{
    for (int32_t i = 0; i < 4; ++i)
        cornerColors[i].setValue(colors[i]);
    useCornerColors = true;
    markDirty();
}

uint32_t SpriteBase::getCornerColor(int32_t index) const
{
    if (!useCornerColors || index < 0 || index > 3)
        return color.getValue();
    return cornerColors[index].getValue();
}

void SpriteBase::setAnchor(int32_t newAnchor)
{
    anchor = newAnchor;
}

void SpriteBase::setClip(const util::RectangleNM* rectangle)
{
    clip = rectangle ? lang::adopt(new util::RectangleNM(*rectangle)) : nullptr;
    markDirty();
}

void SpriteBase::copyStateTo(SpriteBase& other) const
{
    other.x = x;
    other.y = y;
    other.anchor = anchor;
    other.rotation = rotation;
    other.scaleX = scaleX;
    other.scaleY = scaleY;
    other.flip = flip;
    other.color = color;
    for (int32_t i = 0; i < 4; ++i)
        other.cornerColors[i] = cornerColors[i];
    other.useCornerColors = useCornerColors;
    other.moveFrames = moveFrames;
    other.moveTargetX = moveTargetX;
    other.moveTargetY = moveTargetY;
    other.moveStepX = moveStepX;
    other.moveStepY = moveStepY;
    other.updateDepth = updateDepth;
    other.fadeFrames = fadeFrames;
    other.fadeTarget = fadeTarget;
    other.fadeStep = fadeStep;
    other.hideWhenFadedOut = hideWhenFadedOut;
    other.setListener(listener, action);
    other.finished = false;
    other.delayed = delayed;
    other.lastUpdateFrame = lastUpdateFrame;
    other.delayUntil = delayUntil;
    other.pendingDelay = pendingDelay;
    other.bounds = bounds;
    other.clip = clip ? lang::adopt(new util::RectangleNM(*clip)) : nullptr;
    other.visible = visible;
    other.dirty = dirty;
}

void SpriteBase::computeBounds()
{
    const int32_t w = getWidth();
    const int32_t h = getHeight();
    const int32_t left = -(w / 2);
    const int32_t top = -(h / 2);
    if ((rotation == 0.0 && scaleX == 1.0 && scaleY == 1.0) || (w == 0 && h == 0)) {
        bounds = util::RectangleNM(x + left, y + top, w, h);
        return;
    }
    const double radians = rotation * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    for (double cornerX : {double(left), double(left + w)}) {
        for (double cornerY : {double(top), double(top + h)}) {
            const double px = cornerX * scaleX;
            const double py = cornerY * scaleY;
            // Clockwise on screen, as pictures are drawn.
            const double tx = px * c - py * s;
            const double ty = px * s + py * c;
            minX = std::min(minX, tx);
            maxX = std::max(maxX, tx);
            minY = std::min(minY, ty);
            maxY = std::max(maxY, ty);
        }
    }
    // Rounding noise of the sine and cosine must not widen an exact box by a pixel.
    const double eps = 1e-9;
    const int32_t boxLeft = int32_t(std::floor(minX + eps));
    const int32_t boxTop = int32_t(std::floor(minY + eps));
    const int32_t boxRight = int32_t(std::ceil(maxX - eps));
    const int32_t boxBottom = int32_t(std::ceil(maxY - eps));
    bounds = util::RectangleNM(x + boxLeft, y + boxTop, boxRight - boxLeft, boxBottom - boxTop);
}

void SpriteBase::resizeKeepingAnchor(int32_t anchorX, int32_t anchorY)
{
    computeBounds();
    ++updateDepth;
    moveBy(anchorX - getX(), anchorY - getY());
    --updateDepth;
    markDirty();
}

bool SpriteBase::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "SpriteBase") == 0 || Object::isInstanceOf(className);
}

} // namespace sprite
