// The look of the game in numbers: palette, fonts and sizes that every generated picture
// shares. content/STYLE.md explains them; keep the two in step.
#pragma once

#include "Raster.h"

#include <string>

namespace contentgen::style {

// Palette
inline const Color ink = Color::hex(0x4A3426);        // text on light panels: warm brown
inline const Color inkSoft = Color::hex(0x7A5C48);
inline const Color cream = Color::hex(0xFFF6E3);      // panel face
inline const Color creamShade = Color::hex(0xF6E2C0);
inline const Color wood = Color::hex(0xA8693A);       // panel rims and shelves
inline const Color woodDark = Color::hex(0x6E4122);
inline const Color woodLight = Color::hex(0xD39A5F);
inline const Color orange = Color::hex(0xFF9F1C);     // main buttons
inline const Color orangeDark = Color::hex(0xC4620A);
inline const Color sky = Color::hex(0x48B4F0);        // second buttons
inline const Color skyDark = Color::hex(0x1F6FB0);
inline const Color leaf = Color::hex(0x5CC44E);       // go, play, selected
inline const Color leafDark = Color::hex(0x2F7F2A);
inline const Color berry = Color::hex(0xE84A7F);      // accents, hearts, alerts
inline const Color berryDark = Color::hex(0x9C2151);
inline const Color gold = Color::hex(0xFFCB3D);
inline const Color goldDark = Color::hex(0xC98A00);
inline const Color silver = Color::hex(0xD7DEE6);
inline const Color silverDark = Color::hex(0x8593A3);
inline const Color bronze = Color::hex(0xE09A5B);
inline const Color bronzeDark = Color::hex(0x9A5422);
inline const Color disabled = Color::hex(0xC7BFB4);
inline const Color disabledDark = Color::hex(0x8F877C);
inline const Color white = Color::hex(0xFFFFFF);
inline const Color shadow = Color::hex(0x2B1A10, 0.35f);

// Corner radii and rims
constexpr float buttonRadius = 14;
constexpr float panelRadius = 22;
constexpr float rim = 4;            // outline of buttons and panels
constexpr float shadowBlur = 6;
constexpr int shadowDrop = 4;

// Item pictures
constexpr int itemSize = 48;        // the picture, outline and shadow included
constexpr int itemArt = 40;         // the emoji inside it

// Fonts (Debian packages fonts-comic-neue and fonts-dejavu-core)
inline const std::string titleFont = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf";
inline const std::string bodyFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline const std::string boldFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
inline const std::string emojiFont = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";

} // namespace contentgen::style
