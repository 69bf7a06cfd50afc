// The numeric reading, the number patterns, F_FORMAT and F_PAD over arbitrary text.
// Input: an option byte (factor, kind, unit), a width byte, a unit text, then the value.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "FuzzCheck.h"
#include "core/Format.h"
#include "core/Numbers.h"
#include "core/Pad.h"
#include "core/Text.h"

using namespace orv::core;

namespace {

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// "#0.0": an optional minus, digits, a point, one digit.
bool isOneDecimal(std::string_view t) {
  if (t.starts_with('-')) t.remove_prefix(1);
  const auto point = t.find('.');
  if (point == 0 || point == std::string_view::npos || point + 2 != t.size()) return false;
  for (std::size_t i = 0; i < t.size(); ++i)
    if (i != point && !isDigit(t[i])) return false;
  return true;
}

// "##00": an optional minus, two digits or more.
bool isWholeTwoDigits(std::string_view t) {
  if (t.starts_with('-')) t.remove_prefix(1);
  if (t.size() < 2) return false;
  for (const char c : t)
    if (!isDigit(c)) return false;
  return true;
}

void checkReading(std::string_view text) {
  const double v = numericReading(text);
  FUZZ_CHECK(std::isfinite(v), "a reading is a finite number");
  if (isDecimalNumber(text)) {
    // A whole decimal number reads as the C library reads it.
    const std::string trimmed(trimBlanks(text));
    const double expected = std::strtod(trimmed.c_str(), nullptr);
    FUZZ_CHECK(!std::isfinite(expected) ? v == 0.0 : v == expected,
               "a decimal number reads as strtod reads it");
  }
}

void checkFormat(std::string_view value, double factor, int kind, UnitSystem units) {
  const std::string shown = F_FORMAT(value, factor, kind, units);
  if (isNotAvailable(value)) {
    FUZZ_CHECK(shown == "N/A", "blank, -1 and N/A show as N/A");
    return;
  }
  std::string_view number = shown;
  if (units == UnitSystem::Metric) {
    if (kind == kNoUnit) FUZZ_CHECK(shown == value, "metric passes the value through");
    return;
  }
  if (kind == kLength) {
    FUZZ_CHECK(number.ends_with(" in"), "an imperial length ends in \" in\"");
    number.remove_suffix(3);
  } else if (kind == kWeight) {
    FUZZ_CHECK(number.ends_with(" lb"), "an imperial weight ends in \" lb\"");
    number.remove_suffix(3);
  }
  if (factor == kKgToPounds) {
    FUZZ_CHECK(isWholeTwoDigits(number), "a weight is a whole number of two digits or more");
  } else {
    FUZZ_CHECK(isOneDecimal(number), "a length has one decimal");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::fuzz::FuzzInput in(data, size);
  const std::uint8_t options = in.byte();
  const std::size_t width = in.byte();
  const std::string_view unitPart = in.part();
  const std::string_view value = in.rest();

  checkReading(value);
  checkReading(unitPart);

  constexpr double kFactors[] = {kCmToInches, kKgToPounds, 0.0, 1e300};
  const double factor = kFactors[options & 3];
  const int kind = (options >> 2) % 3;
  for (const auto units : {UnitSystem::Metric, UnitSystem::Imperial})
    checkFormat(value, factor, kind, units);
  const auto t = trimBlanks(unitPart);
  FUZZ_CHECK((unitSystemOf(unitPart) == UnitSystem::Metric) ==
                 (!t.empty() && (t[0] == 'M' || t[0] == 'm')),
             "a unit text chooses metric exactly when it begins with M");

  const std::string padded = F_PAD(value, width);
  FUZZ_CHECK(padded.size() == width, "F_PAD gives exactly the width");
  FUZZ_CHECK(padded.compare(0, std::min(width, value.size()), value.substr(0, width)) == 0,
             "F_PAD keeps the text's first characters");
  FUZZ_CHECK(padded.find_first_not_of(' ', std::min(width, value.size())) == std::string::npos,
             "F_PAD fills with blanks");

  // Any double, NaN and infinities included, written with both patterns.
  if (value.size() >= sizeof(double)) {
    double any = 0;
    std::memcpy(&any, value.data(), sizeof any);
    FUZZ_CHECK(isOneDecimal(formatOneDecimal(any)), "any double writes with one decimal");
    FUZZ_CHECK(isWholeTwoDigits(formatWholeTwoDigits(any)), "any double writes as a whole number");
  }
  return 0;
}
