// Runs the kipto2-package tool: a folder goes into a package and comes back byte for byte.
#include "PackageFiles.h"

#include "lang/Ref.h"
#include "lang/ResourceFileHeader.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sys/wait.h>

using testing_support::readFile;
using testing_support::writeFile;

namespace {

// The tool's exit status for the arguments (each is quoted for the shell).
int runTool(const std::vector<std::string>& arguments, const std::string& output = "/dev/null")
{
    std::string command = "'" KIPTO2_PACKAGE_TOOL "'";
    for (const std::string& argument : arguments)
        command += " '" + argument + "'";
    command += " >'" + output + "' 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string randomBytes(std::mt19937& generator, size_t count)
{
    std::string bytes(count, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator());
    return bytes;
}

class PackageToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::mt19937 generator(2024);
        files = {
            {"logo.png", randomBytes(generator, 70000)},
            {"texts/title.txt", "Kipto2\n"},
            {"texts/empty", ""},
            {"sounds/deep/click.ogg", randomBytes(generator, 3000)},
            {"zeros.bin", std::string(1000, '\0')},
            {"B-upper", "sorted before lower-case names"},
        };
        for (const auto& [name, bytes] : files)
            writeFile(folder.file("in/" + name), bytes);
    }

    testing_support::TempFolder folder;
    std::vector<std::pair<std::string, std::string>> files;
};

TEST_F(PackageToolTest, AFolderRoundTripsByteForByte)
{
    const std::string package = folder.file("out.bin");
    ASSERT_EQ(runTool({"create", package, "--dir", folder.file("in")}), 0);

    for (const auto& [name, bytes] : files) {
        const std::string extracted = folder.file("extracted");
        ASSERT_EQ(runTool({"extract", package, name, extracted}), 0) << name;
        EXPECT_EQ(readFile(extracted), bytes) << name;
    }

    // The game's reader finds the same bytes under the same names.
    lang::Ref<lang::ResourceFileHeader> header = lang::adopt(new lang::ResourceFileHeader(lang::String(package.c_str())));
    EXPECT_EQ(header->getItemCount(), static_cast<int32_t>(files.size()));
    for (const auto& [name, bytes] : files) {
        lang::Ref<lang::ResourceItem> item = lang::adopt(header->getItem(lang::String(name.c_str()), false));
        ASSERT_TRUE(item) << name;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(item->getData()), static_cast<size_t>(item->getSize())), bytes);
    }
}

TEST_F(PackageToolTest, OutputIsDeterministicAndSortedByName)
{
    const std::string first = folder.file("first.bin");
    const std::string second = folder.file("second.bin");
    ASSERT_EQ(runTool({"create", first, "--dir", folder.file("in")}), 0);
    ASSERT_EQ(runTool({"create", second, "--dir", folder.file("in")}), 0);
    EXPECT_EQ(readFile(first), readFile(second));
    // First word and header size are zero.
    EXPECT_EQ(readFile(first).substr(0, 8), std::string(8, '\0'));

    const std::string listing = folder.file("listing.txt");
    ASSERT_EQ(runTool({"list", first}, listing), 0);
    const std::string text = readFile(listing);
    std::vector<std::string> order;
    for (const char* name : {"B-upper", "logo.png", "sounds/deep/click.ogg", "texts/empty", "texts/title.txt", "zeros.bin"})
        order.push_back(name);
    size_t at = 0;
    for (const std::string& name : order) {
        const size_t found = text.find(" " + name + "\n", at);
        ASSERT_NE(found, std::string::npos) << name << " missing or out of order in\n" << text;
        at = found;
    }
}

TEST_F(PackageToolTest, PairsKeepTheirOrderAndTextsGetATerminator)
{
    const std::string package = folder.file("pairs.bin");
    ASSERT_EQ(runTool({"create", package, "title=" + folder.file("in/texts/title.txt"), "--text",
                       "title=" + folder.file("in/texts/title.txt")}),
              0);
    lang::Ref<lang::ResourceFileHeader> header = lang::adopt(new lang::ResourceFileHeader(lang::String(package.c_str())));
    lang::Ref<lang::ResourceItem> item = lang::adopt(header->getItem(lang::String("title"), true));
    ASSERT_TRUE(item);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(item->getData()), static_cast<size_t>(item->getSize())),
              std::string("Kipto2\n\0", 8));
}

TEST_F(PackageToolTest, ListFilesGiveItemsToo)
{
    const std::string list = folder.file("items.list");
    writeFile(list, "--text\r\ntitle=" + folder.file("in/texts/title.txt") + "\n\nlogo=" + folder.file("in/logo.png") + "\n");
    const std::string package = folder.file("listed.bin");
    ASSERT_EQ(runTool({"create", package, "@" + list}), 0);
    lang::Ref<lang::ResourceFileHeader> header = lang::adopt(new lang::ResourceFileHeader(lang::String(package.c_str())));
    EXPECT_EQ(header->getItemCount(), 2);
}

TEST_F(PackageToolTest, BadRequestsFailWithTheirOwnStatus)
{
    const std::string package = folder.file("out.bin");
    EXPECT_EQ(runTool({}), 2);
    EXPECT_EQ(runTool({"frobnicate"}), 2);
    EXPECT_EQ(runTool({"create", package, "--bogus"}), 2);
    EXPECT_EQ(runTool({"create", package, "--dir"}), 2);
    EXPECT_EQ(runTool({"create", package, "noequals"}), 1);
    EXPECT_EQ(runTool({"create", package, "name=" + folder.file("missing")}), 1);
    EXPECT_EQ(runTool({"create", package, std::string(256, 'n') + "=" + folder.file("in/zeros.bin")}), 1);
    EXPECT_EQ(runTool({"create", package, "--dir", folder.file("no-such-folder")}), 1);
    EXPECT_FALSE(std::filesystem::exists(package));
    EXPECT_EQ(runTool({"list", folder.file("in/texts/title.txt")}), 1);
    ASSERT_EQ(runTool({"create", package, "--dir", folder.file("in")}), 0);
    EXPECT_EQ(runTool({"extract", package, "LOGO.PNG", folder.file("x")}), 1);
    EXPECT_EQ(runTool({"--help"}), 0);
}

} // namespace
