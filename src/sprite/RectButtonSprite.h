// An invisible rectangular button: a clickable area over a picture that draws nothing itself.
// Table numbers: left, top, width, height, [initial state, default disabled]; fewer than four
// numbers make no button.
#pragma once

#include "sprite/BoundsSprite.h"
#include "sprite/ButtonMixin.h"

namespace sprite {

class RectButtonSprite : public BoundsSprite, public ButtonMixin {
public:
    struct RectButtonSpriteClass : lang::ClassOf<RectButtonSprite> {
        using ClassOf::ClassOf;
    };
    static RectButtonSpriteClass classObject;

    RectButtonSprite() = default;
    RectButtonSprite(int32_t left, int32_t top, int32_t width, int32_t height);

    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;
    // Every state has the same (empty) look.
    bool applyState(int32_t) override { return true; }

    // Both bases have a release: dropping a reference, and the button's release test.
    using BoundsSprite::release;
    using ButtonMixin::release;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "RectButtonSprite"; }

protected:
    SpriteBase& buttonSprite() override { return *this; }
    bool hoverHit(int32_t x, int32_t y) override { return contains(x, y); }
};

} // namespace sprite
