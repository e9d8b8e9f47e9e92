// The backquote markup of rich text boxes, read into pieces: words with their style and colour,
// the spaces between them and the line commands. "`b" and "`i" switch bold and italic on, "`/b"
// and "`/i" off; "`c" and three hex digits set the colour to (d1 * 16, d2 * 16, d3 * 16), "`C"
// and six hex digits set it exactly ("`/c" goes back to the box's colour); "`l" is a line feed,
// "`r" a carriage return, "`n" (and a line feed character) a new line at the start; "``" is a
// backquote; other letters are ignored.
#pragma once

#include "lang/String.h"

#include <cstdint>
#include <vector>

namespace sprite {

struct MarkupPiece {
    enum Kind { Word, Space, LineFeed, CarriageReturn, NewLine };
    static constexpr int32_t Bold = 1;
    static constexpr int32_t Italic = 2;

    Kind kind = Word;
    // The characters of a word; a word whose style changes inside it is several pieces in a row.
    lang::String text;
    // Bold | Italic: also the style number of the font that draws it.
    int32_t style = 0;
    // 0xAARRGGBB.
    uint32_t color = 0;
};

std::vector<MarkupPiece> parseMarkup(const lang::String& text, uint32_t defaultColor);

} // namespace sprite
