// The version line of the main menu and the instructions: "v" and the program's version, in
// the system font at a small size.
#pragma once

#include "lang/String.h"

#include <cstdint>

namespace sprite {
class SpriteBase;
}

// "v0.9.0".
lang::String versionLineText();
// Gives a text sprite the line, its font and its colour (0xAARRGGBB); nothing for none.
void showVersionLine(sprite::SpriteBase* sprite, uint32_t textColor);
