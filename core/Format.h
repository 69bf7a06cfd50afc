// F_FORMAT as a pure function: a stored metric value shown in the chosen unit system; and
// the one field formatter that the grid, every page and the export show a measurement with.
#pragma once

#include <string>
#include <string_view>

namespace orv::core {

class VehicleRecord;
enum Field : int;

// Unit kinds: no unit text (grid, make and year reports), length, weight (model report).
enum UnitKind : int { kNoUnit = 0, kLength = 1, kWeight = 2 };

// The unit system values are shown in. Stored values are metric.
enum class UnitSystem { Metric, Imperial };

// The unit system a unit box's text chooses: metric when, upper-cased and trimmed of blanks,
// it begins with "M"; imperial otherwise (" I", "x" and a blank text included).
UnitSystem unitSystemOf(std::string_view unitText);

// Conversion factors as published: 0.394 (not 1/2.54) and 2.2 (not 2.2046).
inline constexpr double kCmToInches = 0.394;
inline constexpr double kKgToPounds = 2.2;

// Blank, "-1" and "N/A" (blanks around allowed) all mean "not available".
bool isNotAvailable(std::string_view value);

// The value in `units`. Metric kind 0 passes the value through untouched (blanks kept);
// imperial multiplies its numeric reading by `factor` and writes it with one decimal, or as
// a whole number of two digits or more when the factor is 2.2.
std::string F_FORMAT(std::string_view value, double factor, int kind, UnitSystem units);

// A measurement of `record` as the grid, the pages and the export show it: F_FORMAT of the
// stored characters with the field's own factor, with the unit text of `kind`. WD comes back
// as stored, blanks included.
std::string formatField(const VehicleRecord& record, Field field, UnitSystem units,
                        int kind = kNoUnit);

// A measurement as the model page shows it: CW with the weight unit, the others with the
// length unit (blanks as F_FORMAT leaves them); WD as the pages show it, trimmed and N/A when
// blank.
std::string shownMeasurement(const VehicleRecord& record, Field field, UnitSystem units);

}  // namespace orv::core
