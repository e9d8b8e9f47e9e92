#include "ShopFixtures.h"

#include "Style.h"

#include <algorithm>
#include <cmath>

namespace contentgen {

namespace {

const Color shadowTone = Color::hex(0x2B1A10, 0.35f);

Shape rect(float x, float y, float w, float h)
{
    return roundedRect(x, y, w, h, 0);
}

} // namespace

void shelfBoard(Painter& p, float x0, float x1, float y, const Material& m, float thickness)
{
    const float w = x1 - x0;
    p.shadow(rect(x0, y, w, thickness), {x0, y, w, thickness}, 3, 4, shadowTone);
    // The top surface shows as a light strip, the front as the board's face.
    p.fill(roundedRect(x0, y - 3, w, thickness + 3, 2), {x0, y - 3, w, thickness + 3}, solid(m.dark));
    p.fill(rect(x0 + 1, y - 2, w - 2, 3), {x0, y - 3, w, 4}, solid(m.light));
    p.fill(rect(x0 + 1, y + 1, w - 2, thickness - 2.5f), {x0, y, w, thickness},
        vertical(y, m.mid.lighter(0.15f), y + thickness, m.mid));
}

void glassShelf(Painter& p, float x0, float x1, float y, Color glow)
{
    const float w = x1 - x0;
    p.fill(
        rect(x0, y, w, 14), {x0, y, w, 16}, vertical(y, glow.withAlpha(0.45f), y + 14, glow.withAlpha(0.0f)));
    p.fill(roundedRect(x0, y - 2, w, 6, 2), {x0, y - 2, w, 6}, solid(Color::hex(0xDFF7FF, 0.85f)));
    p.fill(rect(x0 + 2, y - 2, w - 4, 1.5f), {x0, y - 2, w, 2}, solid(Color::hex(0xFFFFFF)));
    p.fill(rect(x0, y + 3, w, 1.2f), {x0, y + 3, w, 2}, solid(Color::hex(0x6FB6CC, 0.9f)));
}

void rackBeam(Painter& p, float x0, float x1, float y, const Material& m)
{
    const float w = x1 - x0;
    p.shadow(rect(x0, y, w, 9), {x0, y, w, 9}, 3, 3, shadowTone);
    p.panel({x0, y - 2, w, 11}, 1.5f, vertical(y - 2, m.light, y + 9, m.mid), m.dark, 1.5f);
    for (float x = x0 + 10; x < x1 - 6; x += 60) {
        p.fill(circle(x, y + 3.5f, 2), {x - 3, y, 6, 7}, solid(m.dark));
        p.fill(circle(x - 0.5f, y + 3, 0.8f), {x - 2, y + 1, 3, 3}, solid(m.light));
    }
}

void upright(Painter& p, float x, float y0, float y1, float width, const Material& m)
{
    const float h = y1 - y0;
    p.shadow(rect(x, y0, width, h), {x, y0, width, h}, 3, 2, shadowTone);
    p.panel(
        {x, y0, width, h}, 2,
        [&](float px, float) {
            const float t = (px - x) / std::max(1.0f, width);
            return m.light.mix(m.mid, std::clamp(t * 1.4f, 0.0f, 1.0f));
        },
        m.dark, 1.5f);
}

void cabinetCrown(Painter& p, float x0, float x1, float y, const Material& m)
{
    const float w = x1 - x0;
    p.shadow(rect(x0, y, w, 12), {x0, y, w, 12}, 3, 4, shadowTone);
    p.panel({x0 - 4, y - 4, w + 8, 8}, 2, solid(m.light), m.dark, 1.5f);
    p.panel({x0, y + 3, w, 9}, 1, vertical(y + 3, m.mid, y + 12, m.mid.darker(0.12f)), m.dark, 1.5f);
}

void bracket(Painter& p, float x, float y, const Material& m)
{
    const Shape tri = polygon({{x - 2, y}, {x + 2, y}, {x + 2, y + 14}});
    p.fill(unite(roundedRect(x - 2, y, 5, 16, 1.5f), tri), {x - 4, y, 10, 18}, solid(m.dark));
}

void crate(Painter& p, const Box& box, const Material& m)
{
    p.shadow(rect(box.x, box.y, box.w, box.h), box, 3, 3, shadowTone);
    p.panel(box, 2, solid(m.mid), m.dark, 1.5f);
    const int slats = std::max(2, int(box.h / 11));
    for (int i = 0; i < slats; ++i) {
        const float y = box.y + 2 + i * (box.h - 4) / slats;
        p.fill(roundedRect(box.x + 5, y + 1, box.w - 10, (box.h - 4) / slats - 2.5f, 1.5f),
            {box.x, y, box.w, box.h / slats}, vertical(y, m.light, y + box.h / slats, m.mid));
    }
    for (float x : {box.x + 1, box.right() - 7})
        p.panel({x, box.y + 1, 6, box.h - 2}, 1, solid(m.mid.darker(0.1f)), m.dark, 1.2f);
}

void pegboard(Painter& p, const Box& box, Color board)
{
    p.fill(rect(box.x, box.y, box.w, box.h), box, [=](float x, float y) {
        const float u = std::fmod(x - box.x + 1000, 16.0f) - 8, v = std::fmod(y - box.y + 1000, 16.0f) - 8;
        const float d = std::hypot(u, v) - 1.8f;
        return board.darker(0.55f).mix(board, std::clamp(d + 0.5f, 0.0f, 1.0f));
    });
}

void hangingRail(Painter& p, float x0, float x1, float y, const Material& m)
{
    const float w = x1 - x0;
    p.shadow(roundedRect(x0, y, w, 5, 2.5f), {x0, y, w, 6}, 2, 3, shadowTone);
    p.fill(roundedRect(x0, y, w, 5, 2.5f), {x0, y, w, 5}, solid(m.dark));
    p.fill(roundedRect(x0 + 1, y + 0.8f, w - 2, 2, 1), {x0, y, w, 3}, solid(m.light));
    for (float x : {x0 - 4, x1 - 4})
        p.panel({x, y - 6, 8, 12}, 3, solid(m.mid), m.dark, 1.2f);
}

void window(Painter& p, const Box& box, const Material& frame, Color skyTop, Color skyBottom)
{
    p.shadow(rect(box.x, box.y, box.w, box.h), box, 4, 4, shadowTone);
    p.panel(box, 4, solid(frame.mid), frame.dark, 2);
    const Box pane{box.x + 7, box.y + 7, box.w - 14, box.h - 14};
    p.fill(rect(pane.x, pane.y, pane.w, pane.h), pane, vertical(pane.y, skyTop, pane.bottom(), skyBottom));
    const float cx = pane.x + pane.w * 0.35f, cy = pane.y + pane.h * 0.35f,
                s = std::min(pane.w, pane.h) / 60.0f;
    const Shape cloud = unite(unite(circle(cx, cy, 8 * s), circle(cx + 10 * s, cy - 4 * s, 10 * s)),
        unite(circle(cx + 20 * s, cy, 7 * s), roundedRect(cx - 6 * s, cy, 32 * s, 8 * s, 4 * s)));
    p.fill(intersect(cloud, rect(pane.x, pane.y, pane.w, pane.h)), pane, solid(Color::hex(0xFFFFFF, 0.9f)));
    // Hills at the bottom of the view.
    p.fill(intersect(
               ellipse(pane.x + pane.w * 0.3f, pane.bottom() + pane.h * 0.15f, pane.w * 0.6f, pane.h * 0.4f),
               rect(pane.x, pane.y, pane.w, pane.h)),
        pane, solid(Color::hex(0x7DCB5C)));
    p.fill(rect(pane.x + pane.w / 2 - 2, pane.y, 4, pane.h), pane, solid(frame.mid));
    p.fill(rect(pane.x, pane.y + pane.h / 2 - 2, pane.w, 4), pane, solid(frame.mid));
    p.fill(polygon({{pane.x + 6, pane.y + 4}, {pane.x + 16, pane.y + 4}, {pane.x + 4, pane.y + 18},
               {pane.x + 4, pane.y + 8}}),
        pane, solid(Color::hex(0xFFFFFF, 0.5f)));
    p.panel({box.x - 5, box.bottom() - 6, box.w + 10, 9}, 2, solid(frame.light), frame.dark, 1.5f);
}

void board(Painter& p, const Box& box, const Material& frame, Color face, const Font& font,
    const std::vector<std::string>& lines, Color ink)
{
    p.shadow(rect(box.x, box.y, box.w, box.h), box, 4, 4, shadowTone);
    p.panel(box, 4, solid(frame.mid), frame.dark, 2);
    p.fill(roundedRect(box.x + 6, box.y + 6, box.w - 12, box.h - 12, 2), box,
        vertical(box.y, face.lighter(0.08f), box.bottom(), face));
    TextLook look;
    look.fill = solid(ink);
    const float lineHeight = float(font.lineHeight());
    float baseline = box.y + (box.h - lineHeight * float(lines.size())) / 2 + float(font.ascent());
    for (const std::string& line : lines) {
        p.text(font, line, box.x + box.w / 2, baseline, 1, look);
        baseline += lineHeight;
    }
}

void wallClock(Painter& p, float cx, float cy, float radius, const Material& rim)
{
    const Box box{cx - radius, cy - radius, 2 * radius, 2 * radius};
    p.shadow(circle(cx, cy, radius), box, 3, 3, shadowTone);
    p.fill(circle(cx, cy, radius), box, solid(rim.dark));
    p.fill(circle(cx, cy, radius - 2), box,
        radial(cx - radius * 0.3f, cy - radius * 0.3f, radius * 1.6f, rim.light, rim.mid));
    p.fill(circle(cx, cy, radius - 5), box, solid(Color::hex(0xFFFDF5)));
    for (int i = 0; i < 12; ++i) {
        const float a = float(i) * 0.5236f;
        const float x = cx + std::sin(a) * (radius - 8), y = cy - std::cos(a) * (radius - 8);
        p.fill(circle(x, y, i % 3 == 0 ? 1.6f : 0.9f), {x - 2, y - 2, 4, 4}, solid(style::ink));
    }
    p.fill(polygon({{cx - 1.2f, cy}, {cx + 1.2f, cy}, {cx + radius * 0.45f, cy - radius * 0.3f}}), box,
        solid(style::ink));
    p.fill(polygon({{cx - 1, cy}, {cx + 1, cy}, {cx, cy - radius * 0.65f}}), box, solid(style::ink));
    p.fill(circle(cx, cy, 2), box, solid(style::berry));
}

void pendantLamp(Painter& p, float x, float cordTop, float shadeY, float width, Color shade)
{
    p.fill(rect(x - 0.8f, cordTop, 1.6f, shadeY - cordTop), {x - 1, cordTop, 2, shadeY - cordTop},
        solid(Color::hex(0x3A2A20)));
    const Box glowBox{x - width, shadeY, width * 2, width * 1.2f};
    p.fill(ellipse(x, shadeY + width * 0.55f, width * 0.9f, width * 0.55f), glowBox,
        radial(x, shadeY + width * 0.4f, width, Color::hex(0xFFF4C0, 0.55f), Color::hex(0xFFF4C0, 0)));
    const Shape cone = polygon({{x - width * 0.18f, shadeY}, {x + width * 0.18f, shadeY},
        {x + width / 2, shadeY + width * 0.38f}, {x - width / 2, shadeY + width * 0.38f}});
    p.fill(grow(cone, 1.2f), glowBox, solid(shade.darker(0.4f)));
    p.fill(cone, glowBox, vertical(shadeY, shade.lighter(0.3f), shadeY + width * 0.38f, shade));
    p.fill(ellipse(x, shadeY + width * 0.4f, width * 0.16f, width * 0.08f), glowBox,
        solid(Color::hex(0xFFF8D8)));
}

void bunting(Painter& p, float x0, float x1, float y, float sag, const std::vector<Color>& colours)
{
    auto stringY = [&](float x) {
        const float t = (x - x0) / (x1 - x0);
        return y + sag * 4 * t * (1 - t);
    };
    const Box box{x0 - 2, y - 2, x1 - x0 + 4, sag + 24};
    p.fill([&](float x, float py) { return std::fabs(py - stringY(x)) - 0.8f; }, box,
        solid(Color::hex(0x5A4030)));
    int i = 0;
    for (float x = x0 + 8; x < x1 - 14; x += 22, ++i) {
        const float ya = stringY(x), yb = stringY(x + 16);
        const Shape flag = polygon({{x, ya}, {x + 16, yb}, {x + 8, (ya + yb) / 2 + 16}});
        p.fill(flag, box, solid(colours[size_t(i) % colours.size()]));
        p.fill(polygon({{x + 2, ya + 1}, {x + 8, (ya + yb) / 2 + 1}, {x + 5, ya + 6}}), box,
            solid(Color::hex(0xFFFFFF, 0.3f)));
    }
}

void awning(Painter& p, float x0, float x1, float y, float depth, Color a, Color b, int stripes)
{
    const float stripe = (x1 - x0) / float(stripes);
    for (int i = 0; i < stripes; ++i) {
        const float x = x0 + float(i) * stripe;
        const Shape s
            = unite(rect(x, y - 2, stripe, depth), circle(x + stripe / 2, y + depth - 2, stripe / 2));
        const Box box{x, y - 2, stripe, depth + stripe / 2 + 2};
        p.shadow(s, box, 3, 4, shadowTone);
        const Color c = i % 2 ? b : a;
        p.fill(s, box, vertical(y, c.lighter(0.1f), y + depth + stripe / 2, c.darker(0.1f)));
    }
}

void paintedEmoji(
    Painter& p, const EmojiFont& font, uint32_t codepoint, float cx, float cy, float size, float opacity)
{
    const Picture art = font.emoji(codepoint);
    if (art.width() == 0)
        return;
    const float scale = size / float(std::max(art.width(), art.height()));
    const Picture small = resized(art, std::max(1, int(std::lround(art.width() * scale))),
        std::max(1, int(std::lround(art.height() * scale))));
    Picture shade(small.width() + 8, small.height() + 8);
    shade.fill(blurred(shifted(small.alpha(), 4, 6), 2), solid(Color::hex(0x2B1A10, 0.3f)));
    p.picture(shade, cx - small.width() / 2.0f - 4, cy - small.height() / 2.0f - 4, opacity);
    p.picture(small, cx - small.width() / 2.0f, cy - small.height() / 2.0f, opacity);
}

void shopSign(Painter& p, const Box& box, const std::string& title, SignStyle style, Color face, Color ink)
{
    const Font font(style::titleFont, title.size() > 14 || style == SignStyle::Ribbon ? 19 : 22);
    TextLook look;
    look.fill = solid(ink);
    const Shape body = roundedRect(box.x, box.y, box.w, box.h, style == SignStyle::Banner ? 2 : 7);
    switch (style) {
    case SignStyle::Board:
        p.shadow(body, box, 3, 3, shadowTone);
        p.panel(box, 7, vertical(box.y, face.lighter(0.2f), box.bottom(), face), face.darker(0.5f), 2);
        for (float x : {box.x + 8, box.right() - 8})
            p.fill(circle(x, box.y + box.h / 2, 2.2f), box, solid(face.darker(0.55f)));
        look.outline = 1.5f;
        look.outlineColor = face.lighter(0.5f);
        break;
    case SignStyle::Chalk:
        p.shadow(body, box, 3, 3, shadowTone);
        p.panel(box, 5, solid(Color::hex(0x9C6B3E)), Color::hex(0x5A3A1E), 2);
        p.fill(roundedRect(box.x + 5, box.y + 5, box.w - 10, box.h - 10, 2), box, solid(face));
        break;
    case SignStyle::Neon:
        p.shadow(body, box, 3, 3, shadowTone);
        p.panel(box, 7, solid(face), face.darker(0.5f), 2);
        look.shadow = 0;
        look.outline = 3;
        look.outlineColor = ink.withAlpha(0.35f);
        look.fill = solid(ink.lighter(0.6f));
        break;
    case SignStyle::Banner: {
        const Shape flag = polygon({{box.x - 6, box.y + 4}, {box.x + 8, box.y + 4},
            {box.x + 8, box.bottom() - 2}, {box.x - 6, box.bottom() - 2}, {box.x, box.y + box.h / 2}});
        const Shape flag2 = polygon(
            {{box.right() + 6, box.y + 4}, {box.right() - 8, box.y + 4}, {box.right() - 8, box.bottom() - 2},
                {box.right() + 6, box.bottom() - 2}, {box.right(), box.y + box.h / 2}});
        p.fill(unite(flag, flag2), box.grown(8), solid(face.darker(0.3f)));
        p.shadow(body, box, 3, 3, shadowTone);
        p.panel(box, 2, vertical(box.y, face.lighter(0.2f), box.bottom(), face), face.darker(0.45f), 2);
        look.outline = 1.5f;
        look.outlineColor = face.darker(0.5f);
        break;
    }
    case SignStyle::Metal:
        p.shadow(body, box, 3, 3, shadowTone);
        p.panel(box, 4, vertical(box.y, face.lighter(0.3f), box.bottom(), face.darker(0.1f)),
            face.darker(0.5f), 2);
        for (float x : {box.x + 6, box.right() - 6})
            for (float y : {box.y + 6, box.bottom() - 6})
                p.fill(circle(x, y, 1.8f), {x - 3, y - 3, 6, 6}, solid(face.darker(0.45f)));
        break;
    case SignStyle::Ribbon:
        p.picture(ribbon(int(box.w), int(box.h), face, face.darker(0.45f)), box.x, box.y);
        look.outline = 1.5f;
        look.outlineColor = face.darker(0.5f);
        look.fill = solid(ink);
        break;
    }
    // The ribbon's band is its upper part (the folds hang below it).
    const float middle = style == SignStyle::Ribbon ? box.y + 2 + (box.h - 10) / 2 : box.y + box.h / 2;
    const float baseline = middle + (font.ascent() - font.descent()) / 2.0f;
    p.text(font, title, box.x + box.w / 2, baseline, 1, look);
}

void counterTop(Painter& p, float y, const Material& top)
{
    p.shadow(rect(-5, y, 810, 14), {0, y, 800, 16}, 4, 5, shadowTone);
    p.fill(rect(-5, y - 2, 810, 14), {0, y - 2, 800, 14}, solid(top.dark));
    p.fill(rect(-5, y, 810, 5), {0, y, 800, 5}, vertical(y, top.light.lighter(0.2f), y + 5, top.light));
    p.fill(
        rect(-5, y + 5, 810, 6), {0, y + 5, 800, 6}, vertical(y + 5, top.mid, y + 11, top.mid.darker(0.15f)));
}

} // namespace contentgen
