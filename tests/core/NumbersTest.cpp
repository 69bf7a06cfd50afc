// Numeric reading of stored and typed texts, and the fixed number patterns.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "Numbers.h"

namespace orv {
namespace {

TEST(NumericReading, TakesTheLeadingNumberSkippingBlanks) {
  const std::pair<const char*, double> cases[] = {
      {"95", 95},     {"  95", 95},     {"9 5", 95},   {"1 2 . 5", 12.5}, {"\t42", 42},
      {"- 12", -12},  {"+7", 7},        {"-1", -1},    {".5", 0.5},       {"+.5", 0.5},
      {"1.5E2", 150}, {"1.5e-1", 0.15}, {"2D3", 2000}, {"1e", 1},         {"1e+", 1},
      {"E5", 0},      {"N/A", 0},       {"", 0},       {"   ", 0},        {"12abc", 12},
      {"1.2.3", 1.2}, {"1,5", 1},       {"--5", 0},    {"53/47", 53},     {"1e999", 0},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_DOUBLE_EQ(numericReading(text), expected) << "\"" << text << "\"";
}

TEST(IsDecimalNumber, AcceptsOneWholeNumberWithBlanksAround) {
  for (const char* yes : {" 12 ", "1.5E2", "1e+5", "+.5", "-3", "5."})
    EXPECT_TRUE(isDecimalNumber(yes)) << yes;
  for (const char* no : {"1.2.3", "", "   ", "abc", ".", "-", "1e", "12 3", "12a", "1,5", "+-1"})
    EXPECT_FALSE(isDecimalNumber(no)) << no;
}

// 1.15 and 2.25 are stored a little below or above the decimal they stand for; they must
// round like the decimal, halves away from zero.
TEST(NumberPatterns, RoundHalvesAwayFromZero) {
  const std::pair<double, const char*> oneDecimal[] = {
      {37.43, "37.4"},        {0.394, "0.4"},  {1.15, "1.2"},
      {2.25, "2.3"},          {0.05, "0.1"},   {0, "0.0"},
      {-1.15, "-1.2"},        {-3.94, "-3.9"}, {95 * 0.394, "37.4"},
      {123456.78, "123456.8"}};
  for (const auto& [value, expected] : oneDecimal)
    EXPECT_EQ(formatOneDecimal(value), expected) << value;
  const std::pair<double, const char*> wholeTwoDigits[] = {
      {4 * 2.2, "09"}, {4, "04"},   {1360 * 2.2, "2992"}, {0, "00"},          {2.5, "03"},
      {0.49, "00"},    {-4, "-04"}, {-2.5, "-03"},        {12345.5, "12346"}, {1000000, "1000000"}};
  for (const auto& [value, expected] : wholeTwoDigits)
    EXPECT_EQ(formatWholeTwoDigits(value), expected) << value;
}

}  // namespace
}  // namespace orv
