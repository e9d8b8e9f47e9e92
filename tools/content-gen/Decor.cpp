#include "Decor.h"

#include "Style.h"

#include <algorithm>
#include <cmath>

namespace contentgen {

void paintDecorated(Picture& target, const Mask& mask, const TextLook& look)
{
    const Mask rim = look.outline > 0 ? dilated(mask, look.outline) : mask;
    if (look.shadow > 0)
        target.fill(blurred(shifted(rim, 0, int(std::lround(look.shadow))), std::max(1.5f, look.shadow * 0.7f)), solid(look.shadowColor));
    if (look.outline > 0)
        target.fill(rim, solid(look.outlineColor));
    target.fill(mask, look.fill);
}

void drawCentredText(Picture& target, const Font& font, const std::string& text, int baseline, const TextLook& look)
{
    const int left = (target.width() - font.textWidth(text)) / 2;
    paintDecorated(target, font.textMask(text, target.width(), target.height(), left, baseline), look);
}

namespace {

ButtonLook lookFor(const ButtonLook& look, ButtonState state)
{
    switch (state) {
    case ButtonState::Hover: return {look.face.lighter(0.18f), look.dark};
    case ButtonState::Pressed: return {look.face.darker(0.08f), look.dark.darker(0.1f)};
    case ButtonState::Disabled: return {style::disabled, style::disabledDark};
    default: return look;
    }
}

} // namespace

Picture buttonCell(int width, int height, const ButtonLook& baseLook, ButtonState state, const Font* font,
                   const std::string& label, float radius)
{
    const ButtonLook look = lookFor(baseLook, state);
    const float margin = 6;
    const bool pressed = state == ButtonState::Pressed;
    const float drop = pressed ? 1.0f : 3.0f;
    const float top = margin - 2 + (pressed ? 2.0f : 0.0f);
    const float w = width - 2 * margin, h = height - 2 * margin - 1;
    Picture cell(width, height);

    const Shape body = roundedRect(margin, top, w, h, radius);
    if (state == ButtonState::Selected)
        cell.fill(blurred(shapeMask(width, height, grow(body, 3)), 3), solid(style::gold.withAlpha(0.9f)));
    if (state == ButtonState::Hover)
        cell.fill(blurred(shapeMask(width, height, grow(body, 2)), 3), solid(style::white.withAlpha(0.6f)));
    cell.fill(blurred(shifted(shapeMask(width, height, body), 0, int(drop) + 1), 2.5f), solid(style::shadow));
    // The rim is the body itself in the dark colour; the face sits inside it, higher at
    // the bottom so the button reads as raised.
    cell.fill(shapeMask(width, height, body), solid(look.dark));
    const float rim = 2.5f;
    const Shape face = roundedRect(margin + rim, top + rim, w - 2 * rim, h - 2 * rim - drop, radius - rim);
    cell.fill(shapeMask(width, height, face), vertical(top, look.face.lighter(0.35f), top + h, look.face.darker(0.06f)));
    const Shape gloss = intersect(face, roundedRect(margin + rim + 3, top + rim + 2, w - 2 * rim - 6, (h - 2 * rim) * 0.45f, radius - rim - 2));
    cell.fill(shapeMask(width, height, gloss), vertical(top, Color::hex(0xFFFFFF, 0.55f), top + h * 0.5f, Color::hex(0xFFFFFF, 0.08f)));
    if (state == ButtonState::Selected)
        cell.fill(outlineMask(width, height, grow(body, 1.5f), 3), solid(style::gold));

    if (font && !label.empty()) {
        TextLook text;
        text.fill = solid(state == ButtonState::Disabled ? Color::hex(0xF4F1EC) : style::white);
        text.outline = 2;
        text.outlineColor = look.dark.withAlpha(0.9f);
        const int baseline = int(top + (h - drop) / 2 + (font->ascent() - font->descent()) / 2.0f + 0.5f);
        drawCentredText(cell, *font, label, baseline, text);
    }
    return cell;
}

Picture sideBySide(const std::vector<Picture>& cells)
{
    int width = 0, height = 0;
    for (const Picture& cell : cells) {
        width += cell.width();
        height = std::max(height, cell.height());
    }
    Picture sheet(width, height);
    int x = 0;
    for (const Picture& cell : cells) {
        sheet.draw(cell, x, 0);
        x += cell.width();
    }
    return sheet;
}

Picture buttonSheet(int cellWidth, int cellHeight, const ButtonLook& look, const Font* font, const std::string& label, float radius)
{
    std::vector<Picture> cells;
    for (int s = 0; s < kButtonStates; ++s)
        cells.push_back(buttonCell(cellWidth, cellHeight, look, ButtonState(s), font, label, radius));
    return sideBySide(cells);
}

Picture panel(int width, int height)
{
    Picture out(width, height);
    const float m = 10;
    const Shape outer = roundedRect(m, m - 4, width - 2 * m, height - 2 * m, style::panelRadius);
    out.fill(blurred(shifted(shapeMask(width, height, outer), 0, 6), 6), solid(style::shadow));
    out.fill(shapeMask(width, height, outer), vertical(m, style::woodLight, height - m, style::wood));
    out.fill(outlineMask(width, height, outer, 2.0f), solid(style::woodDark));
    const float rim = 9;
    const Shape inner = roundedRect(m + rim, m - 4 + rim, width - 2 * (m + rim), height - 2 * (m + rim), style::panelRadius - rim + 2);
    out.fill(shapeMask(width, height, grow(inner, 1.5f)), solid(style::woodDark.withAlpha(0.8f)));
    out.fill(shapeMask(width, height, inner), vertical(m + rim, style::cream, height - m - rim, style::creamShade));
    // A thin stitched line inside the face makes it read as cloth-lined wood.
    const Shape stitch = grow(inner, -7);
    Mask dashes = outlineMask(width, height, stitch, 1.6f);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (((x + y) / 6) % 2)
                dashes.ref(x, y) = 0;
    out.fill(dashes, solid(style::wood.withAlpha(0.35f)));
    return out;
}

Picture ribbon(int width, int height, Color face, Color dark)
{
    Picture out(width, height);
    const float tail = height * 0.45f, h = height - 8.0f;
    const Shape left = polygon({{0, 12}, {tail + 12, 12}, {tail + 12, h}, {0, h}, {tail * 0.5f, (12 + h) / 2}});
    const Shape right = polygon({{float(width), 12}, {width - tail - 12, 12}, {width - tail - 12, h}, {float(width), h},
                                 {width - tail * 0.5f, (12 + h) / 2}});
    const Shape middle = roundedRect(tail, 2, width - 2 * tail, h - 6, 6);
    const Mask all = shapeMask(width, height, unite(unite(left, right), middle));
    out.fill(blurred(shifted(all, 0, 4), 3), solid(style::shadow));
    out.fill(shapeMask(width, height, unite(left, right)), solid(face.darker(0.25f)));
    out.fill(outlineMask(width, height, unite(left, right), 2), solid(dark));
    out.fill(shapeMask(width, height, middle), vertical(2, face.lighter(0.25f), h, face.darker(0.05f)));
    out.fill(outlineMask(width, height, middle, 2.5f), solid(dark));
    return out;
}

Picture starPicture(int size, Color face, Color dark)
{
    Picture out(size, size);
    const float c = size / 2.0f, outer = size * 0.46f;
    const Shape rounded = grow(star(c, c + size * 0.02f, outer - size * 0.04f, outer * 0.5f - size * 0.03f, 5, 0), size * 0.04f);
    out.fill(blurred(shifted(shapeMask(size, size, rounded), 0, std::max(1, size / 24)), size / 30.0f + 1), solid(style::shadow));
    out.fill(shapeMask(size, size, rounded), solid(dark));
    const Shape inner = grow(rounded, -std::max(1.5f, size / 22.0f));
    out.fill(shapeMask(size, size, inner), radial(c - size * 0.1f, c - size * 0.15f, size * 0.5f, face.lighter(0.45f), face));
    const Shape shine = intersect(inner, ellipse(c - size * 0.08f, c - size * 0.16f, size * 0.2f, size * 0.12f));
    out.fill(shapeMask(size, size, shine), solid(Color::hex(0xFFFFFF, 0.45f)));
    return out;
}

TextLook inkLook(Color color)
{
    TextLook look;
    look.fill = solid(color);
    return look;
}

Picture greyed(const Picture& source, float fade)
{
    Picture out = source;
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            Rgba& p = out.ref(x, y);
            const float grey = 0.3f * p.r + 0.59f * p.g + 0.11f * p.b;
            const float v = grey + (p.a - grey) * fade; // premultiplied: white is the alpha itself
            p.r = p.g = p.b = v;
        }
    return out;
}

} // namespace contentgen
