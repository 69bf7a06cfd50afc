// F_FORMAT and the dimension-string fields, F_PAD and the last year of the version text.
#include <gtest/gtest.h>

#include <string>

#include "core/Fields.h"
#include "core/Format.h"
#include "core/SharedState.h"
#include "core/Text.h"

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
  const Case cases[] = {
      {"  95", kCmToInches, kNoUnit, "Metric", "  95"},  // metric kind 0 keeps the blanks
      {"  95", kCmToInches, kLength, "Metric", "95 cm"},
      {"1360", kKgToPounds, kWeight, "Metric", "1360 kg"},
      {" x ", kCmToInches, kLength, "Metric", "x cm"},
      {"n/a", kCmToInches, kNoUnit, "Metric", "n/a"},
      {" 95", kCmToInches, kNoUnit, "Imperial", "37.4"},
      {" 95", kCmToInches, kLength, "Imperial", "37.4 in"},
      {"1360", kKgToPounds, kNoUnit, "Imperial", "2992"},
      {"   4", kKgToPounds, kNoUnit, "Imperial", "09"},
      {"1360", kKgToPounds, kWeight, "Imperial", "2992 lb"},
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

// One dimension string written out by hand: A..G, OL OW(blank) OH WB TF TR, CW, WD, year.
const std::string kDims = "127104 39 52114 75103411   134233141140107253/4794";

TEST(Fields, AreReadByPositionCutShortAndFormattedWithTheirOwnFactor) {
  EXPECT_EQ(fieldText(kDims, G), "103");
  EXPECT_EQ(fieldText(kDims, WD), "53/47");
  EXPECT_EQ(slice(kDims, kMeasurementYearFirst, kMeasurementYearWidth), "94");
  EXPECT_EQ(fieldText(kDims.substr(0, 35), TF), "14");
  EXPECT_EQ(formatField(kDims.substr(0, 35), TR, kNoUnit, "Imperial"), "N/A");
  EXPECT_EQ(formatField(kDims, CW, kNoUnit, "Imperial"), "2358");     // 1072 x 2.2 = 2358.4
  EXPECT_EQ(formatField(kDims, WB, kLength, "Imperial"), "91.8 in");  // 233 x 0.394 = 91.80
  EXPECT_EQ(recordDimensions("<MA>K</MA><MO>x</MO>"), std::string(100, ' '));
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
