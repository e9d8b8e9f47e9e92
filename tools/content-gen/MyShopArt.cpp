// The decorations of the player's own shop (shop 12): wall, floor and counter, and the plant,
// wall picture, rug, ornament and pet of the decorating visits, each in its unfurnished look
// (value 0) and its three options as the upgrade slots list them.
#include "ShopDesigns.h"

#include "ShopFixtures.h"
#include "Style.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace contentgen {

namespace {

const Color shadowTone = Color::hex(0x2B1A10, 0.35f);

Shape rect(float x, float y, float w, float h)
{
    return roundedRect(x, y, w, h, 0);
}

struct Size {
    int w, h;
};

Size sizeOf(int slot)
{
    switch (slot) {
    case 1:
        return {800, 432};
    case 2:
        return {800, 180};
    case 4:
        return {330, 196};
    case 7:
        return {104, 150};
    case 8:
        return {myshop::pictureW, myshop::pictureH};
    case 9:
        return {340, 90};
    case 10:
        return {70, 50};
    case 11:
        return {120, 96};
    }
    throw std::runtime_error("no decoration of the player's shop has slot " + std::to_string(slot));
}

// A picture of the slot's size covered with `paint`.
Picture covered(int slot, const Paint& paint)
{
    const Size s = sizeOf(slot);
    Picture out(s.w, s.h);
    Painter(out).fill(rect(-2, -2, float(s.w) + 4, float(s.h) + 4), {0, 0, float(s.w), float(s.h)}, paint);
    return out;
}

Paint wallPaint(int value)
{
    switch (value) {
    case 0:
        return vertical(0, Color::hex(0xF2ECE2), float(sizeOf(1).h), Color::hex(0xE3DACB)); // bare plaster
    case 1:
        return stripes(Color::hex(0xFFF6C8), Color::hex(0xFFE27A), 24, true);
    case 2:
        return polkaDots(Color::hex(0xDDF7EA), Color::hex(0x9EE0BE), 30, 6);
    default:
        return wallpaper(Color::hex(0xEDE3F8), Color::hex(0xB89BDB), Motif::Flower, 34);
    }
}

Paint floorPaint(int value)
{
    switch (value) {
    case 0:
        return tiles(Color::hex(0xC9C3BA), Color::hex(0xB3ADA4), 60, 1.5f, 0, 0); // concrete
    case 1:
        return planks(Color::hex(0xD39A5F), Color::hex(0x8C5E2C), 22, 0);
    case 2:
        return checker(Color::hex(0xFAFAFA), Color::hex(0x2B2B2B), 40, 0, 0);
    default:
        return [](float x, float y) {
            // Rose carpet with a soft diamond weave.
            const float u = std::fmod(x + y + 1000, 20.0f), v = std::fmod(x - y + 1000, 20.0f);
            return u < 1.2f || v < 1.2f ? Color::hex(0xD9829C) : Color::hex(0xE8A0B4);
        };
    }
}

Picture wall(int value)
{
    Picture out = covered(1, wallPaint(value));
    const float w = float(out.width()), h = float(out.height());
    // A skirting board where the wall meets the floor.
    Painter(out).fill(rect(-2, h - 14, w + 4, 14), {0, 0, w, h},
        vertical(h - 14, Color::hex(0xFFFFFF), h, Color::hex(0xD8CFC2)));
    return out;
}

Picture floor(int value)
{
    Picture out = covered(2, floorPaint(value));
    const float w = float(out.width()), h = float(out.height());
    // The wall's shadow on the floor.
    Painter(out).fill(rect(-2, -2, w + 4, h + 4), {0, 0, w, h},
        vertical(0, Color::hex(0x000000, 0.18f), 40, Color::hex(0x000000, 0)));
    return out;
}

// A till on the counter top.
void till(Painter& p, float x, float y)
{
    p.shadow(roundedRect(x, y - 34, 64, 34, 5), {x, y - 40, 64, 40}, 3, 3, shadowTone);
    p.panel({x, y - 34, 64, 34}, 5, vertical(y - 34, Color::hex(0xA9B4BF), y, Color::hex(0x6E7A86)),
        Color::hex(0x3A4450), 2);
    p.panel({x + 8, y - 44, 48, 14}, 3, solid(Color::hex(0x1E2A44)), Color::hex(0x3A4450), 1.5f);
    p.fill(rect(x + 12, y - 41, 30, 8), {x + 10, y - 44, 40, 12}, solid(Color::hex(0x5CE1FF)));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 4; ++j)
            p.fill(roundedRect(x + 10 + j * 12, y - 28 + i * 8, 8, 5, 1.5f), {x, y - 30, 64, 30},
                solid(Color::hex(0xFFFFFF, 0.85f)));
}

Picture counter(int value)
{
    const Size s = sizeOf(4);
    Picture out(s.w, s.h);
    Painter p(out);
    const float top = 44, w = float(s.w), h = float(s.h);
    const Box front{0, top, w, h - top};
    switch (value) {
    case 0: // makeshift: two cardboard boxes
        for (float x : {6.0f, 168.0f}) {
            p.shadow(rect(x, top + 10, 156, h - top - 10), front, 3, 3, shadowTone);
            p.panel({x, top + 10, 156, h - top - 10}, 3,
                vertical(top, Color::hex(0xDDB47E), h, Color::hex(0xC39560)), Color::hex(0x8C6A3E), 2);
            p.fill(rect(x + 70, top + 10, 16, h - top - 10), front, solid(Color::hex(0xE8D9A8, 0.8f)));
        }
        till(p, 130, top + 10);
        return out;
    case 1: {
        p.fill(
            rect(0, top, w, h - top), front, planks(Color::hex(0xC98B4E), Color::hex(0x7A4A28), 22, 0, true));
        for (float x = 16; x < w - 30; x += 104)
            p.stroke(roundedRect(x, top + 30, 88, h - top - 50, 6), front, 2.5f, solid(Color::hex(0x7A4A28)));
        counterTop(p, top, materials::oak);
        break;
    }
    case 2:
        p.fill(rect(0, top, w, h - top), front, [](float x, float y) {
            // Marble: white with soft grey veins.
            const float vein
                = std::sin(x * 0.045f + std::sin(y * 0.07f) * 2.2f) + std::sin((x + y) * 0.021f) * 0.6f;
            return Color::hex(0xF7F5F2).mix(
                Color::hex(0xB9B4AE), std::clamp(1.0f - std::fabs(vein) * 6.0f, 0.0f, 1.0f) * 0.8f);
        });
        counterTop(p, top, Material::of(0xFFFFFF, 0xE6E2DC, 0x8F877C));
        break;
    default:
        p.fill(rect(0, top, w, h - top), front, [](float x, float y) {
            return std::fmod(x + y * 0.6f + 1000, 36.0f) < 18 ? Color::hex(0xFF8FB8) : Color::hex(0xFFFFFF);
        });
        counterTop(p, top, Material::of(0xFFE0EC, 0xF5A3C0, 0xB2527A));
        break;
    }
    till(p, w - 96, top - 2);
    return out;
}

// A terracotta pot whose rim is at y, centred on cx.
void pot(Painter& p, float cx, float y, float w, float h)
{
    const Shape body
        = polygon({{cx - w / 2, y}, {cx + w / 2, y}, {cx + w * 0.36f, y + h}, {cx - w * 0.36f, y + h}});
    const Box box{cx - w / 2 - 4, y - 8, w + 8, h + 12};
    p.shadow(body, box, 3, 4, shadowTone);
    p.fill(body, box, vertical(y, Color::hex(0xE07A4F), y + h, Color::hex(0xB55A34)));
    p.panel({cx - w / 2 - 4, y - 8, w + 8, 12}, 3, solid(Color::hex(0xE88A5F)), Color::hex(0x8E3E20), 1.5f);
}

Picture plant(int value, const EmojiFont& emoji)
{
    const Size s = sizeOf(7);
    Picture out(s.w, s.h);
    Painter p(out);
    const float cx = s.w / 2.0f, rim = 104;
    switch (value) {
    case 1:
        paintedEmoji(p, emoji, 0x1F33F, cx - 14, 66, 62);
        paintedEmoji(p, emoji, 0x1F33F, cx + 16, 62, 66);
        paintedEmoji(p, emoji, 0x1F33F, cx, 44, 70);
        break;
    case 2:
        paintedEmoji(p, emoji, 0x1F335, cx, 62, 86);
        break;
    case 3:
        p.fill(rect(cx - 4, 60, 8, rim - 58), {cx - 5, 58, 10, rim}, solid(Color::hex(0x7A4A28)));
        p.fill(circle(cx, 48, 42), {cx - 44, 4, 88, 88},
            radial(cx - 12, 34, 50, Color::hex(0x7FD35A), Color::hex(0x3C8E2E)));
        for (const auto& [dx, dy] : {std::pair{-22.0f, 40.0f}, {8.0f, 26.0f}, {22.0f, 54.0f}, {-6.0f, 62.0f},
                 {-26.0f, 20.0f}, {28.0f, 34.0f}})
            paintedEmoji(p, emoji, 0x1F34A, cx + dx, dy, 18);
        break;
    default:
        break; // an empty pot waits for a plant
    }
    pot(p, cx, rim, 58, 40);
    return out;
}

Picture wallPicture(int value, const EmojiFont& emoji)
{
    const Size s = sizeOf(8);
    Picture out(s.w, s.h);
    Painter p(out);
    const float w = float(s.w), h = float(s.h);
    switch (value) {
    case 0: // a nail and the pale mark of a picture that is not there yet
        p.fill(roundedRect(8, 24, w - 16, 64, 3), {0, 0, w, h}, solid(Color::hex(0xFFFFFF, 0.35f)));
        p.fill(circle(w / 2, 18, 2.5f), {0, 0, w, h}, solid(Color::hex(0x6E6E6E)));
        break;
    case 1: { // a landscape painting in a gold frame
        const Box frame{2, 14, w - 4, 82};
        p.shadow(rect(frame.x, frame.y, frame.w, frame.h), frame, 3, 3, shadowTone);
        p.panel(frame, 3, vertical(frame.y, Color::hex(0xFFE7A0), frame.bottom(), Color::hex(0xC99A32)),
            Color::hex(0x8A6418), 2);
        const Box view{8, 20, w - 16, 70};
        p.fill(rect(view.x, view.y, view.w, view.h), view,
            vertical(view.y, Color::hex(0x8ED6FF), view.bottom(), Color::hex(0xE8F8FF)));
        p.fill(intersect(circle(w * 0.3f, 100, 42), rect(view.x, view.y, view.w, view.h)), view,
            solid(Color::hex(0x6CC04A)));
        p.fill(intersect(circle(w * 0.85f, 104, 40), rect(view.x, view.y, view.w, view.h)), view,
            solid(Color::hex(0x4E9E3A)));
        p.fill(circle(w * 0.7f, 36, 7), view, solid(Color::hex(0xFFD23F)));
        p.fill(polygon({{w * 0.2f, 66}, {w * 0.34f, 44}, {w * 0.5f, 66}}), view, solid(Color::hex(0x8A9BB0)));
        p.fill(
            polygon({{w * 0.29f, 51}, {w * 0.34f, 44}, {w * 0.39f, 51}}), view, solid(Color::hex(0xFFFFFF)));
        break;
    }
    case 2: { // a cuckoo clock
        const float cx = w / 2;
        p.shadow(
            polygon({{cx, 4}, {w - 2, 30}, {w - 6, 86}, {6, 86}, {2, 30}}), {0, 0, w, h}, 3, 3, shadowTone);
        p.fill(polygon({{cx, 2}, {w, 30}, {2, 30}, {0, 30}}), {0, 0, w, h}, solid(Color::hex(0x5A3A1E)));
        p.panel({6, 26, w - 12, 60}, 3, vertical(26, Color::hex(0xA8693A), 86, Color::hex(0x7A4A28)),
            Color::hex(0x3F2414), 2);
        p.panel({cx - 7, 30, 14, 12}, 2, solid(Color::hex(0x3F2414)), Color::hex(0x2B1A10), 1);
        wallClock(p, cx, 60, 15, materials::pine);
        for (float dx : {-8.0f, 8.0f}) {
            p.fill(rect(cx + dx - 0.6f, 86, 1.2f, 14), {0, 84, w, 20}, solid(Color::hex(0x3A2A20)));
            p.fill(roundedRect(cx + dx - 3, 98, 6, 12, 2), {0, 94, w, 18}, solid(Color::hex(0xC98A00)));
        }
        break;
    }
    default: { // a family photo
        const Box frame{2, 20, w - 4, 74};
        p.shadow(rect(frame.x, frame.y, frame.w, frame.h), frame, 3, 3, shadowTone);
        p.panel(frame, 3, solid(Color::hex(0x7A4A28)), Color::hex(0x3F2414), 2);
        p.fill(rect(8, 26, w - 16, 62), frame, vertical(26, Color::hex(0xBFE6FF), 88, Color::hex(0x9FE08A)));
        paintedEmoji(p, emoji, 0x1F469, w / 2 - 11, 52, 22);
        paintedEmoji(p, emoji, 0x1F468, w / 2 + 11, 52, 22);
        paintedEmoji(p, emoji, 0x1F467, w / 2, 72, 20);
        break;
    }
    }
    return out;
}

Picture rug(int value)
{
    const Size s = sizeOf(9);
    Picture out(s.w, s.h);
    Painter p(out);
    const float w = float(s.w), h = float(s.h);
    const Box all{0, 0, w, h};
    switch (value) {
    case 1: {
        const Shape r = ellipse(w / 2, h / 2, w / 2 - 6, h / 2 - 6);
        p.shadow(r, all, 3, 3, Color::hex(0x2B1A10, 0.25f));
        p.fill(r, all, solid(Color::hex(0xB8262E)));
        p.fill(ellipse(w / 2, h / 2, w / 2 - 16, h / 2 - 14), all, solid(Color::hex(0xE04646)));
        p.stroke(ellipse(w / 2, h / 2, w / 2 - 28, h / 2 - 22), all, 3, solid(Color::hex(0xFFCB3D)));
        p.fill(ellipse(w / 2, h / 2, 40, 12), all, solid(Color::hex(0xB8262E)));
        break;
    }
    case 2: {
        const Shape r = roundedRect(20, 16, w - 40, h - 30, 4);
        p.shadow(r, all, 3, 3, Color::hex(0x2B1A10, 0.25f));
        p.fill(r, all, stripes(Color::hex(0x3F9BE8), Color::hex(0xFFFFFF), 14, false));
        p.fill(
            intersect(r, [=](float, float y) { return std::fabs(std::fmod(y - 16 + 1000, 42.0f) - 21) - 4; }),
            all, solid(Color::hex(0xFFB300)));
        for (float x = 24; x < w - 20; x += 6) // fringe at both ends
            for (float y : {10.0f, h - 14})
                p.fill(rect(x, y, 2, 6), {x - 1, y - 1, 4, 8}, solid(Color::hex(0xE8E0D0)));
        break;
    }
    case 3: {
        Shape fleece = ellipse(w / 2, h / 2, w / 2 - 30, h / 2 - 12);
        for (int i = 0; i < 18; ++i) {
            const float a = float(i) / 18 * 6.2832f;
            fleece = unite(
                fleece, circle(w / 2 + std::cos(a) * (w / 2 - 32), h / 2 + std::sin(a) * (h / 2 - 14), 12));
        }
        p.shadow(fleece, all, 3, 3, Color::hex(0x2B1A10, 0.2f));
        p.fill(fleece, all, radial(w / 2, h / 2 - 10, w / 2, Color::hex(0xFFFFFF), Color::hex(0xEDE6DA)));
        for (int i = 0; i < 24; ++i) {
            const float x = 60 + std::fmod(float(i) * 37.0f, w - 120),
                        y = 22 + std::fmod(float(i) * 23.0f, h - 44);
            p.stroke(circle(x, y, 5), all, 1.2f, solid(Color::hex(0xD8CFC2)));
        }
        break;
    }
    default:
        break; // bare floor
    }
    return out;
}

Picture ornament(int value, const EmojiFont& emoji)
{
    const Size s = sizeOf(10);
    Picture out(s.w, s.h);
    Painter p(out);
    const float w = float(s.w), h = float(s.h), cx = w / 2;
    switch (value) {
    case 1: { // a desk globe on a stand
        p.fill(roundedRect(cx - 14, h - 6, 28, 5, 2), {0, 0, w, h}, solid(Color::hex(0x6E4122)));
        p.fill(rect(cx - 1.5f, h - 12, 3, 8), {0, 0, w, h}, solid(Color::hex(0x6E4122)));
        p.stroke(circle(cx, 22, 20), {0, 0, w, h}, 2, solid(Color::hex(0xC98A00)));
        p.fill(circle(cx, 22, 17), {0, 0, w, h},
            radial(cx - 6, 16, 24, Color::hex(0x8FD8FF), Color::hex(0x2E86C8)));
        p.fill(intersect(circle(cx, 22, 17), unite(ellipse(cx - 6, 16, 7, 9), ellipse(cx + 8, 28, 6, 7))),
            {0, 0, w, h}, solid(Color::hex(0x6CC04A)));
        break;
    }
    case 2: { // a ship in a bottle
        const Shape bottle = unite(ellipse(cx - 4, h - 18, 26, 14), roundedRect(cx + 18, h - 24, 16, 10, 3));
        p.shadow(bottle, {0, 0, w, h}, 2, 2, shadowTone);
        p.fill(bottle, {0, 0, w, h}, solid(Color::hex(0xC8F0E6, 0.55f)));
        paintedEmoji(p, emoji, 0x26F5, cx - 4, h - 20, 22);
        p.stroke(bottle, {0, 0, w, h}, 1.5f, solid(Color::hex(0x5AA08E)));
        p.fill(roundedRect(cx + 32, h - 23, 6, 8, 2), {0, 0, w, h}, solid(Color::hex(0x9C6B3E)));
        p.fill(ellipse(cx - 12, h - 26, 8, 3), {0, 0, w, h}, solid(Color::hex(0xFFFFFF, 0.6f)));
        break;
    }
    case 3: // tulips in a glass vase
        for (const auto& [dx, dy] : {std::pair{-10.0f, 14.0f}, {0.0f, 8.0f}, {10.0f, 14.0f}})
            paintedEmoji(p, emoji, 0x1F337, cx + dx, dy + 4, 22);
        p.fill(roundedRect(cx - 11, 26, 22, 24, 6), {0, 0, w, h},
            vertical(26, Color::hex(0xD6F2FF, 0.8f), 50, Color::hex(0x9BD0E8, 0.9f)));
        p.stroke(roundedRect(cx - 11, 26, 22, 24, 6), {0, 0, w, h}, 1.2f, solid(Color::hex(0x5A9BB0)));
        break;
    default: // a lace doily waiting for something to stand on it
        p.fill(ellipse(cx, h - 6, 28, 5), {0, 0, w, h}, solid(Color::hex(0xFFFFFF, 0.9f)));
        p.stroke(ellipse(cx, h - 6, 24, 3.5f), {0, 0, w, h}, 1, solid(Color::hex(0xD8CFC2)));
        break;
    }
    return out;
}

Picture pet(int value, const EmojiFont& emoji)
{
    const Size s = sizeOf(11);
    Picture out(s.w, s.h);
    Painter p(out);
    const float w = float(s.w), h = float(s.h);
    // A round cushion for every pet (and the empty one).
    const Shape cushion = ellipse(w / 2, h - 18, w / 2 - 6, 14);
    p.shadow(cushion, {0, 0, w, h}, 3, 3, shadowTone);
    p.fill(cushion, {0, 0, w, h}, vertical(h - 32, Color::hex(0x7FB2E8), h, Color::hex(0x3F78B8)));
    p.fill(ellipse(w / 2, h - 20, w / 2 - 18, 8), {0, 0, w, h}, solid(Color::hex(0x9CC8F2)));
    switch (value) {
    case 1:
        paintedEmoji(p, emoji, 0x1F408, w / 2, h - 40, 62);
        paintedEmoji(p, emoji, 0x1F4A4, w - 22, 18, 24);
        break;
    case 2:
        paintedEmoji(p, emoji, 0x1F415, w / 2, h - 46, 70);
        break;
    case 3:
        p.fill(rect(w / 2 - 3, 40, 6, h - 56), {0, 0, w, h}, solid(Color::hex(0x7A4A28)));
        p.fill(roundedRect(w / 2 - 30, 40, 60, 6, 3), {0, 0, w, h}, solid(Color::hex(0x9C6B3E)));
        paintedEmoji(p, emoji, 0x1F99C, w / 2, 20, 44);
        break;
    default:
        break;
    }
    return out;
}

// The five instructions of the decorating days, one per cell, one cell under the other.
Picture captionSheet()
{
    const char* lines[] = {"Choose a plant for your shop!", "Pick a picture for the wall!",
        "Lay a rug on the floor!", "Put an ornament on the shelf!", "Every shop needs a pet: choose one!"};
    const int w = myshop::captionW, h = myshop::captionH;
    Picture out(w, h * 5);
    Painter p(out);
    const Font font(style::titleFont, 24);
    TextLook look;
    look.fill = vertical(0, Color::hex(0xFFFFFF), float(h), Color::hex(0xFFF0C8));
    look.outline = 2.5f;
    look.outlineColor = style::berryDark;
    for (int i = 0; i < 5; ++i) {
        const float y = float(i * h);
        p.picture(ribbon(w, h, style::berry, style::berryDark), 0, y);
        p.text(font, lines[i], w / 2.0f, y + h / 2.0f + 5, 1, look);
    }
    return out;
}

// A five-cell button whose face shows `art` (scaled to fit) above an optional label.
Picture pictureButton(int w, int h, const Picture& art, const std::string& label, const ButtonLook& look)
{
    const Font font(style::boldFont, 12);
    std::vector<Picture> cells;
    for (int s = 0; s < kButtonStates; ++s) {
        const auto state = ButtonState(s);
        Picture cell = buttonCell(w, h, look, state, nullptr, "", 12);
        Painter p(cell);
        const float room = float(h) - (label.empty() ? 22 : 36),
                    scale = std::min(1.0f, std::min((w - 22.0f) / art.width(), room / art.height()));
        const Picture small
            = resized(art, std::max(1, int(art.width() * scale)), std::max(1, int(art.height() * scale)));
        const float dy = state == ButtonState::Pressed ? 2.0f : 0.0f;
        p.picture(small, (w - small.width()) / 2.0f, 8 + dy + (room - small.height()) / 2.0f,
            state == ButtonState::Disabled ? 0.5f : 1.0f);
        if (!label.empty()) {
            TextLook text;
            text.fill = solid(style::white);
            text.outline = 2;
            text.outlineColor = look.dark;
            p.text(font, label, w / 2.0f, float(h) - 14 + dy, 1, text);
        }
        cells.push_back(cell);
    }
    return sideBySide(cells);
}

} // namespace

std::vector<NamedPicture> myShopPictures(const EmojiFont& emoji)
{
    std::vector<NamedPicture> out;
    for (int slot : {1, 2, 4, 7, 8, 9, 10, 11})
        for (int value = 0; value <= 3; ++value)
            out.push_back({"myshop_upgrade_" + std::string(slot <= 6 ? "C_" : "A_") + std::to_string(slot)
                    + "_" + std::to_string(value),
                myShopDecoration(slot, value, emoji)});
    out.push_back({"myshop_caption", captionSheet()});
    const char* options[][3] = {{"Fern", "Cactus", "Orange tree"},
        {"Landscape", "Cuckoo clock", "Family photo"}, {"Round rug", "Striped runner", "Sheepskin"},
        {"Globe", "Ship in a bottle", "Tulips"}, {"Sleepy cat", "Friendly dog", "Parrot"}};
    const ButtonLook cream{style::creamShade, style::wood};
    const ButtonLook sky{style::sky, style::skyDark};
    for (int slot = 7; slot <= 11; ++slot) {
        out.push_back({"myshop_slot" + std::to_string(slot),
            pictureButton(myshop::slotW, myshop::slotH, myShopDecoration(slot, 1, emoji), "", sky)});
        for (int option = 1; option <= 3; ++option)
            out.push_back({"myshop_option" + std::to_string(slot) + "_" + std::to_string(option),
                pictureButton(myshop::optionW, myshop::optionH, myShopDecoration(slot, option, emoji),
                    options[slot - 7][option - 1], cream)});
    }
    const Font font(style::boldFont, 19);
    out.push_back({"myshop_next",
        buttonSheet(myshop::nextW, myshop::nextH, {style::leaf, style::leafDark}, &font, "Open!",
            style::buttonRadius)});
    return out;
}

Picture myShopDecoration(int slot, int value, const EmojiFont& emoji)
{
    switch (slot) {
    case 1:
        return wall(value);
    case 2:
        return floor(value);
    case 4:
        return counter(value);
    case 7:
        return plant(value, emoji);
    case 8:
        return wallPicture(value, emoji);
    case 9:
        return rug(value);
    case 10:
        return ornament(value, emoji);
    case 11:
        return pet(value, emoji);
    }
    throw std::runtime_error("no decoration of the player's shop has slot " + std::to_string(slot));
}

ScenePoint myShopDecorationPlace(int slot)
{
    switch (slot) {
    case 1:
        return {"wall", 0, 0};
    case 2:
        return {"floor", 0, 420};
    case 4:
        return {"counter", 470, 404};
    case 7:
        return {"plant", 4, 392};
    case 8:
        return {"picture", myshop::pictureX, myshop::pictureY};
    case 9:
        return {"rug", 100, 500};
    case 10:
        return {"ornament", 639, 42};
    case 11:
        return {"pet", 196, 470};
    }
    throw std::runtime_error("no decoration of the player's shop has slot " + std::to_string(slot));
}

} // namespace contentgen
