// The Windows parts of the platform seams, run under Wine: file names in Windows-1252 against
// the system's UTF-16 names, the program's folder in the file search, the settings folders and
// the font files.
#include "lang/FileSearch.h"
#include "lang/detail/Paths.h"
#include "sprite/settings/SettingsLocation.h"
#include "support/TempFolder.h"
#include "window/text/freetype/FontFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

TEST(WindowsPaths, Cp1252NamesReachTheFilesOfTheirUnicodeNames)
{
    std::string every;
    for (int c = 0x20; c <= 0xFF; ++c)
        every.push_back(static_cast<char>(c));
    EXPECT_EQ(lang::detail::fromPath(lang::detail::toPath(lang::String(every.c_str()))), lang::String(every.c_str()));

    testing_support::TempFolder folder;
    // "Café €.bin": é is 0xE9 and € is 0x80 in Windows-1252, U+00E9 and U+20AC on the disk.
    const fs::path onDisk = fs::path(folder.path) / L"Caf\u00E9 \u20AC.bin";
    std::ofstream(onDisk) << "x";
    const lang::String name = lang::detail::fromPath(fs::path(folder.path)) + "\\Caf\xE9 \x80.bin";
    EXPECT_EQ(lang::findFile(name), name);
    EXPECT_EQ(lang::findFile(lang::detail::fromPath(fs::path(folder.path)) + "\\Cafe \x80.bin"), lang::String(""));
}

TEST(WindowsPaths, RelativeNamesAreFoundBesideTheProgram)
{
    const std::string name = "kipto2-beside-" + std::to_string(std::random_device()()) + ".bin";
    const fs::path beside = lang::detail::toPath(lang::programDirectory()) / name;
    ASSERT_TRUE(fs::exists(beside.parent_path() / "windows_platform_tests.exe"));
    std::ofstream(beside) << "x";
    const lang::String found = lang::findFile(lang::String(name.c_str()));
    std::error_code ignored;
    fs::remove(beside, ignored);
    EXPECT_EQ(lang::detail::toPath(found), beside);
}

TEST(WindowsSettings, FoldersAreMadeWithTheirParentsAndUnicodeNames)
{
    testing_support::TempFolder folder;
    std::string base = folder.path;
    for (char& c : base)
        if (c == '\\')
            c = '/';
    const std::string nested = base + "/Corvalen/Gar\xC3\xA7on/saves"; // "Garçon" in UTF-8
    EXPECT_TRUE(sprite::makeFolders(nested));
    EXPECT_TRUE(fs::is_directory(fs::path(folder.path) / L"Corvalen" / L"Gar\u00E7on" / L"saves"));
    EXPECT_TRUE(sprite::makeFolders(nested)) << "an existing folder";
    std::ofstream(fs::path(folder.path) / "file") << "x";
    EXPECT_FALSE(sprite::makeFolders(base + "/file/below")) << "a file in the way";

    const std::string user = sprite::userSettingsFolder();
    ASSERT_GE(user.size(), 10u);
    EXPECT_EQ(user.substr(user.size() - 9), "/Corvalen");
    EXPECT_EQ(user.find('\\'), std::string::npos);
}

// The bundled fonts lie beside the test program, as beside the game (see CMakeLists.txt).
TEST(WindowsFonts, FamiliesFindTheirOwnFilesOrTheBundledTwins)
{
    const bool systemArial = fs::exists(fs::path(L"C:\\windows\\Fonts\\arial.ttf"));
    window::FontFile file;
    ASSERT_TRUE(window::findFontFile("arial", true, true, file));
    EXPECT_TRUE(file.boldDesign);
    EXPECT_TRUE(file.slantedDesign);
    EXPECT_TRUE(fs::exists(file.path));
    if (!systemArial) {
        EXPECT_EQ(fs::path(file.path).filename(), "LiberationSans-BoldItalic.ttf");
        EXPECT_EQ(file.description, "Liberation Sans Bold Italic");
    }

    // DejaVu Sans has no italic among the bundled files: the regular one, slanted when drawn.
    ASSERT_TRUE(window::findFontFile("Verdana", false, true, file));
    EXPECT_FALSE(file.slantedDesign);
    EXPECT_FALSE(file.boldDesign);

    // An unknown family falls back to the sans-serif family in its regular style.
    ASSERT_TRUE(window::findFontFile("No Such Family", false, false, file));
    EXPECT_FALSE(file.boldDesign);
    if (!systemArial)
        EXPECT_EQ(fs::path(file.path).filename(), "LiberationSans-Regular.ttf");
}
