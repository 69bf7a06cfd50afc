// The differences between two to four vehicles, computed once for the comparison's page,
// JSON and CSV: for each of the fifteen measurements and each derived value of the vehicle
// sheet, the value of every vehicle after the first minus the first's, in cm, kg or m2 at
// full precision, and which of them is the largest of its row. Also how a value and a
// difference are shown in either unit system. Numbers and texts only: no page.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Fields.h"
#include "core/Format.h"
#include "core/Vehicle.h"
#include "core/VehicleRecord.h"
#include "output/sheet/DerivedValues.h"

namespace orv::output {

struct Difference {
  std::optional<double> value;  // cm, kg or m2; nothing when either value is missing
  // The largest of its row by size, either sign, ties alike; only when there are two or more
  // vehicles after the first and the largest is not zero.
  bool largest = false;
};

// A row: a measurement, or (when `field` is kFieldCount) a derived value.
struct CompareRow {
  core::Field field = core::kFieldCount;
  Derived derived{};
  Quantity quantity{};
  // One per vehicle after the first, in their order; empty for WD, which has no difference.
  std::vector<Difference> differences;

  bool isMeasurement() const { return field != core::kFieldCount; }
};

// The most vehicles compared: as many as an overlay drawing has line styles.
inline constexpr std::size_t kMostCompared = 4;

inline constexpr int kCompareRowCount = core::kFieldCount + kDerivedCount;

struct Comparison {
  std::vector<core::VehicleRecord> records;
  std::vector<DerivedValues> derived;  // each vehicle's, in the order of the records
  // The fifteen measurements in field order, then the derived values in the order of Derived.
  std::array<CompareRow, kCompareRowCount> rows;
};

// The comparison of `records`, the first being the one the others are measured against. A
// measurement's value is the number stored (VehicleRecord::value), as the sheet's JSON has
// it; a derived value what the sheet derives.
Comparison compareVehicles(std::span<const core::VehicleRecord> records);

// The first kMostCompared of `vehicles`: those a comparison of them shows.
std::span<const core::Vehicle> comparedVehicles(std::span<const core::Vehicle> vehicles);

// The comparison of comparedVehicles(vehicles).
Comparison compareVehicles(std::span<const core::Vehicle> vehicles);

// The value of vehicle `vehicle` (0 is the first) in `row` as the vehicle sheet shows it, with
// its unit: "265 cm", "104.4 in", WD as stored ("N/A" when blank), a derived value or what it
// lacks ("N/A (needs WD)").
std::string shownValue(const Comparison& comparison, const CompareRow& row, std::size_t vehicle,
                       core::UnitSystem units);

// The number of a difference in `units` with formatQuantity's decimals and no unit: "15.0",
// "-5.9", "0.0" (never "-0.0"); the program's factors 0.394 and 2.2, as the grid shows values.
std::string differenceNumber(double value, Quantity quantity, core::UnitSystem units);

// A difference for a page: signed, with its unit ("+15.0 cm", "-5.9 in", "0.0 cm"); "N/A"
// when there is none.
std::string differenceText(const Difference& difference, Quantity quantity, core::UnitSystem units);

}  // namespace orv::output
