// The differences of a comparison against numbers worked out by hand, the marking of the
// largest difference of each row (ties alike), their display in either unit system, and the
// JSON of a pair.
#include <gtest/gtest.h>

#include "CompareVehicles.h"
#include "output/compare/CompareOutput.h"
#include "output/compare/Comparison.h"
#include "output/sheet/SheetJson.h"

namespace orv::test {
namespace {

using core::UnitSystem;
using output::Derived;
using output::Quantity;
using namespace core;  // field names

constexpr int row(Derived d) {
  return kFieldCount + static_cast<int>(d);
}

std::string shown(const output::Difference& d) {
  return (d.value ? std::to_string(*d.value) : "none") + (d.largest ? " largest" : "");
}

TEST(comparison, subtracts_the_first_vehicle_and_marks_the_largest_of_each_row) {
  const auto vehicles = threeVehicles();
  const output::Comparison c = output::compareVehicles(vehicles);
  const struct {
    int row;
    std::string second, third;
  } cases[] = {
      // 2 has no A: nothing to compare; 3 equals 1, and a largest of zero is no largest.
      {A, "none", "0.000000"},
      {F, "10.000000 largest", "-10.000000 largest"},  // a tie of either sign
      {WB, "-15.000000 largest", "15.000000 largest"},
      {G, "5.000000 largest", "0.000000"},
      {CW, "-110.000000 largest", "0.000000"},
      // a: 265 x 0.45 = 119.25, 250 x 0.4 = 100, 280 x 0.45 = 126
      {row(Derived::CgBehindFrontAxle), "-19.250000 largest", "6.750000"},
      // 265 x 301 / 2 = 39882.5 cm2; 250 x 297 / 2 = 37125; 280 x 301 / 2 = 42140
      {row(Derived::Footprint), "-0.275750 largest", "0.225750"},
  };
  for (const auto& t : cases) {
    const auto& d = c.rows[t.row].differences;
    ASSERT_EQ(d.size(), 2u) << t.row;
    EXPECT_EQ(shown(d[0]) + " | " + shown(d[1]), t.second + " | " + t.third) << t.row;
  }
  EXPECT_TRUE(c.rows[WD].differences.empty());  // shown as stored, never subtracted

  // With one vehicle after the first there is nothing to rank.
  const output::Comparison pair = output::compareVehicles(std::span(vehicles).first(2));
  for (const auto& r : pair.rows)
    for (const auto& d : r.differences) EXPECT_FALSE(d.largest);
}

TEST(comparison, shows_differences_signed_in_either_unit_system) {
  const struct {
    double value;
    Quantity quantity;
    UnitSystem units;
    const char* text;
  } cases[] = {
      {-110.0, Quantity::Weight, UnitSystem::Imperial, "-242.0 lb"},
      {-0.27575, Quantity::Area, UnitSystem::Imperial, "-3.0 ft2"},  // x 10.7639 = -2.968
      {-0.04, Quantity::Length, UnitSystem::Metric, "0.0 cm"},       // no sign on a zero
  };
  for (const auto& t : cases)
    EXPECT_EQ(output::differenceText({t.value}, t.quantity, t.units), t.text) << t.text;
  EXPECT_EQ(output::differenceText({}, Quantity::Length, UnitSystem::Metric), "N/A");
}

// Each line of a sheet's JSON moved two levels in, as it stands in the vehicles' array.
std::string nested(const std::string& sheet) {
  std::string out = "    ";
  for (std::size_t i = 0; i + 1 < sheet.size(); ++i)
    out += sheet[i] == '\n' ? std::string("\n    ") : std::string(1, sheet[i]);
  return out;
}

// The sheets' own text is checked by hand in the sheet's tests; here their nesting and the
// differences (on paper F 10, WB -15, CW -110, a -19.25 and a shadow of -0.186 m2) at full
// precision, in doubles with the noise of p = 0.55.
TEST(compare_json, nests_each_sheet_and_lists_the_differences_at_full_precision) {
  const auto all = threeVehicles();
  const auto pair = std::span(all).first(2);
  const std::string json = output::compareJson(pair, "2018.2");
  EXPECT_TRUE(json.starts_with("{\n  \"vehicles\": [\n" +
                               nested(output::sheetJson(pair[0], "2018.2")) + ",\n" +
                               nested(output::sheetJson(pair[1], "2018.2")) +
                               "\n  ],\n  \"differences\": [\n    {\n      \"A\": null,\n"))
      << json;
  for (const char* line : {"\"F\": 10,", "\"WB\": -15,", "\"CW\": -110,",
                           "\"cg_behind_front_axle_cm\": -19.249999999999986,"})
    EXPECT_NE(json.find(std::string("\n      ") + line + "\n"), std::string::npos) << line;
  EXPECT_TRUE(json.ends_with("\"shadow_m2\": -0.18599999999999994\n    }\n  ]\n}\n"));
}

}  // namespace
}  // namespace orv::test
