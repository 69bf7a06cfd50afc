// The JSON writer's numbers, and the sheet's JSON: a complete record compared byte for byte
// with a text written by hand (the writer's layout with it), a sparse one by its values.
#include <gtest/gtest.h>

#include <limits>

#include "SheetVehicle.h"
#include "output/json/JsonWriter.h"
#include "output/sheet/SheetJson.h"

namespace orv::test {
namespace {

using namespace core;  // field names

// Whole numbers and the shortest text that reads back are in the sheet's JSON below.
TEST(json_writer, writes_exponents_a_zero_without_sign_and_null_for_no_number) {
  const std::pair<double, const char*> cases[] = {
      {1e21, "1e+21"},
      {-2.5e-7, "-2.5e-07"},
      {-0.0, "0"},
      {std::numeric_limits<double>::quiet_NaN(), "null"},
      {-std::numeric_limits<double>::infinity(), "null"},
  };
  for (const auto& [value, text] : cases) EXPECT_EQ(output::jsonNumber(value), text) << text;
}

const core::VehicleSource kSource{"2018.2", "SP1995.TXT", std::string(kAbcDigest)};

// The model holds a quote, a backslash, an 8-bit and a control byte (the similar vehicles'
// JSON a line break; fuzz_drawing checks that any bytes give an ASCII string).
TEST(sheet_json, complete_record_at_full_precision) {
  const std::string text = recordText("ALDER", "Spey \"GT\" \\ Caf\xE9\x01", measuredSaloon());
  // p = 55 / 100 in doubles: 1360 x p is 748.0000000000001 and 265 x (1 - p) is
  // 119.24999999999999; full precision keeps what was computed.
  EXPECT_EQ(output::sheetJson(VehicleRecord::fromModelRecord(text, 1995), kSource),
            R"({
  "year": 1995,
  "make": "ALDER",
  "model": "Spey \"GT\" \\ Caf\u00e9\u0001",
  "measurements": {
    "A": 150,
    "B": 120,
    "C": 45,
    "D": 60,
    "E": 130,
    "F": 90,
    "G": 110,
    "OL": 465,
    "OW": 180,
    "OH": 145,
    "WB": 265,
    "TF": 150,
    "TR": 151,
    "CW": 1360,
    "WD": "55/45",
    "measured": 2064
  },
  "derived": {
    "front_axle_load_kg": 748.0000000000001,
    "rear_axle_load_kg": 611.9999999999999,
    "front_tyre_load_kg": 374.00000000000006,
    "rear_tyre_load_kg": 305.99999999999994,
    "cg_behind_front_axle_cm": 119.24999999999999,
    "cg_ahead_of_rear_axle_cm": 145.75,
    "front_bumper_to_cg_cm": 209.25,
    "rear_bumper_to_cg_cm": 255.75,
    "footprint_m2": 3.98825,
    "shadow_m2": 8.37
  },
  "source": {
    "version": "2018.2",
    "file": "SP1995.TXT",
    "sha256": "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"
  }
}
)");
}

// A measurement is the number stored, a zero width included; a derived value only what
// the sheet can derive from usable ones. No make element, no year: empty text and null. The
// layout is the complete record's; here the values.
TEST(sheet_json, sparse_record_gives_null_for_what_is_not_there) {
  const std::string text =
      "<MO>Dee</MO><DA>" +
      dimensionText({{F, "90"}, {OL, "480"}, {OW, "0"}, {TF, "-1"}, {CW, "1.5"}, {WD, "N/A"}}) +
      "</DA>";
  const std::string json =
      output::sheetJson(VehicleRecord::fromModelRecord(text, 0), {"", "", "00"});
  EXPECT_TRUE(json.starts_with("{\n  \"year\": null,\n  \"make\": \"\",\n  \"model\": \"Dee\",\n"));
  for (const char* line : {"\"F\": 90,", "\"OL\": 480,", "\"OW\": 0,", "\"TF\": null,",
                           "\"CW\": 1.5,", "\"WD\": null,", "\"front_axle_load_kg\": null,"})
    EXPECT_NE(json.find(std::string("\n    ") + line + "\n"), std::string::npos) << line;
}

}  // namespace
}  // namespace orv::test
