// Small helpers for sprites found by name, any of which may be missing from the package: the
// text of a text sprite (a system-font TextSprite or a bitmap-font NewFontSprite, whichever the
// table chose), showing and hiding, enabling a button, a dialog of the canvas and a child dialog.
#pragma once

#include "lang/Ref.h"
#include "lang/String.h"

namespace sprite {
class DialogSprite;
class GameCanvas3;
class SpriteBase;
}

// Sets the text; false when the sprite is none or shows no text.
bool setSpriteText(sprite::SpriteBase* sprite, const lang::String& text);
// The text shown; empty for none or a sprite that shows no text.
lang::String spriteText(sprite::SpriteBase* sprite);
// Shows or hides a sprite; nothing for none.
void showSprite(sprite::SpriteBase* sprite, bool on);
// Enables or disables a button (a selected one stays selected when enabled); nothing for a
// sprite that is no button.
void enableButton(sprite::SpriteBase* sprite, bool on);
// The dialog's child of that name when it is a dialog; none otherwise.
sprite::DialogSprite* childDialog(sprite::DialogSprite* dialog, const char* name);
// The canvas's dialog of that name; none, said on the debug output, when the package lacks it or
// it is no dialog.
lang::Ref<sprite::DialogSprite> findDialog(sprite::GameCanvas3& canvas, const lang::String& name);
