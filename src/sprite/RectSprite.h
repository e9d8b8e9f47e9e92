// A filled rectangle: backdrops and the dimming layer behind modal pages. A colour with alpha
// below 255 is blended over what lies beneath. Table numbers: left, top, width, height,
// colour (ARGB as a signed number), [visible (non-zero), flag (non-zero)].
#pragma once

#include "sprite/BoundsSprite.h"

namespace sprite {

class RectSprite : public BoundsSprite {
public:
    struct RectSpriteClass : lang::ClassOf<RectSprite> {
        using ClassOf::ClassOf;
    };
    static RectSpriteClass classObject;

    RectSprite() = default;
    RectSprite(int32_t left, int32_t top, int32_t width, int32_t height, uint32_t argb);

    void paint(window::Graphics* graphics) override;
    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;

    // The fill colour (the table's colour; the sprite's own tint stays apart).
    uint32_t getFillColor() const { return fillColor; }
    void setFillColor(uint32_t argb);
    // The byte flag handed to the graphics while the rectangle is drawn.
    bool getFlag() const { return flag; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "RectSprite"; }

private:
    uint32_t fillColor = 0xFF000000u;
    bool flag = false;
};

} // namespace sprite
