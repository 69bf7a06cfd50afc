// The measures vehicles are compared on and how two values of one are judged alike: the
// lengths A to G, OL, OW, OH, WB, TF and TR in centimetres and the curb weight CW in
// kilograms, each with a tolerance. The weight distribution WD is no measure.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Fields.h"
#include "core/Format.h"

namespace orv::output {

// Every measure of a vehicle, indexed by field: cm or kg, nothing where it is not available
// (blank, "-1", "N/A" or not a number). WD is always nothing.
using Measurements = std::array<std::optional<double>, core::kFieldCount>;

// A measure with its tolerance (cm or kg).
struct Criterion {
  core::Field field = core::WB;
  double tolerance = 1.0;
};

// The measures compared when none are chosen, and those that bound a generation.
inline constexpr std::array<core::Field, 3> kDefaultMeasures{core::WB, core::TF, core::TR};
inline constexpr std::array<core::Field, 4> kGenerationMeasures{core::WB, core::TF, core::TR,
                                                                core::OL};

// A typed value or tolerance (the window's boxes, orvane-cli's options): a plain decimal
// number of at most kMaxNumberLength characters, blanks around allowed, no exponent, so that
// it reads as the number written and stays far from the limits of a double.
inline constexpr std::size_t kMaxNumberLength = 10;
std::optional<double> typedNumber(std::string_view text);

// True for a field that is a measure: every field but WD.
constexpr bool isMeasure(core::Field field) {
  return field >= core::A && field < core::WD;
}

// The default tolerance: 25 kg for CW, 1 cm for every length.
constexpr double defaultTolerance(core::Field field) {
  return field == core::CW ? 25.0 : 1.0;
}

// `fields` each with its default tolerance.
std::vector<Criterion> defaultCriteria(std::span<const core::Field> fields);

// The measure a code names ("WB", "tf", ...: letter case does not count); nothing for any
// other text, WD included.
std::optional<core::Field> measureNamed(std::string_view code);

// The code of a field as the pages head it: "A", ..., "WB", "CW".
inline std::string_view codeOf(core::Field field) {
  return core::kFields[field].code;
}

// The codes of the criteria joined as a person reads a list: "WB, TF or TR".
std::string measureList(std::span<const Criterion> by, std::string_view lastJoin);

// How far a difference of a measure stands in tolerances: |difference| / tolerance when that
// is at most 1; nothing beyond. A tolerance of 0 (or below) asks for equality: 0 for no
// difference, else nothing.
std::optional<double> withinTolerance(double difference, double tolerance);

// How far `values` stand from `reference` over the criteria, in tolerances: the largest
// |difference| / tolerance. A tolerance of 0 (or below) asks for equal values: the distance
// is then 0, or the vehicle is no match at all. A vehicle without a value for one of the
// measures is lacking and has no distance.
struct Likeness {
  bool lacking = false;   // a measure has no value
  bool match = false;     // every difference within its tolerance: distance <= 1
  double distance = 0.0;  // meaningful for a match only
};
Likeness likeness(const Measurements& reference, const Measurements& values,
                  std::span<const Criterion> by);

// The unit of a measure's values: "cm"/"kg" or "in"/"lb".
std::string_view unitOf(core::Field field, core::UnitSystem units);

// A measure's value as the grid shows it: metric as written (the shortest text that reads
// back as the value), imperial converted with 0.394 or 2.2 (lengths with one decimal,
// weights whole); "N/A" for nothing.
std::string shownValue(const std::optional<double>& value, core::Field field,
                       core::UnitSystem units);

// An amount of a measure (a difference, a tolerance) in the unit system with one decimal.
std::string shownAmount(double amount, core::Field field, core::UnitSystem units);

}  // namespace orv::output
