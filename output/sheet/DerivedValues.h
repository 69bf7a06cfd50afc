// The values a vehicle sheet derives from one record: axle and tyre loads, where the centre
// of gravity lies along the wheelbase, and the areas the vehicle covers. Each comes with its
// formula, with the inputs it lacks when it cannot be computed, and with its display in
// either unit system. Values keep full precision (for JSON); only the display rounds.
// Not a page: the sheet page lays these out.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Fields.h"
#include "core/Format.h"
#include "core/VehicleRecord.h"

namespace orv::output {

// What a derived value measures, and so its unit: cm, kg or square metres.
enum class Quantity { Length, Weight, Area };

enum class Derived : int {
  FrontAxleLoad,
  RearAxleLoad,
  FrontTyreLoad,
  RearTyreLoad,
  CgBehindFrontAxle,  // a
  CgAheadOfRearAxle,  // b
  FrontBumperToCg,
  RearBumperToCg,
  Footprint,
  Shadow,
};
inline constexpr int kDerivedCount = 10;

// How the front share p is read from the weight distribution, for a note beside the table.
inline constexpr std::string_view kShareFormula = "p = F / (F + R) of the weight distribution F/R";

struct DerivedValue {
  Derived what{};
  std::string_view name;     // "Front axle load"
  std::string_view formula;  // "CW * p"
  std::string_view words;    // the formula said in words
  Quantity quantity{};
  std::optional<double> value;       // kg, cm or m2 at full precision; nothing when missing
  std::vector<core::Field> missing;  // the inputs that are not available, in field order
};
using DerivedValues = std::array<DerivedValue, kDerivedCount>;

// Every derived value of `record`, in the order of Derived. A length or weight counts as
// available only as usableValue() says; WD only when it reads as two shares.
DerivedValues derivedValues(const core::VehicleRecord& record);

// One derived value of the set.
inline const DerivedValue& derived(const DerivedValues& values, Derived what) {
  return values[static_cast<int>(what)];
}

// The unit a quantity is shown in: cm/in, kg/lb, m2/ft2 (the page may raise the 2).
std::string_view unitText(Quantity quantity, core::UnitSystem units);

// What a measurement measures: CW a weight, every other field a length.
constexpr Quantity quantityOf(core::Field field) {
  return field == core::CW ? Quantity::Weight : Quantity::Length;
}

// A value for display: lengths in cm or inches (x 0.394), weights in kg or lb (x 2.2), one
// decimal; areas in m2 with two decimals (a car's footprint is a few square metres, so one
// decimal would hide real differences) or in ft2 (x 10.7639) with one. Unit after a blank.
std::string formatQuantity(double value, Quantity quantity, core::UnitSystem units);

// The display of a derived value: formatQuantity, or "N/A (needs WB, WD)" naming what lacks.
std::string formatDerived(const DerivedValue& value, core::UnitSystem units);

}  // namespace orv::output
