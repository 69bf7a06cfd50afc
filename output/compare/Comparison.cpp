#include "output/compare/Comparison.h"

#include <algorithm>
#include <cmath>

#include "core/Text.h"

namespace orv::output {

using core::Field;

namespace {

// Sizes within this share of the largest tie with it: the derived values' arithmetic leaves
// noise in the last digits of results that are equal on paper.
constexpr double kTieShare = 1e-9;

std::optional<double> minus(const std::optional<double>& value,
                            const std::optional<double>& first) {
  if (!value || !first) return std::nullopt;
  const double difference = *value - *first;
  if (!std::isfinite(difference)) return std::nullopt;
  return difference;
}

void markLargest(std::vector<Difference>& differences) {
  if (differences.size() < 2) return;
  double largest = 0.0;
  for (const Difference& d : differences)
    if (d.value) largest = std::max(largest, std::abs(*d.value));
  if (largest == 0.0) return;
  for (Difference& d : differences)
    d.largest = d.value && std::abs(*d.value) >= largest * (1.0 - kTieShare);
}

}  // namespace

Comparison compareVehicles(std::span<const core::VehicleRecord> records) {
  Comparison c;
  c.records.assign(records.begin(), records.end());
  for (const core::VehicleRecord& record : records) c.derived.push_back(derivedValues(record));
  // What each derived value measures, whatever the records hold.
  const DerivedValues kinds = derivedValues(core::VehicleRecord());

  for (int r = 0; r < kCompareRowCount; ++r) {
    CompareRow& row = c.rows[r];
    if (r < core::kFieldCount) {
      row.field = static_cast<Field>(r);
      row.quantity = quantityOf(row.field);
      if (row.field == core::WD) continue;
      for (std::size_t v = 1; v < records.size(); ++v)
        row.differences.push_back(
            {minus(records[v].value(row.field), records[0].value(row.field))});
    } else {
      row.derived = static_cast<Derived>(r - core::kFieldCount);
      row.quantity = derived(kinds, row.derived).quantity;
      for (std::size_t v = 1; v < records.size(); ++v)
        row.differences.push_back({minus(derived(c.derived[v], row.derived).value,
                                         derived(c.derived[0], row.derived).value)});
    }
    markLargest(row.differences);
  }
  return c;
}

std::span<const core::Vehicle> comparedVehicles(std::span<const core::Vehicle> vehicles) {
  return vehicles.first(std::min(vehicles.size(), kMostCompared));
}

Comparison compareVehicles(std::span<const core::Vehicle> vehicles) {
  std::vector<core::VehicleRecord> records;
  for (const core::Vehicle& vehicle : comparedVehicles(vehicles)) records.push_back(vehicle.record);
  return compareVehicles(records);
}

std::string shownValue(const Comparison& comparison, const CompareRow& row, std::size_t vehicle,
                       core::UnitSystem units) {
  if (!row.isMeasurement())
    return formatDerived(derived(comparison.derived[vehicle], row.derived), units);
  return std::string(
      core::trimBlanks(core::shownMeasurement(comparison.records[vehicle], row.field, units)));
}

std::string differenceNumber(double value, Quantity quantity, core::UnitSystem units) {
  const std::string text = formatQuantity(value, quantity, units);
  return text.substr(0, text.find(' '));
}

std::string differenceText(const Difference& difference, Quantity quantity,
                           core::UnitSystem units) {
  if (!difference.value) return "N/A";
  const std::string number = differenceNumber(*difference.value, quantity, units);
  const bool positive =
      number.front() != '-' && number.find_first_not_of("0.") != std::string::npos;
  return (positive ? "+" : "") + number + " " + std::string(unitText(quantity, units));
}

}  // namespace orv::output
