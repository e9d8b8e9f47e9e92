// NewFontSprite: layout arithmetic, wrapping and truncation, editing keys, the reveal and the
// caret, where glyphs and bars are drawn, and the text taken from the package.
#include "sprite/NewFontSprite.h"

#include "lang/PackageFiles.h"
#include "lang/ResourceFile.h"
#include "PngWriter.h"
#include "sprite/DataLoader.h"
#include "sprite/DialogSprite.h"
#include "sprite/text_test_support.h"
#include "util/Region.h"
#include "window/Event.h"
#include "window/Receiver.h"

#include <gtest/gtest.h>

using lang::adopt;
using lang::Ref;
using sprite::Glyph;
using sprite::NewFontSprite;
using namespace text_testing;

namespace {

// Monospace glyphs 8 wide on lines 10 high.
class NewFontTest : public ::testing::Test {
protected:
    NewFontTest() : font(makeMonospaceFont(8, 10)), text(adopt(new NewFontSprite(font.sheet.get(), font.metrics.get()))) {}

    bool key(int32_t code, int32_t maxLength = 0, bool namesOnly = false)
    {
        Ref<window::Event> event = adopt(new window::Event(window::Event::KeyDown, 0, 0, 0, code, 0));
        return text->handleKey(event.get(), maxLength, namesOnly);
    }

    bool update(int32_t frame)
    {
        util::RectangleNM bounds;
        util::Region dirty;
        return text->update(frame, bounds, dirty);
    }

    TestFont font;
    Ref<NewFontSprite> text;
};

class CountingReceiver : public lang::Object, public window::Receiver {
public:
    bool handleEvent(window::Event* event) override
    {
        if (event->id == window::Event::Action)
            ++actions;
        return true;
    }
    int32_t actions = 0;
};

} // namespace

TEST_F(NewFontTest, LaysLinesOutWithSpacing)
{
    text->setText("ab\ncde");
    EXPECT_EQ(text->getWidth(), 24);
    EXPECT_EQ(text->getHeight(), 20);
    text->setLineSpacing(4);
    EXPECT_EQ(text->getHeight(), 24);
    text->setLetterSpacing(1);
    EXPECT_EQ(text->getWidth(), 21);
    EXPECT_EQ(text->lineWidth(0), 14);
    EXPECT_EQ(text->lineWidth(3), 21);
}

TEST_F(NewFontTest, ControlCodesTakeNoRoomAndEmptyTextIsOneLine)
{
    text->setText("a\tb\r");
    EXPECT_EQ(text->getWidth(), 16);
    text->setText("");
    EXPECT_EQ(text->getWidth(), 0);
    EXPECT_EQ(text->getHeight(), 10);
}

TEST(NewFontLayout, LeftOffsetsAndOverhangOfTheWidestLine)
{
    // Glyphs 2 wider than their advance of 6, drawn 1 left of the pen.
    TestFont font = makeTestFont(12, [](uint8_t) { return Glyph{0, 0, 8, 12, 1, 6}; });
    Ref<NewFontSprite> text = adopt(new NewFontSprite(font.sheet.get(), font.metrics.get()));
    text->setText("abc\nd");
    // -1 for the first glyph's left offset, then 3 advances; the last glyph reaches 2 further.
    EXPECT_EQ(text->lineWidth(0), 17);
    EXPECT_EQ(text->getOverhang(), 2);
    EXPECT_EQ(text->getWidth(), 19);
    EXPECT_EQ(text->getHeight(), 24);
}

TEST_F(NewFontTest, ShownCaretAddsTheUnderscoreAdvance)
{
    text->setText("abc");
    text->setCaretShown(true);
    EXPECT_EQ(text->getWidth(), 32);
    text->setCaretShown(false);
    EXPECT_EQ(text->getWidth(), 24);
}

TEST_F(NewFontTest, AlignmentSetsTheAnchorAndKeepsX)
{
    text->setText("abcd");
    text->setLocation(100, 40);
    text->setAlignment(1);
    EXPECT_EQ(text->getAnchor(), 0x21);
    EXPECT_EQ(text->getX(), 100);
    EXPECT_EQ(text->getBounds().x, 84);
    text->setAlignment(2);
    EXPECT_EQ(text->getAnchor(), 0x41);
    EXPECT_EQ(text->getBounds().x, 68);
    // A longer text grows to the left of a right-aligned point.
    text->setText("abcdef");
    EXPECT_EQ(text->getX(), 100);
    EXPECT_EQ(text->getBounds().x, 52);
    EXPECT_EQ(text->getY(), 40);
}

TEST_F(NewFontTest, WrapPutsALineFeedBetweenTwoShortWords)
{
    text->setText("Hello world");
    text->wrapToWidth(50);
    EXPECT_STREQ(text->getText().c_str(), "Hello\nworld");
    EXPECT_EQ(text->getWidth(), 40);
    EXPECT_EQ(text->getHeight(), 20);
}

TEST_F(NewFontTest, WrapFillsLinesAndKeepsLongWordsWhole)
{
    text->setText("aa bb cc dd");
    text->wrapToWidth(40);
    EXPECT_STREQ(text->getText().c_str(), "aa bb\ncc dd");
    text->setText("abcdefgh ij");
    text->wrapToWidth(40);
    EXPECT_STREQ(text->getText().c_str(), "abcdefgh\nij");
    // Existing line feeds start new lines to measure.
    text->setText("aaaa\naaaa bb");
    text->wrapToWidth(60);
    EXPECT_STREQ(text->getText().c_str(), "aaaa\naaaa bb");
    // A text that fits is left alone.
    text->setText("a b");
    text->wrapToWidth(24);
    EXPECT_STREQ(text->getText().c_str(), "a b");
}

TEST_F(NewFontTest, WrapWidthWrapsEverySetText)
{
    text->setWrapWidth(50);
    text->setText("one two three");
    EXPECT_STREQ(text->getText().c_str(), "one\ntwo\nthree");
    EXPECT_EQ(text->getHeight(), 30);
}

TEST_F(NewFontTest, TruncationEndsInTheEllipsisAndFits)
{
    text->setText("Hello world");
    text->truncateToWidth(60);
    EXPECT_STREQ(text->getText().c_str(), "Hello \x85");
    EXPECT_LE(text->getWidth(), 60);
    text->setText("Hi");
    text->truncateToWidth(100);
    EXPECT_STREQ(text->getText().c_str(), "Hi");
}

TEST_F(NewFontTest, TruncationStopsWhenNothingIsLeftToCut)
{
    text->setText("Hello");
    text->truncateToWidth(0);
    EXPECT_STREQ(text->getText().c_str(), "\x85");
    text->setText("");
    text->truncateToWidth(-5);
    EXPECT_STREQ(text->getText().c_str(), "");
}

TEST_F(NewFontTest, NamesOnlyRefusesPunctuationAndTakesWesternLetters)
{
    text->setText("Al");
    EXPECT_FALSE(key('!', 0, true));
    EXPECT_STREQ(text->getText().c_str(), "Al");
    EXPECT_TRUE(key(233, 0, true));
    EXPECT_TRUE(key('-', 0, true));
    EXPECT_TRUE(key(' ', 0, true));
    EXPECT_STREQ(text->getText().c_str(), "Al\xE9- ");
    EXPECT_EQ(text->getCaretIndex(), 5);
    // Without the rule punctuation goes in.
    EXPECT_TRUE(key('!'));
    EXPECT_STREQ(text->getText().c_str(), "Al\xE9- !");
}

TEST_F(NewFontTest, BackspaceAndDeleteAtTheEndsDoNothing)
{
    text->setText("abc");
    text->setCaretIndex(0);
    EXPECT_FALSE(key(8));
    EXPECT_STREQ(text->getText().c_str(), "abc");
    text->setCaretIndex(3);
    EXPECT_FALSE(key(window::Event::DeleteKey));
    EXPECT_STREQ(text->getText().c_str(), "abc");
    EXPECT_TRUE(key(8));
    EXPECT_STREQ(text->getText().c_str(), "ab");
    EXPECT_EQ(text->getCaretIndex(), 2);
    text->setCaretIndex(0);
    EXPECT_TRUE(key(window::Event::DeleteKey));
    EXPECT_STREQ(text->getText().c_str(), "b");
    EXPECT_EQ(text->getCaretIndex(), 0);
    EXPECT_EQ(text->getWidth(), 8);
}

TEST_F(NewFontTest, ArrowsMoveTheCaretUnlessLocked)
{
    text->setText("abc");
    EXPECT_FALSE(key(window::Event::ArrowRight));
    EXPECT_TRUE(key(window::Event::ArrowLeft));
    EXPECT_TRUE(key('x'));
    EXPECT_STREQ(text->getText().c_str(), "abxc");
    text->setCaretLocked(true);
    EXPECT_FALSE(key(window::Event::ArrowLeft));
    EXPECT_EQ(text->getCaretIndex(), 3);
}

TEST_F(NewFontTest, MaxLengthAndNonCharacterCodes)
{
    text->setText("abc");
    EXPECT_FALSE(key('d', 3));
    EXPECT_TRUE(key('d', 4));
    EXPECT_FALSE(key(13));
    EXPECT_FALSE(key(window::Event::ArrowUp));
    EXPECT_FALSE(key(window::Event::F1Key));
    EXPECT_STREQ(text->getText().c_str(), "abcd");
}

TEST_F(NewFontTest, PerCharacterArraysFollowEdits)
{
    text->setText("abc");
    text->setCharColors({0x110000, 0x220000, 0x330000});
    text->setCharStyles({0, NewFontSprite::StyleUnderline, 0});
    text->setCaretIndex(2);
    key('x');
    key(8);
    key(8);
    EXPECT_STREQ(text->getText().c_str(), "ac");
    Ref<window::PixelImage> target = adopt(new window::PixelImage(100, 40));
    RecordingGraphics graphics(target.get());
    text->paint(&graphics);
    ASSERT_EQ(graphics.pictures.size(), 2u);
    EXPECT_EQ(graphics.pictures[0].tint, 0x80110000u);
    EXPECT_EQ(graphics.pictures[1].tint, 0x80330000u);
    EXPECT_TRUE(graphics.bars.empty());
}

TEST_F(NewFontTest, RevealShowsTenCharactersPerSpeedFramesAndReportsTheEnd)
{
    Ref<CountingReceiver> listener = adopt(new CountingReceiver);
    text->setListener(listener.get(), "revealed");
    text->setText("abcdef");
    text->startReveal(5);
    EXPECT_EQ(text->getRevealCount(), 0);
    update(1);
    EXPECT_EQ(text->getRevealCount(), 2);
    text->setRevealPaused(true);
    update(2);
    EXPECT_EQ(text->getRevealCount(), 2);
    text->setRevealPaused(false);
    update(3);
    EXPECT_EQ(text->getRevealCount(), 4);
    EXPECT_EQ(listener->actions, 0);
    update(4);
    EXPECT_FALSE(text->isRevealing());
    EXPECT_EQ(text->getRevealCount(), -1);
    EXPECT_EQ(listener->actions, 1);
    update(5);
    EXPECT_EQ(listener->actions, 1);
}

TEST_F(NewFontTest, RevealDrawsOnlyTheShownCharacters)
{
    text->setText("abcdef");
    text->startReveal(10);
    update(1);
    update(2);
    update(3);
    Ref<window::PixelImage> target = adopt(new window::PixelImage(100, 40));
    RecordingGraphics graphics(target.get());
    text->paint(&graphics);
    EXPECT_EQ(graphics.pictures.size(), 3u);
}

TEST_F(NewFontTest, CaretBlinksEveryTwentyFrames)
{
    text->setText("ab");
    text->setCaretShown(true);
    EXPECT_TRUE(text->isCaretBlinkOn());
    for (int32_t frame = 1; frame < 20; ++frame)
        update(frame);
    EXPECT_TRUE(text->isCaretBlinkOn());
    update(20);
    EXPECT_FALSE(text->isCaretBlinkOn());
    update(21);
    EXPECT_FALSE(text->isCaretBlinkOn());
    update(40);
    EXPECT_TRUE(text->isCaretBlinkOn());
}

TEST_F(NewFontTest, GlyphsOfCentredLinesAndTheCaretBar)
{
    text->setText("abc\nd");
    text->setAlignment(1);
    text->setAlignEachLine(true);
    text->setLocation(100, 50);
    text->setCaretShown(true);
    text->setCaretColor(0xFF123456u);
    Ref<window::PixelImage> target = adopt(new window::PixelImage(200, 100));
    RecordingGraphics graphics(target.get());
    text->paint(&graphics);
    // 32 wide with the caret (24 + 8): the block's left edge is at 84.
    ASSERT_EQ(graphics.pictures.size(), 4u);
    EXPECT_EQ(graphics.pictures[0].centreX, 88);
    EXPECT_EQ(graphics.pictures[0].centreY, 55);
    EXPECT_EQ(graphics.pictures[0].source.x, ('a' - 32) % 16 * 16);
    EXPECT_EQ(graphics.pictures[0].source.y, ('a' - 32) / 16 * 10);
    EXPECT_EQ(graphics.pictures[0].source.width, 8);
    EXPECT_EQ(graphics.pictures[0].source.height, 10);
    EXPECT_EQ(graphics.pictures[2].centreX, 104);
    // The second line, 8 wide, is centred in the 24 of the widest line.
    EXPECT_EQ(graphics.pictures[3].centreX, 96);
    EXPECT_EQ(graphics.pictures[3].centreY, 65);
    ASSERT_EQ(graphics.bars.size(), 1u);
    EXPECT_EQ(graphics.bars[0].x, 100);
    EXPECT_EQ(graphics.bars[0].y, 60);
    EXPECT_EQ(graphics.bars[0].width, 8);
    EXPECT_EQ(graphics.bars[0].height, 10);
    EXPECT_EQ(graphics.bars[0].color, 0xFF123456u);
}

TEST_F(NewFontTest, LockedCaretIsTheUnderscoreGlyph)
{
    text->setText("a");
    text->setCaretShown(true);
    text->setCaretLocked(true);
    Ref<window::PixelImage> target = adopt(new window::PixelImage(100, 40));
    RecordingGraphics graphics(target.get());
    text->paint(&graphics);
    ASSERT_EQ(graphics.pictures.size(), 2u);
    EXPECT_EQ(graphics.pictures[1].source.x, ('_' - 32) % 16 * 16);
    EXPECT_EQ(graphics.pictures[1].source.y, ('_' - 32) / 16 * 10);
    EXPECT_TRUE(graphics.bars.empty());
}

TEST_F(NewFontTest, UnderlineAndStrikeThroughBars)
{
    text->setText("ab");
    text->setCharStyles({NewFontSprite::StyleUnderline, NewFontSprite::StyleStrikeThrough});
    text->setLocation(0, 0);
    Ref<window::PixelImage> target = adopt(new window::PixelImage(100, 40));
    RecordingGraphics graphics(target.get());
    text->paint(&graphics);
    ASSERT_EQ(graphics.bars.size(), 2u);
    EXPECT_EQ(graphics.bars[0].x, 0);
    EXPECT_EQ(graphics.bars[0].y, 8);
    EXPECT_EQ(graphics.bars[0].width, 8);
    EXPECT_EQ(graphics.bars[0].height, 1);
    EXPECT_EQ(graphics.bars[1].x, 8);
    EXPECT_EQ(graphics.bars[1].y, 5);
    // The bars take the face's ink (white) through the neutral tint.
    EXPECT_EQ(graphics.bars[0].color, 0xFFFFFFFFu);
}

TEST(NewFontFaces, StyleBitsChooseTheFaceOfEachCharacter)
{
    TestFont regular = makeMonospaceFont(8, 10);
    TestFont wide = makeMonospaceFont(12, 10);
    Ref<NewFontSprite> text = adopt(new NewFontSprite(regular.sheet.get(), regular.metrics.get()));
    text->setFace(2, wide.sheet.get(), wide.metrics.get());
    text->setText("abc");
    text->setCharStyles({0, 2, 1});
    // Face 1 is missing: the regular face stands in.
    EXPECT_EQ(text->getWidth(), 28);
    Ref<window::PixelImage> target = adopt(new window::PixelImage(100, 40));
    RecordingGraphics graphics(target.get());
    text->paint(&graphics);
    ASSERT_EQ(graphics.pictures.size(), 3u);
    EXPECT_EQ(graphics.pictures[1].image, wide.sheet.get());
    EXPECT_EQ(graphics.pictures[1].source.width, 12);
    EXPECT_EQ(graphics.pictures[2].image, regular.sheet.get());
}

TEST(NewFontFaces, TableEntryTakesFacesAndNumbers)
{
    TestFont font = makeMonospaceFont(8, 10);
    Ref<window::ImageArray> pictures = adopt(new window::ImageArray);
    pictures->append(font.sheet.get());
    pictures->append(font.metrics.get());
    Ref<lang::IntArray> numbers = adopt(new lang::IntArray(7));
    const int32_t values[7] = {300, 20, 2, static_cast<int32_t>(0x80FF8080u), 3, 30, 1};
    for (int32_t i = 0; i < 7; ++i)
        (*numbers)[i] = values[i];
    Ref<NewFontSprite> text = adopt(new NewFontSprite);
    text->init(pictures.get(), numbers.get());
    text->setText("ab cd");
    EXPECT_EQ(text->getAlignment(), 2);
    EXPECT_EQ(text->getColor(), 0x80FF8080u);
    EXPECT_STREQ(text->getText().c_str(), "ab\ncd");
    EXPECT_EQ(text->getWidth(), 14);
    EXPECT_EQ(text->getHeight(), 23);
    EXPECT_EQ(text->getX(), 300);
    EXPECT_EQ(text->getY(), 20);
}

TEST(NewFontPackage, UnsetTextComesFromTheItemOfTheSpriteName)
{
    testing_support::TempFolder folder;
    const std::string path = folder.file("texts.bin");
    testing_support::writeFile(path, testing_support::packageBytes({{"greeting", std::string("Hello", 6)},
                                                                     {"cafe", std::string("Caf\xC3\xA9", 6)}}));
    lang::ResourceFile::add(path.c_str());
    TestFont font = makeMonospaceFont(8, 10);
    Ref<NewFontSprite> text = adopt(new NewFontSprite(font.sheet.get(), font.metrics.get()));
    text->setName("greeting");
    EXPECT_FALSE(text->isTextSet());
    EXPECT_EQ(text->getBounds().width, 40);
    EXPECT_STREQ(text->getText().c_str(), "Hello");
    // Code that sets a text wins for good.
    text->setText("Bye");
    EXPECT_EQ(text->getBounds().width, 24);
    Ref<NewFontSprite> accented = adopt(new NewFontSprite(font.sheet.get(), font.metrics.get()));
    accented->setName("cafe");
    accented->getBounds();
    EXPECT_STREQ(accented->getText().c_str(), "Caf\xE9");
    lang::ResourceFile::closeAll();
}

TEST(NewFontPackage, TableSpriteShowsItsOwnTextWithoutCode)
{
    TestFont font = makeMonospaceFont(8, 10);
    std::vector<uint8_t> sheetPng;
    std::vector<uint8_t> metricsPng;
    ASSERT_TRUE(window::encodePng(*font.sheet, sheetPng));
    ASSERT_TRUE(window::encodePng(*font.metrics, metricsPng));
    const std::string table = "<sprites>\ntitle NewFontSprite glyphs glyphs_m 100 10 1\n<end>\n";
    testing_support::TempFolder folder;
    const std::string path = folder.file("table.bin");
    testing_support::writeFile(path, testing_support::packageBytes({
        {"datfile", table},
        {"title", std::string("Shop open", 10)},
        {"glyphs", std::string(sheetPng.begin(), sheetPng.end())},
        {"glyphs_m", std::string(metricsPng.begin(), metricsPng.end())},
    }));
    lang::ResourceFile::add(path.c_str());
    {
        Ref<sprite::DataLoader> loader = adopt(new sprite::DataLoader(folder.path.c_str(), nullptr, nullptr));
        ASSERT_TRUE(loader->load("+datfile"));
        auto* title = static_cast<NewFontSprite*>(loader->getSpritesByName()->get(lang::String("title")));
        ASSERT_NE(title, nullptr);
        ASSERT_TRUE(title->isInstanceOf("NewFontSprite"));
        const util::RectangleNM& bounds = title->getBounds();
        EXPECT_STREQ(title->getText().c_str(), "Shop open");
        EXPECT_EQ(bounds.width, 72);
        EXPECT_EQ(bounds.height, 10);
        // Centred on x = 100, top at y = 10.
        EXPECT_EQ(bounds.x, 64);
        EXPECT_EQ(bounds.y, 10);
    }
    lang::ResourceFile::closeAll();
}

TEST(NewFontPackage, TextInADialogLoadedHiddenMeasuresOnceItsPicturesCome)
{
    TestFont font = makeMonospaceFont(8, 10);
    std::vector<uint8_t> sheetPng;
    std::vector<uint8_t> metricsPng;
    ASSERT_TRUE(window::encodePng(*font.sheet, sheetPng));
    ASSERT_TRUE(window::encodePng(*font.metrics, metricsPng));
    testing_support::TempFolder folder;
    const std::string path = folder.file("table.bin");
    testing_support::writeFile(path, testing_support::packageBytes({
        {"datfile", "<sprites>\npage DialogSprite:+page 0 0 200 100 0 0\n<end>\n"},
        {"page", "<sprites>\ntitle NewFontSprite glyphs glyphs_m 100 10 1\n<end>\n"},
        {"glyphs", std::string(sheetPng.begin(), sheetPng.end())},
        {"glyphs_m", std::string(metricsPng.begin(), metricsPng.end())},
    }));
    lang::ResourceFile::add(path.c_str());
    {
        Ref<sprite::DataLoader> loader = adopt(new sprite::DataLoader(folder.path.c_str(), nullptr, nullptr));
        ASSERT_TRUE(loader->load("+datfile"));
        auto* page = static_cast<sprite::DialogSprite*>(loader->getSpritesByName()->get(lang::String("page")));
        ASSERT_NE(page, nullptr);
        auto* title = static_cast<NewFontSprite*>(page->getChild("title"));
        ASSERT_NE(title, nullptr);
        // The font's pictures were not decoded while the hidden page loaded; set now, the
        // text measures with them.
        title->setText("Open");
        EXPECT_EQ(title->getBounds().width, 32);
        EXPECT_EQ(title->getBounds().height, 10);
        title->setCaretShown(true);
        EXPECT_EQ(title->getBounds().width, 32 + 8) << "the caret is as wide as the underscore";
    }
    lang::ResourceFile::closeAll();
}
