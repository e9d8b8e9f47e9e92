#include "sprite/ButtonSprite.h"

#include <cstring>

namespace sprite {

ButtonSprite::ButtonSpriteClass ButtonSprite::classObject("ButtonSprite");

ButtonSprite::ButtonSprite()
{
    noPixelHit = true;
}

bool ButtonSprite::init(window::ImageArray* pictures, lang::IntArray* numbers)
{
    initSheet(pictures, numbers);
    const int32_t hoverFrame = numberAt(numbers, 4);
    const int32_t normalFrame = numberAt(numbers, 5);
    const int32_t disabledFrame = numberAt(numbers, 6);
    const int32_t selectedFrame = numberAt(numbers, 8, -1);
    stateFrames[Disabled] = disabledFrame;
    stateFrames[Normal] = normalFrame;
    stateFrames[Hover] = hoverFrame;
    stateFrames[Selected] = selectedFrame;
    stateFrames[SelectedHover] = selectedFrame;
    stateFrames[Pressed] = hoverFrame;
    stateFrames[SelectedPressed] = stateFrames[SelectedHover];
    enterInitialState(numberAt(numbers, 7, Disabled));
    return true;
}

void ButtonSprite::enterInitialState(int32_t initial)
{
    if (initial >= 0 && initial < StateCount && applyState(initial)) {
        state = initial;
        return;
    }
    state = Disabled;
    applyState(Disabled);
}

SpriteBase* ButtonSprite::duplicate()
{
    auto* copy = new ButtonSprite;
    copyAnimateStateTo(*copy);
    std::memcpy(copy->stateFrames, stateFrames, sizeof stateFrames);
    copy->state = state;
    copy->fireOnRelease = fireOnRelease;
    copy->pressed = pressed;
    return copy;
}

bool ButtonSprite::applyState(int32_t newState)
{
    if (newState < 0 || newState >= StateCount || stateFrames[newState] < 0)
        return false;
    setFrame(stateFrames[newState]);
    return true;
}

void ButtonSprite::setStateFrame(int32_t forState, int32_t cell)
{
    if (forState >= 0 && forState < StateCount)
        stateFrames[forState] = cell;
}

int32_t ButtonSprite::getStateFrame(int32_t forState) const
{
    return forState >= 0 && forState < StateCount ? stateFrames[forState] : -1;
}

bool ButtonSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ButtonSprite") == 0 || AnimateSprite::isInstanceOf(className);
}

} // namespace sprite
