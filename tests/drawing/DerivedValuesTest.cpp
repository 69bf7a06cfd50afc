// The sheet's derived values against hand-computed ones, their display in both unit
// systems, and what a value says when an input is missing or unusable.
#include <gtest/gtest.h>

#include "RecordText.h"
#include "output/sheet/DerivedValues.h"

namespace orv {
namespace {

using namespace orv::output;
using core::UnitSystem;

TEST(derived_values, saloon_by_hand) {
  const std::string text = test::recordText("ALDER", "Spey", test::saloonDimensions());
  const auto values = derivedValues(core::VehicleRecord::fromModelRecord(text, 1995));
  // p = 55 / 100; CW 1360 kg; WB 265, F 90, G 110, TF 150, TR 151, OL 465, OW 180 cm.
  const struct {
    Derived what;
    double value;
    const char *metric, *imperial;
  } expected[] = {
      {Derived::FrontAxleLoad, 748.0, "748.0 kg", "1645.6 lb"},
      {Derived::RearAxleLoad, 612.0, "612.0 kg", "1346.4 lb"},
      {Derived::FrontTyreLoad, 374.0, "374.0 kg", "822.8 lb"},
      {Derived::RearTyreLoad, 306.0, "306.0 kg", "673.2 lb"},
      {Derived::CgBehindFrontAxle, 119.25, "119.3 cm", "47.0 in"},  // 119.25 x 0.394 = 46.98
      {Derived::CgAheadOfRearAxle, 145.75, "145.8 cm", "57.4 in"},
      {Derived::FrontBumperToCg, 209.25, "209.3 cm", "82.4 in"},
      {Derived::RearBumperToCg, 255.75, "255.8 cm", "100.8 in"},
      {Derived::Footprint, 3.98825, "3.99 m2", "42.9 ft2"},  // x 10.7639 = 42.93
      {Derived::Shadow, 8.37, "8.37 m2", "90.1 ft2"},        // 465 x 180 cm
  };
  for (const auto& e : expected) {
    const DerivedValue& v = derived(values, e.what);
    ASSERT_TRUE(v.value) << v.name;
    EXPECT_NEAR(*v.value, e.value, 1e-9) << v.name;
    EXPECT_TRUE(v.missing.empty()) << v.name;
    EXPECT_EQ(formatDerived(v, UnitSystem::Metric), e.metric);
    EXPECT_EQ(formatDerived(v, UnitSystem::Imperial), e.imperial);
  }
}

TEST(derived_values, missing_inputs_are_named_in_field_order) {
  using namespace core;
  const struct {
    const char* name;
    std::string dimensions;
    Derived what;
    const char* shown;
  } cases[] = {
      {"unreadable weight distribution", test::dimensionText({{CW, "1360"}, {WD, "x/y"}}),
       Derived::FrontAxleLoad, "N/A (needs WD)"},
      {"distribution of nothing", test::dimensionText({{CW, "1360"}, {WD, "0/0"}}),
       Derived::RearTyreLoad, "N/A (needs WD)"},
      {"blank wheelbase and distribution", test::dimensionText({{F, "90"}}),
       Derived::FrontBumperToCg, "N/A (needs WB, WD)"},
      {"zero weight", test::dimensionText({{CW, "0"}, {WD, "50/50"}}), Derived::FrontAxleLoad,
       "N/A (needs CW)"},
      {"absurd length", test::dimensionText({{OL, "1E5"}, {OW, "180"}}), Derived::Shadow,
       "N/A (needs OL)"},
  };
  for (const auto& c : cases) {
    const std::string text = test::recordText("ALDER", "Spey", c.dimensions);
    const auto values = derivedValues(core::VehicleRecord::fromModelRecord(text, 1995));
    EXPECT_FALSE(derived(values, c.what).value) << c.name;
    EXPECT_EQ(formatDerived(derived(values, c.what), UnitSystem::Imperial), c.shown) << c.name;
  }
}

}  // namespace
}  // namespace orv
