// Text in a bitmap font: a glyph sheet and a metrics picture per face, up to four faces chosen
// per character, with alignment, letter and line spacing, word wrap, truncation with an
// ellipsis, per-character colours, underline and strike-through, a typewriter reveal and an
// editing caret. A sprite whose text no code sets shows the package text item named like the
// sprite. Table entry: glyph sheet and metrics (and up to three more pairs for the styles 1 to
// 3); numbers x, y, [alignment, colour, line spacing, wrap width, letter spacing].
#pragma once

#include "lang/Class.h"
#include "lang/String.h"
#include "sprite/BoundsSprite.h"
#include "sprite/text/GlyphFace.h"

#include <vector>

namespace window {
class Event;
}

namespace sprite {

class NewFontSprite : public BoundsSprite {
public:
    struct NewFontSpriteClass : lang::ClassOf<NewFontSprite> {
        using ClassOf::ClassOf;
    };
    static NewFontSpriteClass classObject;

    static constexpr int32_t FaceCount = 4;
    // Bits of a character's style: the face (0 regular, 1 to 3 the further faces) and lines.
    static constexpr uint8_t StyleFaceMask = 3;
    static constexpr uint8_t StyleUnderline = 4;
    static constexpr uint8_t StyleStrikeThrough = 8;
    // The Windows-1252 ellipsis that ends a truncated text.
    static constexpr char Ellipsis = static_cast<char>(0x85);
    static constexpr uint32_t DefaultCaretColor = 0xFF000000u;
    // Frames between two flips of the caret's blink phase (800 ms at 25 frames a second).
    static constexpr int32_t CaretBlinkFrames = 20;

    NewFontSprite();
    // A sprite on the regular face; both pictures gain a reference.
    NewFontSprite(window::ImageBase* glyphSheet, window::ImageBase* metrics);

    // --- the sprite's virtual operations
    void paint(window::Graphics* graphics) override;
    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;
    // Sets the text from the package first when no code has set it.
    const util::RectangleNM& getBounds() const override;

    // --- editing and fitting, virtual after those of SpriteBase
    // Edits the text at the caret by the key code of the event: 8 deletes before the caret,
    // 1046 at it, 1037 and 1039 move it (not while locked); a character code 32 to 255 is
    // inserted unless the text has `maxLength` characters (when above 0) or, with namesOnly,
    // it is not a name character. True when the text or the caret changed.
    virtual bool handleKey(window::Event* event, int32_t maxLength, bool namesOnly);
    // Cuts the text to an ellipsis until it fits the width, or until nothing is left to cut.
    virtual void truncateToWidth(int32_t maxWidth);
    // Turns the last space before each point where a line grows wider than `maxWidth` into a
    // line feed.
    virtual void wrapToWidth(int32_t maxWidth);

    // --- text and looks
    // Takes the text, puts the caret at its end, stops a reveal, drops the per-character
    // colours and styles, and wraps it when a wrap width is set.
    void setText(const lang::String& newText);
    const lang::String& getText() const { return text; }
    bool isTextSet() const { return textSet; }
    // 0 left, 1 centre, 2 right: the anchor becomes 0x11, 0x21 or 0x41; getX() stays.
    void setAlignment(int32_t newAlignment);
    int32_t getAlignment() const { return alignment; }
    void setAlignEachLine(bool on);
    void setLineSpacing(int32_t pixels);
    void setLetterSpacing(int32_t pixels);
    void setWrapWidth(int32_t pixels) { wrapWidth = pixels; }
    // Face 0 is the regular face; 1 to 3 are chosen by the style bits of a character.
    void setFace(int32_t index, window::ImageBase* glyphSheet, window::ImageBase* metrics);
    // One RGB value per character, used as the tint of its glyph; none for the sprite's colour.
    void setCharColors(const std::vector<uint32_t>& colors);
    // One style per character (face bits, underline, strike-through).
    void setCharStyles(const std::vector<uint8_t>& styles);
    // The width of the line that starts at the index, up to the next line feed.
    int32_t lineWidth(int32_t startIndex) const;
    int32_t getOverhang() const { return overhang; }
    int32_t getLineHeight() const;

    // --- caret
    void setCaretShown(bool on);
    bool isCaretShown() const { return caretShown; }
    // A locked caret is drawn as the "_" glyph and does not move with the arrow keys.
    void setCaretLocked(bool on);
    void setCaretColor(uint32_t argb) { caretColor = argb; }
    void setCaretIndex(int32_t index);
    int32_t getCaretIndex() const { return caretIndex; }
    bool isCaretBlinkOn() const { return caretBlink; }

    // --- typewriter reveal
    // Shows the text a character at a time: `speed` frames per ten characters.
    void startReveal(int32_t speed);
    void setRevealPaused(bool on) { revealPaused = on; }
    bool isRevealing() const { return revealTicks >= 0; }
    // The characters shown while a reveal runs; -1 for all.
    int32_t getRevealCount() const { return revealCount; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "NewFontSprite"; }

private:
    // Where the pen stands and which line it is on, after walking the text up to an index.
    struct PenPosition {
        int32_t x = 0;
        int32_t line = 0;
    };

    void copyFontStateTo(NewFontSprite& other) const;
    // Measures the text and resizes the sprite, keeping its anchored point.
    void layout();
    const GlyphFace& faceAt(int32_t index) const;
    uint8_t styleAt(int32_t index) const;
    Glyph glyphAt(int32_t index) const;
    // The width of the characters [from, to) laid out as one line.
    int32_t measure(int32_t from, int32_t to) const;
    // The widest line without overhang or caret.
    int32_t contentWidth() const { return width - overhang - (caretShown ? caretWidth : 0); }
    // The x where the line starting at the index begins, relative to the left edge.
    int32_t lineStartOffset(int32_t startIndex) const;
    PenPosition penAt(int32_t index) const;
    // Replaces the characters [from, to) with `with`, keeping the per-character arrays in step.
    void replaceRange(int32_t from, int32_t to, const lang::String& with);
    void loadOwnText() const;

    void drawGlyph(window::Graphics* graphics, const GlyphFace& face, const Glyph& glyph, int32_t left, int32_t top,
        uint32_t tint) const;
    void drawLineMark(window::Graphics* graphics, int32_t left, int32_t top, int32_t length, uint32_t argb) const;
    void drawCaret(window::Graphics* graphics, int32_t left, int32_t top) const;
    uint32_t tintAt(int32_t index) const;
    uint32_t lineColorAt(int32_t index) const;
    bool isTransformed() const { return scaleX != 1.0 || scaleY != 1.0 || rotation != 0.0; }

    lang::String text;
    int32_t alignment = 0;
    int32_t overhang = 0;
    int32_t letterSpacing = 0;
    int32_t lineSpacing = 0;
    int32_t wrapWidth = 0;
    bool caretBlink = true;
    bool caretShown = false;
    bool caretLocked = false;
    int32_t caretIndex = 0;
    int32_t caretWidth = 0;
    uint32_t caretColor = DefaultCaretColor;
    int32_t revealCount = -1;
    int32_t revealTicks = -1;
    int32_t revealSpeed = 1;
    bool revealPaused = false;
    bool alignEachLine = false;
    bool textSet = false;
    GlyphFace faces[FaceCount];
    std::vector<uint32_t> charColors;
    std::vector<uint8_t> charStyles;
};

} // namespace sprite
