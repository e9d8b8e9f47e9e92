// One line of text in a system font with a shadow colour. With its first style flag the text is
// drawn through the target four times in the shadow colour and once on top; without it the text
// is rendered once into an anti-aliased picture (65 grey levels become alpha) that is kept until
// the text, font, colour or size changes. The second flag puts a box in the shadow colour behind
// the text. Table numbers: x, y, [alignment]; the reference point sits on the bottom row.
#pragma once

#include "lang/Class.h"
#include "lang/String.h"
#include "sprite/BoundsSprite.h"
#include "window/image/ImageBase.h"
#include "window/text/Font.h"
#include "window/text/FontMetrics.h"

namespace sprite {

class TextSprite : public BoundsSprite {
public:
    struct TextSpriteClass : lang::ClassOf<TextSprite> {
        using ClassOf::ClassOf;
    };
    static TextSpriteClass classObject;

    static constexpr int32_t DefaultFontSize = 16;
    static constexpr uint32_t DefaultTextColor = 0xFFFFFFFFu;
    static constexpr uint32_t DefaultShadowColor = 0xFF000000u;
    // Frames between two flips of the caret's blink phase.
    static constexpr int32_t CaretBlinkFrames = 20;

    // An empty sprite in the default face at the default size, drawn from a picture.
    TextSprite();
    // The font gains a reference; none takes the default face at the default size.
    TextSprite(const lang::String& text, window::Font* font, bool drawnWithShadow, bool boxed);

    void paint(window::Graphics* graphics) override;
    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;
    SpriteBase* duplicate() override;
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;

    void setText(const lang::String& newText);
    const lang::String& getText() const { return text; }
    void setFont(window::Font* newFont);
    void setTextColor(uint32_t argb);
    void setShadowColor(uint32_t argb);
    // 0 left, 1 centre, 2 right: the anchor becomes 0x14, 0x24 or 0x44; getX() stays.
    void setAlignment(int32_t newAlignment);
    void setCaretShown(bool on);
    bool isCaretBlinkOn() const { return caretBlink; }
    // The picture of the rendered text, made at the next paint; none before or in the shadow
    // style. Borrowed.
    window::ImageBase* getCachedPicture() const { return cached.get(); }
    // Renders the text into the cached picture now (what paint does when the picture is stale).
    void prerender();

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "TextSprite"; }

private:
    void resize();
    int32_t caretWidth() const;
    void paintText(window::Graphics* graphics, int32_t left, int32_t baseline) const;

    lang::String text;
    lang::Ref<window::Font> font;
    lang::Ref<window::FontMetrics> metrics;
    uint32_t textColor = DefaultTextColor;
    uint32_t shadowColor = DefaultShadowColor;
    bool drawnWithShadow = false;
    bool boxed = false;
    int32_t alignment = 0;
    bool caretShown = false;
    bool caretBlink = true;
    lang::Ref<window::ImageBase> cached;
    bool cacheStale = true;
};

} // namespace sprite
