#include "sprite/RichTTYSprite.h"

#include "sprite/text/RichTextMarkup.h"
#include "window/raster/Graphics.h"
#include "window/text/FontMetrics.h"

#include <cstring>

namespace sprite {

RichTTYSprite::RichTTYSpriteClass RichTTYSprite::classObject("RichTTYSprite");

namespace {

const char* const FaceName = "Verdana";

// A colour number of a table: one without an alpha byte is opaque.
uint32_t opaqueUnlessGiven(int32_t number)
{
    const auto argb = static_cast<uint32_t>(number);
    return (argb >> 24) == 0 ? argb | 0xFF000000u : argb;
}

// Lays pieces out into lines: words wrap at spaces to the width of the box.
class LineBuilder {
public:
    LineBuilder(const RichTTYSprite& box, int32_t boxWidth) : box(box), boxWidth(boxWidth) { lines.emplace_back(); }

    void add(const std::vector<MarkupPiece>& pieces)
    {
        for (size_t i = 0; i < pieces.size();) {
            const MarkupPiece& piece = pieces[i];
            switch (piece.kind) {
            case MarkupPiece::Word: {
                size_t end = i;
                while (end < pieces.size() && pieces[end].kind == MarkupPiece::Word)
                    ++end;
                word(pieces, i, end);
                i = end;
                continue;
            }
            case MarkupPiece::Space:
                pendingSpace += widthOf(" ", piece.style);
                pendingSpaces.append(' ');
                break;
            case MarkupPiece::LineFeed: newLine(x); break;
            case MarkupPiece::CarriageReturn: x = 0; dropSpaces(); break;
            case MarkupPiece::NewLine: newLine(0); break;
            }
            ++i;
        }
    }

    std::vector<RichTTYSprite::TextLine> lines;

private:
    int32_t widthOf(const lang::String& text, int32_t style) const
    {
        lang::Ref<window::FontMetrics> metrics = lang::adopt(box.getFont(style)->getFontMetrics());
        return metrics->stringWidth(text);
    }

    // The word made of pieces [from, to), moved to a new line when it does not fit behind the
    // text already on this one.
    void word(const std::vector<MarkupPiece>& pieces, size_t from, size_t to)
    {
        int32_t wordWidth = 0;
        for (size_t i = from; i < to; ++i)
            wordWidth += widthOf(pieces[i].text, pieces[i].style);
        if (!lines.back().empty() && x + pendingSpace + wordWidth > boxWidth)
            newLine(0);
        const int32_t spacesStart = x;
        const lang::String spaces = pendingSpaces;
        x += pendingSpace;
        dropSpaces();
        for (size_t i = from; i < to; ++i) {
            if (i == from)
                place(pieces[i], spaces, spacesStart);
            else
                place(pieces[i], lang::String(), x);
            x += widthOf(pieces[i].text, pieces[i].style);
        }
    }

    // Continues the line's last run when the piece follows it (after `spaces` from
    // `spacesStart`) in the same style and colour; otherwise starts a run at x.
    void place(const MarkupPiece& piece, const lang::String& spaces, int32_t spacesStart)
    {
        RichTTYSprite::TextLine& line = lines.back();
        if (!line.empty()) {
            RichTTYSprite::TextRun& last = line.back();
            if (last.style == piece.style && last.color == piece.color
                && last.x + widthOf(last.text, last.style) == spacesStart) {
                last.text.append(spaces);
                last.text.append(piece.text);
                return;
            }
        }
        line.push_back({piece.text, piece.style, piece.color, x});
    }

    void newLine(int32_t startX)
    {
        lines.emplace_back();
        x = startX;
        dropSpaces();
    }

    void dropSpaces()
    {
        pendingSpace = 0;
        pendingSpaces = lang::String();
    }

    const RichTTYSprite& box;
    const int32_t boxWidth;
    int32_t x = 0;
    int32_t pendingSpace = 0;
    lang::String pendingSpaces;
};

} // namespace

RichTTYSprite::RichTTYSprite()
{
    chooseFonts(12);
}

RichTTYSprite::RichTTYSprite(int32_t left, int32_t top, int32_t boxWidth, int32_t boxHeight, int32_t size,
    uint32_t color)
    : BoundsSprite(left, top, boxWidth, boxHeight), textColor(color)
{
    chooseFonts(size);
}

bool RichTTYSprite::init(window::ImageArray*, lang::IntArray* numbers)
{
    if (numberCount(numbers) < 6)
        return false;
    setLocation(numberAt(numbers, 0), numberAt(numbers, 1));
    setSize(numberAt(numbers, 2), numberAt(numbers, 3));
    chooseFonts(numberAt(numbers, 4));
    textColor = opaqueUnlessGiven(numberAt(numbers, 5));
    if (numberCount(numbers) > 6)
        shadowColor = opaqueUnlessGiven(numberAt(numbers, 6));
    wrap();
    return true;
}

SpriteBase* RichTTYSprite::duplicate()
{
    auto* copy = new RichTTYSprite;
    copyBoundsStateTo(*copy);
    for (int32_t style = 0; style < FontStyles; ++style)
        copy->fonts[style] = fonts[style];
    copy->fontSize = fontSize;
    copy->lineHeight = lineHeight;
    copy->textColor = textColor;
    copy->shadowColor = shadowColor;
    copy->text = text;
    copy->lines = lines;
    return copy;
}

void RichTTYSprite::chooseFonts(int32_t requested)
{
    // Our sizes are character heights; a font's height adds its leading, so the size that
    // fits a line of the requested height may be smaller.
    int32_t size = std::max(1, requested);
    for (; size > 1; --size) {
        lang::Ref<window::Font> trial = lang::adopt(new window::Font(FaceName, 0, size));
        if (trial->getTextMetrics().height <= requested)
            break;
    }
    fontSize = size;
    for (int32_t style = 0; style < FontStyles; ++style)
        fonts[style] = lang::adopt(new window::Font(FaceName, style, size));
    lineHeight = fonts[0]->getTextMetrics().height;
}

void RichTTYSprite::setText(const lang::String& newText)
{
    text = newText;
    wrap();
}

void RichTTYSprite::setShadowColor(uint32_t argb)
{
    shadowColor = argb;
    markDirty();
}

void RichTTYSprite::wrap()
{
    LineBuilder builder(*this, width);
    builder.add(parseMarkup(text, textColor));
    lines = std::move(builder.lines);
    markDirty();
}

void RichTTYSprite::paint(window::Graphics* graphics)
{
    graphics->translate(x - width / 2, y - height / 2);
    const int32_t ascent = fonts[0]->getTextMetrics().ascent;
    for (size_t row = 0; row < lines.size(); ++row) {
        const auto top = static_cast<int32_t>(row) * lineHeight;
        if (top + lineHeight > height)
            break;
        for (const TextRun& run : lines[row]) {
            graphics->setFont(fonts[run.style & 3].get());
            if (shadowColor >> 24 != 0) {
                graphics->setColor(shadowColor);
                graphics->drawString(run.text, run.x + 1, top + ascent + 1);
            }
            graphics->setColor(run.color);
            graphics->drawString(run.text, run.x, top + ascent);
        }
    }
}

bool RichTTYSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "RichTTYSprite") == 0 || BoundsSprite::isInstanceOf(className);
}

} // namespace sprite
