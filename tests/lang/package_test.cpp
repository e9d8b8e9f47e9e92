// The resource package: lookups, kept and private items, the chain, texts, item streams, and
// packages that are cut short or lie about their contents.
#include "PackageFiles.h"

#include "io/ByteArrayInputStream.h"
#include "lang/Exception.h"
#include "lang/PackageDirectory.h"
#include "lang/Ref.h"
#include "lang/ResourceFile.h"

#include <gtest/gtest.h>

#include <thread>

using lang::Ref;
using lang::String;
using testing_support::Item;
using testing_support::packageBytes;

namespace {

class PackageTest : public ::testing::Test {
protected:
    void TearDown() override { lang::ResourceFile::closeAll(); }

    // Writes the bytes as a package file and opens it on its own.
    Ref<lang::ResourceFileHeader> open(const std::string& bytes, const std::string& name = "test.bin")
    {
        testing_support::writeFile(folder.file(name), bytes);
        return lang::adopt(new lang::ResourceFileHeader(String(folder.file(name).c_str())));
    }

    // Writes the bytes as a package file and adds it to the process's chain.
    void addToChain(const std::string& bytes, const std::string& name)
    {
        testing_support::writeFile(folder.file(name), bytes);
        lang::ResourceFile::add(String(folder.file(name).c_str()));
    }

    static std::string bytesOf(lang::ResourceItem* item)
    {
        return std::string(reinterpret_cast<const char*>(item->getData()), static_cast<size_t>(item->getSize()));
    }

    // The message of the exception that opening the bytes throws, or "" when it opens.
    std::string openFailure(const std::string& bytes)
    {
        try {
            open(bytes);
        } catch (lang::Exception* e) {
            std::string message = e->getMessage().c_str();
            e->release();
            return message;
        }
        return "";
    }

    testing_support::TempFolder folder;
};

TEST_F(PackageTest, EmptyDirectoryAnswersNullToEveryLookup)
{
    Ref<lang::ResourceFileHeader> header = open(packageBytes({}, "some header"));
    EXPECT_EQ(header->getItemCount(), 0);
    EXPECT_EQ(header->getItem(String("logo"), true), nullptr);
    EXPECT_EQ(header->getItem(String(""), false), nullptr);
    EXPECT_EQ(std::string(header->getHeaderBlock().begin(), header->getHeaderBlock().end()), "some header");
}

TEST_F(PackageTest, NamesOf255BytesAreFoundAndLetterCaseCounts)
{
    const std::string longName(255, 'n');
    Ref<lang::ResourceFileHeader> header = open(packageBytes({{longName, "long"}, {"Logo", "picture"}}));
    Ref<lang::ResourceItem> item = lang::adopt(header->getItem(String(longName.c_str()), false));
    ASSERT_TRUE(item);
    EXPECT_EQ(bytesOf(item.get()), "long");
    EXPECT_EQ(header->getItem(String("logo"), false), nullptr);
    EXPECT_EQ(header->getItem(String(std::string(254, 'n').c_str()), false), nullptr);
}

TEST_F(PackageTest, TheLaterOfTwoEqualNamesWins)
{
    Ref<lang::ResourceFileHeader> header = open(packageBytes({{"twice", "first"}, {"other", "x"}, {"twice", "second"}}));
    Ref<lang::ResourceItem> item = lang::adopt(header->getItem(String("twice"), false));
    ASSERT_TRUE(item);
    EXPECT_EQ(bytesOf(item.get()), "second");
}

TEST_F(PackageTest, TheLaterOfTwoEqualNamesWinsAcrossDirectoryGrowth)
{
    // Enough entries to make the directory rehash twice after both duplicates are in.
    std::vector<Item> items{{"twice", "first"}};
    for (int i = 0; i < 30; ++i)
        items.push_back({"filler" + std::to_string(i), "f"});
    items.push_back({"twice", "second"});
    for (int i = 30; i < 150; ++i)
        items.push_back({"filler" + std::to_string(i), "f"});
    Ref<lang::ResourceFileHeader> header = open(packageBytes(items));
    Ref<lang::ResourceItem> item = lang::adopt(header->getItem(String("twice"), false));
    ASSERT_TRUE(item);
    EXPECT_EQ(bytesOf(item.get()), "second");
}

TEST_F(PackageTest, KeptItemsAreSharedPrivateOnesAreNot)
{
    Ref<lang::ResourceFileHeader> header = open(packageBytes({{"text", "kept"}, {"picture", "mine"}}));
    Ref<lang::ResourceItem> kept1 = lang::adopt(header->getItem(String("text"), true));
    Ref<lang::ResourceItem> kept2 = lang::adopt(header->getItem(String("text"), true));
    ASSERT_TRUE(kept1);
    EXPECT_EQ(kept1.get(), kept2.get());
    EXPECT_EQ(kept1->getData(), kept2->getData()); // read once
    EXPECT_EQ(kept1->getRefCount(), 3);             // the directory's and ours
    EXPECT_EQ(bytesOf(kept1.get()), "kept");

    Ref<lang::ResourceItem> own1 = lang::adopt(header->getItem(String("picture"), false));
    Ref<lang::ResourceItem> own2 = lang::adopt(header->getItem(String("picture"), false));
    ASSERT_TRUE(own1 && own2);
    EXPECT_NE(own1.get(), own2.get());
    EXPECT_NE(own1->getData(), own2->getData());
    EXPECT_EQ(own1->getRefCount(), 1);
    EXPECT_EQ(bytesOf(own1.get()), "mine");
    EXPECT_EQ(bytesOf(own2.get()), "mine");
    EXPECT_TRUE(own1->isInstanceOf("FileItem"));
    EXPECT_TRUE(own1->isInstanceOf("ResourceItem"));

    // Once an item is kept, a private request gets the shared bytes too.
    Ref<lang::ResourceItem> afterKeep = lang::adopt(header->getItem(String("text"), false));
    EXPECT_EQ(afterKeep.get(), kept1.get());
}

TEST_F(PackageTest, PrivateRequestsFromTwoThreadsGetTheirOwnBytes)
{
    std::vector<Item> items;
    for (int i = 0; i < 8; ++i)
        items.push_back({"item" + std::to_string(i), std::string(4096 + i, static_cast<char>('a' + i))});
    Ref<lang::ResourceFileHeader> header = open(packageBytes(items));
    std::atomic<int> wrong{0};
    auto reader = [&](int first) {
        for (int round = 0; round < 300; ++round) {
            const int i = (first + round) % 8;
            Ref<lang::ResourceItem> item = lang::adopt(header->getItem(String(items[i].name.c_str()), false));
            if (!item || bytesOf(item.get()) != items[i].bytes)
                ++wrong;
        }
    };
    std::thread a(reader, 0);
    std::thread b(reader, 3);
    a.join();
    b.join();
    EXPECT_EQ(wrong, 0);
}

TEST_F(PackageTest, TextItemsDropTheirTerminatorAndConvertUtf8)
{
    addToChain(packageBytes({{"plain", std::string("abc", 4)},
                             {"accented", std::string("caf\xC3\xA9 \xE2\x82\xAC\0", 10)},
                             {"foreign", std::string("\xE6\x97\xA5-x\0", 6)},
                             {"empty", ""},
                             {"unterminated", "\xC3\xA9t\xC3\xA9"}}),
               "texts.bin");
    EXPECT_STREQ(lang::ResourceFile::loadText(String("plain")).c_str(), "abc");
    EXPECT_EQ(lang::ResourceFile::loadText(String("plain")).length(), 3);
    EXPECT_STREQ(lang::ResourceFile::loadText(String("accented")).c_str(), "caf\xE9 \x80");
    EXPECT_STREQ(lang::ResourceFile::loadText(String("foreign")).c_str(), ".-x");
    EXPECT_STREQ(lang::ResourceFile::loadText(String("empty")).c_str(), "");
    EXPECT_STREQ(lang::ResourceFile::loadText(String("unterminated")).c_str(), "\xE9t\xE9");
    EXPECT_STREQ(lang::ResourceFile::loadText(String("missing")).c_str(), "");
}

TEST_F(PackageTest, LoadTextWithoutAPackageIsEmpty)
{
    EXPECT_EQ(lang::ResourceFile::getDefault(), nullptr);
    EXPECT_TRUE(lang::ResourceFile::loadText(String("anything")).isEmpty());
}

TEST_F(PackageTest, ItemStreamsTakeOneLeadingPlusOff)
{
    addToChain(packageBytes({{"logo", "LOGO"}, {"+odd", "ODD"}}), "items.bin");
    auto readAll = [](const char* name) {
        io::ByteArrayInputStream stream{String(name)};
        std::string bytes;
        for (int c = stream.read(); c >= 0; c = stream.read())
            bytes.push_back(static_cast<char>(c));
        return bytes;
    };
    EXPECT_EQ(readAll("+logo"), "LOGO");
    EXPECT_EQ(readAll("logo"), "LOGO");
    EXPECT_EQ(readAll("++odd"), "ODD");
    EXPECT_EQ(readAll("+odd"), "");
    EXPECT_EQ(readAll("+missing"), "");
}

TEST_F(PackageTest, TheItemStreamKeepsItsItemAlive)
{
    addToChain(packageBytes({{"logo", "LOGO"}}), "items.bin");
    Ref<io::ByteArrayInputStream> stream = lang::adopt(new io::ByteArrayInputStream(String("+logo")));
    lang::ResourceFile::closeAll();
    uint8_t bytes[8] = {};
    EXPECT_EQ(stream->read(bytes, 0, 8), 4);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(bytes), 4), "LOGO");
}

TEST_F(PackageTest, OnlyLowerOrUpperDllNamesAreModulePackages)
{
    const std::string bytes = packageBytes({{"logo", "from file"}});
    testing_support::writeFile(folder.file("mixed.Dll"), bytes);
    Ref<lang::ResourceFile> mixed = lang::adopt(new lang::ResourceFile(String(folder.file("mixed.Dll").c_str())));
    EXPECT_TRUE(mixed->isFilePackage());
    Ref<lang::ResourceItem> item = lang::adopt(mixed->getItem(String("logo"), false));
    ASSERT_TRUE(item);
    EXPECT_EQ(bytesOf(item.get()), "from file");

    testing_support::writeFile(folder.file("lower.dll"), bytes);
    Ref<lang::ResourceFile> lower = lang::adopt(new lang::ResourceFile(String(folder.file("lower.dll").c_str())));
    EXPECT_FALSE(lower->isFilePackage());
    EXPECT_EQ(lower->getItem(String("logo"), false), nullptr);
    Ref<lang::ResourceFile> upper = lang::adopt(new lang::ResourceFile(String("GAME.DLL")));
    EXPECT_FALSE(upper->isFilePackage());
}

TEST_F(PackageTest, ModulePackagesPassLookupsOnAlongTheChain)
{
    lang::ResourceFile::add(String("extras.dll"));
    addToChain(packageBytes({{"logo", "found"}}), "main.bin");
    lang::ResourceFile* first = lang::ResourceFile::getDefault();
    ASSERT_NE(first, nullptr);
    EXPECT_FALSE(first->isFilePackage());
    Ref<lang::ResourceItem> item = lang::adopt(first->getItem(String("logo"), true));
    ASSERT_TRUE(item);
    EXPECT_EQ(bytesOf(item.get()), "found");
    EXPECT_STREQ(lang::ResourceFile::loadText(String("logo")).c_str(), "foun");
}

TEST_F(PackageTest, AFilePackageAnswersForTheWholeChain)
{
    addToChain(packageBytes({{"first", "1"}}), "first.bin");
    addToChain(packageBytes({{"second", "2"}}), "second.bin");
    lang::ResourceFile* chain = lang::ResourceFile::getDefault();
    EXPECT_EQ(chain->getItem(String("second"), false), nullptr);
    Ref<lang::ResourceItem> item = lang::adopt(chain->getItem(String("first"), false));
    EXPECT_TRUE(item);
}

TEST_F(PackageTest, AMissingPackageFailsToOpenWithAnEmptyPath)
{
    try {
        lang::ResourceFile::add(String("no-such-package-here.bin"));
        FAIL() << "opened a missing package";
    } catch (lang::Exception* e) {
        EXPECT_STREQ(e->getMessage().c_str(), "Error Opening ");
        e->release();
    }
    EXPECT_EQ(lang::ResourceFile::getDefault(), nullptr);
}

TEST_F(PackageTest, FilesTooShortForAHeaderAreNoPackages)
{
    const std::string path = folder.file("test.bin");
    EXPECT_EQ(openFailure(""), "Error Opening " + path);
    EXPECT_EQ(openFailure("abcdefg"), "Error Opening " + path);
    std::string hugeHeader;
    testing_support::appendUint32(hugeHeader, 0);
    testing_support::appendUint32(hugeHeader, 0xFFFFFFF0u);
    hugeHeader += std::string(64, 'h');
    EXPECT_EQ(openFailure(hugeHeader), "Error Opening " + path);
    std::string noCount;
    testing_support::appendUint32(noCount, 0);
    testing_support::appendUint32(noCount, 2);
    noCount += "hh";
    EXPECT_EQ(openFailure(noCount), "Error Opening " + path);
}

TEST_F(PackageTest, NegativeOrHugeCountsAndCutDirectoriesKeepWhatIsWhole)
{
    std::string negative = packageBytes({{"a", "A"}});
    negative[8] = negative[9] = negative[10] = negative[11] = '\xFF'; // N = -1
    EXPECT_EQ(open(negative)->getItemCount(), 0);

    std::string huge = packageBytes({{"a", "A"}, {"b", "B"}});
    huge[8] = huge[9] = huge[10] = '\xFF';
    huge[11] = '\x7F'; // N = 2^31 - 1, yet only two entries follow
    Ref<lang::ResourceFileHeader> header = open(huge);
    EXPECT_EQ(header->getItemCount(), 2);

    // A cut inside the second entry's name keeps the first entry...
    const std::string whole = packageBytes({{"first", "1"}, {"second", "2"}});
    const std::string cut = whole.substr(0, 12 + 1 + 5 + 8 + 1 + 3);
    io::ByteArrayInputStream stream(reinterpret_cast<const uint8_t*>(cut.data()), static_cast<int32_t>(cut.size()));
    lang::PackageDirectory directory;
    ASSERT_TRUE(lang::readPackageDirectory(stream, static_cast<int64_t>(cut.size()), directory));
    ASSERT_EQ(directory.entries.size(), 1u);
    EXPECT_STREQ(directory.entries[0].name.c_str(), "first");
    // ...but its bytes were cut off with the rest of the file, so the package does not list it.
    header = open(cut);
    EXPECT_EQ(header->getItemCount(), 0);
    EXPECT_EQ(header->getItem(String("first"), false), nullptr);
}

TEST_F(PackageTest, EntriesPointingOutsideTheFileAreNotFound)
{
    std::string bytes = packageBytes({{"good", "GOOD"}, {"late", "LATE"}, {"long", "LONG"}, {"wrap", "WRAP"}});
    // Directory entries start at 12; each is 1 + 4 + 8 bytes here.
    auto patch = [&](int entry, int field, uint32_t value) {
        std::string word;
        testing_support::appendUint32(word, value);
        bytes.replace(12 + entry * 13 + 5 + field * 4, 4, word);
    };
    patch(1, 0, static_cast<uint32_t>(bytes.size()));         // offset at the end
    patch(2, 1, 1000);                                         // size past the end
    patch(3, 0, 0xFFFFFFF0u);                                  // offset + size wraps in 32 bits
    patch(3, 1, 0x20);
    Ref<lang::ResourceFileHeader> header = open(bytes);
    Ref<lang::ResourceItem> good = lang::adopt(header->getItem(String("good"), true));
    ASSERT_TRUE(good);
    EXPECT_EQ(bytesOf(good.get()), "GOOD");
    for (const char* name : {"late", "long", "wrap"}) {
        EXPECT_EQ(header->getItem(String(name), true), nullptr) << name;
        EXPECT_EQ(header->getItem(String(name), false), nullptr) << name;
    }
}

TEST_F(PackageTest, AnItemEndingAtTheLastByteIsFound)
{
    Ref<lang::ResourceFileHeader> header = open(packageBytes({{"empty", ""}, {"last", "tail"}}));
    Ref<lang::ResourceItem> last = lang::adopt(header->getItem(String("last"), false));
    ASSERT_TRUE(last);
    EXPECT_EQ(bytesOf(last.get()), "tail");
    Ref<lang::ResourceItem> empty = lang::adopt(header->getItem(String("empty"), true));
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->getSize(), 0);
}

} // namespace
