#include "core/Numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orv::core {

namespace {
bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

// Rounds half away from zero as the value's 15-significant-digit decimal form would:
// 1.15 * 10 is 11.499999999999998 in binary but stands for 11.5, so a fraction within a
// few units of the 15th digit of one half counts as exactly one half.
long long roundDecimal(double value) {
  if (!std::isfinite(value) || value > 9.0e18 || value < -9.0e18) return 0;
  const double magnitude = std::fabs(value);
  const double whole = std::floor(magnitude);
  const double fraction = magnitude - whole;
  const double tolerance = 1e-14 * std::max(1.0, magnitude);
  const double rounded = fraction >= 0.5 - tolerance ? whole + 1.0 : whole;
  const auto units = static_cast<long long>(rounded);
  return value < 0 ? -units : units;
}
}  // namespace

double numericReading(std::string_view text) {
  // The stored fields are short whole numbers amid blanks, read here without a buffer (the
  // search reads three per record). Anything else goes on to the general reading below.
  {
    long long whole = 0;
    int digits = 0;
    bool negative = false;
    bool sign = false;
    bool plain = true;
    for (const char c : text) {
      if (c == ' ' || c == '\t') continue;
      if (isDigit(c) && digits < 15) {
        whole = whole * 10 + (c - '0');
        ++digits;
        continue;
      }
      if ((c == '-' || c == '+') && !sign && digits == 0) {
        sign = true;
        negative = c == '-';
        continue;
      }
      if (digits == 0 && c != '.') return 0.0;  // no number begins here ("N/A", "--5")
      // Any other character ends the whole number ("265/", "12-3") unless the number may go
      // on with a fraction or an exponent.
      plain = !isDigit(c) && c != '.' && c != 'E' && c != 'e' && c != 'D' && c != 'd';
      break;
    }
    if (plain) return static_cast<double>(negative ? -whole : whole);
  }
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

namespace {
// Writes the magnitude's digits backwards from `end`; returns the first character written.
char* writeDigits(char* end, unsigned long long magnitude, int minimumDigits) {
  int written = 0;
  do {
    *--end = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
    ++written;
  } while (magnitude != 0 || written < minimumDigits);
  return end;
}

unsigned long long magnitudeOf(long long v) {
  return v < 0 ? 0ULL - static_cast<unsigned long long>(v) : static_cast<unsigned long long>(v);
}
}  // namespace

std::string formatOneDecimal(double value) {
  const long long tenths = roundTenths(value);
  char buf[32];
  char* end = buf + sizeof buf;
  char* first = writeDigits(end, magnitudeOf(tenths), 2);
  // Move the integer digits one place left to make room for the point.
  std::string out;
  out.reserve(static_cast<std::size_t>(end - first) + 2);
  if (tenths < 0) out += '-';
  out.append(first, end - 1);
  out += '.';
  out += end[-1];
  return out;
}

std::string formatWholeTwoDigits(double value) {
  const long long units = roundUnits(value);
  char buf[32];
  char* end = buf + sizeof buf;
  char* first = writeDigits(end, magnitudeOf(units), 2);
  if (units < 0) *--first = '-';
  return std::string(first, end);
}

}  // namespace orv::core
