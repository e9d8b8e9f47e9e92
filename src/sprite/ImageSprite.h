// A sprite that shows a picture, or a part of it (the source rectangle), centred on its
// reference point with the sprite's scale, rotation, mirror and tint. Hit tests look at the
// picture's alpha through the same transformation. Registered as "Sprite". Table entry:
// picture, optional mask; numbers x, y (the top-left corner).
#pragma once

#include "lang/Class.h"
#include "sprite/SpriteBase.h"
#include "window/image/ImageBase.h"

namespace sprite {

class ImageSprite : public SpriteBase {
public:
    struct ImageSpriteClass : lang::ClassOf<ImageSprite> {
        using ClassOf::ClassOf;
    };
    static ImageSpriteClass classObject;

    ImageSprite();
    // A sprite of the picture with its reference point at (x, y); the picture gains a reference.
    ImageSprite(window::ImageBase* image, int32_t x, int32_t y);
    ~ImageSprite() override;

    int32_t getWidth() const override { return sourceRect.width; }
    int32_t getHeight() const override { return sourceRect.height; }
    void paint(window::Graphics* graphics) override;
    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;
    bool isDrawable() const override;
    void releaseImages() override;
    void loadImages() override;

    // Two hooks of the class's operation table that no sprite overrides.
    virtual bool acceptsImage(window::ImageBase* image);
    virtual void imageHook(window::ImageBase* image);
    // Shows the whole picture (none drops it and makes the sprite 0 x 0), keeping the anchored
    // point where it is.
    virtual void setImage(window::ImageBase* image);
    // The first pixel along a line across the bounds whose alpha reaches the threshold:
    // 'B' scans column x upward from the bottom, 'T' downward from the top, 'L' row y from the
    // left, 'R' from the right. On a hit the found y ('B', 'T') or x ('L', 'R') is written back.
    virtual bool findEdge(int32_t& x, int32_t& y, char direction, int32_t threshold);
    // The point (canvas coordinates) lies on a pixel whose alpha reaches the threshold; the
    // rectangle decides for a sprite without a picture or with noPixelHit set.
    virtual bool hitTestPixel(int32_t x, int32_t y, int32_t threshold);

    window::ImageBase* getImage() const { return image.get(); }
    const util::RectangleNM& getSourceRect() const { return sourceRect; }
    // The picture drops its pixels at the next update.
    void requestRelease() { releaseRequested = true; }
    void setKeepImage(bool on) { keepImage = on; }
    void setNoPixelHit(bool on) { noPixelHit = on; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ImageSprite"; }

protected:
    // The pictures of a table entry as one picture: the first, masked by the second when given.
    static lang::Ref<window::ImageBase> pictureOfEntry(window::ImageArray* pictures);
    void setSourceRect(const util::RectangleNM& rectangle);
    void copyImageStateTo(ImageSprite& other) const;

    lang::Ref<window::ImageBase> image;
    util::RectangleNM sourceRect;
    bool releaseRequested = false;
    bool keepImage = false;
    bool noPixelHit = false;
};

} // namespace sprite
