#include "sprite/text/RichTextMarkup.h"

namespace sprite {

namespace {

int32_t hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The `count` hex digits at `at`, or -1 when one of them is missing or no hex digit.
int64_t hexNumber(const lang::String& text, int32_t at, int32_t count)
{
    if (at + count > text.length())
        return -1;
    int64_t number = 0;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t digit = hexValue(text.charAt(at + i));
        if (digit < 0)
            return -1;
        number = number * 16 + digit;
    }
    return number;
}

class MarkupReader {
public:
    MarkupReader(const lang::String& text, uint32_t defaultColor) : text(text), defaultColor(defaultColor), color(defaultColor) {}

    std::vector<MarkupPiece> read()
    {
        for (int32_t i = 0; i < text.length();) {
            const char c = text.charAt(i);
            if (c == '`')
                i = command(i + 1);
            else {
                character(c);
                ++i;
            }
        }
        endWord();
        return pieces;
    }

private:
    // Reads the command after a backquote at `at`; returns the index after it.
    int32_t command(int32_t at)
    {
        if (at >= text.length())
            return at;
        const char letter = text.charAt(at);
        if (letter == '`') {
            appendToWord('`');
            return at + 1;
        }
        if (letter == '/')
            return switchOff(at + 1);
        switch (letter) {
        case 'b': restyle(style | MarkupPiece::Bold); break;
        case 'i': restyle(style | MarkupPiece::Italic); break;
        case 'c': {
            const int64_t rgb = hexNumber(text, at + 1, 3);
            if (rgb < 0)
                return at + 1;
            const auto r = static_cast<uint32_t>(rgb >> 8 & 15) * 16;
            const auto g = static_cast<uint32_t>(rgb >> 4 & 15) * 16;
            const auto b = static_cast<uint32_t>(rgb & 15) * 16;
            recolor(0xFF000000u | r << 16 | g << 8 | b);
            return at + 4;
        }
        case 'C': {
            const int64_t rgb = hexNumber(text, at + 1, 6);
            if (rgb < 0)
                return at + 1;
            recolor(0xFF000000u | static_cast<uint32_t>(rgb));
            return at + 7;
        }
        case 'l': mark(MarkupPiece::LineFeed); break;
        case 'r': mark(MarkupPiece::CarriageReturn); break;
        case 'n': mark(MarkupPiece::NewLine); break;
        default: break;
        }
        return at + 1;
    }

    int32_t switchOff(int32_t at)
    {
        if (at >= text.length())
            return at;
        switch (text.charAt(at)) {
        case 'b': restyle(style & ~MarkupPiece::Bold); break;
        case 'i': restyle(style & ~MarkupPiece::Italic); break;
        case 'c':
        case 'C': recolor(defaultColor); break;
        default: break;
        }
        return at + 1;
    }

    void character(char c)
    {
        if (c == ' ') {
            endWord();
            pieces.push_back(piece(MarkupPiece::Space, " "));
        } else if (c == '\n') {
            mark(MarkupPiece::NewLine);
        } else if (c != '\r') {
            appendToWord(c);
        }
    }

    void restyle(int32_t newStyle)
    {
        if (newStyle != style)
            endWord();
        style = newStyle;
    }

    void recolor(uint32_t newColor)
    {
        if (newColor != color)
            endWord();
        color = newColor;
    }

    void mark(MarkupPiece::Kind kind)
    {
        endWord();
        pieces.push_back(piece(kind, ""));
    }

    void appendToWord(char c) { word.append(c); }

    void endWord()
    {
        if (word.isEmpty())
            return;
        pieces.push_back(piece(MarkupPiece::Word, word));
        word = lang::String();
    }

    MarkupPiece piece(MarkupPiece::Kind kind, const lang::String& pieceText) const
    {
        MarkupPiece made;
        made.kind = kind;
        made.text = pieceText;
        made.style = style;
        made.color = color;
        return made;
    }

    const lang::String& text;
    const uint32_t defaultColor;
    uint32_t color;
    int32_t style = 0;
    lang::String word;
    std::vector<MarkupPiece> pieces;
};

} // namespace

std::vector<MarkupPiece> parseMarkup(const lang::String& text, uint32_t defaultColor)
{
    return MarkupReader(text, defaultColor).read();
}

} // namespace sprite
