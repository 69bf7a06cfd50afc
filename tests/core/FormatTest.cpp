// F_FORMAT and the last year of the version text.
#include <gtest/gtest.h>

#include <string>

#include "Format.h"
#include "SharedState.h"

namespace orv {
namespace {

TEST(Format, ShowsTheStoredValueInTheChosenUnits) {
  struct Case {
    const char* value;
    double factor;
    int kind;
    const char* units;
    const char* expected;
  };
  // The usual values ("95 cm", "37.4 in", "2992 lb", "09", " 95") are in the report pages and
  // the grid; these are the ones no page shows.
  const Case cases[] = {
      {" x ", kCmToInches, kLength, "Metric", "x cm"},
      {"n/a", kCmToInches, kNoUnit, "Metric", "n/a"},
      {"1360", kKgToPounds, kLength, "Imperial", "2992 in"},  // the pattern follows the factor
      {"-10", kCmToInches, kNoUnit, "Imperial", "-3.9"},
      {"abc", kCmToInches, kNoUnit, "Imperial", "0.0"},
      {"n/a", kKgToPounds, kNoUnit, "Imperial", "00"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(F_FORMAT(c.value, c.factor, c.kind, c.units), c.expected)
        << "\"" << c.value << "\" kind " << c.kind << " " << c.units;
}

TEST(Format, CountsOnlyAUnitTextStartingWithMAsMetric) {
  for (const char* units : {"Metric", "m", " Metric", "Mxyz"})
    EXPECT_EQ(F_FORMAT(" 95", kCmToInches, kNoUnit, units), " 95") << units;
  for (const char* units : {"Imperial", "i", " I", "  ", "", "x"})
    EXPECT_EQ(F_FORMAT(" 95", kCmToInches, kNoUnit, units), "37.4") << units;
}

TEST(Format, BlankMinusOneAndNaShowNaInEveryKindAndSystem) {
  for (const char* value : {"", "   ", "-1", " -1 ", "N/A", "  N/A"})
    for (double factor : {kCmToInches, kKgToPounds})
      for (int kind : {kNoUnit, kLength, kWeight})
        for (const char* units : {"Metric", "Imperial"})
          EXPECT_EQ(F_FORMAT(value, factor, kind, units), "N/A")
              << "\"" << value << "\" kind " << kind << " " << units;
}

TEST(LastYear, IsTheLeadingNumberOfTheFirstFourCharactersPlusOne) {
  const std::pair<const char*, const char*> cases[] = {
      {"2018.1", "2019"},       {"", "1"}, {"-1", "0"}, {"abc", "1"},
      {" 2018x", "202"},         // only " 201" is read
      {"9E99xx", "1000000001"},  // a huge reading stays a number the window can parse
      {"-9E9", "-999999999"}};
  for (const auto& [version, expected] : cases) EXPECT_EQ(lastYearOf(version), expected) << version;
}

}  // namespace
}  // namespace orv
