#include "core/Numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orv {

namespace {
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Rounds half away from zero on the value's 15-significant-digit decimal form.
long long roundDecimal(double value) {
  if (!std::isfinite(value)) return 0;
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  const double decimal = std::strtod(buf, nullptr);
  const double r = std::round(decimal);  // std::round rounds halves away from zero
  if (r > 9.0e18 || r < -9.0e18) return 0;
  return static_cast<long long>(r);
}
}  // namespace

double numericReading(std::string_view text) {
  // Collect the characters that continue the number, skipping blanks, then convert once.
  std::string number;
  number.reserve(24);
  enum class Stage { Sign, Mantissa, Fraction, ExponentSign, Exponent } stage = Stage::Sign;
  bool digits = false;
  for (char c : text) {
    if (c == ' ' || c == '\t') continue;
    if (stage == Stage::Sign && (c == '+' || c == '-')) {
      number += c;
      stage = Stage::Mantissa;
    } else if ((stage == Stage::Sign || stage == Stage::Mantissa || stage == Stage::Fraction) &&
               isDigit(c)) {
      number += c;
      digits = true;
      if (stage == Stage::Sign) stage = Stage::Mantissa;
    } else if ((stage == Stage::Sign || stage == Stage::Mantissa) && c == '.') {
      number += c;
      stage = Stage::Fraction;
    } else if ((stage == Stage::Mantissa || stage == Stage::Fraction) && digits &&
               (c == 'E' || c == 'e' || c == 'D' || c == 'd')) {
      number += 'e';
      stage = Stage::ExponentSign;
    } else if (stage == Stage::ExponentSign && (c == '+' || c == '-')) {
      number += c;
      stage = Stage::Exponent;
    } else if ((stage == Stage::ExponentSign || stage == Stage::Exponent) && isDigit(c)) {
      number += c;
      stage = Stage::Exponent;
    } else {
      break;
    }
  }
  if (!digits) return 0.0;
  // strtod stops by itself at a dangling "e" or "e-".
  const double v = std::strtod(number.c_str(), nullptr);
  return std::isfinite(v) ? v : 0.0;
}

bool isDecimalNumber(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
  bool digits = false;
  bool point = false;
  for (; i < n; ++i) {
    if (isDigit(text[i])) {
      digits = true;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    bool expDigits = false;
    while (i < n && isDigit(text[i])) {
      ++i;
      expDigits = true;
    }
    if (!expDigits) return false;
  }
  while (i < n && text[i] == ' ') ++i;
  return i == n;
}

long long roundTenths(double value) {
  return roundDecimal(value * 10.0);
}
long long roundUnits(double value) {
  return roundDecimal(value);
}

std::string formatOneDecimal(double value) {
  const long long tenths = roundTenths(value);
  const unsigned long long mag = tenths < 0 ? static_cast<unsigned long long>(-tenths)
                                            : static_cast<unsigned long long>(tenths);
  std::string out = tenths < 0 ? "-" : "";
  out += std::to_string(mag / 10);
  out += '.';
  out += static_cast<char>('0' + mag % 10);
  return out;
}

std::string formatWholeTwoDigits(double value) {
  const long long units = roundUnits(value);
  const unsigned long long mag =
      units < 0 ? static_cast<unsigned long long>(-units) : static_cast<unsigned long long>(units);
  std::string digits = std::to_string(mag);
  if (digits.size() < 2) digits.insert(0, 1, '0');
  return (units < 0 ? "-" : "") + digits;
}

}  // namespace orv
