#include "InstructionPages.h"

#include "Decor.h"
#include "MenuKit.h"
#include "Png.h"
#include "ShopArt.h"
#include "Sticker.h"
#include "Style.h"

#include <cmath>
#include <functional>

namespace contentgen {

namespace {

const int W = PageSize::Width, H = PageSize::Height;
// Where the illustration goes (left) and where the words go (right).
const int artTop = 52, textLeft = 272, textWidth = 282;

struct Topic {
    const char* heading;
    const char* text;
};

const Topic topics[] = {
    {"Serve your customers",
        "Customers come in one by one, each with a wish in a thought bubble. Find the wished items on the "
        "shelves "
        "and click them: every item flies to its customer. When the whole wish is handed over, the customer "
        "pays and "
        "leaves happy."},
    {"Beat the clock",
        "A day lasts until the clock runs out. Serve 10 customers to pass the day with a bronze star, 13 for "
        "silver "
        "and 15 for gold. Fifteen happy customers close the shop early!"},
    {"Hints and hidden tokens",
        "Stuck? Press the hint button and every customer shows where the wished item is. Hints are few, so "
        "keep your "
        "eyes open: hint tokens hide on the shelves of every shop. Click one to add a hint to your stock."},
    {"Your calendar",
        "The calendar shows your way through the shops. Each shop opens for five days: pass a day to move on "
        "to the "
        "next. New shops open as you go, and now and then you can decorate your own gift shop with "
        "upgrades."},
    {"Blitz mode",
        "Finished a shop? Play it again in Blitz mode: every item of the shop is wished for once and the "
        "clock counts "
        "your time. Serve them all as fast as you can and beat your best time on the board."},
};

struct Kit {
    const EmojiFont& emoji;
    Picture bubble;
    Picture stars;
};

void item(Picture& page, const Kit& kit, uint32_t codepoint, int size, int x, int y)
{
    page.draw(emojiSticker(kit.emoji, codepoint, size, int(size * 0.84f)), x, y);
}

void shelfPlank(Picture& page, float x, float y, float w)
{
    const Shape plank = roundedRect(x, y, w, 12, 3);
    page.fill(blurred(shifted(shapeMask(W, H, plank), 0, 3), 2), solid(style::shadow));
    page.fillShape(plank, vertical(y, style::woodLight, y + 12, style::wood));
    page.fill(outlineMask(W, H, plank, 1.2f), solid(style::woodDark));
}

// Dots along a curve from (x0, y0) to (x1, y1) bulging by `bend`, as an item's flight path.
void flightPath(Picture& page, float x0, float y0, float x1, float y1, float bend)
{
    const float mx = (x0 + x1) / 2 + bend, my = (y0 + y1) / 2 - std::fabs(bend);
    for (int i = 1; i < 10; ++i) {
        const float t = i / 10.0f, u = 1 - t;
        const float x = u * u * x0 + 2 * u * t * mx + t * t * x1,
                    y = u * u * y0 + 2 * u * t * my + t * t * y1;
        page.fillShape(circle(x, y, 2.2f + t * 1.6f), solid(style::orange.withAlpha(0.9f)));
    }
}

void sparkle(Picture& page, float x, float y, float size)
{
    page.fillShape(star(x, y, size, size * 0.22f, 4, 0), solid(style::gold.lighter(0.3f)));
    page.fillShape(star(x, y, size * 0.5f, size * 0.15f, 4, 45), solid(style::white));
}

Picture starCell(const Kit& kit, int index)
{
    const int cell = kit.stars.height();
    return cropped(kit.stars, index * cell, 0, cell, cell);
}

void darkPill(Picture& page, float x, float y, float w, float h, const std::string& text, int fontSize)
{
    const Shape pill = roundedRect(x, y, w, h, h / 2);
    page.fill(blurred(shifted(shapeMask(W, H, pill), 0, 3), 2), solid(style::shadow));
    page.fillShape(pill, vertical(y, Color::hex(0x5C3A22), y + h, Color::hex(0x3A2416)));
    const Font font(style::boldFont, fontSize);
    TextLook gold;
    gold.fill = vertical(y, Color::hex(0xFFF1B0), y + h, style::gold);
    drawLine(page, font, text, x + w / 2, int(y + h / 2 + (font.ascent() - font.descent()) / 2.0f), gold,
        Align::Centre);
}

void servingArt(Picture& page, const Kit& kit)
{
    item(page, kit, 0x1F469, 96, 0, artTop + 40);
    page.draw(resized(kit.bubble, 132, 102), 96, artTop - 6);
    item(page, kit, 0x1F34E, 46, 124, artTop + 14);
    drawLine(page, Font(style::boldFont, 20), "\u00D7 2", 176, artTop + 46, inkLook(style::ink));
    shelfPlank(page, 8, 258, 236);
    item(page, kit, 0x1F34C, 56, 20, 206);
    item(page, kit, 0x1F34E, 56, 96, 206);
    item(page, kit, 0x1F34A, 56, 172, 206);
    flightPath(page, 122, 204, 92, 160, -24);
    item(page, kit, 0x1F446, 48, 112, 262);
}

void clockArt(Picture& page, const Kit& kit)
{
    item(page, kit, 0x23F0, 96, 8, artTop + 4);
    darkPill(page, 112, artTop + 30, 124, 46, "2:05", 30);
    const char* counts[] = {"10", "13", "15"};
    const Font font(style::titleFont, 26);
    for (int i = 0; i < 3; ++i) {
        const Picture star = resized(starCell(kit, i), 66, 66);
        const int x = 12 + i * 80;
        page.draw(star, x, 160);
        drawLine(page, font, counts[i], x + 33.0f, 252, inkLook(style::ink), Align::Centre);
    }
    drawLine(page, Font(style::bodyFont, 15), "customers served", 125, 280, inkLook(style::inkSoft),
        Align::Centre);
}

void hintArt(Picture& page, const Kit& kit)
{
    Picture button
        = buttonCell(96, 96, ButtonLook{style::sky, style::skyDark}, ButtonState::Normal, nullptr, "", 42);
    button.draw(emojiSticker(kit.emoji, 0x1F4A1, 56, 48), 20, 16);
    page.draw(button, 10, artTop + 6);
    page.fillShape(circle(98, artTop + 20, 16), solid(style::berryDark));
    page.fillShape(circle(98, artTop + 20, 13.5f),
        radial(94, artTop + 15, 18, style::berry.lighter(0.3f), style::berry));
    drawLine(page, Font(style::boldFont, 18), "3", 98, artTop + 27, inkLook(style::white), Align::Centre);
    // A hint token hiding between the goods on a shelf.
    shelfPlank(page, 8, 262, 236);
    item(page, kit, 0x1F9F8, 54, 18, 212);
    item(page, kit, 0x1F388, 54, 178, 212);
    const float tx = 132, ty = 236, r = 24;
    page.fill(blurred(shifted(shapeMask(W, H, circle(tx, ty, r)), 0, 3), 2), solid(style::shadow));
    page.fillShape(circle(tx, ty, r), solid(style::goldDark));
    page.fillShape(
        circle(tx, ty, r - 3), radial(tx - 8, ty - 10, r * 1.5f, Color::hex(0xFFF1B0), style::gold));
    page.draw(emojiSticker(kit.emoji, 0x1F4A1, 34, 28), int(tx - 17), int(ty - 18));
    sparkle(page, tx + 26, ty - 24, 12);
    sparkle(page, tx - 28, ty - 18, 8);
    flightPath(page, tx - 4, ty - 30, 70, artTop + 104, 20);
}

void calendarArt(Picture& page, const Kit& kit)
{
    const float x = 8, y = artTop + 8, w = 236, h = 176;
    const Shape sheet = roundedRect(x, y, w, h, 10);
    page.fill(blurred(shifted(shapeMask(W, H, sheet), 0, 4), 3), solid(style::shadow));
    page.fillShape(sheet, solid(style::white));
    page.fillShape(intersect(sheet, roundedRect(x, y, w, 34, 0)),
        vertical(y, style::berry.lighter(0.15f), y + 34, style::berry));
    page.fill(outlineMask(W, H, sheet, 1.5f), solid(style::inkSoft));
    drawLine(page, Font(style::titleFont, 22), "Week 2", x + w / 2, int(y + 25),
        outlinedLook(style::white, style::berryDark, 1.5f), Align::Centre);
    const int cell = 42, left = int(x) + 13, top = int(y) + 44;
    const int shops[2][5] = {{1, 1, 1, 1, 1}, {2, 2, 2, 0, 0}};
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 5; ++col) {
            const int cx = left + col * cell, cy = top + row * (cell + 16);
            page.fillShape(
                roundedRect(float(cx), float(cy), cell - 4.0f, cell - 4.0f, 6), solid(Color::hex(0xF3E9D8)));
            if (shops[row][col])
                page.draw(storefront(kit.emoji, shops[row][col], cell - 4), cx, cy);
            drawLine(page, Font(style::bodyFont, 11), std::to_string(row * 5 + col + 1), cx + 2.0f,
                cy + cell + 8, inkLook(style::inkSoft));
        }
    // The marker circles the day being played.
    const float mx = left + 2 * cell + 19.0f, my = top + (cell + 16) + 19.0f;
    page.fill(outlineMask(W, H, ellipse(mx, my, 27, 25), 2.2f), solid(style::orange));
    item(page, kit, 0x1F3A8, 64, 36, 250);
    item(page, kit, 0x1F381, 64, 140, 250);
    flightPath(page, 100, 282, 140, 282, 0);
}

void blitzArt(Picture& page, const Kit& kit)
{
    for (int i = 0; i < 3; ++i) // speed lines trailing behind the watch
        page.fillShape(roundedRect(4.0f + i * 8, artTop + 36.0f + i * 18, 36.0f - i * 8, 5, 2.5f),
            solid(style::orange.withAlpha(0.7f)));
    item(page, kit, 0x23F1, 108, 36, artTop);
    darkPill(page, 136, artTop + 72, 112, 44, "1:23.4", 26);
    item(page, kit, 0x1F3C6, 84, 40, 196);
    page.draw(resized(starCell(kit, 2), 56, 56), 142, 222);
    sparkle(page, 214, 212, 12);
    sparkle(page, 128, 196, 8);
}

Picture page(const Kit& kit, int number, int count, const Topic& topic,
    const std::function<void(Picture&, const Kit&)>& art)
{
    Picture out(W, H);
    TextLook heading;
    heading.fill = vertical(4, Color::hex(0xFFD36B), 40, style::orange);
    heading.outline = 2.5f;
    heading.outlineColor = style::woodDark;
    heading.shadow = 2;
    heading.shadowColor = Color::hex(0x2B1A10, 0.35f);
    drawLine(out, Font(style::titleFont, 32), topic.heading, W / 2.0f, 34, heading, Align::Centre);
    art(out, kit);
    drawParagraph(
        out, Font(style::bodyFont, 18), topic.text, textLeft, 66, textWidth, 26, inkLook(style::ink));
    drawLine(out, Font(style::bodyFont, 14), std::to_string(number) + " / " + std::to_string(count), W - 4.0f,
        H - 6, inkLook(style::inkSoft), Align::Right);
    return out;
}

} // namespace

std::vector<Picture> instructionPages(const EmojiFont& emoji, const std::string& uiDir)
{
    const Kit kit{emoji, readPngPicture(uiDir + "/thoughtbubble.png"), readPngPicture(uiDir + "/stars_big.png")};
    const std::function<void(Picture&, const Kit&)> arts[]
        = {servingArt, clockArt, hintArt, calendarArt, blitzArt};
    const int count = int(std::size(topics));
    std::vector<Picture> pages;
    for (int i = 0; i < count; ++i)
        pages.push_back(page(kit, i + 1, count, topics[i], arts[i]));
    return pages;
}

} // namespace contentgen
