// Numeric reading of stored and typed texts, the fixed number patterns, F_FORMAT and the
// last year of the version text.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "core/Format.h"
#include "core/Numbers.h"
#include "core/SharedState.h"

namespace orv {

using namespace orv::core;
namespace {

// Plain decimal numbers read as strtod reads them (fuzz/fuzz_numbers.cpp); these are the
// texts with blanks inside, other exponent letters or trailing junk.
TEST(NumericReading, TakesTheLeadingNumberSkippingBlanks) {
  const std::pair<const char*, double> cases[] = {
      {"9 5", 95}, {"1 2 . 5", 12.5}, {"- 12", -12},  {"2D3", 2000}, {"1e+", 1}, {"E5", 0},
      {"N/A", 0},  {"12abc", 12},     {"1.2.3", 1.2}, {"1,5", 1},    {"--5", 0}, {"1e999", 0},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_DOUBLE_EQ(numericReading(text), expected) << "\"" << text << "\"";
  for (const char* no : {"1.2.3", "   ", ".", "1e", "12 3", "1,5", "+-1"})
    EXPECT_FALSE(isDecimalNumber(no)) << no;
}

// 1.15 and 2.25 are stored a little below or above the decimal they stand for; they must
// round like the decimal, halves away from zero.
TEST(NumberPatterns, RoundHalvesAwayFromZero) {
  const std::tuple<double, const char*, const char*> cases[] = {
      {1.15, "1.2", "01"},    {2.25, "2.3", "02"},
      {-1.15, "-1.2", "-01"}, {0.05, "0.1", "00"},
      {2.5, "2.5", "03"},     {-2.5, "-2.5", "-03"},
      {4 * 2.2, "8.8", "09"}, {12345.5, "12345.5", "12346"},
  };
  for (const auto& [value, oneDecimal, wholeTwoDigits] : cases) {
    EXPECT_EQ(formatOneDecimal(value), oneDecimal) << value;
    EXPECT_EQ(formatWholeTwoDigits(value), wholeTwoDigits) << value;
  }
}

// The usual values ("95 cm", "37.4 in", "2992 lb", "09", " 95") are in the report pages and
// the grid, and fuzz/fuzz_numbers.cpp checks N/A, the patterns, the metric pass-through and
// the unit text's first letter; these are the odd ones.
TEST(Format, ShowsTheStoredValueInTheChosenUnits) {
  const std::tuple<const char*, double, int, const char*, const char*> cases[] = {
      {" x ", kCmToInches, kLength, "Metric", "x cm"},
      {"1360", kKgToPounds, kLength, "Imperial", "2992 in"},  // the pattern follows the factor
      {"-10", kCmToInches, kNoUnit, "Imperial", "-3.9"},
      {"abc", kCmToInches, kNoUnit, "Imperial", "0.0"},
      {"n/a", kKgToPounds, kNoUnit, "Imperial", "00"},
  };
  for (const auto& [value, factor, kind, units, expected] : cases)
    EXPECT_EQ(F_FORMAT(value, factor, kind, unitSystemOf(units)), expected)
        << value << " " << units;
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
