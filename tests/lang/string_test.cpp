// lang::String: the exact hash, trim, capacity rules, borrowing, searching and conversions.
#include "lang/Cp1252.h"
#include "lang/Integer.h"
#include "lang/String.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using lang::String;

namespace {

TEST(StringHashTest, BytesFillFourLanesCombinedByOr)
{
    EXPECT_EQ(String("abcd").hashCode(), 0x64636261);
    EXPECT_EQ(String("abcde").hashCode(), 0x64636265);
    // Bytes 0, 4 and 8 share the low lane: 0x61 | 0x65 | 0x69.
    EXPECT_EQ(String("abcdefghi").hashCode(), 0x6C67666D);
    EXPECT_EQ(String("").hashCode(), 0);
    EXPECT_EQ(String().hashCode(), 0);
}

TEST(StringHashTest, HighBytesAreSignExtendedIntoTheLanesAbove)
{
    EXPECT_EQ(String("\x80").hashCode(), static_cast<int32_t>(0xFFFFFF80u));
    EXPECT_EQ(String("a\x80").hashCode(), static_cast<int32_t>(0xFFFF8061u));
}

TEST(StringTrimTest, BlanksAreBytesUpTo32AndAbove127)
{
    EXPECT_STREQ(String("  x  ").trim().c_str(), "x");
    EXPECT_STREQ(String("ab\xC8").trim().c_str(), "ab");
    EXPECT_STREQ(String("\xC8\t ab c\r\n").trim().c_str(), "ab c");
    EXPECT_STREQ(String("a\x7F").trim().c_str(), "a\x7F");
    EXPECT_STREQ(String(" \t\n ").trim().c_str(), "");
    EXPECT_STREQ(String("").trim().c_str(), "");
    String never;
    EXPECT_TRUE(never.trim().isEmpty());
}

TEST(StringCapacityTest, LengthNGetsTheNextMultipleOf16AboveN)
{
    EXPECT_EQ(String("").capacity(), 16);
    EXPECT_EQ(String("abc").capacity(), 16);
    EXPECT_EQ(String(std::string(15, 'x').c_str()).capacity(), 16);
    EXPECT_EQ(String(std::string(16, 'x').c_str()).capacity(), 32);
    EXPECT_EQ(String('c').capacity(), 16);
    EXPECT_EQ(String().capacity(), 0);
}

TEST(StringCapacityTest, MinimumCapacityIsRoundedUpTo16)
{
    EXPECT_EQ(String("ab", 20).capacity(), 32);
    EXPECT_EQ(String("ab", 16).capacity(), 16);
    EXPECT_EQ(String(String("ab"), 33).capacity(), 48);
    // Never below what the text needs.
    EXPECT_EQ(String(std::string(20, 'x').c_str(), 5).capacity(), 32);
}

TEST(StringCapacityTest, AppendGrowsWhenCapacityIsNotAboveTheNewLength)
{
    String text(std::string(14, 'x').c_str());
    text.append('y');
    EXPECT_EQ(text.length(), 15);
    EXPECT_EQ(text.capacity(), 16);
    text.append('z');
    EXPECT_EQ(text.length(), 16);
    EXPECT_EQ(text.capacity(), 32);
    text.append("0123456789abcdef");
    EXPECT_EQ(text.length(), 32);
    EXPECT_EQ(text.capacity(), 48);
}

TEST(StringCapacityTest, ConcatenationReservesForTheResult)
{
    const String abc("abc");
    const String sum = abc + "defghijklmnop";
    EXPECT_STREQ(sum.c_str(), "abcdefghijklmnop");
    EXPECT_EQ(sum.capacity(), 32);
    EXPECT_EQ((abc + String("d")).capacity(), 16);
    // String + integer reserves the length + 10.
    const String withNumber = abc + 42;
    EXPECT_STREQ(withNumber.c_str(), "abc42");
    EXPECT_EQ(withNumber.capacity(), 16);
    EXPECT_EQ((String("0123456789") + 7).capacity(), 32);
    EXPECT_STREQ((abc + INT_MIN).c_str(), "abc-2147483648");
}

TEST(StringCapacityTest, AssignmentReusesAnOwnedBufferThatIsLargeEnough)
{
    String text(std::string(20, 'x').c_str());
    ASSERT_EQ(text.capacity(), 32);
    text = "short";
    EXPECT_EQ(text.capacity(), 32);
    EXPECT_STREQ(text.c_str(), "short");
    text = std::string(40, 'y').c_str();
    EXPECT_EQ(text.capacity(), 48);
    text = static_cast<const char*>(nullptr);
    EXPECT_TRUE(text.isEmpty());
    EXPECT_EQ(text.capacity(), 48);
}

TEST(StringCapacityTest, TextsBeyond65520BytesWork)
{
    String text;
    const std::string block(1000, 'q');
    for (int i = 0; i < 70; ++i)
        text.append(block.c_str());
    text.append('!');
    EXPECT_EQ(text.length(), 70001);
    EXPECT_GT(text.capacity(), 70001);
    EXPECT_EQ(text.capacity() % 16, 0);
    EXPECT_EQ(text.indexOf('!'), 70000);
    EXPECT_EQ(String(text).length(), 70001);
}

TEST(StringBorrowTest, ChangingABorrowedLiteralCopiesItFirst)
{
    char literal[] = "hello";
    String text(literal, String::Borrow);
    EXPECT_EQ(text.capacity(), 0);
    EXPECT_EQ(text.c_str(), literal);
    text.setCharAt(0, 'j');
    EXPECT_STREQ(text.c_str(), "jello");
    EXPECT_STREQ(literal, "hello");
    EXPECT_GT(text.capacity(), 0);

    String appended(literal, String::Borrow);
    appended.append(" world");
    EXPECT_STREQ(appended.c_str(), "hello world");
    EXPECT_STREQ(literal, "hello");
    EXPECT_NE(appended.c_str(), literal);

    String cut(literal, String::Borrow);
    cut.setLength(2);
    EXPECT_STREQ(cut.c_str(), "he");
    EXPECT_STREQ(literal, "hello");
}

TEST(StringSearchTest, IndexOfAndPrefixes)
{
    const String text("abcabc");
    EXPECT_EQ(text.indexOf('c'), 2);
    EXPECT_EQ(text.indexOf('c', 3), 5);
    EXPECT_EQ(text.indexOf('c', 6), -1);
    EXPECT_EQ(text.indexOf('z'), -1);
    EXPECT_EQ(text.indexOf("bc", 2), 4);
    EXPECT_EQ(text.indexOf("", 3), 0);
    EXPECT_EQ(text.indexOf("abcabcabc"), -1);
    EXPECT_EQ(text.indexOf("bc", 5), -1);
    EXPECT_EQ(text.lastIndexOf('a'), 3);
    EXPECT_EQ(text.lastIndexOf('z'), -1);

    EXPECT_TRUE(text.startsWith(""));
    EXPECT_TRUE(text.startsWith("abc"));
    EXPECT_FALSE(text.startsWith("abd"));
    EXPECT_TRUE(text.endsWith("cabc"));
    EXPECT_FALSE(text.endsWith("xabcabc"));
    const String never;
    EXPECT_TRUE(never.startsWith(""));
    EXPECT_FALSE(never.startsWith("a"));
}

TEST(StringEditTest, SubstringReplaceAndLength)
{
    const String text("abc");
    EXPECT_STREQ(text.substring(1).c_str(), "bc");
    EXPECT_STREQ(text.substring(10).c_str(), "");
    EXPECT_STREQ(text.substring(1, 2).c_str(), "b");
    EXPECT_STREQ(text.substring(2, 1).c_str(), "");

    EXPECT_STREQ(String("aaa").replace("aa", "b").c_str(), "ba");
    EXPECT_STREQ(String("a.b.c").replace(".", "::").c_str(), "a::b::c");
    EXPECT_STREQ(String("abc").replace("", "x").c_str(), "abc");
    EXPECT_STREQ(String("abc").replace("b", "").c_str(), "ac");

    String cut("abcd");
    cut.setLength(10);
    cut.setLength(-1);
    EXPECT_STREQ(cut.c_str(), "abcd");
    cut.setLength(2);
    EXPECT_STREQ(cut.c_str(), "ab");
    EXPECT_EQ(cut.length(), 2);
    cut.setCharAt(2, 'x');
    EXPECT_STREQ(cut.c_str(), "ab");

    String self("ab");
    self.append(self);
    EXPECT_STREQ(self.c_str(), "abab");
    self = self.substring(1);
    EXPECT_STREQ(self.c_str(), "bab");
}

TEST(StringConvertTest, NumbersInDecimalAndGeneralNotation)
{
    EXPECT_STREQ(String(static_cast<int32_t>(-42)).c_str(), "-42");
    EXPECT_STREQ(String(static_cast<int32_t>(0)).c_str(), "0");
    EXPECT_STREQ(String(INT_MIN).c_str(), "-2147483648");
    EXPECT_STREQ(String(12.5).c_str(), "12.5");
    EXPECT_STREQ(String(0.1).c_str(), "0.1");
    EXPECT_STREQ(String(1.0 / 3).c_str(), "0.333333333");
    EXPECT_STREQ(String(1e20).c_str(), "1e+20");
    EXPECT_STREQ(String(123456789012.0).c_str(), "1.23456789e+11");
    String appended("n=");
    appended.append(static_cast<int32_t>(-7));
    EXPECT_STREQ(appended.c_str(), "n=-7");
}

TEST(StringCompareTest, EqualsAndIgnoringCaseInTheWesternCodePage)
{
    const String text("Caf\xE9");
    const String same("Caf\xE9");
    const lang::Integer number(5);
    EXPECT_TRUE(text.equals(static_cast<const lang::Object*>(&same)));
    EXPECT_FALSE(text.equals(static_cast<const lang::Object*>(&number)));
    EXPECT_TRUE(text == "Caf\xE9");
    EXPECT_FALSE(text.equals("caf\xE9"));
    EXPECT_TRUE(text.equalsIgnoreCase("CAF\xC9"));
    EXPECT_TRUE(String("\x8A").equalsIgnoreCase("\x9A")); // S with caron
    EXPECT_FALSE(text.equalsIgnoreCase("Cafe"));
    EXPECT_TRUE(String().equals(""));
    EXPECT_STREQ(text.getClassName(), "String");
}

TEST(StringNameCharTest, LettersDigitsSpaceDashDotAndWesternLetters)
{
    for (int c : std::initializer_list<int>{'a', 'z', 'A', 'Z', '0', '9', ' ', '-', '.', 192, 255})
        EXPECT_TRUE(String::isNameChar(c)) << c;
    for (int c : std::initializer_list<int>{'_', '!', '/', 0, 127, 191})
        EXPECT_FALSE(String::isNameChar(c)) << c;
}

TEST(Cp1252Test, Utf8BecomesWindows1252WithDotsForTheRest)
{
    EXPECT_EQ(lang::utf8ToCp1252("caf\xC3\xA9", 5), "caf\xE9");
    EXPECT_EQ(lang::utf8ToCp1252("\xE2\x82\xAC", 3), "\x80");          // euro sign
    EXPECT_EQ(lang::utf8ToCp1252("\xE2\x80\xA6", 3), "\x85");          // ellipsis
    EXPECT_EQ(lang::utf8ToCp1252("\xE6\x97\xA5!", 4), ".!");           // outside the code page
    EXPECT_EQ(lang::utf8ToCp1252("\xF0\x9F\x98\x80", 4), ".");         // one character, one dot
    EXPECT_EQ(lang::utf8ToCp1252("a\xC3", 2), "a.");                   // cut short
    EXPECT_EQ(lang::utf8ToCp1252("\xC1\x81", 2), ".");                 // overlong "A"
    EXPECT_EQ(lang::utf8ToCp1252("\xED\xA0\x80", 3), ".");             // a lone surrogate
    EXPECT_EQ(lang::cp1252ToUtf8("caf\xE9 \x80"), "caf\xC3\xA9 \xE2\x82\xAC");
}

} // namespace
