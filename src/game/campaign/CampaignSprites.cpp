#include "game/campaign/CampaignSprites.h"

#include "sprite/ButtonSprite.h"

namespace {

constexpr int32_t PressedCell = 2;
constexpr int32_t SelectedCell = 4;
constexpr int32_t SheetCells = 5;

} // namespace

sprite::AnimateSprite* asAnimation(sprite::SpriteBase* sprite)
{
    return sprite && sprite->isInstanceOf("AnimateSprite") ? static_cast<sprite::AnimateSprite*>(sprite)
                                                           : nullptr;
}

void showFrame(sprite::SpriteBase* sprite, int32_t frame)
{
    if (sprite::AnimateSprite* animation = asAnimation(sprite))
        animation->setFrame(frame);
}

void useFiveCellLooks(sprite::SpriteBase* sprite)
{
    if (!sprite || !sprite->isInstanceOf("ButtonSprite"))
        return;
    auto* button = static_cast<sprite::ButtonSprite*>(sprite);
    if (button->getColumns() * button->getRows() < SheetCells)
        return;
    using State = sprite::ButtonMixin::State;
    button->setStateFrame(State::Pressed, PressedCell);
    for (State state : {State::Selected, State::SelectedHover, State::SelectedPressed})
        button->setStateFrame(state, SelectedCell);
}

void setButtonState(sprite::SpriteBase* sprite, int32_t state)
{
    if (sprite::ButtonMixin* button = sprite::ButtonMixin::of(sprite))
        button->setState(state);
}

int32_t buttonState(sprite::SpriteBase* sprite)
{
    sprite::ButtonMixin* button = sprite::ButtonMixin::of(sprite);
    return button ? button->getState() : -1;
}
