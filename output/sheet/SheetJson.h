// The vehicle sheet as JSON, for programs: the vehicle, its fifteen measurements and the
// measurement year, the derived values and the source. Always metric (cm, kg, m2) and at
// full precision, whatever the person shows on screen; what is not available is null.
#pragma once

#include <string>
#include <string_view>

#include "core/Vehicle.h"
#include "core/VehicleRecord.h"
#include "core/VehicleSource.h"
#include "output/sheet/DerivedValues.h"

namespace orv::output {

class JsonWriter;

// {"year", "make", "model", "measurements": {"A" ... "CW" in cm or kg, "WD" as stored,
// "measured"}, "derived": {...}, "source": {"version", "file", "sha256"}}. A measurement
// is the number stored (VehicleRecord::value); a derived value only what the sheet derives.
std::string sheetJson(const core::VehicleRecord& record, const core::VehicleSource& source);

// The same for a chosen vehicle; `versionText` is SharedState::versionText.
std::string sheetJson(const core::Vehicle& vehicle, std::string_view versionText);

// The same object written into `json` at its current place, for results that nest sheets.
void writeSheetJson(JsonWriter& json, const core::VehicleRecord& record,
                    const core::VehicleSource& source);

// The member name of a derived value under "derived": "front_axle_load_kg" ... "shadow_m2".
std::string_view derivedKey(Derived what);

}  // namespace orv::output
