#include "DialogArt.h"

#include "Decor.h"
#include "MenuKit.h"
#include "Rng.h"
#include "Sticker.h"
#include "Style.h"

#include <cmath>

namespace contentgen {

namespace {

const ButtonLook skyLook{style::sky, style::skyDark};
const ButtonLook berryLook{style::berry, style::berryDark};
const ButtonLook plateLook{Color::hex(0xFFF1D6), style::wood};
const ButtonLook goldPlateLook{Color::hex(0xFFD75A), style::goldDark};

Mask dropShadow(int w, int h, const Shape& shape, int drop, float blur)
{
    return blurred(shifted(shapeMask(w, h, shape), 0, drop), blur);
}

// The five cells of a sheet from one drawing function of the state.
template <typename DrawCell> Picture fiveCells(DrawCell draw)
{
    std::vector<Picture> cells;
    for (int s = 0; s < kButtonStates; ++s)
        cells.push_back(draw(ButtonState(s)));
    return sideBySide(cells);
}

float pressDrop(ButtonState state)
{
    return state == ButtonState::Pressed ? 2.0f : 0.0f;
}

Color symbolRim(ButtonState state, Color dark)
{
    return state == ButtonState::Disabled ? style::disabledDark : dark;
}

} // namespace

Picture labelledPanel(const EmojiFont& emoji, int width, int height, const std::vector<PanelLabel>& labels)
{
    Picture out = panel(width, height);
    for (const PanelLabel& label : labels) {
        const Font font(label.small ? style::bodyFont : style::titleFont, label.size);
        int x = label.x;
        if (label.emoji) {
            const int size = int(label.size * 1.7f);
            out.draw(emojiSticker(emoji, label.emoji, size, int(size * 0.82f)), x,
                label.baseline - int(size * 0.78f));
            x += size + 6;
        }
        drawLine(out, font, label.text, float(x), label.baseline,
            inkLook(label.small ? style::inkSoft : style::ink));
    }
    return out;
}

Picture sliderGroove(int knobSize, int height)
{
    const int width = 256 + knobSize;
    Picture out(width, height);
    const float left = knobSize / 2.0f - height / 2.0f + 2,
                right = width - knobSize / 2.0f + height / 2.0f - 2;
    const Shape groove = roundedRect(left, 2, right - left, height - 4.0f, (height - 4) / 2.0f);
    out.fill(dropShadow(width, height, groove, 1, 1.5f), solid(Color::hex(0xFFFFFF, 0.6f)));
    out.fillShape(groove, solid(style::woodDark));
    out.fillShape(grow(groove, -2.5f), vertical(2, Color::hex(0x4A2E1A), height - 2.0f, style::wood));
    // A wedge that grows from quiet (left) to loud (right).
    const float x0 = knobSize / 2.0f, x1 = width - knobSize / 2.0f, mid = height / 2.0f;
    const Shape wedge = polygon({{x0, mid + 1}, {x1, mid - height * 0.22f}, {x1, mid + height * 0.22f}});
    out.fillShape(
        intersect(grow(groove, -4), wedge), vertical(mid - 6, Color::hex(0xFFE27A), mid + 6, style::orange));
    return out;
}

Picture knobSheet(int size)
{
    return fiveCells([size](ButtonState state) {
        Picture cell(size, size);
        const float c = size / 2.0f, r = size / 2.0f - 5, y = c - 1 + pressDrop(state) / 2;
        Color face = style::orange, dark = style::orangeDark;
        if (state == ButtonState::Hover)
            face = face.lighter(0.2f);
        if (state == ButtonState::Pressed)
            face = face.darker(0.08f);
        if (state == ButtonState::Disabled)
            face = style::disabled, dark = style::disabledDark;
        if (state == ButtonState::Hover)
            cell.fill(
                blurred(shapeMask(size, size, circle(c, y, r + 2)), 3), solid(style::white.withAlpha(0.85f)));
        if (state == ButtonState::Selected)
            cell.fill(blurred(shapeMask(size, size, circle(c, y, r + 3)), 2.5f), solid(style::gold));
        cell.fill(dropShadow(size, size, circle(c, y, r), state == ButtonState::Pressed ? 1 : 3, 2),
            solid(style::shadow));
        cell.fillShape(circle(c, y, r), solid(dark));
        cell.fillShape(
            circle(c, y, r - 2.5f), radial(c - r * 0.3f, y - r * 0.4f, r * 1.4f, face.lighter(0.5f), face));
        for (int i = -1; i <= 1; ++i) // grip lines
            cell.fillShape(roundedRect(c + i * r * 0.32f - 1.2f, y - r * 0.4f, 2.4f, r * 0.8f, 1.2f),
                solid(dark.withAlpha(0.7f)));
        return cell;
    });
}

Picture roundArrowSheet(int size, bool up)
{
    return fiveCells([=](ButtonState state) {
        Picture cell = buttonCell(size, size, skyLook, state, nullptr, "", size / 2.0f - 6);
        const float s = float(size), c = s / 2.0f - 2 + pressDrop(state);
        const float tip = up ? c - s * 0.16f : c + s * 0.16f, base = up ? c + s * 0.12f : c - s * 0.12f;
        const Shape arrow = grow(polygon({{s * 0.32f, base}, {s * 0.5f, tip}, {s * 0.68f, base}}), 2);
        cell.fill(dilated(shapeMask(size, size, arrow), 1.5f), solid(symbolRim(state, style::skyDark)));
        cell.fillShape(arrow, solid(style::white));
        return cell;
    });
}

Picture closeButtonSheet(int size)
{
    return fiveCells([size](ButtonState state) {
        Picture cell = buttonCell(size, size, berryLook, state, nullptr, "", size / 2.0f - 6);
        const float s = float(size), cx = s / 2.0f, cy = s / 2.0f - 2 + pressDrop(state), a = s * 0.15f,
                    t = s * 0.05f;
        // Two bars crossing: each a thin quad along a diagonal.
        const Shape bar1 = polygon({{cx - a - t, cy - a + t}, {cx - a + t, cy - a - t},
            {cx + a + t, cy + a - t}, {cx + a - t, cy + a + t}});
        const Shape bar2 = polygon({{cx + a - t, cy - a - t}, {cx + a + t, cy - a + t},
            {cx - a + t, cy + a + t}, {cx - a - t, cy + a - t}});
        const Shape cross = grow(unite(bar1, bar2), 1);
        cell.fill(dilated(shapeMask(size, size, cross), 1.5f), solid(symbolRim(state, style::berryDark)));
        cell.fillShape(cross, solid(style::white));
        return cell;
    });
}

Picture profileRowSheet(int width, int height)
{
    return fiveCells([=](ButtonState state) {
        if (state == ButtonState::Selected)
            return buttonCell(width, height, goldPlateLook, state, nullptr, "", style::buttonRadius);
        return buttonCell(width, height, plateLook, state, nullptr, "", style::buttonRadius);
    });
}

Picture nameField(int width, int height)
{
    Picture out(width, height);
    const Shape box = roundedRect(3, 3, width - 6.0f, height - 6.0f, 12);
    out.fill(dropShadow(width, height, box, 2, 2), solid(Color::hex(0xFFFFFF, 0.7f)));
    out.fillShape(box, solid(style::wood));
    out.fillShape(grow(box, -3), solid(style::white));
    // The inset shadow along the top edge.
    out.fill(minus(shapeMask(width, height, grow(box, -3)),
                 blurred(shifted(shapeMask(width, height, grow(box, -3)), 0, 5), 3)),
        solid(Color::hex(0x7A5C48, 0.35f)));
    return out;
}

Picture darkTag(int width, int height)
{
    Picture out(width, height);
    const Shape tag = roundedRect(1, 1, width - 2.0f, height - 2.0f, (height - 2) / 2.0f);
    out.fillShape(tag, vertical(0, style::wood, float(height), style::woodDark));
    out.fill(outlineMask(width, height, tag, 1), solid(style::woodDark.darker(0.3f)));
    return out;
}

Picture sunRays(int size)
{
    Picture out(size, size);
    const float c = size / 2.0f;
    const int rays = 14;
    Paint rayPaint = [=](float x, float y) {
        const float angle = std::atan2(y - c, x - c) * rays / (2 * 3.14159265f);
        const float band = 0.5f + 0.5f * std::cos(angle * 2 * 3.14159265f);
        const float fade = std::max(0.0f, 1.0f - std::hypot(x - c, y - c) / c);
        return Color::hex(0xFFE27A, std::min(1.0f, band * fade * 1.6f));
    };
    out.fill(shapeMask(size, size, circle(c, c, c)), rayPaint);
    out.fill(
        blurred(shapeMask(size, size, circle(c, c, c * 0.45f)), c * 0.2f), solid(Color::hex(0xFFF6C8, 0.9f)));
    return out;
}

Picture blitzBackdrop()
{
    const int w = 800, h = 600;
    Picture out(w, h);
    const float cx = 400, cy = -60;
    Paint sunburst = [=](float x, float y) {
        const float angle = std::atan2(y - cy, x - cx) * 18 / 3.14159265f;
        const float band = std::clamp(std::cos(angle * 3.14159265f) * 3.0f, -1.0f, 1.0f) * 0.5f + 0.5f;
        const Color base = Color::hex(0xFFB347).mix(Color::hex(0xFF8A3D), std::clamp(y / h, 0.0f, 1.0f));
        return base.mix(Color::hex(0xFFD37A), band * 0.55f);
    };
    out.fill(shapeMask(w, h, roundedRect(-10, -10, w + 20, h + 20, 0)), sunburst);
    out.fill(blurred(shapeMask(w, h, ellipse(400, 10, 360, 160)), 60), solid(Color::hex(0xFFF3C4, 0.55f)));
    // Speed streaks, as if the shops rush past.
    Rng rng(5);
    for (int i = 0; i < 16; ++i) {
        const float y = float(rng.range(90, 560)), x = float(rng.range(-40, 760)),
                    len = float(rng.range(60, 160));
        out.fillShape(roundedRect(x, y, len, 4, 2), solid(Color::hex(0xFFFFFF, 0.22f)));
    }
    out.fillShape(roundedRect(-10, 536, w + 20, 80, 0), vertical(536, style::woodLight, h, style::wood));
    out.fillShape(roundedRect(-10, 532, w + 20, 8, 0), solid(style::woodDark.withAlpha(0.6f)));
    return out;
}

Picture blitzCard(int width, int height)
{
    Picture out(width, height);
    const Shape card = roundedRect(4, 3, width - 8.0f, height - 10.0f, 16);
    out.fill(dropShadow(width, height, card, 4, 3), solid(style::shadow));
    out.fillShape(card, vertical(3, style::woodLight, height - 7.0f, style::wood));
    out.fillShape(grow(card, -4), vertical(7, style::cream, height - 11.0f, style::creamShade));
    out.fill(outlineMask(width, height, card, 1.2f), solid(style::woodDark));
    return out;
}

Picture bestLabel(const EmojiFont& emoji, int width, int height)
{
    Picture out(width, height);
    const Shape pill = roundedRect(1, 1, width - 2.0f, height - 2.0f, (height - 2) / 2.0f);
    out.fillShape(pill, vertical(0, style::sky.lighter(0.2f), float(height), style::sky));
    out.fill(outlineMask(width, height, pill, 1.5f), solid(style::skyDark));
    const int icon = height + 4;
    out.draw(emojiSticker(emoji, 0x23F1, icon, icon - 6), -2, -3);
    const Font font(style::boldFont, height * 3 / 5);
    drawLine(out, font, "Best", icon + (width - icon) / 2.0f - 2,
        height / 2 + (font.ascent() - font.descent()) / 2, outlinedLook(style::white, style::skyDark, 1.5f),
        Align::Centre);
    return out;
}

Picture ratingStars(int size)
{
    Picture empty(size, size);
    empty.draw(starPicture(size, style::disabled, style::disabledDark), 0, 0, 0.7f);
    return sideBySide({empty, starPicture(size, style::bronze, style::bronzeDark),
        starPicture(size, style::silver, style::silverDark),
        starPicture(size, style::gold, style::goldDark)});
}

Picture scoreBoard(int width, int height, int firstRowTop, int rowPitch, int rows,
    const std::vector<std::pair<int, int>>& columns)
{
    Picture out(width, height);
    const Shape frame = roundedRect(6, 4, width - 12.0f, height - 14.0f, 18);
    out.fill(dropShadow(width, height, frame, 6, 6), solid(style::shadow));
    out.fillShape(frame, vertical(4, style::woodLight, height - 10.0f, style::wood));
    out.fill(outlineMask(width, height, frame, 2), solid(style::woodDark));
    const Shape slate = roundedRect(20, 18, width - 40.0f, height - 42.0f, 8);
    out.fillShape(grow(slate, 2), solid(style::woodDark));
    out.fillShape(slate,
        radial(width / 2.0f, height * 0.35f, width * 0.7f, Color::hex(0x3E7A58), Color::hex(0x24523A)));
    Rng rng(3);
    Mask dust = shapeMask(width, height, slate); // chalk dust left by wiping, on the slate only
    Mask smears(width, height);
    for (int i = 0; i < 14; ++i) {
        const float x = float(rng.range(40, width - 40)), y = float(rng.range(30, height - 50));
        const Mask smear = blurred(
            shapeMask(width, height, ellipse(x, y, float(rng.range(40, 120)), float(rng.range(8, 20)))), 10);
        for (int yy = 0; yy < height; ++yy)
            for (int xx = 0; xx < width; ++xx)
                smears.ref(xx, yy) = std::max(smears.at(xx, yy), smear.at(xx, yy));
    }
    for (int yy = 0; yy < height; ++yy)
        for (int xx = 0; xx < width; ++xx)
            dust.ref(xx, yy) *= smears.at(xx, yy);
    out.fill(dust, solid(Color::hex(0xFFFFFF, 0.05f)));
    for (const auto& [left, right] : columns)
        for (int row = 0; row < rows; ++row) {
            const float y = float(firstRowTop + row * rowPitch + rowPitch - 4);
            out.fillShape(roundedRect(float(left), y, float(right - left), 1.5f, 0.75f),
                solid(Color::hex(0xFFFFFF, 0.16f)));
        }
    // The chalk ledge along the bottom with a stick of chalk.
    out.fillShape(roundedRect(16, height - 28.0f, width - 32.0f, 10, 3),
        vertical(height - 28.0f, style::woodLight, height - 18.0f, style::wood));
    out.fillShape(roundedRect(width - 120.0f, height - 34.0f, 42, 8, 4), solid(Color::hex(0xF5F5F0)));
    return out;
}

Picture chalkTitles(const std::vector<std::string>& titles, int width, int height)
{
    std::vector<Picture> frames;
    const Font font(style::titleFont, height * 2 / 3);
    TextLook chalk = inkLook(Color::hex(0xFFFDF2, 0.95f));
    chalk.shadow = 1.5f;
    chalk.shadowColor = Color::hex(0x000000, 0.3f);
    for (const std::string& title : titles) {
        Picture frame(width, height);
        drawLine(frame, font, title, width / 2.0f, height / 2 + (font.ascent() - font.descent()) / 2, chalk,
            Align::Centre);
        frames.push_back(frame);
    }
    Picture out(width, height * int(frames.size()));
    for (size_t i = 0; i < frames.size(); ++i)
        out.draw(frames[i], 0, int(i) * height);
    return out;
}

Picture ribbonTitles(
    const std::vector<std::string>& titles, int width, int height, Color face, Color dark, int fontSize)
{
    Picture out(width, height * int(titles.size()));
    for (size_t i = 0; i < titles.size(); ++i)
        out.draw(titledRibbon(width, height, face, dark, titles[i], fontSize), 0, int(i) * height);
    return out;
}

Picture badge(const std::string& text, int width, int height, Color face, Color dark)
{
    Picture out(width, height);
    const Shape pill = roundedRect(2, 2, width - 4.0f, height - 6.0f, (height - 6) / 2.0f);
    out.fill(dropShadow(width, height, pill, 2, 2), solid(style::shadow));
    out.fillShape(pill, vertical(2, face.lighter(0.25f), height - 4.0f, face));
    out.fill(outlineMask(width, height, pill, 1.8f), solid(dark));
    const Font font(style::boldFont, height / 2);
    drawLine(out, font, text, width / 2.0f, (height - 4) / 2 + (font.ascent() - font.descent()) / 2,
        outlinedLook(style::white, dark, 1.5f), Align::Centre);
    return out;
}

} // namespace contentgen
