#include "game/ambient/RainSprite.h"

#include "util/Random.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"

#include <cstring>

namespace {

// The rain's own generator, seeded once for the run.
util::Random& generator()
{
    static util::Random random;
    return random;
}

int32_t nextInt(int32_t n)
{
    return generator().nextInt(n);
}

} // namespace

RainSprite::RainSpriteClass RainSprite::classObject("RainSprite");

RainSprite::RainSprite() = default;

RainSprite::~RainSprite() = default;

int32_t RainSprite::pictureOfDraw(int32_t draw)
{
    if (draw > 90)
        return 3;
    if (draw > 65)
        return 1;
    return 2;
}

uint32_t RainSprite::pieceTint(int32_t i)
{
    const uint32_t red = (i % 3) * 64 + 74;
    const uint32_t green = (i % 5) * 32 + 42;
    const uint32_t blue = (i % 7) * 21 + 31;
    return (128u << 24) | (red << 16) | (green << 8) | blue;
}

void RainSprite::startShower(const lang::String& prefix)
{
    setSourceRect(util::RectangleNM(12, 12, Width, Height));
    for (int32_t i = 0; i < PieceCount; ++i)
        makePiece(i, prefix);
}

void RainSprite::makePiece(int32_t i, const lang::String& prefix)
{
    const int32_t kind = pictureOfDraw(nextInt(100));
    lang::Ref<sprite::AnimateSprite> piece = lang::adopt(new sprite::AnimateSprite);
    lang::Ref<window::ImageBase> picture
        = lang::adopt<window::ImageBase>(new window::PixelImage(prefix + kind));
    piece->setImage(picture.get(), PieceFrames, 1);
    if (kind == 3 && nextInt(1) == 1)
        piece->setFlip(1);
    const int32_t startY = -nextInt(getBoundsHeight() - 1);
    const int32_t startX = nextInt(getBoundsWidth() - 1);
    piece->setLocation(startX, startY);
    piece->setColor(pieceTint(i));
    const int32_t startFrame = nextInt(PieceFrames);
    piece->setTicksPerStep(nextInt(1) + 1);
    piece->setTickOffset(startFrame);
    piece->setAnimation(1, true);
    piece->setVisible(true);
    pieces[i] = piece;
}

void RainSprite::fall(int32_t i, int32_t frameNo, util::Region& dirtyRegion)
{
    sprite::AnimateSprite* piece = pieces[i].get();
    const int32_t drop = i % 3 + 1;
    int32_t pieceX = piece->getX();
    if (i % 2 == swayPhase)
        pieceX = pieceX - 1 + nextInt(2);
    piece->setLocation(pieceX, piece->getY() + drop);
    if (piece->getY() > ResetBelow)
        piece->setLocation(nextInt(getBoundsWidth() - 1), RestartY);
    // The pieces' bounds are not the rain's: they go to a rectangle of their own.
    util::RectangleNM pieceBounds;
    piece->update(frameNo, pieceBounds, dirtyRegion);
}

bool RainSprite::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    const bool changed = AnimateSprite::update(frameNo, outBounds, dirtyRegion);
    if (visible && pieces[0]) {
        for (int32_t i = 0; i < PieceCount; ++i)
            fall(i, frameNo, dirtyRegion);
        swayPhase = 1 - swayPhase;
        dirty = true;
    }
    return changed;
}

void RainSprite::render(window::Graphics* graphics)
{
    if (!visible || !pieces[0])
        return;
    lang::Ref<window::Graphics> target = lang::adopt(graphics->create());
    if (!target)
        return;
    target->setBlendMode(window::Graphics::BLEND_ADDITIVE);
    target->clipRect(getX(), getY(), getBoundsWidth(), getBoundsHeight());
    target->translate(getX(), getY());
    for (const lang::Ref<sprite::AnimateSprite>& piece : pieces)
        piece->render(target.get());
    target->dispose();
}

sprite::SpriteBase* RainSprite::duplicate()
{
    auto* copy = new RainSprite;
    copyAnimateStateTo(*copy);
    return copy;
}

bool RainSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "RainSprite") == 0 || AnimateSprite::isInstanceOf(className);
}
