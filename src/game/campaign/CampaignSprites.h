// Small helpers shared by the campaign's screens for sprites found by name (any may be
// missing from the package): animation frames, the looks of the five-cell button sheets, and
// button states.
#pragma once

#include <cstdint>

namespace sprite {
class AnimateSprite;
class SpriteBase;
} // namespace sprite

// The sprite as an animation, or none.
sprite::AnimateSprite* asAnimation(sprite::SpriteBase* sprite);
// Shows the cell of an animation; nothing for none.
void showFrame(sprite::SpriteBase* sprite, int32_t frame);
// The campaign's button sheets hold five cells: normal, hover, pressed, disabled and selected.
// Gives a button of such a sheet its pressed and selected looks.
void useFiveCellLooks(sprite::SpriteBase* sprite);
// Puts a button into a state of sprite::ButtonMixin; nothing for a sprite that is no button.
void setButtonState(sprite::SpriteBase* sprite, int32_t state);
// The state of a button; -1 for a sprite that is no button.
int32_t buttonState(sprite::SpriteBase* sprite);
