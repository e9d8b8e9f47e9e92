// A button drawn from a sprite sheet: each state shows one cell (-1: the state cannot be
// shown). Hits use the rectangle. Table numbers: x, y, columns, rows, hover frame, normal
// frame, disabled frame, [initial state, selected frame]; without the initial state the
// button starts disabled and the game enables it; without the selected frame the selected
// states cannot be shown.
#pragma once

#include "sprite/AnimateSprite.h"
#include "sprite/ButtonMixin.h"

namespace sprite {

class ButtonSprite : public AnimateSprite, public ButtonMixin {
public:
    struct ButtonSpriteClass : lang::ClassOf<ButtonSprite> {
        using ClassOf::ClassOf;
    };
    static ButtonSpriteClass classObject;

    static constexpr int32_t StateCount = 7;

    ButtonSprite();

    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;
    bool applyState(int32_t newState) override;

    // The cell shown in a state (-1: the state cannot be shown).
    void setStateFrame(int32_t forState, int32_t cell);
    int32_t getStateFrame(int32_t forState) const;

    // Both bases have a release: dropping a reference, and the button's release test.
    using AnimateSprite::release;
    using ButtonMixin::release;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ButtonSprite"; }

protected:
    SpriteBase& buttonSprite() override { return *this; }
    bool hoverHit(int32_t x, int32_t y) override { return hitTest(x, y); }
    // Enters the initial state, or the disabled one when that cannot be shown.
    void enterInitialState(int32_t initial);

    int32_t stateFrames[StateCount] = {0, 0, 0, -1, -1, 0, -1};
};

} // namespace sprite
