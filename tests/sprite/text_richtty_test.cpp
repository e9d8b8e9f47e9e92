// RichTTYSprite: the backquote markup, wrapping to the box, the font size that fits, and the
// table entry.
#include "sprite/RichTTYSprite.h"

#include "sprite/text/RichTextMarkup.h"
#include "window/image/ImageArray.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"
#include "window/text/FontMetrics.h"

#include <gtest/gtest.h>

using lang::adopt;
using lang::Ref;
using sprite::MarkupPiece;
using sprite::RichTTYSprite;

namespace {

constexpr uint32_t Ink = 0xFF202020u;

std::string kinds(const std::vector<MarkupPiece>& pieces)
{
    std::string out;
    for (const MarkupPiece& piece : pieces) {
        switch (piece.kind) {
        case MarkupPiece::Word: out += "[" + std::string(piece.text.c_str()) + "]"; break;
        case MarkupPiece::Space: out += "_"; break;
        case MarkupPiece::LineFeed: out += "L"; break;
        case MarkupPiece::CarriageReturn: out += "R"; break;
        case MarkupPiece::NewLine: out += "N"; break;
        }
    }
    return out;
}

int32_t widthOf(const RichTTYSprite& box, const lang::String& text, int32_t style)
{
    Ref<window::FontMetrics> metrics = adopt(box.getFont(style)->getFontMetrics());
    return metrics->stringWidth(text);
}

} // namespace

TEST(RichMarkup, BoldAndItalicSwitchOnAndOff)
{
    const std::vector<MarkupPiece> pieces = sprite::parseMarkup("a `bbold`/b `i`bboth`/i`/b", Ink);
    EXPECT_EQ(kinds(pieces), "[a]_[bold]_[both]");
    EXPECT_EQ(pieces[0].style, 0);
    EXPECT_EQ(pieces[2].style, MarkupPiece::Bold);
    EXPECT_EQ(pieces[4].style, MarkupPiece::Bold | MarkupPiece::Italic);
}

TEST(RichMarkup, ColoursInThreeAndSixDigits)
{
    const std::vector<MarkupPiece> pieces = sprite::parseMarkup("`cf00red `C12aB34x `/cback", Ink);
    ASSERT_EQ(kinds(pieces), "[red]_[x]_[back]");
    EXPECT_EQ(pieces[0].color, 0xFFF00000u);
    EXPECT_EQ(pieces[2].color, 0xFF12AB34u);
    EXPECT_EQ(pieces[4].color, Ink);
    // Hex digits of both cases; an incomplete colour is no command.
    EXPECT_EQ(sprite::parseMarkup("`cAbCx", Ink)[0].color, 0xFFA0B0C0u);
    const std::vector<MarkupPiece> broken = sprite::parseMarkup("`cx1z", Ink);
    EXPECT_EQ(kinds(broken), "[x1z]");
    EXPECT_EQ(broken[0].color, Ink);
}

TEST(RichMarkup, LineCommandsLiteralBackquoteAndUnknownLetters)
{
    EXPECT_EQ(kinds(sprite::parseMarkup("a`lb`rc`nd\ne", Ink)), "[a]L[b]R[c]N[d]N[e]");
    EXPECT_EQ(kinds(sprite::parseMarkup("it``s `zfine", Ink)), "[it`s]_[fine]");
    EXPECT_EQ(kinds(sprite::parseMarkup("end`", Ink)), "[end]");
    // A style change inside a word splits it into pieces that stay together.
    EXPECT_EQ(kinds(sprite::parseMarkup("ab`bcd", Ink)), "[ab][cd]");
}

TEST(RichTTY, BoldWordAndRedTextInTheLines)
{
    Ref<RichTTYSprite> box = adopt(new RichTTYSprite(0, 0, 400, 100, 16, Ink));
    box->setText("plain `bbold`/b again `cf00red");
    ASSERT_EQ(box->getLines().size(), 1u);
    const RichTTYSprite::TextLine& line = box->getLines()[0];
    ASSERT_EQ(line.size(), 4u);
    EXPECT_STREQ(line[0].text.c_str(), "plain");
    EXPECT_STREQ(line[1].text.c_str(), "bold");
    EXPECT_EQ(line[1].style, MarkupPiece::Bold);
    EXPECT_EQ(line[1].x, widthOf(*box, "plain ", 0));
    EXPECT_STREQ(line[2].text.c_str(), "again");
    EXPECT_EQ(line[2].style, 0);
    EXPECT_EQ(line[3].color, 0xFFF00000u);
    EXPECT_STREQ(line[3].text.c_str(), "red");
    EXPECT_EQ(line[3].x, line[2].x + widthOf(*box, "again ", 0));
}

TEST(RichTTY, WordsWrapAtSpacesToTheBox)
{
    Ref<RichTTYSprite> box = adopt(new RichTTYSprite(0, 0, 1, 200, 16, Ink));
    const int32_t width = widthOf(*box, "one two", 0);
    box->setSize(width, 200);
    box->setText("one two one two one");
    ASSERT_EQ(box->getLines().size(), 3u);
    EXPECT_STREQ(box->getLines()[0][0].text.c_str(), "one two");
    EXPECT_STREQ(box->getLines()[1][0].text.c_str(), "one two");
    EXPECT_STREQ(box->getLines()[2][0].text.c_str(), "one");
    EXPECT_EQ(box->getLines()[1][0].x, 0);
    for (const RichTTYSprite::TextLine& line : box->getLines())
        EXPECT_LE(line.back().x + widthOf(*box, line.back().text, line.back().style), width);
}

TEST(RichTTY, LineCommandsPlaceTheText)
{
    Ref<RichTTYSprite> box = adopt(new RichTTYSprite(0, 0, 400, 200, 16, Ink));
    box->setText("ab`lcd`re`nf");
    ASSERT_EQ(box->getLines().size(), 3u);
    // A line feed keeps the column; a carriage return goes back to the left edge.
    EXPECT_EQ(box->getLines()[1][0].x, widthOf(*box, "ab", 0));
    EXPECT_EQ(box->getLines()[1][1].x, 0);
    EXPECT_STREQ(box->getLines()[1][1].text.c_str(), "e");
    EXPECT_EQ(box->getLines()[2][0].x, 0);
}

TEST(RichTTY, FontSizeIsTheLargestWhoseHeightFits)
{
    Ref<RichTTYSprite> box = adopt(new RichTTYSprite(0, 0, 200, 100, 20, Ink));
    EXPECT_LE(box->getLineHeight(), 20);
    EXPECT_EQ(box->getLineHeight(), box->getFont(0)->getTextMetrics().height);
    if (box->getFontSize() < 20) {
        Ref<window::Font> larger = adopt(new window::Font("Verdana", 0, box->getFontSize() + 1));
        EXPECT_GT(larger->getTextMetrics().height, 20);
    }
    EXPECT_EQ(box->getFont(3)->getStyle(), 3);
}

TEST(RichTTY, TableEntryNeedsSixNumbers)
{
    Ref<lang::IntArray> five = adopt(new lang::IntArray(5));
    Ref<RichTTYSprite> box = adopt(new RichTTYSprite);
    EXPECT_FALSE(box->init(nullptr, five.get()));
    Ref<lang::IntArray> seven = adopt(new lang::IntArray(7));
    const int32_t values[7] = {10, 20, 300, 120, 18, 0x3366CC, static_cast<int32_t>(0x80000000u)};
    for (int32_t i = 0; i < 7; ++i)
        (*seven)[i] = values[i];
    ASSERT_TRUE(box->init(nullptr, seven.get()));
    EXPECT_EQ(box->getBounds().x, 10);
    EXPECT_EQ(box->getBounds().y, 20);
    EXPECT_EQ(box->getWidth(), 300);
    EXPECT_EQ(box->getHeight(), 120);
    box->setText("colour");
    EXPECT_EQ(box->getLines()[0][0].color, 0xFF3366CCu);
}

TEST(RichTTY, LinesBeyondTheBoxAreNotDrawn)
{
    Ref<RichTTYSprite> box = adopt(new RichTTYSprite(0, 0, 200, 20, 16, 0xFFFFFFFFu));
    box->setText("first`nsecond`nthird");
    Ref<window::PixelImage> target = adopt(new window::PixelImage(200, 80));
    Ref<window::Graphics> graphics = adopt(target->getGraphics());
    box->render(graphics.get());
    int32_t below = 0;
    for (int32_t i = 20 * 200; i < 80 * 200; ++i)
        below += target->getPixels()[i] != 0 ? 1 : 0;
    int32_t inside = 0;
    for (int32_t i = 0; i < 20 * 200; ++i)
        inside += target->getPixels()[i] != 0 ? 1 : 0;
    EXPECT_EQ(below, 0);
    EXPECT_GT(inside, 20);
}
