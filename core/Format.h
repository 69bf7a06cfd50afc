// F_FORMAT as a pure function: a stored metric value shown in the chosen unit system.
#pragma once

#include <string>
#include <string_view>

namespace orv::core {

// Unit kinds: no unit text (grid, make and year reports), length, weight (model report).
enum UnitKind : int { kNoUnit = 0, kLength = 1, kWeight = 2 };

// Conversion factors as published: 0.394 (not 1/2.54) and 2.2 (not 2.2046).
inline constexpr double kCmToInches = 0.394;
inline constexpr double kKgToPounds = 2.2;

// True when the unit text, upper-cased and trimmed of blanks, begins with "M".
bool isMetric(std::string_view unitText);

// Blank, "-1" and "N/A" (blanks around allowed) all mean "not available".
bool isNotAvailable(std::string_view value);

// The value in the unit system named by `unitText`. Metric kind 0 passes the value through
// untouched (blanks kept); imperial multiplies its numeric reading by `factor` and writes it
// with one decimal, or as a whole number of two digits or more when the factor is 2.2.
std::string F_FORMAT(std::string_view value, double factor, int kind, std::string_view unitText);

}  // namespace orv::core
