// F_FORMAT and the dimension-string fields, F_PAD and the last year of the version text.
#include <gtest/gtest.h>

#include <string>

#include "core/Fields.h"
#include "core/Format.h"
#include "core/Pad.h"
#include "core/SharedState.h"
#include "core/Text.h"

namespace orv {
namespace {

struct FormatCase {
  const char* name;
  const char* value;
  double factor;
  int kind;
  const char* units;
  const char* expected;
};

class Format : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Format, ShowsTheStoredValueInTheChosenUnits) {
  const auto& c = GetParam();
  EXPECT_EQ(F_FORMAT(c.value, c.factor, c.kind, c.units), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Format,
    ::testing::Values(
        FormatCase{"MetricKeepsBlanks", "  95", kCmToInches, kNoUnit, "Metric", "  95"},
        FormatCase{"MetricLength", "  95", kCmToInches, kLength, "Metric", "95 cm"},
        FormatCase{"MetricWeight", "1360", kKgToPounds, kWeight, "Metric", "1360 kg"},
        FormatCase{"Inches95", " 95", kCmToInches, kNoUnit, "Imperial", "37.4"},
        FormatCase{"Inches100", "100", kCmToInches, kNoUnit, "Imperial", "39.4"},
        FormatCase{"Inches1", "  1", kCmToInches, kNoUnit, "Imperial", "0.4"},
        FormatCase{"InchesWithUnit", " 95", kCmToInches, kLength, "Imperial", "37.4 in"},
        FormatCase{"Pounds", "1360", kKgToPounds, kNoUnit, "Imperial", "2992"},
        FormatCase{"PoundsTwoDigits", "   4", kKgToPounds, kNoUnit, "Imperial", "09"},
        FormatCase{"PoundsWithUnit", "1360", kKgToPounds, kWeight, "Imperial", "2992 lb"},
        FormatCase{"PatternFollowsFactorNotKind", "1360", kKgToPounds, kLength, "Imperial",
                   "2992 in"},
        FormatCase{"BlanksInsideTheNumber", "9 5", kCmToInches, kNoUnit, "Imperial", "37.4"},
        FormatCase{"NegativeValue", "-10", kCmToInches, kNoUnit, "Imperial", "-3.9"},
        FormatCase{"TextImperialLength", "abc", kCmToInches, kNoUnit, "Imperial", "0.0"},
        FormatCase{"TextImperialWeight", "abc", kKgToPounds, kNoUnit, "Imperial", "00"},
        FormatCase{"TextMetric", " x ", kCmToInches, kNoUnit, "Metric", " x "},
        FormatCase{"TextMetricLength", " x ", kCmToInches, kLength, "Metric", "x cm"},
        FormatCase{"LowerCaseNaIsText", "n/a", kCmToInches, kNoUnit, "Imperial", "0.0"},
        FormatCase{"LowerCaseNaMetric", "n/a", kCmToInches, kNoUnit, "Metric", "n/a"},
        FormatCase{"UnitLowerM", " 95", kCmToInches, kNoUnit, "m", " 95"},
        FormatCase{"UnitLeadingBlank", " 95", kCmToInches, kNoUnit, " Metric", " 95"},
        FormatCase{"UnitAnyTextWithM", " 95", kCmToInches, kNoUnit, "Mxyz", " 95"},
        FormatCase{"UnitLowerI", " 95", kCmToInches, kNoUnit, "i", "37.4"},
        FormatCase{"UnitBlankI", " 95", kCmToInches, kNoUnit, " I", "37.4"},
        FormatCase{"UnitBlankCountsImperial", " 95", kCmToInches, kNoUnit, "  ", "37.4"},
        FormatCase{"UnitEmptyCountsImperial", " 95", kCmToInches, kNoUnit, "", "37.4"},
        FormatCase{"UnitOtherCountsImperial", " 95", kCmToInches, kNoUnit, "x", "37.4"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatNotAvailable, BlankMinusOneAndNaShowNaInEveryKindAndSystem) {
  for (const char* value : {"", "   ", "-1", " -1 ", "N/A", " N/A ", "  N/A", "  -1"})
    for (double factor : {kCmToInches, kKgToPounds})
      for (int kind : {kNoUnit, kLength, kWeight})
        for (const char* units : {"Metric", "Imperial"})
          EXPECT_EQ(F_FORMAT(value, factor, kind, units), "N/A")
              << "\"" << value << "\" kind " << kind << " " << units;
}

// One dimension string written out by hand: A..G, OL OW(blank) OH WB TF TR, CW, WD, year.
const std::string kDims = "127104 39 52114 75103411   134233141140107253/4794";

TEST(Fields, AreReadByPosition) {
  ASSERT_EQ(kDims.size(), 50u);
  EXPECT_EQ(fieldText(kDims, A), "127");
  EXPECT_EQ(fieldText(kDims, C), " 39");
  EXPECT_EQ(fieldText(kDims, G), "103");
  EXPECT_EQ(fieldText(kDims, OL), "411");
  EXPECT_EQ(fieldText(kDims, OW), "   ");
  EXPECT_EQ(fieldText(kDims, WB), "233");
  EXPECT_EQ(fieldText(kDims, TR), "140");
  EXPECT_EQ(fieldText(kDims, CW), "1072");
  EXPECT_EQ(fieldText(kDims, WD), "53/47");
  EXPECT_EQ(slice(kDims, kMeasurementYearFirst, kMeasurementYearWidth), "94");
}

TEST(Fields, AreCutShortWhereTheStringEnds) {
  const std::string dims = kDims.substr(0, 35);
  EXPECT_EQ(fieldText(dims, TF), "14");
  EXPECT_EQ(fieldText(dims, TR), "");
  EXPECT_EQ(fieldText(dims, CW), "");
  EXPECT_EQ(fieldText("", A), "");
  EXPECT_EQ(slice(kDims.substr(0, 48), kMeasurementYearFirst, kMeasurementYearWidth), "");
  EXPECT_EQ(formatField(dims, TR, kNoUnit, "Imperial"), "N/A");
}

TEST(Fields, AreFormattedWithTheirOwnFactor) {
  EXPECT_EQ(formatField(kDims, CW, kNoUnit, "Imperial"), "2358");     // 1072 x 2.2 = 2358.4
  EXPECT_EQ(formatField(kDims, WB, kLength, "Imperial"), "91.8 in");  // 233 x 0.394 = 91.80
  EXPECT_EQ(formatField(kDims, OW, kNoUnit, "Imperial"), "N/A");
  EXPECT_EQ(formatField(kDims, C, kNoUnit, "Metric"), " 39");
}

TEST(Fields, MissingDimensionStringReadsAsBlanks) {
  EXPECT_EQ(recordDimensions("<MA>K</MA><MO>x</MO>"), std::string(100, ' '));
  EXPECT_EQ(recordDimensions("<MA>K</MA><DA>127</DA>"), "127");
  for (int f = 0; f < kFieldCount; ++f)
    EXPECT_EQ(formatField(kBlankDimensions, static_cast<Field>(f), kNoUnit, "Metric"), "N/A");
}

TEST(Pad, CutsOrFillsToTheWidth) {
  EXPECT_EQ(F_PAD("abc", 5), "abc  ");
  EXPECT_EQ(F_PAD("abcdef", 3), "abc");
  EXPECT_EQ(F_PAD("", 2), "  ");
  EXPECT_EQ(F_PAD("ab", 0), "");
}

TEST(LastYear, IsTheLeadingNumberOfTheFirstFourCharactersPlusOne) {
  EXPECT_EQ(lastYearOf("2018.1"), "2019");
  EXPECT_EQ(lastYearOf("2018"), "2019");
  EXPECT_EQ(lastYearOf(""), "1");
  EXPECT_EQ(lastYearOf("-1"), "0");
  EXPECT_EQ(lastYearOf("abc"), "1");
  EXPECT_EQ(lastYearOf(" 2018x"), "202");  // only " 201" is read
  EXPECT_EQ(lastYearOf("1.5E3x"), "2");    // "1.5E" reads 1.5
}

TEST(LastYear, StaysAParsableNumberForAHugeReading) {
  // "9E99" reads as 9 x 10^99; the last year must still be a number the window can parse.
  const std::string last = lastYearOf("9E99xx");
  EXPECT_EQ(last, "1000000001");
  EXPECT_EQ(lastYearOf("-9E9"), "-999999999");
}

}  // namespace
}  // namespace orv
