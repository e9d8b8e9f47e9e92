// The sprite table loader: sections and their end rules, sprite entries, pictures, sounds,
// sub-tables, image bundles, counting and progress, and the message boxes.
#include "BundleWriter.h"
#include "io/InputStream.h"
#include "lang/LiveCounts.h"
#include "sprite/AnimateSprite.h"
#include "sprite/DialogSprite.h"
#include "sprite/GameCanvas3.h"
#include "sprite/ImageSprite.h"
#include "sprite/User.h"
#include "sprite/text/GlyphFace.h"
#include "sprite_test_support.h"
#include "util/Region.h"
#include "window/audio/AudioClip.h"
#include "window/raster/PixelImage.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

using sprite::DataLoader;
using sprite::SpriteBase;
using spritetest::PackageItem;

namespace {

class DataLoaderTest : public ::testing::Test {
protected:
    // Opens a package of the tables and a few pictures, and makes a loader on the temp folder.
    void usePackage(std::vector<PackageItem> items)
    {
        items.push_back({"pic", spritetest::pngOf(8, 6, 0xFFFF0000u)});
        items.push_back({"other", spritetest::pngOf(4, 4, 0xFF00FF00u)});
        package.reset();
        package = std::make_unique<spritetest::PackageScope>(folder, items);
        loader = lang::adopt(new DataLoader(lang::String(folder.path.c_str()), canvas.get(), nullptr));
    }

    SpriteBase* spriteAt(int32_t index) const
    {
        return static_cast<SpriteBase*>(loader->getSpriteList()->elementAt(index));
    }
    SpriteBase* named(const char* name) const
    {
        return static_cast<SpriteBase*>(loader->getSpritesByName()->get(name));
    }
    int32_t spriteCount() const { return loader->getSpriteList()->size(); }

    spritetest::TempFolder folder;
    spritetest::MessageRecord messages;
    lang::Ref<sprite::GameCanvas3> canvas = lang::adopt(new sprite::GameCanvas3);
    std::unique_ptr<spritetest::PackageScope> package;
    lang::Ref<DataLoader> loader;
};

} // namespace

TEST_F(DataLoaderTest, ATableThatBeginsWithEndLoadsNothing)
{
    usePackage({{"t", "<end> <sprites> a Sprite pic 1 2"}});
    EXPECT_TRUE(loader->load("+t"));
    EXPECT_EQ(spriteCount(), 0);
    EXPECT_EQ(loader->countItems("+t"), 0);
}

TEST_F(DataLoaderTest, HeadersIgnoreCaseAndStrayTokensAreSkipped)
{
    usePackage({{"t", "stray 12 words <SPRITES> a Sprite pic 1 2 <Strings> one <nonsense> skipped <StRiNgS> two"}});
    ASSERT_TRUE(loader->load("+t"));
    EXPECT_EQ(spriteCount(), 1);
    // Each <strings> section replaces the texts.
    ASSERT_EQ(loader->getStrings()->length(), 1);
    EXPECT_EQ(*loader->getStrings()->at(0), "two");
}

TEST_F(DataLoaderTest, StringsKeepQuotedSpacesAndNumbersAsText)
{
    usePackage({{"t", "<strings>\n\"hello world\" 42 ; a comment \"not text\"\n\"\xC3\xA9t\xC3\xA9\" <end>"}});
    ASSERT_TRUE(loader->load("+t"));
    ASSERT_EQ(loader->getStrings()->length(), 3);
    EXPECT_EQ(*loader->getStrings()->at(0), "hello world");
    EXPECT_EQ(*loader->getStrings()->at(1), "42");
    EXPECT_EQ(*loader->getStrings()->at(2), "\xE9t\xE9") << "UTF-8 arrives as Windows-1252";
}

TEST_F(DataLoaderTest, SoundsByPositionWithStreamsAndModules)
{
    usePackage({{"t", "<sounds> ab +click.wav *+Music_menu_01 *song.xm +loop.mod"}});
    ASSERT_TRUE(loader->load("+t"));
    lang::ObjectArray* sounds = loader->getSounds();
    ASSERT_EQ(sounds->length(), 4);
    auto clip = [&](int32_t i) { return static_cast<window::AudioClip*>((*sounds)[i]); };
    EXPECT_EQ(clip(0)->getName(), "+click.wav");
    EXPECT_EQ(clip(0)->getKind(), window::AudioClip::KindSample);
    EXPECT_EQ(clip(1)->getName(), "+Music_menu_01");
    EXPECT_EQ(clip(1)->getKind(), window::AudioClip::KindStream);
    EXPECT_EQ(clip(2)->getName(), lang::String((folder.path + "/song.xm").c_str()));
    EXPECT_EQ(clip(2)->getKind(), window::AudioClip::KindSong);
    EXPECT_EQ(clip(3)->getKind(), window::AudioClip::KindSong);
}

TEST_F(DataLoaderTest, DataEndsAtTheFirstWordOrAfterFiveHundredNumbers)
{
    usePackage({{"t", "<data> 3 -2.9 7.9 <sprites> a Sprite pic 0 0"}});
    ASSERT_TRUE(loader->load("+t"));
    ASSERT_EQ(loader->getData()->length(), 3);
    EXPECT_EQ((*loader->getData())[0], 3);
    EXPECT_EQ((*loader->getData())[1], -2);
    EXPECT_EQ((*loader->getData())[2], 7);
    EXPECT_EQ(spriteCount(), 1);

    std::string full = "<data>";
    for (int i = 0; i < 500; ++i)
        full += " " + std::to_string(i);
    usePackage({{"t", full + " <sprites> a Sprite pic 0 0"}});
    ASSERT_TRUE(loader->load("+t"));
    EXPECT_EQ(loader->getData()->length(), 500);
    EXPECT_EQ((*loader->getData())[499], 499);
    EXPECT_EQ(spriteCount(), 0) << "500 numbers end the table";
    EXPECT_EQ(loader->countItems("+t"), 0);
}

TEST_F(DataLoaderTest, DuplicateNamesShowOneBoxAndTheLaterWins)
{
    usePackage({{"t", "<sprites>\nhero Sprite pic 1 1\n\"\" Sprite pic 2 2\nhero Sprite other 3 3\n"}});
    ASSERT_TRUE(loader->load("+t"));
    ASSERT_EQ(spriteCount(), 3);
    ASSERT_EQ(messages.captions.size(), 1u);
    EXPECT_EQ(messages.captions[0], "Duplicate name in +t");
    EXPECT_EQ(messages.texts[0], "hero (line 4)");
    EXPECT_EQ(named("hero"), spriteAt(2));
    EXPECT_EQ(spriteAt(0)->getName(), "hero");
    EXPECT_TRUE(spriteAt(1)->getName().isEmpty());
    EXPECT_EQ(loader->getSpritesByName()->size(), 1);
}

TEST_F(DataLoaderTest, PicturesAreMadeOncePerTableWithTheirAutomask)
{
    usePackage({{"t", "<sprites> a Sprite pic 1 1 b Sprite pic 5 5 c Sprite masked 0 0 d Sprite \"\" 0 0"},
        {"masked", spritetest::pngOf(2, 2, 0xFFFFFFFFu)},
        {"masked_automask", spritetest::pngOf(2, 2, 0xFFFFFFFFu)}});
    ASSERT_TRUE(loader->load("+t"));
    auto* a = static_cast<sprite::ImageSprite*>(named("a"));
    auto* b = static_cast<sprite::ImageSprite*>(named("b"));
    auto* c = static_cast<sprite::ImageSprite*>(named("c"));
    auto* d = static_cast<sprite::ImageSprite*>(named("d"));
    ASSERT_NE(a->getImage(), nullptr);
    EXPECT_EQ(a->getImage(), b->getImage());
    EXPECT_EQ(a->getImage()->getName(), "+pic");
    EXPECT_EQ(a->getWidth(), 8);
    EXPECT_EQ(c->getImage()->getName(), "+masked|+masked_automask");
    // A white mask makes the picture transparent.
    ASSERT_NE(c->getImage()->getPixels(), nullptr);
    EXPECT_EQ(c->getImage()->getPixels()[0] >> 24, 0u);
    EXPECT_EQ(d->getImage(), nullptr) << "an empty picture name is an empty slot";
    EXPECT_EQ(b->getBounds().x, 5);
}

TEST_F(DataLoaderTest, AnEntryWithoutNumbersTakesTheFollowingWordsAsPictures)
{
    usePackage({{"t", "<sprites> first Sprite pic second Sprite other 4 4"}});
    ASSERT_TRUE(loader->load("+t"));
    ASSERT_EQ(spriteCount(), 1);
    EXPECT_EQ(spriteAt(0)->getName(), "first");
    EXPECT_EQ(spriteAt(0)->getBounds().x, 4);
}

TEST_F(DataLoaderTest, UnknownClassesAndRefusedEntriesAreDropped)
{
    usePackage({{"t", "<sprites> x NoSuchClass pic 1 2 y RectButtonSprite 1 2 3 z RectButtonSprite 1 2 3 4 "
                      "w DataLoader 1 2"}});
    const int32_t before = canvas->getLoadProgress();
    ASSERT_TRUE(loader->load("+t"));
    ASSERT_EQ(spriteCount(), 1);
    EXPECT_EQ(spriteAt(0)->getName(), "z");
    EXPECT_EQ(named("x"), nullptr);
    EXPECT_EQ(canvas->getLoadProgress() - before, 1);
    EXPECT_TRUE(messages.captions.empty());
}

TEST_F(DataLoaderTest, HostileNumbersStayWithinTheLimits)
{
    usePackage({{"t", "<sprites> far Sprite pic 900000000000 -900000000000 big BoundsSprite -2147483648 0 2147483647 -5 "
                      "sheet AnimateSprite pic 0 0 2147483647 2147483647 99999999999 1 1 1 "
                      "button ButtonSprite pic 1000000000000000000000 5 0 -7 5 5 5 9"}});
    ASSERT_TRUE(loader->load("+t"));
    ASSERT_EQ(spriteCount(), 4);
    EXPECT_EQ(named("far")->getReferenceX(), SpriteBase::CoordinateLimit);
    EXPECT_EQ(named("far")->getY(), -SpriteBase::CoordinateLimit);
    EXPECT_EQ(named("big")->getBoundsWidth(), SpriteBase::CoordinateLimit);
    EXPECT_EQ(named("big")->getBoundsHeight(), 0);
    auto* sheet = static_cast<sprite::AnimateSprite*>(named("sheet"));
    EXPECT_EQ(sheet->getColumns(), sprite::AnimateSprite::MaxCells);
    EXPECT_EQ(sheet->getFrame(), sheet->getLastFrame());
    util::RectangleNM bounds;
    util::Region region;
    for (int32_t frame = 0; frame < 3; ++frame)
        sheet->update(frame, bounds, region);
    named("far")->moveBy(INT32_MAX, INT32_MAX);
    EXPECT_EQ(named("far")->getReferenceX(), SpriteBase::CoordinateLimit);
}

TEST_F(DataLoaderTest, SubTablesBecomeChildrenOfContainers)
{
    usePackage({{"t", "<sprites> menu DialogSprite:+sub 10 20 300 200 0 1\n plain Sprite:+sub pic 0 0"},
        {"sub", "<sprites> first Sprite pic 1 1 second Sprite other 2 2 first2 Sprite pic 3 3"}});
    ASSERT_TRUE(loader->load("+t"));
    auto* menu = static_cast<sprite::DialogSprite*>(named("menu"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->childCount(), 3);
    lang::Ref<SpriteBase> first = lang::adopt(menu->getChild(0));
    lang::Ref<SpriteBase> last = lang::adopt(menu->getChild(2));
    EXPECT_EQ(first->getName(), "first");
    EXPECT_EQ(last->getName(), "first2");
    ASSERT_NE(menu->getChild(lang::String("second")), nullptr);
    EXPECT_EQ(menu->getChild(lang::String("second"))->getBounds().x, 2);
    // A picture of the sub-table is its own object, not the top table's.
    EXPECT_NE(static_cast<sprite::ImageSprite*>(first.get())->getImage(),
        static_cast<sprite::ImageSprite*>(named("plain"))->getImage());
    EXPECT_EQ(spriteCount(), 2) << "the children are not top-level sprites";
    EXPECT_EQ(named("first"), nullptr);
}

TEST_F(DataLoaderTest, WhatATableMakesIsCountedWhileItLivesAndGoneWithTheLoader)
{
    usePackage({{"t", "<sprites> menu DialogSprite:+sub 10 20 300 200 0 1\n a Sprite pic 1 1 b Sprite other 2 2"
                      "\n<sounds> +click.wav *+Music_menu_01"},
        {"sub", "<sprites> first Sprite pic 1 1 second Sprite other 2 2"}});
    std::map<std::string, int32_t> before;
    for (const char* kind : {"sprites", "pictures", "sounds"})
        before[kind] = lang::LiveCounts::of(kind).load();
    auto grownBy = [&before](const char* kind) { return lang::LiveCounts::of(kind).load() - before[kind]; };
    ASSERT_TRUE(loader->load("+t"));
    EXPECT_EQ(grownBy("sprites"), 5);
    EXPECT_EQ(grownBy("pictures"), 4) << "two pictures in each table";
    EXPECT_EQ(grownBy("sounds"), 2);
    loader.reset();
    for (const char* kind : {"sprites", "pictures", "sounds"})
        EXPECT_EQ(grownBy(kind), 0) << kind;
}

TEST_F(DataLoaderTest, FontMetricsDecodedOnlyInSizeAreReadOnceThePixelsCome)
{
    usePackage({});
    window::ImageBase::hiddenLoadDepth++;
    lang::Ref<window::PixelImage> metrics = lang::adopt(new window::PixelImage(lang::String("+pic")));
    sprite::GlyphFace face(nullptr, metrics.get());
    EXPECT_EQ(face.glyph(' ').sourceX, 0) << "no pixels while the container loads hidden";
    window::ImageBase::hiddenLoadDepth--;
    EXPECT_EQ(static_cast<uint32_t>(face.glyph(' ').sourceX), 0xFFFF0000u);
}

TEST_F(DataLoaderTest, HiddenContainersDecodePicturesWhenShown)
{
    usePackage({{"t", "<sprites> shown DialogSprite:+sub 0 0 100 100 0 1 hidden DialogSprite:+sub 0 0 100 100 0 0"},
        {"sub", "<sprites> p Sprite pic 0 0"}});
    ASSERT_TRUE(loader->load("+t"));
    EXPECT_EQ(window::ImageBase::hiddenLoadDepth.load(), 0);
    auto* shown = static_cast<sprite::DialogSprite*>(named("shown"));
    auto* hidden = static_cast<sprite::DialogSprite*>(named("hidden"));
    auto* shownPicture = static_cast<sprite::ImageSprite*>(shown->getChild(lang::String("p")))->getImage();
    auto* hiddenPicture = static_cast<sprite::ImageSprite*>(hidden->getChild(lang::String("p")))->getImage();
    EXPECT_NE(shownPicture->getPixels(), nullptr);
    EXPECT_EQ(hiddenPicture->getPixels(), nullptr);
    EXPECT_EQ(hiddenPicture->getWidth(), 8) << "the size is known before the pixels";
    EXPECT_FALSE(hidden->hasImagesLoaded());
    hidden->setVisible(true);
    util::RectangleNM bounds;
    util::Region region;
    hidden->update(1, bounds, region);
    ASSERT_NE(hiddenPicture->getPixels(), nullptr);
    EXPECT_EQ(hiddenPicture->getPixels()[0], 0xFFFF0000u);
}

TEST_F(DataLoaderTest, ATableNamingItselfIsNotReadForever)
{
    usePackage({{"t", "<sprites> loop DialogSprite:+t 0 0 10 10 tail Sprite pic 0 0"}});
    ASSERT_TRUE(loader->load("+t"));
    EXPECT_EQ(spriteCount(), 2);
    EXPECT_EQ(static_cast<sprite::DialogSprite*>(named("loop"))->childCount(), 0);
    EXPECT_EQ(loader->countItems("+t"), 2);
}

TEST_F(DataLoaderTest, CountItemsCountsWhatLoadingProgresses)
{
    usePackage({{"t", "<images> logo +pic back +other <sounds> ab +a.wav +b.wav <strings> x y "
                      "<sprites> one Sprite logo 0 0 menu DialogSprite:+sub 0 0 5 5 0 0"},
        {"sub", "<images> inner +pic <sprites> a Sprite inner 0 0 b Sprite inner 0 0"}});
    // 2 images + 2 sounds + 2 sprites + the sub-table's 1 image and 2 sprites.
    EXPECT_EQ(loader->countItems("+t"), 9);
    const int32_t before = canvas->getLoadProgress();
    ASSERT_TRUE(loader->load("+t"));
    EXPECT_EQ(canvas->getLoadProgress() - before, 9);

    lang::Ref<DataLoader> withoutCanvas = lang::adopt(new DataLoader(lang::String(folder.path.c_str()), nullptr, nullptr));
    EXPECT_EQ(withoutCanvas->countItems("+t"), 6) << "sub-tables count only with a canvas";
}

TEST_F(DataLoaderTest, BothPassesReadOneStream)
{
    usePackage({{"t", "<sprites> a Sprite pic 0 0"}});
    lang::Ref<io::InputStream> first = lang::adopt(loader->openTable("+t"));
    first->skip(5);
    lang::Ref<io::InputStream> second = lang::adopt(loader->openTable("+t"));
    EXPECT_EQ(first.get(), second.get());
    EXPECT_EQ(second->read(), '<') << "rewound";
    EXPECT_EQ(loader->openTable("+missing"), nullptr);
}

TEST_F(DataLoaderTest, ImagesSectionNamesPicturesFromSpecs)
{
    spritetest::writeFile(folder.file("disk.png"), spritetest::pngOf(3, 5, 0xFF0000FFu));
    usePackage({{"t", "<images> fromDisk disk.png fromPackage +other renamed +pic renamed +other dangling"
                      " <sprites> a Sprite fromDisk 0 0 b Sprite renamed 0 0"}});
    ASSERT_TRUE(loader->load("+t"));
    EXPECT_EQ(named("a")->getWidth(), 3);
    EXPECT_EQ(named("b")->getWidth(), 4) << "a later spec of the name replaces the picture";
    EXPECT_EQ(loader->getImages().get("fromPackage") != nullptr, true);
    EXPECT_EQ(loader->getImages().get("dangling"), nullptr);
}

TEST_F(DataLoaderTest, BothPartsOfADiskPictureAndMaskLieInTheBaseDirectory)
{
    spritetest::writeFile(folder.file("face.png"), spritetest::pngOf(4, 4, 0xFF0000FFu));
    spritetest::writeFile(folder.file("face_mask.png"), spritetest::pngOf(2, 2, 0xFF000000u));
    usePackage({{"t", "<images> face face.png|face_mask.png mixed face.png|+other <sprites> a Sprite face 0 0"}});
    ASSERT_TRUE(loader->load("+t"));
    auto* face = static_cast<window::ImageBase*>(loader->getImages().get("face"));
    ASSERT_NE(face->getPixels(), nullptr);
    EXPECT_TRUE(face->getHasAlpha());
    EXPECT_EQ(face->getPixels()[0], 0xFF0000FFu) << "a black mask keeps the picture opaque";
    auto* mixed = static_cast<window::ImageBase*>(loader->getImages().get("mixed"));
    EXPECT_EQ(mixed->getName(), lang::String((folder.path + "/face.png|+other").c_str()));
}

TEST_F(DataLoaderTest, SettingPicturesFallBackToThePackage)
{
    spritetest::TempFolder home;
    setenv("KIPTO2_HOME", home.path.c_str(), 1);
    lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
    settings->open("LoaderTest");
    settings->setString("Skin", "skin.png");
    settings->setString("Lost", "nowhere.png");
    spritetest::writeFile(folder.file("skin.png"), spritetest::pngOf(7, 7, 0xFF123456u));
    usePackage({{"t", "<images> a @Skin b @Lost c @Plain <sprites> x Sprite a 0 0 y Sprite b 0 0 z Sprite c 0 0"},
        {"Lost", spritetest::pngOf(2, 2, 0xFFFFFFFFu)},
        {"Plain", spritetest::pngOf(3, 3, 0xFFFFFFFFu)}});
    loader = lang::adopt(new DataLoader(lang::String(folder.path.c_str()), canvas.get(), settings.get()));
    ASSERT_TRUE(loader->load("+t"));
    EXPECT_EQ(named("x")->getWidth(), 7);
    EXPECT_EQ(named("y")->getWidth(), 2) << "a missing file falls back to the package item";
    EXPECT_EQ(named("z")->getWidth(), 3) << "no setting: the package item of the key";
    EXPECT_FALSE(window::ImageBase::forceImmediateLoad.load());
    settings.reset();
    unsetenv("KIPTO2_HOME");
}

TEST_F(DataLoaderTest, TablesThatCannotBeOpened)
{
    usePackage({});
    EXPECT_FALSE(loader->load("+absent"));
    EXPECT_EQ(loader->countItems("+absent"), 0);
    EXPECT_TRUE(messages.captions.empty()) << "a missing package item is not reported";
    EXPECT_FALSE(loader->load("absent.txt"));
    ASSERT_EQ(messages.captions.size(), 1u);
    EXPECT_EQ(messages.captions[0], "Error");
    EXPECT_NE(messages.texts[0].find("Error Opening"), std::string::npos);
    EXPECT_NE(messages.texts[0].find("absent.txt"), std::string::npos);

    spritetest::writeFile(folder.file("disk.txt"), "<sprites> a Sprite pic 0 0");
    EXPECT_TRUE(loader->load("disk.txt"));
    EXPECT_EQ(spriteCount(), 1);
}

TEST_F(DataLoaderTest, ImageBundlesLoadTheirPicturesByName)
{
    std::vector<uint8_t> bytes;
    std::string error;
    const std::string red = spritetest::pngOf(5, 3, 0xFFFF0000u);
    const std::string green = spritetest::pngOf(6, 2, 0xFF00FF00u);
    ASSERT_TRUE(writeBundle({{"red", std::vector<uint8_t>(red.begin(), red.end())},
                                {"green", std::vector<uint8_t>(green.begin(), green.end())}},
        bytes, error))
        << error;
    spritetest::writeFile(folder.file("pics.bin"), std::string(bytes.begin(), bytes.end()));
    usePackage({{"t", "<images> pics.bin <sprites> r Sprite red 0 0 g Sprite green 0 0"}});
    EXPECT_EQ(loader->countItems("+t"), 3);
    ASSERT_TRUE(loader->load("+t"));
    EXPECT_EQ(named("r")->getWidth(), 5);
    EXPECT_EQ(named("g")->getWidth(), 6);
    EXPECT_EQ(static_cast<sprite::ImageSprite*>(named("g"))->getImage()->getPixels()[0], 0xFF00FF00u);
}

TEST_F(DataLoaderTest, BundlesWithBadHeadersOrLyingSizesLoadWhatIsSound)
{
    auto bigEndian = [](std::string& out, uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out.push_back(char(value >> shift));
    };
    auto entry = [&](std::string& out, const std::string& name, const std::string& data, uint32_t claimed) {
        bigEndian(out, claimed);
        out.push_back(char(name.size() + 1));
        out += name;
        out.push_back('\0');
        for (char c : data)
            out.push_back(char(c ^ 0x5A));
    };
    const std::string png = spritetest::pngOf(2, 2, 0xFFFFFFFFu);

    std::string tooSmall;
    bigEndian(tooSmall, 3);
    bigEndian(tooSmall, 11); // less than 4 x 3
    entry(tooSmall, "a", png, uint32_t(png.size()));
    spritetest::writeFile(folder.file("small.bin"), tooSmall);

    std::string lying;
    bigEndian(lying, 3);
    std::string body;
    entry(body, "first", png, uint32_t(png.size()));
    entry(body, "empty", "", 0);
    entry(body, "liar", png, 5000000);
    bigEndian(lying, uint32_t(8 + body.size()));
    lying += body;
    spritetest::writeFile(folder.file("lying.bin"), lying);

    std::string shortFile;
    bigEndian(shortFile, 1);
    bigEndian(shortFile, 1000);
    entry(shortFile, "cut", png.substr(0, 20), uint32_t(png.size()));
    spritetest::writeFile(folder.file("short.bin"), shortFile);

    usePackage({{"t", "<images> small.bin lying.bin short.bin missing.bin"}});
    ASSERT_TRUE(loader->load("+t"));
    EXPECT_EQ(loader->getImages().get("a"), nullptr);
    EXPECT_NE(loader->getImages().get("first"), nullptr);
    EXPECT_EQ(loader->getImages().get("empty"), nullptr);
    EXPECT_EQ(loader->getImages().get("liar"), nullptr);
    EXPECT_EQ(loader->getImages().get("cut"), nullptr);
    EXPECT_TRUE(messages.captions.empty());
}

TEST_F(DataLoaderTest, BundleEntriesWithEmptyOrUnendedNamesAndTheFuzzFindings)
{
    auto bigEndian = [](std::string& out, uint32_t value) {
        for (int shift = 24; shift >= 0; shift -= 8)
            out.push_back(char(value >> shift));
    };
    auto entry = [&](std::string& out, const std::string& nameField, const std::string& data) {
        bigEndian(out, uint32_t(data.size()));
        out.push_back(char(nameField.size()));
        out += nameField;
        for (char c : data)
            out.push_back(char(c ^ 0x5A));
    };
    // A name field of no bytes, a name that fills its field without the ending zero, a plain one.
    std::string body;
    entry(body, "", spritetest::pngOf(3, 3, 0xFF0000FFu));
    entry(body, "full", spritetest::pngOf(4, 2, 0xFF00FF00u));
    entry(body, std::string("last\0", 5), spritetest::pngOf(5, 1, 0xFFFF0000u));
    std::string bundle;
    bigEndian(bundle, 3);
    bigEndian(bundle, uint32_t(8 + body.size()));
    spritetest::writeFile(folder.file("odd.bin"), bundle + body);
    usePackage({{"t", "<images> odd.bin"}});
    ASSERT_TRUE(loader->load("+t"));
    auto* full = static_cast<window::ImageBase*>(loader->getImages().get("full"));
    auto* last = static_cast<window::ImageBase*>(loader->getImages().get("last"));
    ASSERT_TRUE(full && last);
    EXPECT_EQ(full->getWidth(), 4);
    EXPECT_EQ(last->getWidth(), 5);

    // Tables that name themselves as the bundle b.bin and hold entries with empty names: found
    // by the sprite table fuzzer, where the bundle reader passed a null name to the C library.
    ASSERT_NE(std::getenv("KIPTO2_TEST_DATA"), nullptr);
    const std::string findings = std::string(std::getenv("KIPTO2_TEST_DATA")) + "/sprite/bundle-empty-name";
    int32_t inputs = 0;
    for (const auto& file : std::filesystem::directory_iterator(findings)) {
        const std::string bytes = testing_support::readFile(file.path().string());
        spritetest::writeFile(folder.file("table.txt"), bytes);
        spritetest::writeFile(folder.file("b.bin"), bytes);
        lang::Ref<DataLoader> fresh
            = lang::adopt(new DataLoader(lang::String(folder.path.c_str()), canvas.get(), nullptr));
        EXPECT_TRUE(fresh->load("table.txt")) << file.path();
        ++inputs;
    }
    EXPECT_EQ(inputs, 3);
}

TEST(BundleWriter, WhatIsWrittenReadsBack)
{
    std::vector<uint8_t> bytes;
    std::string error;
    ASSERT_TRUE(writeBundle({{"one", {1, 2, 3}}, {"two", {0x5A}}}, bytes, error));
    // count 2, total, then the first entry's length and name field.
    EXPECT_EQ(bytes[3], 2);
    EXPECT_EQ(size_t(bytes[4]) << 24 | size_t(bytes[5]) << 16 | size_t(bytes[6]) << 8 | bytes[7], bytes.size());
    EXPECT_EQ(bytes[11], 3);
    EXPECT_EQ(bytes[12], 4);
    EXPECT_EQ(bytes[16], 0);
    EXPECT_EQ(bytes[17], 1 ^ 0x5A);
    std::vector<BundleEntry> entries;
    ASSERT_TRUE(readBundle(bytes, entries, error));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].name, "two");
    EXPECT_EQ(entries[1].bytes, std::vector<uint8_t>{0x5A});
    EXPECT_FALSE(writeBundle({}, bytes, error));
    EXPECT_FALSE(writeBundle({{std::string(300, 'x'), {1}}}, bytes, error));
}
