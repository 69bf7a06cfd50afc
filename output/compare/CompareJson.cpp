// The comparison as JSON: each vehicle's sheet object nested as the sheet writes it, then the
// differences, always metric and at full precision.
#include "core/VehicleSource.h"
#include "output/compare/CompareOutput.h"
#include "output/compare/Comparison.h"
#include "output/json/JsonWriter.h"
#include "output/sheet/SheetJson.h"

namespace orv::output {

std::string compareJson(std::span<const core::Vehicle> vehicles, std::string_view versionText) {
  const auto compared = comparedVehicles(vehicles);
  const Comparison comparison = compareVehicles(compared);
  JsonWriter json;
  json.beginObject().key("vehicles").beginArray();
  for (const core::Vehicle& vehicle : compared)
    writeSheetJson(json, vehicle.record, core::vehicleSource(vehicle, versionText));
  json.endArray().key("differences").beginArray();
  for (std::size_t v = 0; v + 1 < compared.size(); ++v) {
    json.beginObject();
    for (const CompareRow& row : comparison.rows) {
      if (row.field == core::WD) continue;  // no number to subtract
      json.key(row.isMeasurement() ? core::kFields[row.field].code : derivedKey(row.derived));
      json.numberOrNull(row.differences[v].value);
    }
    json.endObject();
  }
  json.endArray().endObject();
  return json.finish();
}

}  // namespace orv::output
