#include "ShopTables.h"

#include "ShopDesigns.h"
#include "ShopHud.h"

#include <algorithm>
#include <map>

namespace contentgen {

namespace {

constexpr int opaque = 128; // the engine's alpha for fully opaque sprites

SpriteEntry sprite(const std::string& name, const std::string& picture, int x, int y, bool shown = true)
{
    return {name, "Sprite", {picture}, {x, y}, shown};
}

SpriteEntry sheet(
    const std::string& name, const std::string& picture, int x, int y, int columns, int rows, int frame)
{
    return {name, "AnimateSprite", {picture}, {x, y, columns, rows, frame}, frame >= 0};
}

// A five-cell button (normal, hover, pressed, disabled, selected) in `state` (0 disabled).
SpriteEntry button(const std::string& name, const std::string& picture, int x, int y, int state)
{
    return {name, "ButtonSprite", {picture}, {x, y, 5, 1, 1, 0, 3, state}, true};
}

// A number sprite: x, y, alignment (0 left, 1 centre, 2 right), start value, format
// (0 plain grouping, 3 time), minimum digits, and the pixels by which its cells overlap.
SpriteEntry number(const std::string& name, const std::string& digits, int x, int y, int alignment, int value,
    int format, int minDigits, bool shown = true, int cellOverlap = 0)
{
    return {name, "NumberSprite", {digits}, {x, y, alignment, value, format, cellOverlap, minDigits}, shown};
}

std::string twoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

void addItems(SpriteTable& table, const Shop& shop, const std::vector<ItemPlacement>& items)
{
    // Items are numbered in kind order, so that the round's catalogue lists the groups in the
    // catalogue's order; the table lists them row by row, back items first.
    std::vector<size_t> order(items.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(
        order.begin(), order.end(), [&](size_t a, size_t b) { return items[a].kind < items[b].kind; });
    std::vector<int> numbers(items.size());
    for (size_t n = 0; n < order.size(); ++n)
        numbers[order[n]] = int(n) + 1;
    table.comment("Goods: x, y, alpha, two free numbers, kind (the text ITEM_" + std::to_string(shop.number)
        + "_kind names it)");
    for (size_t i = 0; i < items.size(); ++i)
        table.add({"item_" + std::to_string(numbers[i]), "ShopItemSprite",
            {itemPictureName(shop.number, items[i].kind)},
            {items[i].x, items[i].y, opaque, 0, 0, items[i].kind}, true});
}

void addAmbient(SpriteTable& table, const Shop& shop, const ShopScene& scene)
{
    using namespace ambient;
    if (shop.number == 9) {
        table.comment("Clouds drifting over the sky (the round moves them), each a gently changing sheet");
        table.add({"CloudFar", "AnimateSprite", {"ambient_cloudfar"}, {-25, -6, cloudFrames, 1, 0, 14, 1, 1},
            true});
        table.add({"CloudClose", "AnimateSprite", {"ambient_cloudclose"},
            {-300, 15, cloudFrames, 1, 0, 10, 1, 1}, true});
    }
    const ScenePoint* spot = scene.findSpot("ambientAnim1");
    if (!spot)
        return;
    table.comment("The ambient animation: cell 0 is its resting look, the round plays the rest");
    const char* picture = shop.number == 4 ? "ambient_butterfly"
        : shop.number == 9                 ? "ambient_gull"
                                           : "ambient_cuckoo";
    const int frames = shop.number == 4 ? butterflyFrames : shop.number == 9 ? gullFrames : cuckooFrames;
    table.add(sheet("ambientAnim1", picture, spot->x, spot->y, frames, 1, 0));
}

void addHud(SpriteTable& table)
{
    using namespace hud;
    table.comment("HUD: the star tray, the clock, the hint button and its count, the Blitz counters");
    table.add(sprite("hud_tray", "hud_tray", trayX, trayY));
    for (int n = 1; n <= 15; ++n) {
        const char* picture = n < 10 ? "hud_star"
            : n < 13                 ? "hud_star_bronze"
            : n < 15                 ? "hud_star_silver"
                                     : "hud_star_gold";
        table.add(sprite(
            "star" + std::to_string(n), picture, starsLeft + (n - 1) * starPitch - 2, starY - 2, false));
    }
    table.add(sprite("blitzmenucover", "hud_blitz", trayX, trayY, false));
    table.add(number("numcur", "digits_small", trayX + 224, trayY + 5, 2, 0, 0, 1, false));
    table.add(number("numgoal", "digits_small", trayX + 250, trayY + 5, 0, 0, 0, 1, false));
    table.add(sprite("lowtime", "hud_lowtime", clockX - 15, clockY - 12, false));
    table.add(sprite("hud_clock", "hud_clock", clockX, clockY));
    // The clock's digits stand closer than their cells, as the separator does.
    table.add(
        number("numtimeleft", "digits", clockDigitsRight, clockDigitsY, 2, 300, 3, 3, true, clockDigitOverlap));
    table.add(button("buttonhint", "hud_hint", hintX, hintY, 0));
    table.add(number("numhints", "digits_small", hintCountX, hintCountY, 1, 3, 0, 1));
    table.add(sprite("morehints", "hud_morehints", moreHintsX, moreHintsY));
}

void addRisingStars(SpriteTable& table)
{
    using namespace hud;
    table.comment("Stars that rise over customer place 1 to 5 and fly to the tray, with their glow");
    const char* kinds[][2]
        = {{"bronzeStar", "star_bronze"}, {"silverStar", "star_silver"}, {"goldStar", "star_gold"}};
    for (const auto& kind : kinds)
        for (int place = 1; place <= 5; ++place)
            table.add(
                sprite(kind[0] + std::to_string(place), kind[1], customerStarX(place), customerStarY, false));
    for (int place = 1; place <= 5; ++place)
        table.add(sprite("particleStar" + std::to_string(place), "star_glow", glowX(place), glowY, false));
}

// The player's own shop: the decoration pictures of every slot and option (the round shows
// the chosen one), and the buttons of the decorating visits.
void addMyShopLayers(SpriteTable& table, bool below)
{
    const int slots[] = {1, 2, 9, 4, 7, 8, 10, 11};
    for (int slot : slots) {
        const bool wallOrFloor = slot == 1 || slot == 2;
        if (wallOrFloor != below)
            continue;
        const ScenePoint place = myShopDecorationPlace(slot);
        for (int value = 0; value <= 3; ++value) {
            const std::string kind = slot <= 6 ? "C" : "A";
            const std::string name
                = "myshop_upgrade_" + kind + "_" + std::to_string(slot) + "_" + std::to_string(value);
            table.add(sprite(name, name, place.x, place.y, value == 0));
        }
    }
}

void addDecoratingButtons(SpriteTable& table)
{
    using namespace myshop;
    table.comment("Decorating visits: the instruction of the day (frame = day - 1), slot buttons 7 to 11, "
                  "options, next");
    table.add({"txtbox2", "AnimateSprite", {"myshop_caption"}, {captionX, captionY, 1, 5, -1}, false});
    for (int slot = 7; slot <= 11; ++slot) {
        SpriteEntry b = button("btnupgrade" + std::to_string(slot), "myshop_slot" + std::to_string(slot),
            slotX + (slot - 7) * slotPitch, slotY, 0);
        b.shownAtStart = false;
        table.add(b);
        for (int option = 1; option <= 3; ++option) {
            const std::string name = "upgrade" + std::to_string(slot) + "-" + std::to_string(option);
            SpriteEntry o
                = button(name, "myshop_option" + std::to_string(slot) + "_" + std::to_string(option),
                    optionX + (option - 1) * optionPitch, optionY, 0);
            o.shownAtStart = false;
            table.add(o);
        }
    }
    SpriteEntry next = button("nextbutton", "myshop_next", nextX, nextY, 0);
    next.shownAtStart = false;
    table.add(next);
}

} // namespace

std::string shopBackgroundName(int shop)
{
    return "shopbg" + twoDigits(shop);
}

std::string shopSignName(int shop)
{
    return "shopsign" + twoDigits(shop);
}

SpriteTable shopTable(const Shop& shop, const ShopScene& scene, const std::vector<ItemPlacement>& items)
{
    SpriteTable table;
    const bool myShop = shop.number == 12;
    if (myShop) {
        table.comment("The wall and floor the player chose, under the shelves");
        addMyShopLayers(table, true);
    }
    table.comment("The room");
    table.add(sprite("background", shopBackgroundName(shop.number), 0, 0));
    if (myShop) {
        table.comment("Counter, rug, plant, wall picture, ornament and pet: value 0 is the empty place");
        addMyShopLayers(table, false);
    }
    addAmbient(table, shop, scene);
    addItems(table, shop, items);
    table.comment("Hidden hint tokens");
    for (const ScenePoint& token : scene.hintTokens())
        table.add(sprite(token.name, "hint_token", token.x, token.y));
    if (const ScenePoint* tutorial = scene.findSpot("hint_7")) {
        table.add(sprite("hint_7", "hint_token", tutorial->x, tutorial->y, false));
        const ScenePoint* bubble = scene.findSpot("hint_popup_bubble");
        table.add(sprite("hint_popup_bubble", "hint_bubble", bubble->x, bubble->y, false));
    }
    table.comment("The shop's sign");
    table.add(sprite("sign", shopSignName(shop.number), ShopScene::signX, ShopScene::signY));
    addHud(table);
    table.comment("Customers come in here, below the menu button");
    table.add(button("buttonmenu", "hud_menu", hud::menuX, hud::menuY, 1));
    table.add(sheet("money", "money", 0, 0, 5, 1, -1));
    addRisingStars(table);
    table.add({"Twinkles", "SparkleSprite", {"twinkles"}, {0, 0, 8, 1, -1}, false});
    if (myShop)
        addDecoratingButtons(table);
    table.comment("Pointers and pages in front of everything");
    table.add(sprite("noGoCursor", "nogo_cursor", 0, 0, false));
    table.add(sprite("pauseScreen", "pause_screen", 0, 0, false));
    return table;
}

SpriteTable previewTable(const SpriteTable& shopTable, const Shop& shop)
{
    SpriteTable preview;
    for (const SpriteEntry& e : shopTable.entries()) {
        if (!e.shownAtStart)
            continue; // a plain sprite has no hidden state in a table: leave it out
        SpriteEntry out = e;
        if (e.className == "ShopItemSprite") {
            out.className = "Sprite";
            out.numbers.resize(2);
        }
        preview.add(out);
    }
    preview.comment("Three customers and their wishes");
    const int places[] = {0, 2, 3}, faces[] = {1, 6, 9};
    for (int i = 0; i < 3; ++i) {
        const int x = places[i] * 160 + 3;
        preview.add(sheet("", "custfaces", x, 510, 4, 4, faces[i]));
        preview.add(sprite("", "thoughtbubble", x, 396));
        preview.add({previewWishName(shop.number, i + 1), "NewFontSprite", {"font_bubble", "font_bubble_m"},
            {x + 72, 424, 1}, true});
    }
    return preview;
}

SpriteTable decoratingPreviewTable(const SpriteTable& shopTable)
{
    SpriteTable preview;
    for (const SpriteEntry& e : shopTable.entries()) {
        SpriteEntry out = e;
        if (e.className == "ShopItemSprite") {
            out.className = "Sprite";
            out.numbers.resize(2);
        } else if (e.name.rfind("myshop_upgrade_", 0) == 0) {
            if (e.name.back() != '2')
                continue;
        } else if (e.name == "txtbox2") {
            out.numbers[4] = 0; // the first day's instruction
        } else if (e.name.rfind("btnupgrade", 0) == 0 || e.name.rfind("upgrade7-", 0) == 0
            || e.name == "nextbutton") {
            out.numbers[7] = 1;
        } else if (!e.shownAtStart) {
            continue;
        }
        preview.add(out);
    }
    return preview;
}

std::string previewWishName(int shop, int n)
{
    return "PREVIEW_WISH_" + std::to_string(shop) + "_" + std::to_string(n);
}

std::string previewWishText(const Shop& shop, int n)
{
    const CatalogueItem& item = shop.items[size_t((n * 17) % int(shop.items.size()))];
    const std::string singular = singularOf(item.text);
    if (n == 1)
        return singular;
    const size_t star = item.text.find('*');
    const std::string plural = star == std::string::npos
        ? singular + "s"
        : item.text.substr(star + 1, item.text.find(':') - star - 1);
    return std::to_string(n) + " " + plural;
}

} // namespace contentgen
