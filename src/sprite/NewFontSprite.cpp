#include "sprite/NewFontSprite.h"

#include "lang/ResourceFile.h"
#include "sprite/text/Alignment.h"
#include "window/Event.h"
#include "window/image/ImageArray.h"
#include "window/raster/Graphics.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace sprite {

NewFontSprite::NewFontSpriteClass NewFontSprite::classObject("NewFontSprite");

namespace {

uint8_t codeAt(const lang::String& text, int32_t index)
{
    return static_cast<uint8_t>(text.charAt(index));
}

// The entry of a per-character array for an inserted character: its left neighbour's, or the
// right one's at the start.
template <class T>
void insertLike(std::vector<T>& values, int32_t at, int32_t count)
{
    if (values.empty() || count <= 0)
        return;
    const size_t from = std::min(values.size(), static_cast<size_t>(at));
    const T like = values[from > 0 ? from - 1 : 0];
    values.insert(values.begin() + static_cast<std::ptrdiff_t>(from), static_cast<size_t>(count), like);
}

template <class T>
void eraseRange(std::vector<T>& values, int32_t from, int32_t to)
{
    const size_t first = std::min(values.size(), static_cast<size_t>(from));
    const size_t last = std::min(values.size(), static_cast<size_t>(to));
    values.erase(values.begin() + static_cast<std::ptrdiff_t>(first), values.begin() + static_cast<std::ptrdiff_t>(last));
}

// Each colour channel of `argb` multiplied by the tint's (1/128 units), opaque.
uint32_t tinted(uint32_t argb, uint32_t tint)
{
    uint32_t result = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t channel = (argb >> shift & 0xFF) * (tint >> shift & 0xFF) >> 7;
        result |= std::min<uint32_t>(255, channel) << shift;
    }
    return result;
}

} // namespace

NewFontSprite::NewFontSprite() = default;

NewFontSprite::NewFontSprite(window::ImageBase* glyphSheet, window::ImageBase* metrics)
{
    setFace(0, glyphSheet, metrics);
}

// --- table entry and copies

bool NewFontSprite::init(window::ImageArray* pictures, lang::IntArray* numbers)
{
    for (int32_t face = 0; face < FaceCount && pictures; ++face)
        setFace(face, pictures->imageAt(face * 2), pictures->imageAt(face * 2 + 1));
    const int32_t count = numberCount(numbers);
    if (count > 2)
        setAlignment(numberAt(numbers, 2));
    if (count > 3)
        setColor(static_cast<uint32_t>(numberAt(numbers, 3)));
    if (count > 4)
        setLineSpacing(numberAt(numbers, 4));
    if (count > 5)
        wrapWidth = numberAt(numbers, 5);
    if (count > 6)
        setLetterSpacing(numberAt(numbers, 6));
    setLocation(numberAt(numbers, 0), numberAt(numbers, 1));
    return true;
}

SpriteBase* NewFontSprite::duplicate()
{
    auto* copy = new NewFontSprite;
    copyFontStateTo(*copy);
    return copy;
}

void NewFontSprite::copyFontStateTo(NewFontSprite& other) const
{
    copyBoundsStateTo(other);
    other.text = text;
    other.alignment = alignment;
    other.overhang = overhang;
    other.letterSpacing = letterSpacing;
    other.lineSpacing = lineSpacing;
    other.wrapWidth = wrapWidth;
    other.caretBlink = caretBlink;
    other.caretShown = caretShown;
    other.caretLocked = caretLocked;
    other.caretIndex = caretIndex;
    other.caretWidth = caretWidth;
    other.caretColor = caretColor;
    other.revealCount = revealCount;
    other.revealTicks = revealTicks;
    other.revealSpeed = revealSpeed;
    other.revealPaused = revealPaused;
    other.alignEachLine = alignEachLine;
    other.textSet = textSet;
    for (int32_t face = 0; face < FaceCount; ++face)
        other.faces[face] = faces[face];
    other.charColors = charColors;
    other.charStyles = charStyles;
}

// --- text and looks

void NewFontSprite::setText(const lang::String& newText)
{
    textSet = true;
    text = newText;
    caretIndex = text.length();
    revealTicks = -1;
    revealCount = -1;
    charColors.clear();
    charStyles.clear();
    layout();
    if (wrapWidth > 0)
        wrapToWidth(wrapWidth);
}

void NewFontSprite::setAlignment(int32_t newAlignment)
{
    alignment = clampAlignment(newAlignment);
    alignKeepingX(*this, alignment, AnchorTop);
    markDirty();
}

void NewFontSprite::setAlignEachLine(bool on)
{
    alignEachLine = on;
    markDirty();
}

void NewFontSprite::setLineSpacing(int32_t pixels)
{
    lineSpacing = pixels;
    layout();
}

void NewFontSprite::setLetterSpacing(int32_t pixels)
{
    letterSpacing = pixels;
    layout();
}

void NewFontSprite::setFace(int32_t index, window::ImageBase* glyphSheet, window::ImageBase* metrics)
{
    if (index < 0 || index >= FaceCount)
        return;
    faces[index] = GlyphFace(glyphSheet, metrics);
    layout();
}

void NewFontSprite::setCharColors(const std::vector<uint32_t>& colors)
{
    charColors = colors;
    markDirty();
}

void NewFontSprite::setCharStyles(const std::vector<uint8_t>& styles)
{
    charStyles = styles;
    layout();
}

int32_t NewFontSprite::getLineHeight() const
{
    return faces[0].lineHeight();
}

// --- layout

const GlyphFace& NewFontSprite::faceAt(int32_t index) const
{
    const int32_t face = styleAt(index) & StyleFaceMask;
    return faces[face].isSet() ? faces[face] : faces[0];
}

uint8_t NewFontSprite::styleAt(int32_t index) const
{
    return static_cast<size_t>(index) < charStyles.size() ? charStyles[static_cast<size_t>(index)] : 0;
}

Glyph NewFontSprite::glyphAt(int32_t index) const
{
    return faceAt(index).glyph(codeAt(text, index));
}

int32_t NewFontSprite::measure(int32_t from, int32_t to) const
{
    int32_t lineX = 0;
    bool atLineStart = true;
    for (int32_t i = from; i < to; ++i) {
        const uint8_t code = codeAt(text, i);
        if (code == '\n') {
            lineX = 0;
            atLineStart = true;
            continue;
        }
        if (code < 32)
            continue;
        const Glyph glyph = glyphAt(i);
        if (atLineStart) {
            lineX = -glyph.leftOffset;
            atLineStart = false;
        }
        lineX += glyph.advance - letterSpacing;
    }
    return lineX;
}

int32_t NewFontSprite::lineWidth(int32_t startIndex) const
{
    int32_t end = text.indexOf('\n', startIndex);
    if (end < 0)
        end = text.length();
    return measure(startIndex, end);
}

void NewFontSprite::layout()
{
    // Taken afresh: the face's metrics may have come only since the last layout.
    caretWidth = faces[0].caretWidth();
    int32_t lines = 1;
    int32_t widest = 0;
    int32_t widestOverhang = 0;
    int32_t lineStart = 0;
    const int32_t length = text.length();
    for (int32_t i = 0; i <= length; ++i) {
        if (i < length && text.charAt(i) != '\n')
            continue;
        const int32_t lineX = measure(lineStart, i);
        if (lineX > widest || lines == 1) {
            widest = lineX;
            widestOverhang = 0;
            // The last glyph of the line may reach beyond its advance (an outline, an italic).
            for (int32_t last = i - 1; last >= lineStart; --last) {
                if (codeAt(text, last) >= 32) {
                    const Glyph glyph = glyphAt(last);
                    widestOverhang = std::max(0, glyph.width - glyph.advance);
                    break;
                }
            }
        }
        if (i < length)
            ++lines;
        lineStart = i + 1;
    }
    overhang = widestOverhang;
    const int32_t newWidth = std::max(0, widest + overhang + (caretShown ? caretWidth : 0));
    const int32_t newHeight = lines * getLineHeight() + (lines - 1) * lineSpacing;
    setSize(newWidth, std::max(0, newHeight));
    markDirty();
}

int32_t NewFontSprite::lineStartOffset(int32_t startIndex) const
{
    if (!alignEachLine || alignment == 0)
        return 0;
    const int32_t room = contentWidth() - lineWidth(startIndex);
    return alignment == 1 ? room / 2 : room;
}

NewFontSprite::PenPosition NewFontSprite::penAt(int32_t index) const
{
    PenPosition pen{lineStartOffset(0), 0};
    bool atLineStart = true;
    for (int32_t i = 0; i < index && i < text.length(); ++i) {
        const uint8_t code = codeAt(text, i);
        if (code == '\n') {
            ++pen.line;
            pen.x = lineStartOffset(i + 1);
            atLineStart = true;
            continue;
        }
        if (code < 32)
            continue;
        const Glyph glyph = glyphAt(i);
        if (atLineStart) {
            pen.x += glyph.leftOffset;
            atLineStart = false;
        }
        pen.x += glyph.advance - glyph.leftOffset - letterSpacing;
    }
    return pen;
}

const util::RectangleNM& NewFontSprite::getBounds() const
{
    if (!textSet)
        loadOwnText();
    return BoundsSprite::getBounds();
}

void NewFontSprite::loadOwnText() const
{
    // Bounds are read through a const view, but the sprite itself is never const: the text
    // stored under the sprite's own name is its content until code sets another.
    auto* self = const_cast<NewFontSprite*>(this);
    self->setText(lang::ResourceFile::loadText(name));
}

// --- fitting

void NewFontSprite::wrapToWidth(int32_t maxWidth)
{
    if (width <= maxWidth)
        return;
    int32_t lineStart = 0;
    int32_t lastSpace = -1;
    const int32_t length = text.length();
    // The end of the text is checked like a space, so that the last word wraps too.
    for (int32_t i = 0; i <= length; ++i) {
        const char c = i < length ? text.charAt(i) : ' ';
        if (c != ' ' && c != '\n')
            continue;
        if (lastSpace >= lineStart && measure(lineStart, i) > maxWidth) {
            text.setCharAt(lastSpace, '\n');
            lineStart = lastSpace + 1;
        }
        if (c == '\n') {
            lineStart = i + 1;
            lastSpace = -1;
        } else {
            lastSpace = i;
        }
    }
    layout();
}

void NewFontSprite::truncateToWidth(int32_t maxWidth)
{
    // Each round removes two characters and adds one; a text of one character (the ellipsis
    // alone, at the end) has nothing left to cut.
    while (width > maxWidth && text.length() >= 2) {
        const int32_t length = text.length();
        replaceRange(length - 2, length, lang::String(Ellipsis));
        caretIndex = std::min(caretIndex, text.length());
        layout();
    }
}

void NewFontSprite::replaceRange(int32_t from, int32_t to, const lang::String& with)
{
    text = text.substring(0, from) + with + text.substring(to);
    eraseRange(charColors, from, to);
    eraseRange(charStyles, from, to);
    insertLike(charColors, from, with.length());
    insertLike(charStyles, from, with.length());
}

// --- editing

bool NewFontSprite::handleKey(window::Event* event, int32_t maxLength, bool namesOnly)
{
    if (!event)
        return false;
    const int32_t code = event->keyCode;
    const int32_t length = text.length();
    switch (code) {
    case 8:
        if (caretIndex <= 0)
            return false;
        replaceRange(caretIndex - 1, caretIndex, "");
        --caretIndex;
        break;
    case window::Event::DeleteKey:
        if (caretIndex >= length)
            return false;
        replaceRange(caretIndex, caretIndex + 1, "");
        break;
    case window::Event::ArrowLeft:
        if (caretLocked || caretIndex <= 0)
            return false;
        --caretIndex;
        break;
    case window::Event::ArrowRight:
        if (caretLocked || caretIndex >= length)
            return false;
        ++caretIndex;
        break;
    default:
        // Only the codes of characters are typed; other keys' codes are no text.
        if (code < 32 || code > 255)
            return false;
        if (maxLength > 0 && length >= maxLength)
            return false;
        if (namesOnly && !lang::String::isNameChar(code))
            return false;
        replaceRange(caretIndex, caretIndex, lang::String(static_cast<char>(code)));
        ++caretIndex;
        break;
    }
    textSet = true;
    layout();
    return true;
}

// --- caret and reveal

void NewFontSprite::setCaretShown(bool on)
{
    if (caretShown == on)
        return;
    caretShown = on;
    caretBlink = true;
    layout();
}

void NewFontSprite::setCaretLocked(bool on)
{
    caretLocked = on;
    markDirty();
}

void NewFontSprite::setCaretIndex(int32_t index)
{
    caretIndex = std::clamp(index, 0, text.length());
    markDirty();
}

void NewFontSprite::startReveal(int32_t speed)
{
    revealSpeed = std::max(1, speed);
    revealTicks = 0;
    revealCount = 0;
    revealPaused = false;
    markDirty();
}

bool NewFontSprite::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (caretShown && frameNo % CaretBlinkFrames == 0) {
        caretBlink = !caretBlink;
        markDirty();
    }
    if (revealTicks >= 0 && !revealPaused) {
        ++revealTicks;
        revealCount = revealTicks * 10 / revealSpeed;
        markDirty();
        if (revealCount >= text.length()) {
            revealTicks = -1;
            revealCount = -1;
            finished = true;
        }
    }
    return BoundsSprite::update(frameNo, outBounds, dirtyRegion);
}

// --- drawing

uint32_t NewFontSprite::tintAt(int32_t index) const
{
    if (static_cast<size_t>(index) >= charColors.size())
        return color.getValue();
    return static_cast<uint32_t>(color.getAlpha()) << 24 | (charColors[static_cast<size_t>(index)] & 0xFFFFFFu);
}

uint32_t NewFontSprite::lineColorAt(int32_t index) const
{
    return tinted(faceAt(index).inkColor(), tintAt(index));
}

void NewFontSprite::paint(window::Graphics* graphics)
{
    if (!faces[0].isSet())
        return;
    graphics->translate(x, y);
    const int32_t left = -(width / 2);
    const int32_t top = -(height / 2);
    const int32_t lineStep = getLineHeight() + lineSpacing;
    const int32_t shown = revealTicks >= 0 ? std::min(revealCount, text.length()) : text.length();
    int32_t penX = left + lineStartOffset(0);
    int32_t lineTop = top;
    bool atLineStart = true;
    for (int32_t i = 0; i < shown; ++i) {
        const uint8_t code = codeAt(text, i);
        if (code == '\n') {
            lineTop += lineStep;
            penX = left + lineStartOffset(i + 1);
            atLineStart = true;
            continue;
        }
        if (code < 32)
            continue;
        const GlyphFace& face = faceAt(i);
        const Glyph glyph = face.glyph(code);
        if (atLineStart) {
            penX += glyph.leftOffset;
            atLineStart = false;
        }
        if (code != ' ')
            drawGlyph(graphics, face, glyph, penX, lineTop, tintAt(i));
        const uint8_t style = styleAt(i);
        const int32_t markLength = glyph.advance - letterSpacing;
        if (style & StyleUnderline)
            drawLineMark(graphics, penX, lineTop + glyph.height - 2, markLength, lineColorAt(i));
        if (style & StyleStrikeThrough)
            drawLineMark(graphics, penX, lineTop + glyph.height / 2, markLength, lineColorAt(i));
        penX += glyph.advance - glyph.leftOffset - letterSpacing;
    }
    if (caretShown && caretBlink) {
        const PenPosition pen = penAt(caretIndex);
        drawCaret(graphics, left + pen.x, top + pen.line * lineStep);
    }
}

void NewFontSprite::drawGlyph(window::Graphics* graphics, const GlyphFace& face, const Glyph& glyph, int32_t left,
    int32_t top, uint32_t tint) const
{
    graphics->setTint(tint);
    const util::RectangleNM source(glyph.sourceX, glyph.sourceY, glyph.width, glyph.height);
    if (!isTransformed()) {
        graphics->drawImageTransformedAt(face.getSheet(), left, top, source, 1.0, 1.0, 0.0, 0);
        return;
    }
    // The glyph's centre, relative to the reference point, is scaled and turned with the
    // sprite; the glyph itself is drawn scaled and turned about it.
    const double centreX = left + glyph.width / 2;
    const double centreY = top + glyph.height / 2;
    const double radians = rotation * 3.14159265358979323846 / 180.0;
    const double sx = centreX * scaleX;
    const double sy = centreY * scaleY;
    const auto turnedX = static_cast<int32_t>(std::lround(sx * std::cos(radians) - sy * std::sin(radians)));
    const auto turnedY = static_cast<int32_t>(std::lround(sx * std::sin(radians) + sy * std::cos(radians)));
    graphics->drawImageTransformed(face.getSheet(), turnedX, turnedY, source, scaleX, scaleY, rotation, 0);
}

void NewFontSprite::drawLineMark(window::Graphics* graphics, int32_t left, int32_t top, int32_t length,
    uint32_t argb) const
{
    if (length <= 0)
        return;
    graphics->setColor(argb);
    graphics->fillRect(left, top, length, 1);
}

void NewFontSprite::drawCaret(window::Graphics* graphics, int32_t left, int32_t top) const
{
    if (caretLocked) {
        drawGlyph(graphics, faces[0], faces[0].glyph('_'), left, top, color.getValue());
        return;
    }
    graphics->setColor(caretColor);
    graphics->fillRect(left, top, caretWidth, getLineHeight());
}

bool NewFontSprite::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "NewFontSprite") == 0 || BoundsSprite::isInstanceOf(className);
}

} // namespace sprite
