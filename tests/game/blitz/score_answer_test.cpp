#include "game/blitz/ScoreAnswer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string entry(const std::string& name, const std::string& score, const std::string& level,
                  const std::string& rank = "")
{
    return "<entry><name>" + name + "</name><score>" + score + "</score><level>" + level + "</level>"
        + (rank.empty() ? "" : "<rank>" + rank + "</rank>") + "</entry>";
}

ScoreAnswer read(const std::string& body)
{
    return ScoreAnswer(lang::String(body.data(), 0, static_cast<int32_t>(body.size())));
}

} // namespace

TEST(ScoreAnswer, ReadsValidEntriesAndSkipsInvalidOnesOneByOne)
{
    ScoreAnswer answer = read("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<scores>\n"
        + entry("Ann", "299000", "3", "1")         // 1000 tenths
        + entry("Short", "299500", "3")            // 500 tenths: too fast
        + entry("", "298000", "3")                 // no name
        + entry("Lev", "298000", "13")             // no such shop
        + entry("Big", "99999999999", "3")         // beyond 32 bits
        + entry("Neg", "-5", "3")                  // a time of 300005 tenths
        + entry("Txt", "29x000", "3")              // not a number
        + "<entry><name>NoLevel</name><score>298000</score></entry>"
        + entry("Zo\xC3\xAB &amp; Co", " 297000 ", "12")  // UTF-8 and an entity, blanks around the number
        + "<other>ignored</other>"
        + entry("Cy", "299399", "1", "9")          // 601 tenths, the fastest time there is
        + "</scores>");
    const auto& entries = answer.getEntries();
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_STREQ(entries[0].name.c_str(), "Ann");
    EXPECT_EQ(entries[0].time, 1000);
    EXPECT_EQ(entries[0].level, 3);
    EXPECT_EQ(entries[0].rank, 1);
    EXPECT_STREQ(entries[1].name.c_str(), "Zo\xEB & Co") << "Windows-1252 in the game";
    EXPECT_EQ(entries[1].time, 3000);
    EXPECT_EQ(entries[1].rank, 2) << "the running count of valid entries";
    EXPECT_EQ(entries[2].time, 601);
    EXPECT_EQ(entries[2].rank, 9);
    EXPECT_EQ(answer.getHighlight(), -1);
}

TEST(ScoreAnswer, HighlightScrollsAndTheRowsClampTheOffset)
{
    std::string body = "<scores>";
    for (int i = 1; i <= 25; i++)
        body += entry("P" + std::to_string(i), std::to_string(299000 - i), "4", std::to_string(i));
    ScoreAnswer answer = read(body + "<highlight>25</highlight></scores>");
    EXPECT_EQ(answer.getEntries().size(), 25u);
    EXPECT_EQ(answer.getHighlight(), 25);
    EXPECT_EQ(answer.getOffset(), 20);
    EXPECT_EQ(ScoreAnswer::clampForRows(answer.getOffset(), 25), 5);
    EXPECT_EQ(ScoreAnswer::clampForRows(3, 10), 0);

    // The clamp uses the entries read before the highlight.
    EXPECT_EQ(read("<scores><highlight>9</highlight>" + entry("A", "299000", "1") + "</scores>").getOffset(), 0);
    EXPECT_EQ(read("<scores>" + entry("A", "299000", "1") + entry("B", "298000", "1") + entry("C", "297000", "1")
                   + "<highlight>7</highlight></scores>")
                  .getOffset(),
              2);
    EXPECT_EQ(read("<scores><highlight>4000000000</highlight></scores>").getHighlight(), -1);
}

TEST(ScoreAnswer, AnythingButTheExpectedXmlGivesNoEntries)
{
    for (const std::string& body :
         {std::string(), std::string("not xml at all"), std::string("<scores>") + entry("A", "299000", "1"),
          std::string("{\"entry\": 1}"), std::string("<scores>\0<entry/></scores>", 25)}) {
        ScoreAnswer answer = read(body);
        EXPECT_TRUE(answer.getEntries().empty()) << body;
        EXPECT_EQ(answer.getHighlight(), -1);
    }
}

TEST(ScoreAnswer, KeepsAtMostAThousandEntries)
{
    std::string body = "<scores>";
    for (int i = 0; i < 1200; i++)
        body += entry("P", "298000", "2");
    ScoreAnswer answer = read(body + "<highlight>1100</highlight></scores>");
    EXPECT_EQ(answer.getEntries().size(), static_cast<size_t>(ScoreAnswer::MaxEntries));
    EXPECT_EQ(answer.getOffset(), ScoreAnswer::MaxEntries - 1);
}
