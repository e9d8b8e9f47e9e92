#include "ShopArt.h"

#include "Decor.h"
#include "MenuKit.h"
#include "Sticker.h"
#include "Style.h"

#include <stdexcept>

namespace contentgen {

namespace {

struct ShopLook {
    uint32_t emoji;
    uint32_t awning;
};

// One sign item and awning colour per number; the emoji are the shops' best-known goods.
const ShopLook looks[StorefrontCount] = {
    {0x1F34E, 0x5CC44E}, // 1 grocery: apple
    {0x1F950, 0xC98A4B}, // 2 bakery and café: croissant
    {0x1F9F8, 0xE84A7F}, // 3 toy shop: teddy bear
    {0x1F337, 0x3FAE5A}, // 4 garden centre: tulip
    {0x26BD, 0x48B4F0}, // 5 sports shop: football
    {0x1F457, 0xB65FD6}, // 6 fashion boutique: dress
    {0x1F3B8, 0x7A5CD6}, // 7 music and arts: guitar
    {0x1F528, 0xFF9F1C}, // 8 hardware store: hammer
    {0x1F3D6, 0x2EC4C4}, // 9 beach kiosk: beach with umbrella
    {0x1F4F7, 0x5B7C99}, // 10 electronics: camera
    {0x1F6D2, 0xE8505B}, // 11 corner shop: trolley
    {0x1F381, 0xFFCB3D}, // 12 gift shop: present
    {0x23F1, 0xFF7A1C}, // Blitz mode: stopwatch
    {0x1F3A8, 0xFFCB3D}, // decorating the gift shop: palette
};

const ShopLook& lookOf(int number)
{
    if (number < 1 || number > StorefrontCount)
        throw std::runtime_error("no storefront for number " + std::to_string(number));
    return looks[number - 1];
}

} // namespace

Picture storefront(const EmojiFont& emoji, int number, int size)
{
    const ShopLook& look = lookOf(number);
    const Color awningColour = Color::hex(look.awning);
    const float s = float(size), m = s * 0.07f;
    Picture out(size, size);
    const Shape body = roundedRect(m, m, s - 2 * m, s - 2 * m - s * 0.03f, s * 0.12f);
    out.fill(blurred(shifted(shapeMask(size, size, body), 0, std::max(1, size / 40)), s / 40 + 1),
        solid(style::shadow));
    out.fillShape(body, solid(style::woodDark));
    const Shape wall = grow(body, -s * 0.025f);
    out.fillShape(wall, vertical(m, Color::hex(0xFFF6E3), s - m, Color::hex(0xF3D9AE)));
    // Awning: stripes with round scallops, clipped to the wall.
    const int stripes = 6;
    const float top = m + s * 0.02f, bottom = m + s * 0.3f, stripeW = (s - 2 * m) / stripes, r = stripeW / 2;
    for (int i = 0; i < stripes; ++i) {
        const Color c = i % 2 ? style::white : awningColour;
        const float x = m + i * stripeW;
        const Shape stripe = intersect(wall,
            unite(roundedRect(x, top - s * 0.05f, stripeW + 0.5f, bottom - top - r + s * 0.05f, 0),
                circle(x + r, bottom - r, r)));
        out.fillShape(stripe, vertical(top, c.lighter(0.1f), bottom, c.darker(0.12f)));
    }
    out.fill(
        blurred(shapeMask(size, size, intersect(wall, roundedRect(m, bottom - 2, s - 2 * m, s * 0.05f, 0))),
            s / 60 + 0.5f),
        solid(Color::hex(0x2B1A10, 0.18f)));
    // The window: the shop's sign item, large.
    const int art = int(s * 0.5f);
    const Picture item = emojiSticker(emoji, look.emoji, int(s * 0.58f), art);
    out.draw(
        item, int((s - item.width()) / 2), int(bottom + (s - m - bottom - item.height()) / 2 + s * 0.01f));
    return out;
}

Picture storefrontStrip(const EmojiFont& emoji, int size)
{
    std::vector<Picture> cells;
    for (int number = 1; number <= StorefrontCount; ++number)
        cells.push_back(storefront(emoji, number, size));
    return sideBySide(cells);
}

Picture shopButtonSheet(const EmojiFont& emoji, int size)
{
    const int shops = 12;
    Picture sheet(size * 5, size * shops);
    const Picture padlock = emojiSticker(emoji, 0x1F512, size * 2 / 5, size / 3);
    for (int shop = 1; shop <= shops; ++shop) {
        // The storefront leaves room around it for the hover glow and the selected ring.
        const int inner = size - size / 8;
        const Picture front = storefront(emoji, shop, inner);
        const int at = (size - inner) / 2, y = (shop - 1) * size;
        Picture normal(size, size), hover(size, size), pressed(size, size), locked(size, size),
            selected(size, size);
        normal.draw(front, at, at);
        hover.fill(blurred(shapeMask(size, size,
                               roundedRect(at - 1.0f, at - 1.0f, inner + 2.0f, inner + 2.0f, inner * 0.14f)),
                       size / 18.0f),
            solid(style::white));
        hover.draw(shaded(front, 0.07f), at, at - 1);
        pressed.draw(shaded(front, -0.08f), at, at + 2);
        locked.draw(greyed(front, 0.35f), at, at);
        locked.draw(padlock, size - padlock.width() - at / 2, size - padlock.height() - at / 2);
        const Shape ring = roundedRect(at - 1.0f, at - 1.0f, inner + 2.0f, inner + 2.0f, inner * 0.14f);
        selected.fill(blurred(shapeMask(size, size, grow(ring, 2)), 3), solid(style::gold.withAlpha(0.9f)));
        selected.draw(front, at, at);
        selected.fill(outlineMask(size, size, ring, 3), solid(style::gold));
        const Picture* cells[] = {&normal, &hover, &pressed, &locked, &selected};
        for (int c = 0; c < 5; ++c)
            sheet.draw(*cells[c], c * size, y);
    }
    return sheet;
}

} // namespace contentgen
