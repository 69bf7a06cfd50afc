// Numeric reading of stored and typed texts, and the fixed number patterns.
#include <gtest/gtest.h>

#include <string>

#include "core/Numbers.h"

namespace orv {
namespace {

struct ReadingCase {
  const char* text;
  double expected;
};

class NumericReading : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(NumericReading, TakesTheLeadingNumber) {
  EXPECT_DOUBLE_EQ(numericReading(GetParam().text), GetParam().expected)
      << "text \"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumericReading,
    ::testing::Values(ReadingCase{"95", 95}, ReadingCase{"  95", 95}, ReadingCase{"95  ", 95},
                      ReadingCase{"9 5", 95}, ReadingCase{"1 2 . 5", 12.5}, ReadingCase{"\t42", 42},
                      ReadingCase{"-12", -12}, ReadingCase{"+7", 7}, ReadingCase{"- 12", -12},
                      ReadingCase{"-1", -1}, ReadingCase{"1.5", 1.5}, ReadingCase{".5", 0.5},
                      ReadingCase{"+.5", 0.5}, ReadingCase{"1.5E2", 150},
                      ReadingCase{"1.5e-1", 0.15}, ReadingCase{"2D3", 2000}, ReadingCase{"1e", 1},
                      ReadingCase{"1e+", 1}, ReadingCase{"E5", 0}, ReadingCase{"N/A", 0},
                      ReadingCase{"", 0}, ReadingCase{"   ", 0}, ReadingCase{"12abc", 12},
                      ReadingCase{"1.2.3", 1.2}, ReadingCase{"1,5", 1}, ReadingCase{"--5", 0},
                      ReadingCase{"53/47", 53}, ReadingCase{"1e999", 0}));

TEST(IsDecimalNumber, AcceptsOneWholeNumberWithBlanksAround) {
  for (const char* yes : {" 12 ", "12", "1.5E2", "1e+5", "+.5", "-3", "5.", "0.25"})
    EXPECT_TRUE(isDecimalNumber(yes)) << yes;
  for (const char* no : {"1.2.3", "", "   ", "abc", ".", "-", "1e", "12 3", "12a", "1,5", "+-1"})
    EXPECT_FALSE(isDecimalNumber(no)) << no;
}

struct PatternCase {
  double value;
  const char* expected;
};

class OneDecimal : public ::testing::TestWithParam<PatternCase> {};

TEST_P(OneDecimal, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(formatOneDecimal(GetParam().value), GetParam().expected);
}

// 1.15 and 2.25 are stored a little below or above the decimal they stand for; they must
// round like the decimal.
INSTANTIATE_TEST_SUITE_P(Cases, OneDecimal,
                         ::testing::Values(PatternCase{37.43, "37.4"}, PatternCase{39.4, "39.4"},
                                           PatternCase{0.394, "0.4"}, PatternCase{1.15, "1.2"},
                                           PatternCase{1.25, "1.3"}, PatternCase{2.25, "2.3"},
                                           PatternCase{0.05, "0.1"}, PatternCase{0, "0.0"},
                                           PatternCase{-1.15, "-1.2"}, PatternCase{-3.94, "-3.9"},
                                           PatternCase{95 * 0.394, "37.4"},
                                           PatternCase{123456.78, "123456.8"}));

class WholeTwoDigits : public ::testing::TestWithParam<PatternCase> {};

TEST_P(WholeTwoDigits, HasAtLeastTwoDigitsAndNoGrouping) {
  EXPECT_EQ(formatWholeTwoDigits(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, WholeTwoDigits,
                         ::testing::Values(PatternCase{4 * 2.2, "09"}, PatternCase{4, "04"},
                                           PatternCase{1360 * 2.2, "2992"}, PatternCase{0, "00"},
                                           PatternCase{2.5, "03"}, PatternCase{0.49, "00"},
                                           PatternCase{-4, "-04"}, PatternCase{-2.5, "-03"},
                                           PatternCase{12345.5, "12346"},
                                           PatternCase{1000000, "1000000"}));

}  // namespace
}  // namespace orv
