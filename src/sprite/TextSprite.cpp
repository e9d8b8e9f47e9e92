#include "sprite/TextSprite.h"

#include "sprite/text/Alignment.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"

#include <algorithm>
#include <cstring>

namespace sprite {

TextSprite::TextSpriteClass TextSprite::classObject("TextSprite");

TextSprite::TextSprite() : TextSprite(lang::String(), nullptr, false, false) {}

TextSprite::TextSprite(const lang::String& text, window::Font* newFont, bool drawnWithShadow, bool boxed)
    : text(text), drawnWithShadow(drawnWithShadow), boxed(boxed)
{
    setAnchor(AnchorLeft | AnchorBottom);
    if (newFont)
        setFont(newFont);
    else
        setFont(lang::adopt(new window::Font(window::Font::defaultFaceName, 0, DefaultFontSize)).get());
}

bool TextSprite::init(window::ImageArray*, lang::IntArray* numbers)
{
    setAlignment(numberAt(numbers, 2, 0));
    setLocation(numberAt(numbers, 0), numberAt(numbers, 1));
    return true;
}

SpriteBase* TextSprite::duplicate()
{
    auto* copy = new TextSprite(text, font.get(), drawnWithShadow, boxed);
    copyBoundsStateTo(*copy);
    copy->textColor = textColor;
    copy->shadowColor = shadowColor;
    copy->alignment = alignment;
    copy->caretShown = caretShown;
    copy->caretBlink = caretBlink;
    return copy;
}

void TextSprite::setText(const lang::String& newText)
{
    if (newText == text)
        return;
    text = newText;
    resize();
}

void TextSprite::setFont(window::Font* newFont)
{
    font = lang::retain(newFont);
    metrics = lang::adopt(font->getFontMetrics());
    resize();
}

void TextSprite::setTextColor(uint32_t argb)
{
    textColor = argb;
    cacheStale = true;
    markDirty();
}

void TextSprite::setShadowColor(uint32_t argb)
{
    shadowColor = argb;
    markDirty();
}

void TextSprite::setAlignment(int32_t newAlignment)
{
    alignment = clampAlignment(newAlignment);
    alignKeepingX(*this, alignment, AnchorBottom);
}

void TextSprite::setCaretShown(bool on)
{
    caretShown = on;
    caretBlink = true;
    resize();
}

int32_t TextSprite::caretWidth() const
{
    return metrics->stringWidth("|");
}

void TextSprite::resize()
{
    cacheStale = true;
    markDirty();
    if (!caretShown && text.isEmpty()) {
        setSize(0, 0);
        return;
    }
    const int32_t newWidth = metrics->stringWidth(text) + 4 + (caretShown ? caretWidth() : 0);
    setSize(newWidth, metrics->getHeight() + 2);
}

bool TextSprite::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (caretShown && frameNo % CaretBlinkFrames == 0) {
        caretBlink = !caretBlink;
        markDirty();
    }
    return BoundsSprite::update(frameNo, outBounds, dirtyRegion);
}

void TextSprite::prerender()
{
    cacheStale = false;
    if (drawnWithShadow || text.isEmpty() || width <= 0 || height <= 0) {
        cached = nullptr;
        return;
    }
    if (!cached || cached->getWidth() != width || cached->getHeight() != height)
        cached = lang::adopt<window::ImageBase>(new window::PixelImage(width, height));
    cached->setHasAlpha(true);
    uint32_t* pixels = cached->getPixels();
    const int32_t stride = cached->getRowBytes() / 4;
    std::fill_n(pixels, static_cast<size_t>(stride) * height, textColor & 0x00FFFFFFu);
    const int32_t ascent = metrics->getAscent();
    int32_t penX = 2;
    for (int32_t i = 0; i < text.length(); ++i) {
        const auto code = static_cast<uint8_t>(text.charAt(i));
        const window::GlyphBitmap* glyph = font->getGlyph(code);
        if (!glyph)
            break;
        if (code > 32 && !glyph->isEmpty()) {
            const int32_t left = std::max(0, penX + glyph->originX);
            const int32_t top = ascent - glyph->originY;
            const int32_t columns = std::min(glyph->width, width - left);
            for (int32_t row = std::max(0, -top); row < glyph->height && top + row < height; ++row) {
                uint32_t* line = pixels + static_cast<size_t>(top + row) * stride + left;
                for (int32_t column = 0; column < columns; ++column) {
                    const uint32_t level = glyph->level(column, row);
                    if (level != 0)
                        line[column] = (4 * level - 1) << 24 | (textColor & 0x00FFFFFFu);
                }
            }
        }
        penX += glyph->cellAdvance;
    }
    cached->setPixelsChanged(true);
}

void TextSprite::paint(window::Graphics* graphics)
{
    graphics->translate(x, y);
    graphics->setTint(color.getValue());
    const int32_t left = -(width / 2);
    const int32_t top = -(height / 2);
    const int32_t baseline = height - height / 2 - 2;
    const int32_t descent = metrics->getDescent();
    graphics->setFont(font.get());
    if (!text.isEmpty()) {
        if (cacheStale)
            prerender();
        if (boxed && !drawnWithShadow)
            graphics->fillRect(left, top, width, height, shadowColor);
        if (cached) {
            const util::RectangleNM whole(0, 0, cached->getWidth(), cached->getHeight());
            graphics->drawImageTransformedAt(cached.get(), left, baseline - metrics->getHeight(), whole, 1.0, 1.0, 0.0, 0);
        } else {
            paintText(graphics, left, baseline - descent);
        }
    }
    if (caretShown && caretBlink) {
        graphics->setColor(textColor);
        graphics->drawString("|", left + width - caretWidth(), baseline - descent);
    }
}

void TextSprite::paintText(window::Graphics* graphics, int32_t left, int32_t baseline) const
{
    if (drawnWithShadow) {
        graphics->setColor(shadowColor);
        for (int32_t copy = 0; copy < 4; ++copy)
            graphics->drawString(text, left + (copy & 1) * 2, baseline + (copy & 2));
    }
    graphics->setColor(textColor);
    graphics->drawString(text, left + 1, baseline + 1);
}

bool TextSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "TextSprite") == 0 || BoundsSprite::isInstanceOf(className);
}

} // namespace sprite
