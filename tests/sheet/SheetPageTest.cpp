// The vehicle sheet page against rows written out by hand: the measurements as the model
// report shows them, derived values with formula and words or what they lack, the weight
// shares, escaped data, the source, and both views at one scale.
#include <gtest/gtest.h>

#include <sstream>

#include "SheetVehicle.h"
#include "output/sheet/SheetPage.h"

namespace orv::test {
namespace {

using core::UnitSystem;
using namespace core;  // field names

const core::VehicleSource kSource{"2018.2", "SP1995.TXT", std::string(kAbcDigest)};

std::string pageOf(const std::string& model, const std::string& dimensions,
                   UnitSystem units = UnitSystem::Metric, const VehicleSource& source = kSource) {
  const std::string text = recordText("ALDER", model, dimensions);
  return output::sheetPage(VehicleRecord::fromModelRecord(text, 1995), units, source);
}

std::string measureRow(const std::string& code, const std::string& description,
                       const std::string& value) {
  return "<tr><td class=code>" + code + "</td><td>" + description +
         "</td><td class=" + (value == "N/A" ? "'value na'" : "value") + ">" + value +
         "</td></tr>\r\n";
}

std::string derivedRow(const std::string& name, const std::string& result,
                       const std::string& formula, const std::string& words) {
  return "<tr><td>" + name +
         "</td><td class=" + (result.starts_with("N/A") ? "'value na'" : "value") + ">" + result +
         "</td><td class=formula>" + formula + "</td><td>" + words + "</td></tr>\r\n";
}

const std::string kSaloon = measuredSaloon();
const std::string kShares = "<p>Weight shares: p = F / (F + R) of the weight distribution F/R. ";

TEST(sheet_page, shows_each_part_as_written_by_hand) {
  const std::string sparse = dimensionText({{F, "90"}, {OL, "480"}, {CW, "1360"}, {WD, "x/y"}});
  const struct {
    const char* name;
    std::string dimensions;
    UnitSystem units;
    std::string expected;
  } cases[] = {
      // The descriptions are the legend's, whose page the CLI tests compare whole.
      {"weight in pounds", kSaloon, UnitSystem::Imperial,
       measureRow("CW", "Curb weight", "2992 lb")},
      {"blank height", sparse, UnitSystem::Metric, measureRow("OH", "Overall height", "N/A")},
      {"measurement year", kSaloon, UnitSystem::Metric,
       "<p>Measurements obtained in year: 2064</p>\r\n"},
      {"axle load in pounds", kSaloon, UnitSystem::Imperial,
       derivedRow("Front axle load", "1645.6 lb", "CW * p", "curb weight times the front share")},
      {"missing inputs", sparse, UnitSystem::Metric,
       derivedRow("Front bumper to centre of gravity", "N/A (needs WB, WD)", "F + a",
                  "front overhang plus a")},
      {"shares", kSaloon, UnitSystem::Metric,
       kShares + "WD 55/45 gives p = 55.0 % at the front and 1 - p = 45.0 % at the rear.</p>\r\n"},
      {"unreadable shares", sparse, UnitSystem::Metric,
       kShares + "WD x/y does not read as F/R, so the values that need p are N/A.</p>\r\n"},
      {"notes of both views once, each view's own marked", sparse, UnitSystem::Metric,
       "<li>Wheels are schematic: the data has no tyre measures.</li>\r\n"
       "<li>Top view: Schematic, not in the data: wheelbase WB, rear overhang G, width OW, front "
       "track TF, rear track TR, roof width E, windshield base A, backlight base B.</li>\r\n"
       "<li>Side view: The ground clearance is schematic.</li>\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_NE(pageOf("Spey", c.dimensions, c.units).find(c.expected), std::string::npos) << c.name;
  }
}

// fuzz_drawing checks that any record gives a page of printable ASCII with CR LF line ends
// whose data is escaped; here the name in the title and heading, and the source line.
TEST(sheet_page, names_the_vehicle_and_the_source) {
  const std::string page = pageOf("Spey <b>\"GT\"</b> & Caf\xE9\x01", kSaloon, UnitSystem::Metric,
                                  {"<2018", "SP1995.TXT", "00"});
  const std::string name = "1995 ALDER Spey &lt;b&gt;&quot;GT&quot;&lt;/b&gt; &amp; Caf&#233;?";
  EXPECT_TRUE(
      page.starts_with("<!DOCTYPE html>\r\n<html>\r\n<head>\r\n <title>"
                       "ORV - Orvane - Vehicle Sheet - " +
                       name + "</title>\r\n</head>\r\n<body>\r\n<style>\r\n"));
  EXPECT_NE(page.find("<h1>" + name + "</h1>\r\n"), std::string::npos);
  EXPECT_TRUE(
      page.ends_with("<p class=source>Source: data version &lt;2018, year file "
                     "SP1995.TXT, SHA-256 00</p>\r\n </body>\r\n </html>\r\n"));
}

// The `n`th number after `key` at or after `from`.
double numberAfter(const std::string& page, const std::string& key, std::size_t& from, int n = 1) {
  from = page.find(key, from);
  if (from == std::string::npos) return -1.0;
  from += key.size();
  std::istringstream numbers(page.substr(from, 100));
  double value = -1.0;
  while (n-- > 0) numbers >> value;
  return value;
}

// A centimetre of the saloon is as wide in the top view as in the side view: each view's
// share of the width over its viewBox width (real mm) is the same, and at full width both
// print at the stated 1:25 (96 pixels to the inch): at 1:20 its 465 cm and the dimension
// rows beside them are wider than the 265 mm of paper the drawings are made for.
TEST(sheet_page, draws_both_views_at_the_stated_scale) {
  const std::string page = pageOf("Spey", kSaloon);
  EXPECT_NE(page.find("<p>Top view and side view at one scale: 1:25 at full size"),
            std::string::npos);
  std::size_t at = 0;
  const double maxWidthPx = numberAfter(page, "<div class=views style='max-width:", at);
  double share[2], viewBoxWidth[2];
  for (int v = 0; v < 2; ++v) {
    share[v] = numberAfter(page, "<div class=view style='width:", at);
    viewBoxWidth[v] = numberAfter(page, "viewBox=\"", at, 3);  // after left and top
  }
  ASSERT_GT(viewBoxWidth[0], 4650.0);  // at least the 465 cm of the top view's outline
  EXPECT_NEAR(share[0] / viewBoxWidth[0], share[1] / viewBoxWidth[1], 1e-5);
  EXPECT_EQ(std::max(share[0], share[1]), 100.0);
  const double widestMm = std::max(viewBoxWidth[0], viewBoxWidth[1]);
  EXPECT_NEAR(maxWidthPx, widestMm / 25.0 / 25.4 * 96.0, 0.5);
}

}  // namespace
}  // namespace orv::test
