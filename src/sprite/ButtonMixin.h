// The state machine of a button, a second base beside a sprite class: disabled, normal, hover,
// selected, selected with hover, pressed, selected and pressed. A button fires its table name
// as a named action on the press, or with fireOnRelease on a release over the button.
#pragma once

#include <cstdint>

namespace sprite {

class SpriteBase;

class ButtonMixin {
public:
    enum State : int32_t {
        Disabled = 0,
        Normal = 1,
        Hover = 2,
        Selected = 3,
        SelectedHover = 4,
        Pressed = 5,
        SelectedPressed = 6,
    };

    // The button part of a sprite, or none when the sprite is no button.
    static ButtonMixin* of(SpriteBase* sprite);

    // Shows the look of a state; false refuses it.
    virtual bool applyState(int32_t newState) = 0;
    virtual ~ButtonMixin();
    // Updates the hover look for the pointer at (x, y); true when the pointer is on the button.
    virtual bool hover(int32_t x, int32_t y);
    // Leaves the pressed look and answers whether (x, y) is on the button.
    virtual bool release(int32_t x, int32_t y);
    // The button is shown, enabled and holds the point.
    virtual bool pressTest(int32_t x, int32_t y);

    void setState(int32_t newState);
    void setEnabled(bool on);
    void setPressed(bool on);
    void hoverUpdate(bool inside);

    int32_t getState() const { return state; }
    bool isFireOnRelease() const { return fireOnRelease; }
    void setFireOnRelease(bool on) { fireOnRelease = on; }
    bool isPressed() const { return pressed; }

protected:
    // The sprite this button part belongs to.
    virtual SpriteBase& buttonSprite() = 0;
    // The hover test of the button's shape.
    virtual bool hoverHit(int32_t x, int32_t y) = 0;

    int32_t state = Disabled;
    bool fireOnRelease = false;
    bool pressed = false;
};

} // namespace sprite
