// A box of wrapped text in the "Verdana" system font with inline backquote markup for bold,
// italic, colours and line breaks (see RichTextMarkup.h). The font size is the largest, from the
// requested one down, whose font height fits the requested line height; lines that do not fit
// the box are not drawn. Table numbers: x, y, width, height, font size, colour, [shadow colour];
// an entry with fewer than six numbers makes no sprite.
#pragma once

#include "lang/Class.h"
#include "lang/String.h"
#include "sprite/BoundsSprite.h"
#include "window/text/Font.h"

#include <vector>

namespace sprite {

struct MarkupPiece;

class RichTTYSprite : public BoundsSprite {
public:
    struct RichTTYSpriteClass : lang::ClassOf<RichTTYSprite> {
        using ClassOf::ClassOf;
    };
    static RichTTYSpriteClass classObject;

    static constexpr int32_t FontStyles = 4;

    // A stretch of one line in one style and colour, from its left edge in the box.
    struct TextRun {
        lang::String text;
        int32_t style = 0;
        uint32_t color = 0;
        int32_t x = 0;
    };
    using TextLine = std::vector<TextRun>;

    RichTTYSprite();
    // A box of the size at (left, top) with text of the requested size and colour.
    RichTTYSprite(int32_t left, int32_t top, int32_t width, int32_t height, int32_t fontSize, uint32_t textColor);

    void paint(window::Graphics* graphics) override;
    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;

    // Reads the markup and wraps the text to the box.
    void setText(const lang::String& newText);
    const lang::String& getText() const { return text; }
    // A shadow drawn one pixel down and right of the text; alpha 0 for none.
    void setShadowColor(uint32_t argb);
    const std::vector<TextLine>& getLines() const { return lines; }
    int32_t getLineHeight() const { return lineHeight; }
    int32_t getFontSize() const { return fontSize; }
    window::Font* getFont(int32_t style) const { return fonts[style & 3].get(); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "RichTTYSprite"; }

private:
    // Makes the four fonts of the largest size whose height fits `requested`.
    void chooseFonts(int32_t requested);
    void wrap();
    int32_t widthOf(const lang::String& piece, int32_t style) const;

    lang::Ref<window::Font> fonts[FontStyles];
    int32_t fontSize = 0;
    int32_t lineHeight = 0;
    uint32_t textColor = 0xFF000000u;
    uint32_t shadowColor = 0;
    lang::String text;
    std::vector<TextLine> lines;
};

} // namespace sprite
