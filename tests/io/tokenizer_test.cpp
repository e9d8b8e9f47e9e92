// io::StreamTokenizer: number reading, words, quotes, comments, lines, byte-order marks, UTF-8,
// and random input.
#include "io/ByteArrayInputStream.h"
#include "io/StreamTokenizer.h"
#include "lang/Ref.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using io::StreamTokenizer;

namespace {

class TokenizerTest : public ::testing::Test {
protected:
    // A tokenizer over the text, set up as the sprite tables use it unless told otherwise.
    StreamTokenizer& over(const std::string& text, bool tableSetup = true)
    {
        source = text;
        stream = lang::adopt(new io::ByteArrayInputStream(reinterpret_cast<const uint8_t*>(source.data()),
                                                          static_cast<int32_t>(source.size())));
        tokenizer = lang::adopt(new StreamTokenizer(stream.get()));
        if (tableSetup) {
            tokenizer->parseNumbers();
            tokenizer->commentChar(';');
            tokenizer->quoteChar('"');
            tokenizer->wordChars('<', '>');
        }
        return *tokenizer;
    }

    // Every token as text: words as they are, numbers as "#value", others by toString.
    std::vector<std::string> tokens()
    {
        std::vector<std::string> out;
        for (int32_t type = tokenizer->nextToken(); type != StreamTokenizer::TT_EOF; type = tokenizer->nextToken()) {
            if (type == StreamTokenizer::TT_NUMBER)
                out.push_back("#" + std::string(tokenizer->toString().c_str()));
            else
                out.push_back(tokenizer->toString().c_str());
        }
        return out;
    }

    double number(const std::string& text)
    {
        over(text);
        EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_NUMBER) << text;
        return tokenizer->getNumberValue();
    }

    std::string source;
    lang::Ref<io::ByteArrayInputStream> stream;
    lang::Ref<StreamTokenizer> tokenizer;
};

TEST_F(TokenizerTest, NumbersInDecimalWithPointAndSign)
{
    EXPECT_EQ(number("12.5"), 12.5);
    EXPECT_EQ(number("-3"), -3.0);
    EXPECT_EQ(number("0"), 0.0);
    EXPECT_EQ(number("007"), 7.0);
    EXPECT_EQ(number(".5"), 0.5);
    // Each digit after the point divides by ten once, in order.
    EXPECT_EQ(number("0.1"), 1.0 / 10);
    EXPECT_EQ(number("1.23"), 123.0 / 10 / 10);
}

TEST_F(TokenizerTest, NumbersFollowTheirOwnQuirks)
{
    EXPECT_EQ(number("1-2"), -12.0);        // a minus anywhere makes it negative
    EXPECT_EQ(number("3.14.15"), 314.15);   // the last point counts
    EXPECT_EQ(number("-"), 0.0);
    EXPECT_TRUE(std::signbit(tokenizer->getNumberValue()));
    EXPECT_EQ(number("."), 0.0);
}

TEST_F(TokenizerTest, HexNumbers)
{
    EXPECT_EQ(number("0x1F"), 31.0);
    EXPECT_EQ(number("0xff"), 255.0);
    EXPECT_EQ(number("0xFF00FF"), 16711935.0);
    EXPECT_EQ(number("-0x10"), -16.0);
    // "x" continues a number only while its value is 0.
    over("5x");
    EXPECT_EQ(tokens(), (std::vector<std::string>{"#5", "x"}));
    // Letters past F end a hex number.
    over("0x1G");
    EXPECT_EQ(tokens(), (std::vector<std::string>{"#1", "G"}));
}

TEST_F(TokenizerTest, WordsTakeDigitsButNumbersEndAtLetters)
{
    over("abc12 12abc <sprites> a-b.c");
    EXPECT_EQ(tokens(), (std::vector<std::string>{"abc12", "#12", "abc", "<sprites>", "a-b.c"}));
}

TEST_F(TokenizerTest, QuotedStrings)
{
    over("\"hello world\" \"\" x \"to the end");
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_WORD);
    EXPECT_STREQ(tokenizer->getStringValue().c_str(), "hello world");
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_WORD);
    EXPECT_STREQ(tokenizer->getStringValue().c_str(), "");
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_WORD);
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_WORD);
    EXPECT_STREQ(tokenizer->getStringValue().c_str(), "to the end");
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_EOF);
}

TEST_F(TokenizerTest, AnyQuoteCharacterClosesAString)
{
    over("\"it's\" done");
    tokenizer->quoteChar('\'');
    EXPECT_EQ(tokens(), (std::vector<std::string>{"it", "s", " done"}));
}

TEST_F(TokenizerTest, CommentsRunToTheEndOfTheLineWhereverTheyStart)
{
    over("; header comment\nlogo Sprite 10 20 ; the logo\n;another\n  next;tail\nlast");
    EXPECT_EQ(tokens(), (std::vector<std::string>{"logo", "Sprite", "#10", "#20", "next", "last"}));
    EXPECT_EQ(tokenizer->lineNumber(), 5);
}

TEST_F(TokenizerTest, LinesAreCountedWhenEndsOfLinesAreNotTokens)
{
    over("one\ntwo\nthree");
    EXPECT_EQ(tokens(), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_EOF);
    EXPECT_EQ(tokenizer->lineNumber(), 3);

    over("a\r\nb\r\n\"two\nlines\"\nc");
    EXPECT_EQ(tokens(), (std::vector<std::string>{"a", "b", "two\nlines", "c"}));
    EXPECT_EQ(tokenizer->lineNumber(), 5);
}

TEST_F(TokenizerTest, EndsOfLinesAsTokens)
{
    over("a b\n\nc ; note\n");
    tokenizer->eolIsSignificant(true);
    std::vector<int32_t> types;
    for (int32_t type = tokenizer->nextToken(); type != StreamTokenizer::TT_EOF; type = tokenizer->nextToken())
        types.push_back(type);
    const int32_t W = StreamTokenizer::TT_WORD;
    const int32_t E = StreamTokenizer::TT_EOL;
    EXPECT_EQ(types, (std::vector<int32_t>{W, W, E, E, W, E}));
    EXPECT_EQ(tokenizer->lineNumber(), 4);
    EXPECT_STREQ(tokenizer->toString().c_str(), "EOF");
}

TEST_F(TokenizerTest, OrdinaryCharactersAreTokensByThemselves)
{
    over("a=b,=", false);
    tokenizer->ordinaryChar('=');
    tokenizer->ordinaryChar(',');
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_WORD);
    EXPECT_EQ(tokenizer->nextToken(), '=');
    EXPECT_STREQ(tokenizer->toString().c_str(), "=");
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_WORD);
    EXPECT_EQ(tokenizer->nextToken(), ',');
    EXPECT_EQ(tokenizer->nextToken(), '=');
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_EOF);
}

TEST_F(TokenizerTest, WithoutSetUpEverythingPrintableIsAWord)
{
    over("12.5 \"q\" ;c", false);
    EXPECT_EQ(tokens(), (std::vector<std::string>{"12.5", "\"q\"", ";c"}));
}

TEST_F(TokenizerTest, PushBackReturnsTheSameTokenAgain)
{
    over("first 7");
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_WORD);
    tokenizer->pushBack();
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_WORD);
    EXPECT_STREQ(tokenizer->getStringValue().c_str(), "first");
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_NUMBER);
    tokenizer->pushBack();
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_NUMBER);
    EXPECT_EQ(tokenizer->getNumberValue(), 7.0);
    EXPECT_STREQ(tokenizer->toString().c_str(), "7");
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_EOF);
    EXPECT_EQ(tokenizer->nextToken(), StreamTokenizer::TT_EOF);
}

TEST_F(TokenizerTest, AByteOrderMarkIsTakenOffTheFirstWord)
{
    over("\xEF\xBB\xBF<sprites> x");
    EXPECT_EQ(tokens(), (std::vector<std::string>{"<sprites>", "x"}));
    EXPECT_TRUE(tokenizer->hadByteOrderMark());

    // Standing alone before a comment, it is no word at all.
    over("\xEF\xBB\xBF; comment\nword");
    EXPECT_EQ(tokens(), (std::vector<std::string>{"word"}));
    EXPECT_TRUE(tokenizer->hadByteOrderMark());

    // Only at the start of the first word.
    over("a \xEF\xBB\xBF" "b");
    EXPECT_EQ(tokens(), (std::vector<std::string>{"a", "\xEF\xBB\xBF" "b"}));
    EXPECT_FALSE(tokenizer->hadByteOrderMark());
}

TEST_F(TokenizerTest, Utf8IsDecodedIntoTheWesternCodePage)
{
    over("\xEF\xBB\xBF" "caf\xC3\xA9 \"\xE2\x80\xA6 \xE2\x82\xAC\" \xE6\x97\xA5x \xEF\xBB\xBF" "b");
    tokenizer->setEncoding(StreamTokenizer::UTF8);
    EXPECT_EQ(tokens(), (std::vector<std::string>{"caf\xE9", "\x85 \x80", "?x", "b"}));
    // The mark is skipped while decoding, so no word ever began with it.
    EXPECT_FALSE(tokenizer->hadByteOrderMark());
}

TEST_F(TokenizerTest, AnEndInsideAUtf8SequenceEndsTheStream)
{
    over("ok \xE2\x82");
    tokenizer->setEncoding(StreamTokenizer::UTF8);
    EXPECT_EQ(tokens(), (std::vector<std::string>{"ok"}));
}

TEST_F(TokenizerTest, RandomBytesGiveTokensAndThenTheEnd)
{
    std::mt19937 generator(99);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(generator() % 400, '\0');
        for (char& c : bytes)
            c = static_cast<char>(generator() % 4 == 0 ? "\"; \n-.x0F"[generator() % 9] : generator());
        over(bytes);
        tokenizer->setEncoding(round % 2 ? StreamTokenizer::UTF8 : 0);
        tokenizer->eolIsSignificant(round % 3 == 0);
        size_t count = 0;
        for (int32_t type = tokenizer->nextToken(); type != StreamTokenizer::TT_EOF; type = tokenizer->nextToken()) {
            ASSERT_GE(type, StreamTokenizer::TT_WORD);
            ASSERT_LE(type, 255);
            ASSERT_LE(++count, bytes.size()) << "more tokens than bytes in round " << round;
        }
    }
}

} // namespace
