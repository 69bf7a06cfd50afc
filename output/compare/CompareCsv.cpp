// The comparison as CSV (RFC 4180, CR LF, a header row), like the export: one row per
// measurement and derived value, values as the grid shows them without units, N/A empty.
#include <string>
#include <vector>

#include "core/Text.h"
#include "output/compare/CompareOutput.h"
#include "output/compare/Comparison.h"
#include "output/csv/CsvText.h"

namespace orv::output {

namespace {

void appendRow(std::string& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i != 0) out += ',';
    appendCsvField(out, fields[i]);
  }
  out += "\r\n";
}

// A value as the grid shows it: the measurement's number without its unit, WD as stored,
// the derived value's number; empty when not available.
std::string gridValue(const Comparison& c, const CompareRow& row, std::size_t vehicle,
                      core::UnitSystem units) {
  if (row.isMeasurement()) {
    const std::string shown = core::formatField(c.records[vehicle], row.field, units);
    const auto trimmed = core::trimBlanks(shown);
    return core::isNotAvailable(trimmed) ? std::string() : std::string(trimmed);
  }
  const auto& value = derived(c.derived[vehicle], row.derived).value;
  return value ? differenceNumber(*value, row.quantity, units) : std::string();
}

}  // namespace

std::string compareCsv(std::span<const core::Vehicle> vehicles, core::UnitSystem units) {
  const auto compared = comparedVehicles(vehicles);
  const Comparison c = compareVehicles(compared);
  std::vector<std::string> header{"Measure", "Unit"};
  for (const core::Vehicle& vehicle : compared) header.push_back(vehicle.name());
  for (std::size_t v = 2; v <= compared.size(); ++v)
    header.push_back("Difference " + std::to_string(v) + "-1");
  std::string csv;
  appendRow(csv, header);

  const DerivedValues names = derivedValues(core::VehicleRecord());
  for (const CompareRow& row : c.rows) {
    const bool wd = row.field == core::WD;
    std::vector<std::string> fields{
        std::string(row.isMeasurement() ? core::kFields[row.field].code
                                        : derived(names, row.derived).name),
        wd ? "" : std::string(unitText(row.quantity, units))};
    for (std::size_t v = 0; v < compared.size(); ++v) fields.push_back(gridValue(c, row, v, units));
    for (const Difference& d : row.differences)
      fields.push_back(d.value ? differenceNumber(*d.value, row.quantity, units) : "");
    // WD has no differences: its row stays as wide as the others.
    fields.resize(header.size());
    appendRow(csv, fields);
  }
  return csv;
}

}  // namespace orv::output
