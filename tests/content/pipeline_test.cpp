// The content pipeline end to end: the package holds exactly the generated files, a fresh
// build gives the same bytes, and the checker passes the game's package but reports a
// missing name or a bad table entry with its file and line.
#include "lang/Exception.h"
#include "lang/Ref.h"
#include "lang/ResourceFileHeader.h"
#include "lang/ResourceItem.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace {

const std::string Build = KIPTO2_CONTENT_BUILD;
const std::string Source = KIPTO2_CONTENT_SOURCE;
const char* Lists[] = {"tables", "sounds", "ui", "items", "texts", "gallery", "menus", "campaign", "shops"};

std::vector<uint8_t> readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string readText(const std::string& path)
{
    const std::vector<uint8_t> bytes = readFile(path);
    return std::string(bytes.begin(), bytes.end());
}

// Runs a command; its standard error goes to `errors`.
int run(const std::string& command, std::string* errors = nullptr)
{
    testing_support::TempFolder folder;
    const std::string errorFile = folder.file("errors.txt");
    const int status = std::system((command + " 2>" + errorFile + " >/dev/null").c_str());
    if (errors)
        *errors = readText(errorFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string listArguments(const std::string& folder)
{
    std::string out;
    for (const char* list : Lists)
        out += " @" + folder + "/" + list + ".list";
    return out;
}

std::string checkCommand(const std::string& package, const std::string& names, const std::string& folder = Build)
{
    std::string command = std::string(KIPTO2_CONTENT_CHECK) + " " + package + " " + names + " " + Source + "/classes.txt --table gallery";
    for (const char* list : Lists)
        command += " --list " + folder + "/" + list + ".list";
    return command;
}

std::vector<uint8_t> itemBytes(lang::ResourceFileHeader& package, const std::string& name)
{
    lang::Ref<lang::ResourceItem> item = lang::adopt(package.getItem(lang::String(name.c_str()), false));
    if (!item)
        return {};
    return std::vector<uint8_t>(item->getData(), item->getData() + item->getSize());
}

} // namespace

TEST(Pipeline, PackageHoldsEveryGeneratedFileUnchanged)
{
    lang::Ref<lang::ResourceFileHeader> package = lang::adopt(new lang::ResourceFileHeader(lang::String((Build + "/../Kipto2.bin").c_str())));
    int items = 0;
    for (const char* list : Lists) {
        std::istringstream lines(readText(Build + "/" + list + ".list"));
        bool text = false;
        for (std::string line; std::getline(lines, line);) {
            if (line == "--text") {
                text = true;
                continue;
            }
            const size_t equals = line.find('=');
            std::vector<uint8_t> expected = readFile(line.substr(equals + 1));
            if (text)
                expected.push_back(0); // text items end with a zero byte
            EXPECT_EQ(itemBytes(*package, line.substr(0, equals)), expected) << line;
            text = false;
            ++items;
        }
    }
    EXPECT_GT(items, 1000);
    EXPECT_EQ(package->getItemCount(), items);
}

TEST(Pipeline, AFreshBuildGivesTheSamePackageBytes)
{
    testing_support::TempFolder temp;
    const std::string folder = temp.path;
    const std::string gen = KIPTO2_CONTENT_GEN;
    const std::string steps[] = {
        "sounds " + folder + "/sounds " + folder + "/sounds.list",
        "items " + folder + "/items " + folder + "/items.list " + Source + "/items.txt",
        "ui " + folder + "/ui " + folder + "/ui.list " + Source + "/buttons.txt",
        "texts " + folder + "/texts " + folder + "/texts.list " + Source + "/texts.txt " + Source + "/items.txt",
        "gallery " + folder + "/gallery " + folder + "/gallery.list " + folder + "/ui " + folder + "/items " + folder + "/texts "
            + Source + "/items.txt",
        "menus " + folder + "/menus " + folder + "/menus.list " + folder + "/ui " + Source + "/items.txt",
        "campaign " + folder + "/campaign " + folder + "/campaign.list " + Source + "/tables " + Source + "/items.txt",
        "shops " + folder + "/shops " + folder + "/shops.list " + Source + "/items.txt " + folder + "/ui " + folder + "/items " + Source
            + "/tables"};
    for (const std::string& step : steps)
        ASSERT_EQ(run(gen + " " + step), 0) << step;
    // The tables are the sources themselves: the top-level table and every sub-table.
    std::filesystem::copy_file(Build + "/tables.list", folder + "/tables.list", std::filesystem::copy_options::overwrite_existing);
    const std::string package = folder + "/Kipto2.bin";
    ASSERT_EQ(run(std::string(KIPTO2_PACKAGE_TOOL) + " create " + package + listArguments(folder)), 0);
    EXPECT_TRUE(readFile(package) == readFile(Build + "/../Kipto2.bin"));
}

TEST(Pipeline, CheckerPassesTheGamePackage)
{
    std::string errors;
    EXPECT_EQ(run(checkCommand(Build + "/../Kipto2.bin", Source + "/names.txt"), &errors), 0) << errors;
}

TEST(Pipeline, CheckerReportsMissingNamesWithTheirLine)
{
    testing_support::TempFolder folder;
    const std::string names = folder.file("names.txt");
    std::ofstream(names) << "sprite Dim\nsprite NoSuchSprite\ntext NO_SUCH_TEXT\nsound 61\nsound 62\npicture logo\npicture datfile\n";
    std::string errors;
    EXPECT_EQ(run(checkCommand(Build + "/../Kipto2.bin", names), &errors), 1);
    EXPECT_NE(errors.find("names.txt:2: error: no table declares the sprite NoSuchSprite"), std::string::npos) << errors;
    EXPECT_NE(errors.find("names.txt:3: error: the package has no text NO_SUCH_TEXT"), std::string::npos) << errors;
    EXPECT_NE(errors.find("names.txt:5: error: the top-level table has no sound entry 62 (it has 62)"), std::string::npos) << errors;
    EXPECT_NE(errors.find("names.txt:7: error: the picture datfile does not decode"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("names.txt:1:"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("names.txt:4:"), std::string::npos) << errors;
    EXPECT_EQ(errors.find("names.txt:6:"), std::string::npos) << errors;
}

TEST(Pipeline, CheckerReportsBadTableEntriesWithTheirLine)
{
    testing_support::TempFolder temp;
    const std::string folder = temp.path;
    const std::string table = folder + "/datfile.txt";
    std::ofstream(table) << "<sounds>\n+snd_click.wav\n+no_such.wav\n"           // lines 1-3
                            "<sprites>\n"                                          // 4
                            "a  Sprite        logo   0 0\n"                         // 5: fine
                            "b  NoSuchSprite  logo   0 0\n"                         // 6: unknown class
                            "c  Sprite        logo   0\n"                           // 7: one number short
                            "a  RectSprite    0 0 800 600 0\n"                      // 8: duplicate name
                            "d  Sprite        nopicture 0 0\n"                      // 9: missing picture
                            "e  AnimateSprite stars 0 0 5 1\n"                      // 10: 144 px in 5 cells
                            "f  NewFontSprite font_body logo 0 0\n"                 // 11: logo is no metrics table
                            "g  Sprite:+sub logo 0 0\n"                        // 12: no container
                            "<bogus>\n";                                            // 13
    std::ofstream(folder + "/tables.list") << "datfile=" << table << "\n";
    const std::string package = folder + "/test.bin";
    ASSERT_EQ(run(std::string(KIPTO2_PACKAGE_TOOL) + " create " + package + " @" + folder + "/tables.list @" + Build + "/ui.list @"
                  + Build + "/sounds.list"), 0);
    const std::string names = folder + "/names.txt";
    std::ofstream(names) << "; nothing\n";
    std::string command = std::string(KIPTO2_CONTENT_CHECK) + " " + package + " " + names + " " + Source + "/classes.txt --list " + folder + "/tables.list";
    std::string errors;
    EXPECT_EQ(run(command, &errors), 1);
    const std::string where = table + ":";
    EXPECT_NE(errors.find(where + "3: error: sound +no_such.wav is not in the package"), std::string::npos) << errors;
    EXPECT_NE(errors.find(where + "6: error: sprite b: class NoSuchSprite is not registered for tables"), std::string::npos) << errors;
    EXPECT_NE(errors.find(where + "7: error: sprite c: Sprite takes 2 to 2 numbers, not 1"), std::string::npos) << errors;
    EXPECT_NE(errors.find(where + "8: error: duplicate sprite name a"), std::string::npos) << errors;
    EXPECT_NE(errors.find(where + "9: error: picture nopicture is not in the package"), std::string::npos) << errors;
    EXPECT_NE(errors.find(where + "10: error: sprite e: picture stars (144x48) does not split into 5x1 cells"), std::string::npos) << errors;
    EXPECT_NE(errors.find(where + "11: error: font font_body: glyph of code"), std::string::npos) << errors;
    EXPECT_NE(errors.find(where + "12: error: sprite g: Sprite is no container"), std::string::npos) << errors;
    EXPECT_NE(errors.find(where + "13: error: unknown section <bogus>"), std::string::npos) << errors;
    EXPECT_EQ(errors.find(where + "5:"), std::string::npos) << errors;
}
