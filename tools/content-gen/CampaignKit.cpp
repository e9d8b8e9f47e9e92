#include "CampaignKit.h"

#include "Png.h"
#include "Style.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

namespace contentgen {

PictureWriter::PictureWriter(const std::string& dir, const std::string& listPath)
    : dir_(dir), list_(listPath, std::ios::trunc)
{
}

void PictureWriter::write(const std::string& name, const Picture& picture)
{
    const std::string path = dir_ + "/" + name + ".png";
    writePng(path, picture);
    list_ << name << "=" << path << "\n";
}

namespace {

struct Pixels {
    int x0, y0, x1, y1;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
};

Pixels clipped(const Picture& target, const Box& box)
{
    return {std::max(0, int(std::floor(box.left))), std::max(0, int(std::floor(box.top))),
        std::min(target.width(), int(std::ceil(box.right))),
        std::min(target.height(), int(std::ceil(box.bottom)))};
}

Mask coverageIn(const Pixels& p, const std::function<float(float, float)>& coverage)
{
    Mask mask(p.x1 - p.x0, p.y1 - p.y0);
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            mask.ref(x, y) = coverage(p.x0 + x + 0.5f, p.y0 + y + 0.5f);
    return mask;
}

Box grown(const Box& box, float by)
{
    return {box.left - by, box.top - by, box.right + by, box.bottom + by};
}

} // namespace

void paintIn(Picture& target, const Box& box, const Shape& shape, const Paint& paint)
{
    const Pixels p = clipped(target, box);
    if (p.empty())
        return;
    target.fill(coverageIn(p, [&](float x, float y) { return std::clamp(0.5f - shape(x, y), 0.0f, 1.0f); }),
        paint, p.x0, p.y0);
}

void shadowIn(Picture& target, const Box& box, const Shape& shape, float drop, float blur, Color color)
{
    const Pixels p = clipped(target, grown(box, blur * 2 + drop));
    if (p.empty())
        return;
    const Mask mask
        = coverageIn(p, [&](float x, float y) { return std::clamp(0.5f - shape(x, y - drop), 0.0f, 1.0f); });
    target.fill(blurred(mask, blur), solid(color), p.x0, p.y0);
}

void strokeIn(Picture& target, const Box& box, const Shape& shape, float width, const Paint& paint)
{
    const Pixels p = clipped(target, grown(box, width));
    if (p.empty())
        return;
    target.fill(coverageIn(p,
                    [&](float x, float y) {
                        return std::clamp(0.5f - (std::fabs(shape(x, y)) - width / 2), 0.0f, 1.0f);
                    }),
        paint, p.x0, p.y0);
}

Shape capsule(float ax, float ay, float bx, float by, float radius)
{
    return [=](float x, float y) {
        const float ex = bx - ax, ey = by - ay, wx = x - ax, wy = y - ay;
        const float t = std::clamp((wx * ex + wy * ey) / std::max(1e-6f, ex * ex + ey * ey), 0.0f, 1.0f);
        return std::hypot(wx - ex * t, wy - ey * t) - radius;
    };
}

Shape polyline(const std::vector<std::pair<float, float>>& points, float radius)
{
    std::vector<Shape> pieces;
    for (size_t i = 1; i < points.size(); ++i)
        pieces.push_back(
            capsule(points[i - 1].first, points[i - 1].second, points[i].first, points[i].second, radius));
    return [pieces](float x, float y) {
        float best = 1e30f;
        for (const Shape& piece : pieces)
            best = std::min(best, piece(x, y));
        return best;
    };
}

Shape rotated(const Shape& shape, float cx, float cy, float degrees)
{
    const float a = degrees * 3.14159265f / 180.0f, c = std::cos(a), s = std::sin(a);
    return [=](float x, float y) {
        const float dx = x - cx, dy = y - cy;
        return shape(cx + dx * c + dy * s, cy - dx * s + dy * c);
    };
}

Picture lowered(const Picture& source, int dy)
{
    Picture out(source.width(), source.height());
    out.draw(source, 0, dy);
    return out;
}

Picture emojiPicture(const EmojiFont& emoji, uint32_t codepoint, int size)
{
    const Picture art = emoji.emoji(codepoint);
    if (art.width() == 0)
        throw std::runtime_error("the emoji font has no picture for U+" + std::to_string(codepoint));
    const float scale = std::min(float(size) / art.width(), float(size) / art.height());
    return resized(art, std::max(1, int(std::lround(art.width() * scale))),
        std::max(1, int(std::lround(art.height() * scale))));
}

void drawText(Picture& target, const Font& font, const std::string& text, float x, int baseline,
    TextAlign align, const TextLook& look)
{
    const int width = font.textWidth(text);
    const float left = align == TextAlign::Left ? x
        : align == TextAlign::Centre            ? x - width / 2.0f
                                                : x - width;
    paintDecorated(
        target, font.textMask(text, target.width(), target.height(), int(std::lround(left)), baseline), look);
}

int fittingSize(const std::string& fontPath, const std::string& text, int width, int preferred)
{
    for (int size = preferred; size > 8; --size)
        if (Font(fontPath, size).textWidth(text) <= width)
            return size;
    return 8;
}

int drawParagraph(Picture& target, const Font& font, const std::string& text, float x, int firstBaseline,
    int width, int lineHeight, TextAlign align, const TextLook& look)
{
    int baseline = firstBaseline;
    for (const std::string& line : wrapLines(font, text, width)) {
        drawText(target, font, line, x, baseline, align, look);
        baseline += lineHeight;
    }
    return baseline;
}

void drawCentredBlock(Picture& target, const Box& box, const Font& font, const std::string& text, int margin,
    int lineHeight, Color color)
{
    const std::vector<std::string> lines = wrapLines(font, text, int(box.right - box.left) - 2 * margin);
    const float textHeight = float(lines.size()) * lineHeight;
    int baseline = int(box.top + (box.bottom - box.top - textHeight) / 2 + lineHeight * 0.77f);
    for (const std::string& line : lines) {
        drawText(target, font, line, (box.left + box.right) / 2, baseline, TextAlign::Centre, inkLook(color));
        baseline += lineHeight;
    }
}

Picture stateSheet(const std::function<Picture(ButtonState)>& cell)
{
    std::vector<Picture> cells;
    for (int s = 0; s < kButtonStates; ++s)
        cells.push_back(cell(ButtonState(s)));
    return sideBySide(cells);
}

Person kip()
{
    return Person{};
}

namespace {

// Draws the parts of one person in its own coordinates: x to the person's front, y up from
// the feet, 200 units tall.
class PersonPainter {
public:
    PersonPainter(Picture& target, float x, float feetY, float scale, bool mirror)
        : target_(target),
          x_(x),
          feetY_(feetY),
          scale_(scale),
          dir_(mirror ? -1.0f : 1.0f),
          box_{x - 95 * scale, feetY - 240 * scale, x + 95 * scale, feetY + 12 * scale},
          rim_(Color::hex(0x3B2416, 0.9f))
    {
    }

    float px(float lx) const { return x_ + dir_ * lx * scale_; }
    float py(float ly) const { return feetY_ - ly * scale_; }
    float len(float l) const { return l * scale_; }

    Shape roundRect(float lx, float ly, float w, float h, float r) const
    {
        const float left = std::min(px(lx), px(lx + w));
        return roundedRect(left, py(ly), len(w), len(h), len(r));
    }
    Shape disc(float lx, float ly, float r) const { return circle(px(lx), py(ly), len(r)); }
    Shape oval(float lx, float ly, float rx, float ry) const
    {
        return ellipse(px(lx), py(ly), len(rx), len(ry));
    }
    Shape limb(float ax, float ay, float bx, float by, float r) const
    {
        return capsule(px(ax), py(ay), px(bx), py(by), len(r));
    }

    // A part with the dark cartoon rim and a soft light from above.
    void part(const Shape& shape, Color color)
    {
        paintIn(target_, box_, grow(shape, std::max(1.2f, len(2.2f))), solid(rim_));
        paintIn(
            target_, box_, shape, vertical(box_.top, color.lighter(0.18f), box_.bottom, color.darker(0.08f)));
    }
    void flat(const Shape& shape, Color color) { paintIn(target_, box_, shape, solid(color)); }
    void line(const Shape& shape, float width, Color color)
    {
        strokeIn(target_, box_, shape, std::max(1.0f, len(width)), solid(color));
    }
    // The lower part (below `fromY` upwards units) of a line along the shape's edge: smiles.
    void lowerArc(const Shape& shape, float width, float fromY, Color color)
    {
        const float half = std::max(0.5f, len(width) / 2), limit = py(fromY);
        flat([=](float x, float y) { return std::max(std::fabs(shape(x, y)) - half, limit - y); }, color);
    }
    void shadow() { paintIn(target_, box_, oval(0, 0, 44, 8), solid(Color::hex(0x2B1A10, 0.22f))); }

private:
    Picture& target_;
    float x_, feetY_, scale_, dir_;
    Box box_;
    Color rim_;
};

// The far hand, then the near one, in the person's own units.
std::array<std::array<float, 2>, 2> handsOf(Pose pose)
{
    switch (pose) {
    case Pose::Wave:
        return {{{-40, 76}, {54, 172}}};
    case Pose::Cheer:
        return {{{-52, 170}, {52, 170}}};
    case Pose::Point:
        return {{{-40, 76}, {74, 126}}};
    case Pose::Carry:
        return {{{-14, 100}, {16, 100}}};
    case Pose::Stand:
        break;
    }
    return {{{-40, 76}, {40, 76}}};
}

} // namespace

void drawPerson(Picture& target, const Person& who, float x, float feetY, float scale, Pose pose, bool mirror)
{
    PersonPainter p(target, x, feetY, scale, mirror);
    p.shadow();
    if (who.hairStyle == HairStyle::Long)
        p.part(p.roundRect(-40, 186, 80, 74, 26), who.hair);
    // Legs and shoes
    p.part(p.limb(-13, 76, -15, 12, 10), who.trousers);
    p.part(p.limb(13, 76, 15, 12, 10), who.trousers);
    p.part(p.oval(-19, 8, 15, 8), Color::hex(0x5A3A26));
    p.part(p.oval(19, 8, 15, 8), Color::hex(0x5A3A26));

    // Arms from the shoulders to the hands of the pose; held in front of the body to carry.
    const std::array<std::array<float, 2>, 2> hands = handsOf(pose);
    const bool armsInFront = pose == Pose::Carry;
    auto arms = [&] {
        for (int side = 0; side < 2; ++side) {
            const float sx = side ? 29 : -29;
            p.part(p.limb(sx, 124, hands[side][0], hands[side][1], 9), who.shirt);
            p.part(p.disc(hands[side][0], hands[side][1], 9.5f), who.skin);
        }
    };
    if (!armsInFront)
        arms();
    // Body and apron
    p.part(p.roundRect(-33, 134, 66, 72, 24), who.shirt);
    if (who.wearsApron) {
        p.part(p.roundRect(-24, 118, 48, 60, 12), who.apron);
        p.part(p.roundRect(-15, 130, 30, 18, 6), who.apron);
        p.flat(p.roundRect(-10, 94, 20, 13, 4), who.apron.darker(0.15f));
    }
    if (armsInFront)
        arms();
    // Head
    p.part(p.roundRect(-8, 142, 16, 14, 4), who.skin);
    p.part(p.disc(-32, 166, 7), who.skin);
    p.part(p.disc(32, 166, 7), who.skin);
    p.part(p.disc(0, 168, 33), who.skin);
    // Hair
    const Shape cap = subtract(p.disc(0, 172, 37), p.oval(0, 152, 35, 30));
    switch (who.hairStyle) {
    case HairStyle::Short:
        p.part(unite(cap, unite(p.disc(-14, 196, 13), p.disc(6, 201, 12))), who.hair);
        break;
    case HairStyle::Bun:
        p.part(p.disc(0, 210, 16), who.hair);
        p.part(cap, who.hair);
        break;
    case HairStyle::Cap:
        p.part(cap, who.hair);
        p.part(p.roundRect(-35, 208, 70, 32, 15), who.shirt.darker(0.1f));
        p.part(p.oval(22, 180, 28, 6), who.shirt.darker(0.2f));
        break;
    case HairStyle::Long:
        p.part(cap, who.hair);
        break;
    case HairStyle::Bald:
        p.part(intersect(cap, [&](float, float y) { return y - p.py(178); }), who.hair);
        break;
    }
    // Face: eyes with a shine, cheeks and a smile
    const Color eye = Color::hex(0x2B1A10);
    for (float ex : {-12.0f, 12.0f}) {
        p.flat(p.oval(ex + 4, 166, 4, 5.5f), eye);
        p.flat(p.disc(ex + 5.5f, 168, 1.6f), style::white);
        p.flat(p.disc(ex + 2, 153, 6), Color::hex(0xFF7A7A, 0.4f));
        if (who.glasses)
            p.line(p.disc(ex + 4, 166, 9), 2.2f, Color::hex(0x3B2416));
    }
    p.lowerArc(p.disc(4, 160, 12), 3, 156, eye);
}

void drawShopFront(Picture& target, const EmojiFont& emoji, const ShopFront& shop, const Box& box)
{
    const float l = box.left, t = box.top, w = box.right - box.left, h = box.bottom - box.top;
    const Color rim = style::woodDark;
    // Wall
    const Shape wall = roundedRect(l, t + h * 0.1f, w, h * 0.9f, 4);
    shadowIn(target, box, wall, 4, 5, style::shadow);
    paintIn(target, box, grow(wall, 2), solid(rim));
    paintIn(target, box, wall, vertical(t, shop.wall.lighter(0.2f), t + h, shop.wall.darker(0.06f)));
    // Window with goods on a sill, glowing when the shop is open
    const Box window{l + w * 0.07f, t + h * 0.44f, l + w * 0.6f, t + h * 0.86f};
    const Shape glass
        = roundedRect(window.left, window.top, window.right - window.left, window.bottom - window.top, 4);
    paintIn(target, grown(window, 6), grow(glass, 5), solid(style::white));
    strokeIn(target, grown(window, 6), grow(glass, 5), 2, solid(rim));
    paintIn(target, window, glass,
        shop.lit ? vertical(window.top, Color::hex(0xFFF3C9), window.bottom, Color::hex(0xFFD27A))
                 : vertical(window.top, Color::hex(0xBFE3F5), window.bottom, Color::hex(0x8FC3DE)));
    const float sill = window.bottom - 6;
    paintIn(target, window, roundedRect(window.left, sill, window.right - window.left, 6, 2),
        solid(style::woodLight));
    if (!shop.goods.empty()) {
        // One row on the sill, or two when a row would make the goods too small
        const float ww = window.right - window.left, wh = window.bottom - window.top;
        const int count = int(shop.goods.size());
        const int rows = ww / count < wh * 0.42f && count > 1 ? 2 : 1;
        const int perRow = (count + rows - 1) / rows;
        const int size = int(std::min((ww - 8) / perRow, (wh - 10) / rows));
        for (int i = 0; i < count; ++i) {
            const int row = i / perRow, inRow = std::min(perRow, count - row * perRow);
            const float step = ww / inRow;
            const Picture item = emojiSticker(emoji, shop.goods[size_t(i)], size, int(size * 0.86f));
            target.draw(item, int(window.left + step * (i % perRow) + (step - size) / 2),
                int(sill - size * (row + 1) + 3));
        }
    }
    // Door
    const Box door{l + w * 0.67f, t + h * 0.4f, l + w * 0.93f, t + h};
    const Shape doorShape
        = roundedRect(door.left, door.top, door.right - door.left, door.bottom - door.top + 6, 6);
    paintIn(target, door, grow(doorShape, 2), solid(rim));
    paintIn(target, door, doorShape,
        vertical(door.top, shop.awning.darker(0.15f), door.bottom, shop.awning.darker(0.35f)));
    const float dw = door.right - door.left;
    paintIn(target, door, roundedRect(door.left + dw * 0.2f, door.top + dw * 0.2f, dw * 0.6f, dw * 0.7f, 3),
        solid(shop.lit ? Color::hex(0xFFE7A8) : Color::hex(0xBFE3F5)));
    paintIn(target, door,
        circle(
            door.right - dw * 0.18f, door.top + (door.bottom - door.top) * 0.58f, std::max(1.5f, dw * 0.06f)),
        solid(style::gold));
    // Striped awning with scallops
    const float at = t + h * 0.22f, ah = h * 0.16f;
    const int stripes = std::max(4, int(w / 22) | 1);
    const float sw = (w + 8) / stripes;
    const Box awningBox{l - 6, at - 2, l + w + 6, at + ah + sw};
    for (int i = 0; i < stripes; ++i) {
        const float sx = l - 4 + i * sw;
        const Shape stripe
            = unite(roundedRect(sx, at, sw + 0.5f, ah, 0), circle(sx + sw / 2, at + ah, sw / 2));
        if (i == 0)
            shadowIn(target, awningBox, roundedRect(l - 4, at, w + 8, ah + sw / 2, 3), 3, 3, style::shadow);
        const Color c = i % 2 ? style::white : shop.awning;
        paintIn(target, awningBox, stripe, vertical(at, c, at + ah + sw, c.darker(0.12f)));
    }
    strokeIn(target, awningBox, roundedRect(l - 4, at, w + 8, 1, 0), 3, solid(shop.awning.darker(0.3f)));
    // Sign board with the name
    const Box sign{l + w * 0.1f, t, l + w * 0.9f, t + h * 0.17f};
    const Shape board = roundedRect(sign.left, sign.top, sign.right - sign.left, sign.bottom - sign.top, 6);
    shadowIn(target, sign, board, 3, 3, style::shadow);
    paintIn(target, sign, board, solid(rim));
    paintIn(
        target, sign, grow(board, -2.5f), vertical(sign.top, style::cream, sign.bottom, style::creamShade));
    if (!shop.name.empty()) {
        const int room = int(sign.right - sign.left - 12);
        const int size
            = fittingSize(style::titleFont, shop.name, room, int((sign.bottom - sign.top) * 0.62f));
        const Font font(style::titleFont, size);
        drawText(target, font, shop.name, (sign.left + sign.right) / 2,
            int((sign.top + sign.bottom) / 2 + size * 0.36f), TextAlign::Centre, inkLook(style::ink));
    }
}

void drawSpeechBubble(Picture& target, const Box& box, float tipX, float tipY, const Font& font,
    const std::string& text, int lineHeight)
{
    const float w = box.right - box.left, h = box.bottom - box.top;
    const Shape body = roundedRect(box.left, box.top, w, h, std::min(22.0f, h / 2));
    const float cx = std::clamp(tipX, box.left + 24, box.right - 24);
    const float baseY = tipY > box.bottom ? box.bottom - 2 : box.top + 2;
    const Shape tail = polygon({{cx - 14, baseY}, {cx + 14, baseY}, {tipX, tipY}});
    const Shape bubble = unite(body, tail);
    const Box all{std::min(box.left, tipX) - 4, std::min(box.top, tipY) - 4, std::max(box.right, tipX) + 4,
        std::max(box.bottom, tipY) + 4};
    shadowIn(target, all, bubble, 4, 4, style::shadow);
    paintIn(target, all, grow(bubble, 2.5f), solid(style::inkSoft));
    paintIn(target, all, bubble, vertical(box.top, style::white, box.bottom, Color::hex(0xF3F6FA)));
    drawCentredBlock(target, box, font, text, 14, lineHeight, style::ink);
}

void drawCaption(Picture& target, const Box& box, const Font& font, const std::string& text, int lineHeight)
{
    const float w = box.right - box.left, h = box.bottom - box.top;
    const Shape card = roundedRect(box.left, box.top, w, h, 18);
    shadowIn(target, box, card, 5, 6, style::shadow);
    paintIn(target, box, card, vertical(box.top, style::woodLight, box.bottom, style::wood));
    strokeIn(target, box, card, 2, solid(style::woodDark));
    const Shape face = grow(card, -7);
    paintIn(target, box, face, vertical(box.top, style::cream, box.bottom, style::creamShade));
    drawCentredBlock(target, box, font, text, 22, lineHeight, style::ink);
}

void drawSky(Picture& target, float horizon)
{
    const float w = float(target.width());
    const Box all{0, 0, w, float(target.height())};
    paintIn(target, all, roundedRect(-10, -10, w + 20, target.height() + 20.0f, 0),
        vertical(0, Color::hex(0x6CC8F4), horizon, Color::hex(0xDDF4FF)));
    const float clouds[][3] = {{90, 70, 0.8f}, {470, 50, 1.0f}, {700, 110, 0.7f}};
    for (const auto& c : clouds) {
        const float s = c[2];
        const Shape cloud
            = unite(unite(circle(c[0], c[1], 30 * s), circle(c[0] + 36 * s, c[1] - 12 * s, 38 * s)),
                unite(circle(c[0] + 76 * s, c[1], 28 * s),
                    roundedRect(c[0] - 18 * s, c[1], 112 * s, 28 * s, 14 * s)));
        paintIn(target, {c[0] - 60 * s, c[1] - 60 * s, c[0] + 130 * s, c[1] + 40 * s}, cloud,
            solid(Color::hex(0xFFFFFF, 0.85f)));
    }
    const Box hills{0, horizon - 90, w, horizon + 10};
    paintIn(target, hills, ellipse(160, horizon + 80, 360, 150),
        vertical(horizon - 80, Color::hex(0x9EDC7A), horizon, Color::hex(0x6FBF52)));
    paintIn(target, hills, ellipse(620, horizon + 90, 380, 160),
        vertical(horizon - 80, Color::hex(0x8CD46A), horizon, Color::hex(0x5FAE45)));
}

void drawPavement(Picture& target, float top)
{
    const float w = float(target.width()), h = float(target.height());
    const Box all{0, top, w, h};
    paintIn(target, all, roundedRect(-10, top, w + 20, h - top + 10, 0),
        vertical(top, Color::hex(0xE9DCC6), h, Color::hex(0xD5C3A5)));
    for (float x = -20; x < w; x += 64)
        strokeIn(
            target, all, capsule(x, top + 4, x + 30, h + 4, 0.1f), 1.5f, solid(Color::hex(0xB9A588, 0.7f)));
    for (float y = top + 28; y < h; y += 30)
        strokeIn(target, all, roundedRect(-10, y, w + 20, 0.2f, 0), 1.2f, solid(Color::hex(0xB9A588, 0.5f)));
    paintIn(target, all, roundedRect(-10, top, w + 20, 7, 0), solid(Color::hex(0xC9B89C)));
}

} // namespace contentgen
