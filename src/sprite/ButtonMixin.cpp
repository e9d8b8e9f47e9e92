#include "sprite/ButtonMixin.h"

#include "sprite/SpriteBase.h"

namespace sprite {

ButtonMixin* ButtonMixin::of(SpriteBase* sprite)
{
    return dynamic_cast<ButtonMixin*>(sprite);
}

ButtonMixin::~ButtonMixin() = default;

bool ButtonMixin::hover(int32_t x, int32_t y)
{
    if (state == Disabled || !buttonSprite().isDrawable())
        return false;
    const bool hit = hoverHit(x, y);
    hoverUpdate(hit);
    return hit;
}

bool ButtonMixin::release(int32_t x, int32_t y)
{
    setPressed(false);
    return pressTest(x, y);
}

bool ButtonMixin::pressTest(int32_t x, int32_t y)
{
    SpriteBase& sprite = buttonSprite();
    return sprite.isVisible() && sprite.contains(x, y) && state != Disabled;
}

void ButtonMixin::setState(int32_t newState)
{
    if (newState == state)
        return;
    if (applyState(newState))
        state = newState;
}

void ButtonMixin::setEnabled(bool on)
{
    if (on && (state == Selected || state == SelectedHover))
        return;
    setState(on ? Normal : Disabled);
}

void ButtonMixin::setPressed(bool on)
{
    if (state == Disabled)
        return;
    pressed = on;
    if (on) {
        if (state == Normal || state == Hover)
            setState(Pressed);
        else if (state == Selected || state == SelectedHover)
            setState(SelectedPressed);
    } else {
        if (state == Pressed)
            setState(Normal);
        else if (state == SelectedPressed)
            setState(Selected);
    }
}

void ButtonMixin::hoverUpdate(bool inside)
{
    if (state == Disabled)
        return;
    const bool selected = state == Selected || state == SelectedHover;
    if (!inside)
        setState(selected || state == SelectedPressed ? Selected : Normal);
    else if (pressed)
        setState(selected ? SelectedPressed : Pressed);
    else
        setState(selected ? SelectedHover : Hover);
}

} // namespace sprite
