// A sprite that is a plain rectangle of a given size: the base of containers, text sprites and
// rectangle buttons. Table numbers: left, top, width, height.
#pragma once

#include "lang/Class.h"
#include "sprite/SpriteBase.h"

namespace sprite {

class BoundsSprite : public SpriteBase {
public:
    struct BoundsSpriteClass : lang::ClassOf<BoundsSprite> {
        using ClassOf::ClassOf;
    };
    static BoundsSpriteClass classObject;

    BoundsSprite();
    BoundsSprite(int32_t left, int32_t top, int32_t width, int32_t height);

    int32_t getWidth() const override { return width; }
    int32_t getHeight() const override { return height; }
    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;

    // Changes the size, keeping the anchored point where it is.
    void setSize(int32_t newWidth, int32_t newHeight);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "BoundsSprite"; }

protected:
    void copyBoundsStateTo(BoundsSprite& other) const;

    int32_t width = 0;
    int32_t height = 0;
};

} // namespace sprite
