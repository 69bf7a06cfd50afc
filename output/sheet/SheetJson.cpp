#include "output/sheet/SheetJson.h"

#include <array>

#include "core/Fields.h"
#include "core/Format.h"
#include "core/Text.h"
#include "output/json/JsonWriter.h"
#include "output/sheet/DerivedValues.h"

namespace orv::output {

namespace {

// Member names of the derived values, in the order of Derived; each names its unit.
constexpr std::array<std::string_view, kDerivedCount> kDerivedKeys{"front_axle_load_kg",
                                                                   "rear_axle_load_kg",
                                                                   "front_tyre_load_kg",
                                                                   "rear_tyre_load_kg",
                                                                   "cg_behind_front_axle_cm",
                                                                   "cg_ahead_of_rear_axle_cm",
                                                                   "front_bumper_to_cg_cm",
                                                                   "rear_bumper_to_cg_cm",
                                                                   "footprint_m2",
                                                                   "shadow_m2"};

void writeMeasurements(JsonWriter& json, const core::VehicleRecord& record) {
  json.key("measurements").beginObject();
  for (int f = 0; f < core::kFieldCount; ++f) {
    const auto field = static_cast<core::Field>(f);
    json.key(core::kFields[field].code);
    if (field != core::WD) {
      json.numberOrNull(record.value(field));
    } else {
      const std::string_view wd = record.stored(core::WD);
      json.stringOrNull(core::isNotAvailable(wd) ? std::nullopt
                                                 : std::optional(core::trimBlanks(wd)));
    }
  }
  json.key("measured").integerOrNull(record.measuredYear());
  json.endObject();
}

void writeDerived(JsonWriter& json, const core::VehicleRecord& record) {
  json.key("derived").beginObject();
  const DerivedValues values = derivedValues(record);
  for (int i = 0; i < kDerivedCount; ++i) json.key(kDerivedKeys[i]).numberOrNull(values[i].value);
  json.endObject();
}

}  // namespace

void writeSheetJson(JsonWriter& json, const core::VehicleRecord& record,
                    const core::VehicleSource& source) {
  json.beginObject();
  json.key("year").integerOrNull(record.year() != 0 ? std::optional<long long>(record.year())
                                                    : std::nullopt);
  json.key("make").string(core::trimBlanks(record.make().value_or("")));
  json.key("model").string(core::trimBlanks(record.shownModel()));
  writeMeasurements(json, record);
  writeDerived(json, record);
  json.key("source").beginObject();
  json.key("version").string(source.version);
  json.key("file").string(source.file);
  json.key("sha256").string(source.sha256);
  json.endObject();
  json.endObject();
}

std::string_view derivedKey(Derived what) {
  return kDerivedKeys[static_cast<int>(what)];
}

std::string sheetJson(const core::VehicleRecord& record, const core::VehicleSource& source) {
  JsonWriter json;
  writeSheetJson(json, record, source);
  return json.finish();
}

std::string sheetJson(const core::Vehicle& vehicle, std::string_view versionText) {
  return sheetJson(vehicle.record, core::vehicleSource(vehicle, versionText));
}

}  // namespace orv::output
