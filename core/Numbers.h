// Reading numbers out of stored and typed texts, and the fixed number patterns of the
// imperial display and of the search file.
#pragma once

#include <string>
#include <string_view>

namespace orv::core {

// The numeric reading of a text: the number written at its start, blanks skipped anywhere,
// reading stops at the first character that cannot continue the number; 0 when none.
// Accepts a sign, digits with one decimal point and an exponent ("1.5E2" reads 150).
double numericReading(std::string_view text);

// True when the whole text, blanks allowed at both ends, is one decimal number:
// optional sign, digits with at most one decimal point, optional exponent.
bool isDecimalNumber(std::string_view text);

// Rounds to a whole number of tenths (or units), halves away from zero, after taking the
// value to 15 significant digits so that 1.15 rounds like the decimal it stands for.
long long roundTenths(double value);
long long roundUnits(double value);

// "#0.0": at least one digit before the point, exactly one after, no grouping.
std::string formatOneDecimal(double value);

// "##00": a whole number with at least two digits, no grouping.
std::string formatWholeTwoDigits(double value);

}  // namespace orv::core
