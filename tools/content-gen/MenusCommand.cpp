// The pictures and fonts of the menu screens: main menu, options, instructions, profiles,
// mini menu, shop-unlock announcement, Blitz menu and best-times panel. The sprite tables
// that place them are content/tables/*.txt; the sizes here and the numbers there go together.
#include "Commands.h"

#include "Catalogue.h"
#include "DialogArt.h"
#include "FontSheet.h"
#include "InstructionPages.h"
#include "MainMenuArt.h"
#include "MenuKit.h"
#include "Png.h"
#include "ShopArt.h"
#include "Style.h"

namespace contentgen {

namespace {

void mainMenu(ItemList& out, const EmojiFont& emoji)
{
    out.picture("mm_backdrop", menuBackdrop(emoji));
    out.picture("mm_title", menuTitle());
    out.picture("mm_cloud_big", menuCloud(340, 130, 5, 1));
    out.picture("mm_cloud_small", menuCloud(190, 80, 4, 2));
    const StartSignSheets sign = startSignSheets(emoji);
    out.picture("mm_rattle", sign.rattle);
    out.picture("mm_burst1", sign.burst1);
    out.picture("mm_burst2", sign.burst2);
}

// The ink font of names (profile rows, the name being typed) and announcements.
void nameFont(ItemList& out)
{
    const BakedFont font = bakeFont(style::titleFont, 26, inkLook(style::ink), 1);
    out.picture("font_name", font.sheet);
    out.file("font_name_m", ".png", encodePng(6, 256, metricsRgba(font.metrics)));
}

void options(ItemList& out, const EmojiFont& emoji)
{
    out.picture("opt_panel",
        labelledPanel(emoji, 540, 370,
            {{"Sound effects", 34, 102, 22, false, 0x1F50A}, {"Music", 34, 172, 22, false, 0x1F3B5},
                {"Full screen", 34, 242, 22, false, 0x1F5A5}}));
    out.picture("opt_title", titledRibbon(340, 80, style::sky, style::skyDark, "Options", 34));
    out.picture("opt_groove", sliderGroove(44, 28));
    out.picture("opt_knob", knobSheet(44));
}

void instructions(ItemList& out, const EmojiFont& emoji, const std::string& uiDir)
{
    out.picture("ins_panel", panel(640, 490));
    out.picture("ins_title", titledRibbon(380, 80, style::berry, style::berryDark, "How to play", 34));
    const std::vector<Picture> pages = instructionPages(emoji, uiDir);
    for (size_t i = 0; i < pages.size(); ++i)
        out.picture("ins_page" + std::to_string(i + 1), pages[i]);
    out.picture("ins_versiontag", darkTag(84, 22));
}

void profiles(ItemList& out, const EmojiFont& emoji)
{
    out.picture("pl_panel", panel(480, 476));
    out.picture("pl_title", titledRibbon(400, 80, style::berry, style::berryDark, "Choose your player", 32));
    out.picture("pl_row", profileRowSheet(320, 54));
    out.picture("pl_confirm", panel(400, 240));
    out.picture("menu_arrow_up", roundArrowSheet(52, true));
    out.picture("menu_arrow_down", roundArrowSheet(52, false));
    out.picture("menu_close", closeButtonSheet(52));
    out.picture("pp_panel",
        labelledPanel(emoji, 480, 300,
            {{"Type your name:", 60, 88, 24, false, 0x270F},
                {"Letters, digits and spaces, up to 9", 112, 188, 15, true, 0}}));
    out.picture("pp_title", titledRibbon(380, 80, style::berry, style::berryDark, "Who is playing?", 32));
    out.picture("pp_field", nameField(360, 60));
}

void miniMenu(ItemList& out)
{
    out.picture("mini_panel", panel(360, 456));
    out.picture("mini_title", titledRibbon(300, 80, style::sky, style::skyDark, "Paused", 34));
}

void shopUnlock(ItemList& out, const EmojiFont& emoji)
{
    out.picture("su_panel", panel(500, 450));
    out.picture("su_title", titledRibbon(400, 80, style::berry, style::berryDark, "Grand opening!", 34));
    out.picture("su_blitztitle", titledRibbon(400, 80, style::sky, style::skyDark, "Blitz mode!", 34));
    out.picture("su_rays", sunRays(260));
    out.picture("su_shopicons", storefrontStrip(emoji, 160));
}

void blitz(ItemList& out, const EmojiFont& emoji, const std::vector<Shop>& shops)
{
    out.picture("bz_backdrop", blitzBackdrop());
    out.picture("bz_title", titledRibbon(420, 84, style::berry, style::berryDark, "Blitz mode", 38));
    Picture subtitle(520, 34);
    drawLine(subtitle, Font(style::titleFont, 26), "Pick a shop and beat the clock!", 260, 26,
        outlinedLook(style::white, style::woodDark, 2.5f), Align::Centre);
    out.picture("bz_subtitle", subtitle);
    out.picture("bz_card", blitzCard(182, 136));
    out.picture("bz_shops", shopButtonSheet(emoji, 80));
    out.picture("bz_best", bestLabel(emoji, 78, 26));
    out.picture("bz_stars", ratingStars(22));
    out.picture("bz_howto", panel(560, 420));

    std::vector<std::string> names;
    for (const Shop& shop : shops)
        names.push_back(shop.title);
    out.picture("bt_board", scoreBoard(640, 450, 68, 30, 10, {{20, 284}, {298, 560}}));
    out.picture("bt_shoptitles", chalkTitles(names, 360, 44));
    out.picture("bt_modetitles",
        ribbonTitles({"Global best times", "Local best times"}, 440, 84, style::berry, style::berryDark, 34));
    out.picture("bt_past24", badge("Past 24 hours", 150, 36, style::leaf, style::leafDark));
    out.picture("bt_strip", labelledPanel(emoji, 150, 450, {{"Shops", 42, 42, 22, false, 0}}));
    out.picture("bt_shops", shopButtonSheet(emoji, 56));
}

} // namespace

int makeMenus(const std::string& outDir, const std::string& listPath, const std::string& uiDir,
    const std::string& cataloguePath)
{
    const std::vector<Shop> shops = readCatalogue(cataloguePath);
    const EmojiFont emoji(style::emojiFont);
    ItemList out(outDir, listPath);
    mainMenu(out, emoji);
    nameFont(out);
    options(out, emoji);
    instructions(out, emoji, uiDir);
    profiles(out, emoji);
    miniMenu(out);
    shopUnlock(out, emoji);
    blitz(out, emoji, shops);
    return 0;
}

} // namespace contentgen
