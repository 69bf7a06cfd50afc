// The comparison page against rows written out by hand: values and differences in either
// unit system with the largest marked, the legend of the overlay with each vehicle's shift
// for every alignment and the drawings it lays out, escaped data and the sources.
#include <gtest/gtest.h>

#include "CompareVehicles.h"
#include "output/compare/CompareOutput.h"
#include "output/drawing/SvgWriter.h"
#include "output/sheet/PageText.h"

namespace orv::test {
namespace {

using core::UnitSystem;
using output::Alignment;

std::string largest(const std::string& text) {
  return "<td class='diff largest'><strong>" + text + "</strong><span class=mark>max</span></td>";
}

TEST(compare_page, shows_values_and_differences_in_the_chosen_units) {
  const auto vehicles = threeVehicles();
  const struct {
    const char* name;
    UnitSystem units;
    std::string row;
  } cases[] = {
      // 265, 250 and 280 cm x 0.394; the differences -15 and +15 tie.
      {"wheelbase in inches", UnitSystem::Imperial,
       "<tr><td class=code>WB</td><td>Wheelbase</td><td class=value>104.4 in</td><td "
       "class=value>98.5 in</td>" +
           largest("-5.9 in") + "<td class=value>110.3 in</td>" + largest("+5.9 in") + "</tr>\r\n"},
      {"a missing value", UnitSystem::Metric,
       "<tr><td class=code>A</td><td>Front bumper to windshield base</td><td class=value>150 "
       "cm</td><td class='value na'>N/A</td><td class='diff na'>N/A</td><td class=value>150 "
       "cm</td><td class=diff>0.0 cm</td></tr>\r\n"},
      // 3.98825, 3.7125 and 4.214 m2
      {"areas with two decimals", UnitSystem::Metric,
       "<tr><td class=formula>WB * (TF + TR) / 2</td><td>Footprint</td><td class=value>3.99 "
       "m&sup2;</td><td class=value>3.71 m&sup2;</td>" +
           largest("-0.28 m&sup2;") +
           "<td class=value>4.21 m&sup2;</td><td class=diff>+0.23 m&sup2;</td></tr>\r\n"},
  };
  for (const auto& t : cases) {
    const std::string page = output::comparePage(vehicles, t.units, Alignment::FrontAxle, "");
    EXPECT_NE(page.find(t.row), std::string::npos) << t.name << "\n" << page;
  }
}

TEST(compare_page, lays_out_the_overlay_with_each_vehicles_shift) {
  const auto vehicles = threeVehicles();
  const std::vector<core::VehicleRecord> records{vehicles[0].record, vehicles[1].record,
                                                 vehicles[2].record};
  // Shifts move each reference point onto the first's: F 90, 100, 80 and WB 265, 250, 280.
  const struct {
    Alignment align;
    UnitSystem units;
    const char *point, *second, *third;
  } cases[] = {
      {Alignment::FrontAxle, UnitSystem::Metric, "front axle", "not moved", "not moved"},
      {Alignment::FrontEnd, UnitSystem::Metric, "front end", "moved 10.0 cm rearward",
       "moved 10.0 cm forward"},
      {Alignment::RearAxle, UnitSystem::Imperial, "rear axle", "moved 5.9 in rearward",
       "moved 5.9 in forward"},
  };
  for (const auto& t : cases) {
    const std::string page = output::comparePage(vehicles, t.units, t.align, "");
    const std::string rows[] = {
        "</svg> black, solid</td><td>1995 ALDER One</td><td>the reference</td></tr>\r\n",
        "</svg> red, dashed</td><td>1996 ALDER Two</td><td>" + std::string(t.second) +
            "</td></tr>\r\n",
        "</svg> blue, dash-dot</td><td>1995 BIRCH Three</td><td>" + std::string(t.third) +
            "</td></tr>\r\n",
        "<p>Aligned at the " + std::string(t.point) + ": each outline",
    };
    for (const std::string& row : rows) EXPECT_NE(page.find(row), std::string::npos) << row;
    for (const auto view : {output::View::Top, output::View::Side}) {
      const auto drawing = output::overlayDrawing(records, view, t.align, t.units);
      EXPECT_NE(page.find(output::withCrLf(output::svgInline(drawing))), std::string::npos)
          << t.point;
    }
  }
}

TEST(compare_page, escapes_data_and_names_the_sources) {
  const auto vehicles = threeVehicles("<i>\"&amp; Caf\xE9");
  const std::string page =
      output::comparePage(vehicles, UnitSystem::Metric, Alignment::FrontEnd, "2018<b>");
  EXPECT_EQ(page.find("<i>"), std::string::npos);
  EXPECT_EQ(page.find("<b>"), std::string::npos);
  EXPECT_NE(page.find("<th>2: 1996 ALDER &lt;i&gt;&quot;&amp;amp; Caf&#233;</th>"),
            std::string::npos);
  EXPECT_NE(page.find("Source of 2 (1996 ALDER &lt;i&gt;&quot;&amp;amp; Caf&#233;): data "
                      "version 2018&lt;b&gt;, year file SP1996.TXT, SHA-256 "),
            std::string::npos);
  for (const char c : page) ASSERT_LT(static_cast<unsigned char>(c), 0x80);
}

}  // namespace
}  // namespace orv::test
