// The tag lookups every reader of the year data shares.
#include <gtest/gtest.h>

#include <string>

#include "core/TagText.h"

namespace orv {
namespace {

struct GetTagCase {
  const char* name;
  std::string text;
  const char* tag;
  long start;
  const char* expected;
};

class GetTag : public ::testing::TestWithParam<GetTagCase> {};

TEST_P(GetTag, FindsTheValueBetweenOpeningAndClosingTag) {
  const auto& c = GetParam();
  EXPECT_EQ(F_GETTAG(c.text, c.tag, c.start), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GetTag,
    ::testing::Values(
        GetTagCase{"ModelName", "<MO>Trellan GL</MO>", "MO", 1, "Trellan GL"},
        GetTagCase{"EmptyValue", "<MO></MO>", "MO", 1, ""},
        GetTagCase{"OnlyClosingTag", "</MO>", "MO", 1, "-1"},
        GetTagCase{"OpeningTagWithoutClosing", "<MO>Trellan", "MO", 1, "-1"},
        GetTagCase{"LowerCaseTagsAreNotFound", "<mo>Trellan</mo>", "MO", 1, "-1"},
        GetTagCase{"MixedCaseTagsAreNotFound", "<Mo>Trellan</Mo>", "MO", 1, "-1"},
        GetTagCase{"LowerCaseTagName", "<MO>Trellan</MO>", "mo", 1, "-1"},
        GetTagCase{"ClosingTagBeforeOpeningIsSkipped", "</MO><MO>Zellan</MO>", "MO", 1, "Zellan"},
        GetTagCase{"FirstElementWins", "<MO>a</MO><MO>b</MO>", "MO", 1, "a"},
        GetTagCase{"StartSkipsEarlierElement", "<MO>a</MO><MO>b</MO>", "MO", 2, "b"},
        GetTagCase{"StartExactlyAtOpeningTag", "<MO>a</MO><MO>b</MO>", "MO", 11, "b"},
        GetTagCase{"StartJustPastLastOpeningTag", "<MO>a</MO><MO>b</MO>", "MO", 12, "-1"},
        GetTagCase{"StartBeyondTheEnd", "<MO>a</MO>", "MO", 1000, "-1"},
        GetTagCase{"StartZeroCountsAsOne", "<MO>a</MO>", "MO", 0, "a"},
        GetTagCase{"NegativeStartCountsAsOne", "<MO>a</MO>", "MO", -7, "a"},
        GetTagCase{"LongerTagWithSamePrefixIsNotIt", "<MOD>x</MOD><MO>y</MO>", "MO", 1, "y"},
        GetTagCase{"ValueRunsToItsOwnClosingTag", "<MO>a</MOD>b</MO>", "MO", 1, "a</MOD>b"},
        GetTagCase{"RecordWithoutClosingRunsIntoNext", "<R>one<R>two</R>", "R", 1, "one<R>two"},
        GetTagCase{"BlanksAndLineEndsKept", "<DA>  95 \r\n</DA>", "DA", 1, "  95 \r\n"},
        GetTagCase{"EightBitBytesKept", "<MO>\xC9toile \xFF</MO>", "MO", 1, "\xC9toile \xFF"},
        GetTagCase{"EmptyText", "", "MO", 1, "-1"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GetTag2, AnswersEmptyWhenTheElementIsMissing) {
  EXPECT_EQ(F_GETTAG2("<MA>KESTRO</MA>", "MO"), "");
  EXPECT_EQ(F_GETTAG2("<MO>Trellan", "MO"), "");
  EXPECT_EQ(F_GETTAG2("</MO>", "MO"), "");
  EXPECT_EQ(F_GETTAG2("", "MO"), "");
}

TEST(GetTag2, ReturnsRealValuesIncludingMinusOne) {
  EXPECT_EQ(F_GETTAG2("<MA>K</MA><MO>Trellan</MO>", "MO"), "Trellan");
  EXPECT_EQ(F_GETTAG2("<MO>-1</MO>", "MO"), "-1");
  EXPECT_EQ(F_GETTAG2("<MO></MO>", "MO"), "");
}

TEST(FindElement, ReportsWhereBothTagsBegin) {
  const std::string text = "xx<DA>abc</DA>";
  const auto e = findElement(text, "DA", 0);
  ASSERT_TRUE(e.has_value());
  EXPECT_EQ(e->open, 2u);
  EXPECT_EQ(e->close, 9u);
  EXPECT_EQ(e->value, "abc");
  EXPECT_FALSE(findElement(text, "DA", 3).has_value());
}

struct FirstWordCase {
  const char* name;
  std::string text;
  const char* expected;
};

class FirstWord : public ::testing::TestWithParam<FirstWordCase> {};

TEST_P(FirstWord, IsTheTextBeforeTheFirstBlankOnceTrimmed) {
  EXPECT_EQ(F_FIRSTWORD(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FirstWord,
    ::testing::Values(FirstWordCase{"BlanksAroundTwoWords", "  Trellan Coupe  ", "Trellan"},
                      FirstWordCase{"OneWord", "Trellan", "Trellan"},
                      FirstWordCase{"TwoBlanksBetweenWords", "Trellan  Coupe", "Trellan"},
                      FirstWordCase{"AllBlank", "    ", ""}, FirstWordCase{"Empty", "", ""},
                      FirstWordCase{"TabIsNotABlank", "Trellan\tCoupe GL", "Trellan\tCoupe"},
                      FirstWordCase{"NumberWord", " 2.0 GL", "2.0"}),
    [](const auto& info) { return std::string(info.param.name); });

// Texts longer than a 16-bit length must neither overflow nor be cut.
TEST(FirstWordOfLongText, IsTakenWhole) {
  const std::string word(40000, 'Q');
  EXPECT_EQ(F_FIRSTWORD(word + " x"), word);
}

}  // namespace
}  // namespace orv
