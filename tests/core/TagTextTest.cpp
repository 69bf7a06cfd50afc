// The tag lookups every reader of the year data shares.
#include <gtest/gtest.h>

#include <string>

#include "TagText.h"

namespace orv {
namespace {

TEST(GetTag, FindsTheValueBetweenOpeningAndClosingTag) {
  struct Case {
    std::string text;
    const char* tag;
    long start;
    const char* expected;
  };
  const Case cases[] = {
      {"<MO>Trellan GL</MO>", "MO", 1, "Trellan GL"},
      {"<MO></MO>", "MO", 1, ""},
      {"</MO>", "MO", 1, "-1"},
      {"<MO>Trellan", "MO", 1, "-1"},
      {"<mo>Trellan</mo>", "MO", 1, "-1"},  // tags are matched with their case
      {"</MO><MO>Zellan</MO>", "MO", 1, "Zellan"},
      {"<MO>a</MO><MO>b</MO>", "MO", 11, "b"},  // start exactly at the second opening tag
      {"<MO>a</MO><MO>b</MO>", "MO", 12, "-1"},
      {"<MO>a</MO>", "MO", 1000, "-1"},
      {"<MO>a</MO>", "MO", -7, "a"},
      {"<MOD>x</MOD><MO>y</MO>", "MO", 1, "y"},
      {"<MO>a</MOD>b</MO>", "MO", 1, "a</MOD>b"},
      {"<R>one<R>two</R>", "R", 1, "one<R>two"},
      {"<DA>  95 \r\n</DA>", "DA", 1, "  95 \r\n"},
      {"<MO>\xC9toile \xFF</MO>", "MO", 1, "\xC9toile \xFF"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(F_GETTAG(c.text, c.tag, c.start), c.expected) << c.text << " from " << c.start;
}

TEST(GetTag2, AnswersEmptyForAMissingElementAndRealValuesOtherwise) {
  EXPECT_EQ(F_GETTAG2("<MA>KESTRO</MA>", "MO"), "");
  EXPECT_EQ(F_GETTAG2("<MO>Trellan", "MO"), "");
  EXPECT_EQ(F_GETTAG2("<MA>K</MA><MO>Trellan</MO>", "MO"), "Trellan");
  EXPECT_EQ(F_GETTAG2("<MO>-1</MO>", "MO"), "-1");
}

TEST(FirstWord, IsTheTextBeforeTheFirstBlankOnceTrimmed) {
  const std::pair<std::string, const char*> cases[] = {
      {"  Trellan Coupe  ", "Trellan"},        {"Trellan", "Trellan"}, {"    ", ""}, {"", ""},
      {"Trellan\tCoupe GL", "Trellan\tCoupe"},  // a tab is no blank
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(F_FIRSTWORD(text), expected) << text;
  // Texts longer than a 16-bit length are neither overflowed nor cut.
  EXPECT_EQ(F_FIRSTWORD(std::string(40000, 'Q') + " x"), std::string(40000, 'Q'));
}

}  // namespace
}  // namespace orv
