// The decorations of the game's look, built on the drawing kit: outlined text, glossy
// buttons in their five states, panels, ribbons and stars.
#pragma once

#include "Raster.h"
#include "Text.h"

#include <string>

namespace contentgen {

struct TextLook {
    Paint fill = solid(Color::hex(0xFFFFFF));
    float outline = 0;          // rim width in pixels; 0 = none
    Color outlineColor = Color::hex(0x000000);
    float shadow = 0;           // drop of a soft shadow in pixels; 0 = none
    Color shadowColor = Color::hex(0x000000, 0.4f);
};

// Paints a coverage mask (text, usually) with the look: shadow, rim, then the fill.
void paintDecorated(Picture& target, const Mask& mask, const TextLook& look);
// Text of `font` centred in the picture at the given baseline.
void drawCentredText(Picture& target, const Font& font, const std::string& text, int baseline, const TextLook& look);

enum class ButtonState { Normal, Hover, Pressed, Disabled, Selected };
constexpr int kButtonStates = 5;

struct ButtonLook {
    Color face;
    Color dark;      // rim and label outline
};

// One cell of a button sheet: a glossy rounded button filling the cell less a margin for
// its shadow and glow, with an optional label.
Picture buttonCell(int width, int height, const ButtonLook& look, ButtonState state, const Font* font,
                   const std::string& label, float radius);
// The five cells side by side: normal, hover, pressed, disabled, selected.
Picture buttonSheet(int cellWidth, int cellHeight, const ButtonLook& look, const Font* font, const std::string& label,
                    float radius);

// A cream panel with a wooden rim and a soft shadow.
Picture panel(int width, int height);
// A title ribbon banner with folded ends.
Picture ribbon(int width, int height, Color face, Color dark);
// A glossy five-pointed star.
Picture starPicture(int size, Color face, Color dark);
// Joins cells left to right into one sheet.
Picture sideBySide(const std::vector<Picture>& cells);

// Plain text in one colour.
TextLook inkLook(Color color);
// The picture in greys, faded toward white by `fade` (0 keeps the contrast; a locked or disabled look).
Picture greyed(const Picture& source, float fade);

} // namespace contentgen
