// kipto2-content-gen: draws the pictures and synthesises the sounds of the data package.
#include "Commands.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>

namespace {

const char Usage[] =
    "usage: kipto2-content-gen COMMAND OUTDIR LIST [SOURCE...]\n"
    "  sounds    every sound of the sound table and the music\n"
    "  ui        the loading screen, icon, UI kit, fonts and digits; SOURCE is content/buttons.txt\n"
    "  items     item pictures; SOURCE is the catalogue (content/items.txt)\n"
    "  gallery   the gallery table and preview; SOURCE is the ui, items and texts folders, then the catalogue\n"
    "  texts     text items; SOURCE is content/texts.txt, then the catalogue\n"
    "  menus     the menu screens' pictures; SOURCE is the ui folder, then the catalogue\n"
    "  menupreview  a preview table of the menu screens for the harness; SOURCE is content/\n"
    "  campaign  calendar, upgrade screen and story board pictures; SOURCE is content/tables, then the catalogue\n"
    "  shops     the shop round's pictures and tables; SOURCE is the catalogue, the ui and items folders and\n"
    "            content/tables, whose shop tables are checked (or rewritten with a last --write-tables)\n"
    "Writes the files into OUTDIR and one NAME=PATH line per package item into LIST.\n";

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    const std::string outDir = argv[2];
    const std::string list = argv[3];
    try {
        std::filesystem::create_directories(outDir);
        if (command == "sounds")
            return contentgen::makeSounds(outDir, list);
        if (command == "ui" && argc == 5)
            return contentgen::makeUi(outDir, list, argv[4]);
        if (command == "gallery" && argc == 8)
            return contentgen::makeGallery(outDir, list, argv[4], argv[5], argv[6], argv[7]);
        if (command == "texts" && argc == 6)
            return contentgen::makeTexts(outDir, list, argv[4], argv[5]);
        if (command == "menus" && argc == 6)
            return contentgen::makeMenus(outDir, list, argv[4], argv[5]);
        if (command == "menupreview" && argc == 5)
            return contentgen::makeMenuPreview(outDir, list, argv[4]);
        if (command == "campaign" && argc == 6)
            return contentgen::makeCampaign(outDir, list, argv[4], argv[5]);
        if (command == "shops" && (argc == 8 || (argc == 9 && std::string(argv[8]) == "--write-tables")))
            return contentgen::makeShops(outDir, list, argv[4], argv[5], argv[6], argv[7], argc == 9);
        if (command == "items" && argc == 5)
            return contentgen::makeItems(outDir, list, argv[4]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kipto2-content-gen %s: %s\n", command.c_str(), e.what());
        return 1;
    }
    std::fputs(Usage, stderr);
    return 2;
}
