// Writing the JSON forms of the results, one line each: numbers at full precision,
// measurements, criteria and the source. Strings are escaped by the one JSON string writer
// (output/json), so the JSON is plain ASCII and valid whatever the data holds.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "output/json/JsonWriter.h"
#include "output/similar/Measures.h"
#include "output/similar/SimilarVehicles.h"

namespace orv::output {

// The shortest number that reads back as `value`; null for one that is not finite.
void appendJsonNumber(std::string& out, double value);

// {"A": 120, ..., "CW": 1350}: every measure, null where there is no value.
void appendJsonMeasurements(std::string& out, const Measurements& values);

// [{"measure": "WB", "tolerance": 1}, ...]
void appendJsonCriteria(std::string& out, std::span<const Criterion> by);

// {"version": "...", "yearFiles": ["SP1971.TXT", ...]}: the files the result was made from.
void appendJsonSource(std::string& out, std::string_view versionText, const YearFilesRead& files);

}  // namespace orv::output
