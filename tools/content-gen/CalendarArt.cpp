// The calendar: Kip's summer diary open on a desk, a week to a spread of eight boxes (seven
// days and the notes), with week tabs, shop cards for the cells, star badges, washi-tape
// doodles, Kip as the marker, a red pencil circle and the handwritten notes.
#include "CampaignArt.h"

#include "CalendarGeometry.h"
#include "Style.h"

#include <array>
#include <cmath>

namespace contentgen {

namespace {

const Color pen = Color::hex(0x2F4D8F); // blue ink of the handwriting
const Color pencilRed = Color::hex(0xD9453A); // the progress circle
const Color coverBlue = Color::hex(0x2F6FA8);
const Color boxLine = Color::hex(0x9DB7CF);

const char* const dayNames[7]
    = {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};

struct ShopLook {
    Color colour;
    uint32_t emoji;
    uint32_t second; // 0 for one emoji
};

// Awning colour and emoji of each calendar shop number 1 to 14.
const std::array<ShopLook, 14> shopLooks = {{
    {Color::hex(0x5CC44E), 0x1F34E, 0}, // 1 Grocery: apple
    {Color::hex(0xF2A541), 0x1F950, 0}, // 2 Bakery and Cafe: croissant
    {Color::hex(0xE84A7F), 0x1F9F8, 0}, // 3 Toy Shop: teddy bear
    {Color::hex(0x2E9E83), 0x1F337, 0}, // 4 Garden Centre: tulip
    {Color::hex(0x3C7DD9), 0x26BD, 0}, // 5 Sports Shop: ball
    {Color::hex(0xB25FD0), 0x1F457, 0}, // 6 Fashion Boutique: dress
    {Color::hex(0xF0653A), 0x1F3B8, 0}, // 7 Music and Arts: guitar
    {Color::hex(0x7A8791), 0x1F527, 0}, // 8 Hardware Store: spanner
    {Color::hex(0x33B8D6), 0x1F3D6, 0}, // 9 Beach Kiosk: beach
    {Color::hex(0x4C5BD4), 0x1F4F7, 0}, // 10 Electronics: camera
    {Color::hex(0xE8505B), 0x1F3EA, 0}, // 11 Corner Shop: the little shop
    {Color::hex(0xFF9F1C), 0x1F381, 0}, // 12 Gift Shop: present
    {Color::hex(0xFFCB3D), 0x1F528, 0x1F58C}, // 13 upgrade: hammer and brush
    {Color::hex(0xF28DC0), 0x1FAB4, 0x1F5BC}, // 14 decorating: plant and picture
}};

Font titleFont(int size)
{
    return Font(style::titleFont, size);
}

// ---- The diary on the desk --------------------------------------------------------------

void drawDesk(Picture& out)
{
    const Box all{0, 0, 800, 600};
    paintIn(out, all, roundedRect(-10, -10, 820, 620, 0), vertical(0, style::woodLight, 600, style::wood));
    for (int plank = 1; plank < 5; ++plank) {
        const float y = plank * 124.0f - 20;
        strokeIn(out, all, roundedRect(-10, y, 820, 0.1f, 0), 2, solid(style::woodDark.withAlpha(0.45f)));
        for (int grain = 0; grain < 3; ++grain) {
            const float gy = y + 28 + grain * 30;
            strokeIn(out, all, capsule(-10, gy, 820, gy + 8 - grain * 6, 0.1f), 1.2f,
                solid(style::woodDark.withAlpha(0.12f)));
        }
    }
}

void drawDiary(Picture& out, const ShopNames&)
{
    const Box all{0, 0, 800, 600};
    const Shape cover = roundedRect(8, 30, 784, 558, 18);
    shadowIn(out, all, cover, 7, 8, Color::hex(0x2B1A10, 0.45f));
    paintIn(out, all, cover, vertical(30, coverBlue.lighter(0.1f), 588, coverBlue.darker(0.15f)));
    strokeIn(out, all, grow(cover, -5), 1.4f, solid(Color::hex(0xFFFFFF, 0.35f)));
    // The page block: a few sheet edges below the open pages, then the two pages.
    for (int edge = 3; edge >= 1; --edge)
        paintIn(out, all, roundedRect(16, 38 + edge * 2.5f, 768, 540, 6),
            solid(edge % 2 ? Color::hex(0xE8DCC2) : Color::hex(0xF7EEDC)));
    for (int side = 0; side < 2; ++side) {
        const float left = side ? 402 : 18;
        const float spine = side ? 402 : 398;
        const Shape page = roundedRect(left, 38, 380, 540, 6);
        paintIn(out, all, page, [=](float x, float y) {
            // Paper darkens a little toward the spine, where the page curves down.
            const float toSpine = std::clamp(1.0f - std::fabs(x - spine) / 46.0f, 0.0f, 1.0f);
            const Color paper = Color::hex(0xFFFBF0).mix(Color::hex(0xF6EBD3), y / 600.0f);
            return paper.mix(Color::hex(0xC9B48E), toSpine * toSpine * 0.55f);
        });
    }
    // Ribbon bookmark out of the bottom of the spine
    paintIn(
        out, all, polygon({{392, 560}, {408, 560}, {408, 598}, {400, 590}, {392, 598}}), solid(style::berry));
    strokeIn(out, all, polygon({{392, 560}, {408, 560}, {408, 598}, {400, 590}, {392, 598}}), 1.2f,
        solid(style::berryDark));

    // Day boxes: the name at the top, a faint frame; the eighth box holds the notes.
    const Font label = titleFont(19);
    for (int box = 0; box < 8; ++box) {
        const Box b = calendar::dayBox(box);
        const Shape frame = roundedRect(b.left, b.top, b.right - b.left, b.bottom - b.top, 10);
        paintIn(out, b, frame, solid(Color::hex(0xFFFFFF, 0.4f)));
        strokeIn(out, b, frame, 1.6f, solid(boxLine));
        drawText(out, label, box < 7 ? dayNames[box] : "Notes", b.left + 11, int(b.top + 25), TextAlign::Left,
            inkLook(style::ink));
        strokeIn(out, b, roundedRect(b.left + 10, b.top + 31, b.right - b.left - 20, 0.1f, 0), 1.2f,
            solid(boxLine.withAlpha(0.7f)));
    }
    // Ruled lines in the notes box, under the handwriting
    const Box notes = calendar::dayBox(7);
    for (float y : {calendar::notesDayY + 27.0f, calendar::notesShopY + 27.0f, calendar::notesBestY + 24.0f})
        strokeIn(out, notes, roundedRect(notes.left + 10, y, notes.right - notes.left - 20, 0.1f, 0), 1,
            solid(boxLine.withAlpha(0.55f)));
    const Font heading = titleFont(24);
    drawText(out, heading, "Kip's summer diary", 420, 80, TextAlign::Left, inkLook(pen));
}

// ---- Week tabs and numbers ------------------------------------------------------------------

Color tabColour(int week)
{
    const Color rainbow[]
        = {style::berry, style::orange, style::gold, style::leaf, style::sky, Color::hex(0xB25FD0)};
    return rainbow[week % 6];
}

Picture tabsFrame(int current)
{
    Picture out(800, calendar::tabsHeight);
    const Box all{0, 0, 800, float(calendar::tabsHeight)};
    for (int week = 1; week <= 11; ++week) {
        const float left = calendar::tabLeft(week);
        const bool on = week == current;
        const float top = on ? 1 : 12;
        // The tab runs on below the picture, which cuts it where it meets the cover.
        const Shape tab = roundedRect(left, top, calendar::tabWidth, 60, 9);
        const Color face = on ? tabColour(week) : tabColour(week).mix(style::cream, 0.55f);
        shadowIn(out, all, tab, 2, 2, style::shadow);
        paintIn(out, all, tab, vertical(top, face.lighter(0.2f), calendar::tabsHeight, face.darker(0.1f)));
        strokeIn(out, all, tab, on ? 2.2f : 1.4f,
            solid(on ? tabColour(week).darker(0.4f) : style::inkSoft.withAlpha(0.6f)));
        const Font digits = titleFont(on ? 22 : 17);
        TextLook look = inkLook(on ? style::white : style::inkSoft);
        if (on) {
            look.outline = 2;
            look.outlineColor = tabColour(week).darker(0.45f);
        }
        drawText(out, digits, std::to_string(week), left + calendar::tabWidth / 2.0f,
            int(top + (on ? 23 : 15)), TextAlign::Centre, look);
    }
    return out;
}

Picture weekNumber(int week)
{
    Picture out(calendar::weekWidth, calendar::weekHeight);
    const Font font = titleFont(36);
    const std::string text = "Week " + std::to_string(week);
    TextLook look = inkLook(pen);
    drawText(out, font, text, 4, 38, TextAlign::Left, look);
    // A wavy underline, as if drawn with the same pen
    std::vector<std::pair<float, float>> wave;
    const float width = float(font.textWidth(text));
    for (float x = 4; x <= width + 8; x += 4)
        wave.emplace_back(x, 45 + std::sin(x / 9.0f) * 1.6f);
    paintIn(out, {0, 0, float(out.width()), float(out.height())}, polyline(wave, 1.3f),
        solid(pen.withAlpha(0.8f)));
    return out;
}

// ---- Cell cards ---------------------------------------------------------------------------

Picture shopCard(const EmojiFont& emoji, const ShopLook& look, const std::string& name, ButtonState state)
{
    const int w = calendar::cellWidth, h = calendar::cellHeight;
    Picture out(w, h);
    const Box all{0, 0, float(w), float(h)};
    const bool pressed = state == ButtonState::Pressed;
    const float top = 4 + (pressed ? 2.0f : 0.0f);
    const Shape body = roundedRect(6, top, 148, 106, 12);
    if (state == ButtonState::Selected)
        paintIn(out, all, grow(body, 5), solid(style::gold.withAlpha(0.9f)));
    if (state == ButtonState::Hover)
        out.fill(blurred(shapeMask(w, h, grow(body, 3)), 3), solid(style::white.withAlpha(0.9f)));
    shadowIn(out, all, body, pressed ? 1.5f : 3.5f, 3, style::shadow);
    const Color rim = look.colour.darker(0.45f);
    paintIn(out, all, grow(body, 2), solid(rim));
    const Color face = state == ButtonState::Hover ? style::white
        : state == ButtonState::Pressed            ? style::creamShade
                                                   : style::cream;
    paintIn(out, all, body, vertical(top, style::white, top + 106, face.darker(0.03f)));
    // The awning: stripes and scallops, kept inside the card
    const int stripes = 9;
    const float sw = 148.0f / stripes, awningBottom = top + 22;
    for (int i = 0; i < stripes; ++i) {
        const float x = 6 + i * sw;
        const Shape stripe = intersect(unite(roundedRect(x, top - 4, sw + 0.4f, awningBottom - top + 4, 0),
                                           circle(x + sw / 2, awningBottom, sw / 2)),
            body);
        const Color c = i % 2 ? style::white : look.colour;
        paintIn(out, all, stripe,
            vertical(top, c.lighter(state == ButtonState::Hover ? 0.2f : 0.05f), awningBottom + sw / 2,
                c.darker(0.1f)));
    }
    // The shop's emoji (two for the upgrade and decorating cells)
    const int art = look.second ? 42 : 52;
    const float artTop = top + 31 + (look.second ? 4 : 0);
    if (look.second) {
        out.draw(emojiSticker(emoji, look.emoji, art + 6, art), 80 - art - 2, int(artTop));
        out.draw(emojiSticker(emoji, look.second, art + 6, art), 82, int(artTop));
    } else {
        out.draw(emojiSticker(emoji, look.emoji, art + 8, art), 80 - (art + 8) / 2, int(artTop) - 2);
    }
    const int size = fittingSize(style::boldFont, name, 136, 14);
    drawText(
        out, Font(style::boldFont, size), name, 80, int(top + 99), TextAlign::Centre, inkLook(style::ink));
    if (state == ButtonState::Selected)
        strokeIn(out, all, grow(body, 3), 2.5f, solid(style::goldDark));
    return out;
}

Picture shopCardSheet(const EmojiFont& emoji, const ShopLook& look, const std::string& name)
{
    return stateSheet([&](ButtonState state) {
        if (state == ButtonState::Disabled) // a day still to come: pencilled in
            return greyed(shopCard(emoji, look, name, ButtonState::Normal), 0.45f);
        return shopCard(emoji, look, name, state);
    });
}

// ---- Badges, tape, circle and marker --------------------------------------------------------

Picture tapeFrame(int pattern)
{
    const int w = calendar::doodleWidth, h = calendar::doodleHeight;
    Picture out(w, h);
    const Box all{0, 0, float(w), float(h)};
    const Color colours[] = {Color::hex(0xF7A6C4), Color::hex(0x9ED9F2), Color::hex(0xFFD66B),
        Color::hex(0xA8E29A), Color::hex(0xC9A6F0), Color::hex(0xFFB38A)};
    const Color c = colours[pattern % 6];
    // A strip with torn, zigzag ends, turned over the card's corner
    std::vector<std::pair<float, float>> outline;
    const float len = 64, thick = 19;
    for (int i = 0; i <= 4; ++i)
        outline.emplace_back(-len / 2 + (i % 2 ? 3.0f : 0.0f), -thick / 2 + thick * i / 4);
    for (int i = 0; i <= 4; ++i)
        outline.emplace_back(len / 2 - (i % 2 ? 3.0f : 0.0f), thick / 2 - thick * i / 4);
    const float cx = w / 2.0f, cy = h / 2.0f;
    for (auto& p : outline)
        p = {cx + p.first, cy + p.second};
    const Shape strip = rotated(polygon(outline), cx, cy, -32);
    shadowIn(out, all, strip, 1.5f, 1.5f, Color::hex(0x2B1A10, 0.18f));
    paintIn(out, all, strip, solid(c.withAlpha(0.82f)));
    const Shape pattern_ = [&]() -> Shape {
        switch (pattern % 6) {
        case 0:
            return [](float x, float y) { return std::fabs(std::fmod(x + y + 400.0f, 10.0f) - 5.0f) - 1.6f; };
        case 1:
            return [](float x, float y) {
                return std::hypot(std::fmod(x + 400.0f, 9.0f) - 4.5f, std::fmod(y + 400.0f, 9.0f) - 4.5f)
                    - 1.6f;
            };
        case 2:
            return unite(star(cx - 14, cy + 8, 6, 2.6f, 5, 0),
                unite(star(cx, cy, 6, 2.6f, 5, 10), star(cx + 14, cy - 8, 6, 2.6f, 5, 20)));
        case 3:
            return [](float x, float y) { return std::fabs(std::fmod(x - y + 400.0f, 12.0f) - 6.0f) - 2.0f; };
        case 4: {
            Shape hearts = circle(-100, -100, 1);
            for (int i = -1; i <= 1; ++i) {
                const float hx = cx + i * 15, hy = cy - i * 9;
                hearts = unite(hearts,
                    unite(unite(circle(hx - 2.4f, hy - 1.5f, 2.8f), circle(hx + 2.4f, hy - 1.5f, 2.8f)),
                        polygon({{hx - 5, hy - 0.5f}, {hx + 5, hy - 0.5f}, {hx, hy + 5}})));
            }
            return hearts;
        }
        default:
            return [](float x, float y) {
                return std::min(std::fabs(std::fmod(x + 400.0f, 8.0f) - 4.0f),
                           std::fabs(std::fmod(y + 400.0f, 8.0f) - 4.0f))
                    - 0.9f;
            };
        }
    }();
    paintIn(out, all, intersect(pattern_, grow(strip, -1)), solid(style::white.withAlpha(0.75f)));
    return out;
}

// The loop of the red pencil: a little more than one turn with a wobble, as far as `share`.
Shape pencilLoop(float share)
{
    std::vector<std::pair<float, float>> points;
    const float cx = calendar::circleWidth / 2.0f, cy = calendar::circleHeight / 2.0f + 1;
    const int steps = 90;
    const float turns = 1.12f;
    for (int i = 0; i <= int(steps * share); ++i) {
        const float t = float(i) / steps;
        const float a = -2.3f + t * turns * 6.2831853f;
        const float wobble = 1.0f + 0.035f * std::sin(t * 17.0f) + 0.05f * t;
        points.emplace_back(cx + std::cos(a) * 88 * wobble, cy + std::sin(a) * 67 * wobble);
    }
    if (points.size() < 2)
        points.push_back(points.back());
    return polyline(points, 2.5f);
}

Picture circleFrame(float share)
{
    Picture out(calendar::circleWidth, calendar::circleHeight);
    const Box all{0, 0, float(out.width()), float(out.height())};
    // Pencil grain: the stroke is a little lighter in places.
    paintIn(out, all, pencilLoop(share), [](float x, float y) {
        const float grain = 0.82f + 0.18f * std::sin(x * 1.7f + y * 2.3f) * std::sin(x * 0.7f - y * 1.1f);
        return pencilRed.withAlpha(grain);
    });
    return out;
}

Picture markerFrame(int width, int height, float feetY, Pose pose)
{
    Picture out(width, height);
    drawPerson(out, kip(), width / 2.0f, feetY, 0.36f, pose);
    return out;
}

// ---- Notes and buttons ------------------------------------------------------------------------

Picture noteLine(const std::string& text, int width, int height, int preferred)
{
    Picture out(width, height);
    const int size = fittingSize(style::titleFont, text, width - 4, preferred);
    drawText(out, titleFont(size), text, 2, int(height * 0.74f), TextAlign::Left, inkLook(pen));
    return out;
}

Picture column(const std::vector<Picture>& frames)
{
    Picture out(frames[0].width(), frames[0].height() * int(frames.size()));
    for (size_t i = 0; i < frames.size(); ++i)
        out.draw(frames[i], 0, frames[0].height() * int(i));
    return out;
}

Picture bestNumber(int value)
{
    Picture out(calendar::numberWidth, calendar::numberHeight);
    const Font font = titleFont(30);
    TextLook look = inkLook(style::berryDark);
    drawText(out, font, std::to_string(value), calendar::numberWidth / 2.0f, 28, TextAlign::Centre, look);
    return out;
}

} // namespace

uint32_t shopEmoji(int shop)
{
    return shopLooks[size_t(std::clamp(shop, 1, 14) - 1)].emoji;
}

void makeCalendarArt(PictureWriter& out, const EmojiFont& emoji, const ShopNames& shops)
{
    Picture background(800, 600);
    drawDesk(background);
    drawDiary(background, shops);
    out.write("cal_bg", background);

    std::vector<Picture> tabs, weeks;
    for (int week = 1; week <= 11; ++week) {
        tabs.push_back(tabsFrame(week));
        weeks.push_back(weekNumber(week));
    }
    out.write("cal_tabs", column(tabs));
    out.write("cal_weeks", column(weeks));

    for (int shop = 1; shop <= 14; ++shop) {
        const std::string name = shop <= 12 ? shops.at(size_t(shop - 1))
            : shop == 13                    ? "Upgrade"
                                            : "Decorate";
        out.write("cal_shop" + std::to_string(shop), shopCardSheet(emoji, shopLooks[size_t(shop - 1)], name));
    }
    const int badge = calendar::badgeSize;
    out.write("cal_stars",
        sideBySide({starPicture(badge, style::bronze, style::bronzeDark),
            starPicture(badge, style::silver, style::silverDark),
            starPicture(badge, style::gold, style::goldDark)}));
    std::vector<Picture> tapes;
    for (int i = 0; i < calendar::doodleFrames; ++i)
        tapes.push_back(tapeFrame(i));
    out.write("cal_doodles", sideBySide(tapes));

    out.write("cal_circle", circleFrame(1.0f));
    std::vector<Picture> drawing;
    for (int i = 1; i <= calendar::circleFrames; ++i)
        drawing.push_back(circleFrame(float(i) / calendar::circleFrames));
    out.write("cal_circle_draw", sideBySide(drawing));

    const int mw = calendar::markerWidth, mh = calendar::markerHeight;
    out.write("cal_marker",
        sideBySide({markerFrame(mw, mh, mh - 3, Pose::Stand), markerFrame(mw, mh, mh - 3, Pose::Wave),
            markerFrame(mw, mh, mh - 5, Pose::Stand), markerFrame(mw, mh, mh - 4, Pose::Cheer)}));
    const int hw = calendar::hopWidth, hh = calendar::hopHeight;
    out.write("cal_marker_hop",
        sideBySide({markerFrame(hw, hh, hh - 3, Pose::Stand), markerFrame(hw, hh, hh - 14, Pose::Cheer),
            markerFrame(hw, hh, hh - 30, Pose::Cheer), markerFrame(hw, hh, hh - 36, Pose::Wave),
            markerFrame(hw, hh, hh - 22, Pose::Cheer), markerFrame(hw, hh, hh - 3, Pose::Wave)}));

    std::vector<Picture> days, names, numbers;
    for (const char* day : dayNames)
        days.push_back(noteLine(day, calendar::noteWidth, calendar::noteHeight, 23));
    for (int shop = 1; shop <= 14; ++shop)
        names.push_back(noteLine(shop <= 12 ? shops.at(size_t(shop - 1))
                : shop == 13                ? "Upgrade day"
                                            : "Decorating day",
            calendar::noteWidth, calendar::noteHeight, 22));
    for (int n = 0; n <= 15; ++n)
        numbers.push_back(bestNumber(n));
    out.write("cal_notes_days", column(days));
    out.write("cal_notes_shops", column(names));
    out.write("cal_notes_numbers", sideBySide(numbers));
    out.write(
        "cal_itemsfound", noteLine("Most served:", calendar::itemsFoundWidth, calendar::noteHeight, 19));

    const Font label(style::boldFont, 21);
    out.write("cal_play",
        buttonSheet(calendar::playWidth, calendar::playHeight, {style::leaf, style::leafDark}, &label, "Play",
            style::buttonRadius));
    out.write("cal_replay",
        buttonSheet(calendar::playWidth, calendar::playHeight, {style::orange, style::orangeDark}, &label,
            "Replay", style::buttonRadius));
    out.write("cal_upgrade",
        buttonSheet(calendar::playWidth, calendar::playHeight, {style::berry, style::berryDark}, &label,
            "Upgrade", style::buttonRadius));
    const Font small(style::boldFont, 18);
    out.write("cal_menu",
        buttonSheet(calendar::menuWidth, calendar::menuHeight, {style::sky, style::skyDark}, &small, "Menu",
            style::buttonRadius));
}

} // namespace contentgen
