// Vehicle drawings against hand-computed geometry: ends, axles, wheels and width where the
// record gives them, what stands in where it does not, the labels, the layers, the overlay
// alignments, and one small drawing's SVG text byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "RecordText.h"
#include "output/drawing/OverlayDrawing.h"
#include "output/drawing/SvgWriter.h"
#include "output/drawing/VehicleDrawing.h"
#include "output/drawing/VehicleShape.h"

namespace orv {
namespace {

using namespace orv::output;
using core::UnitSystem;

// The box around the polylines (closed and open) of one layer and style.
Extents polylineBox(const Drawing& d, Layer layer, int style = 0) {
  Extents box;
  for (const Entity& e : d.entities)
    if (const auto* p = std::get_if<Polyline>(&e.shape); p && e.layer == layer && e.style == style)
      for (const Point& q : p->points) box.add(q);
  return box;
}

std::vector<std::string> dimensionLabels(const Drawing& d) {
  std::vector<std::string> labels;
  for (const Entity& e : d.entities)
    if (const auto* dim = std::get_if<Dimension>(&e.shape)) labels.push_back(dim->label);
  return labels;
}

bool hasNote(const Drawing& d, std::string_view note) {
  return std::find(d.notes.begin(), d.notes.end(), note) != d.notes.end();
}

struct Vehicle {
  explicit Vehicle(std::string dims)
      : text(test::recordText("ALDER", "Spey", dims)),
        record(core::VehicleRecord::fromModelRecord(text, 1995)) {}
  std::string text;
  core::VehicleRecord record;
};

TEST(vehicle_drawing, saloon_is_drawn_to_its_measures) {
  const Vehicle v(test::saloonDimensions());
  const VehicleShape s = vehicleShape(v.record);
  // The ends, the half width and tracks, A 150 behind the front end, B 120 ahead of the rear
  // end, D and C.
  EXPECT_EQ((std::vector<double>{s.frontEnd, s.wheelbase, s.rearEnd, s.halfWidth, s.frontHalfTrack,
                                 s.rearHalfTrack, s.windshieldBase, s.backlightBase,
                                 s.belt - s.sill, s.glassTop - s.belt}),
            (std::vector<double>{-90, 265, 375, 90, 75, 75.5, 60, 255, 60, 45}));
  EXPECT_DOUBLE_EQ(*s.cg, 119.25);

  const Drawing top = vehicleDrawing(v.record, View::Top, UnitSystem::Metric);
  const Extents body = polylineBox(top, Layer::Outline);
  EXPECT_EQ(body.minX, -90.0);
  EXPECT_EQ(body.maxX, 375.0);
  EXPECT_EQ(body.maxY, 90.0);
  // Wheels of 2 x 33.125 cm (WB / 8) centred on the tracks.
  const Extents wheels = polylineBox(top, Layer::Wheels);
  EXPECT_DOUBLE_EQ(wheels.minX, -33.125);
  EXPECT_DOUBLE_EQ(wheels.maxX, 265.0 + 33.125);
  EXPECT_DOUBLE_EQ(wheels.maxY, 75.5 + 0.22 * 90.0 / 2.0);
  EXPECT_EQ(
      dimensionLabels(top),
      (std::vector<std::string>{"F 90 cm", "WB 265 cm", "G 110 cm", "OL 465 cm", "TF 150 cm",
                                "OW 180 cm", "TR 151 cm", "E 130 cm", "a 119.3 cm", "b 145.8 cm"}));
  EXPECT_EQ(top.notes,
            std::vector<std::string>{"Wheels are schematic: the data has no tyre measures."});

  const Drawing side = vehicleDrawing(v.record, View::Side, UnitSystem::Imperial);
  EXPECT_EQ(side.scale, top.scale);  // one scale for both views
  EXPECT_EQ(polylineBox(side, Layer::Outline).maxY, 145.0);
  EXPECT_EQ(
      dimensionLabels(side),
      (std::vector<std::string>{"F 35.5 in", "WB 104.4 in", "G 43.3 in", "OL 183.2 in", "A 59.1 in",
                                "B 47.3 in", "OH 57.1 in", "D 23.6 in", "C 17.7 in"}));
}

TEST(vehicle_drawing, missing_lengths_come_from_the_others_or_are_schematic) {
  using namespace core;
  const struct {
    const char* name;
    std::string dims;
    double frontEnd, rearEnd;
    const char* note;
  } cases[] = {
      {"F from OL", test::dimensionText({{WB, "265"}, {G, "110"}, {OL, "480"}}), -105.0, 375.0,
       "Front overhang F taken as OL - WB - G."},
      {"G from OL", test::dimensionText({{F, "90"}, {WB, "265"}, {OL, "480"}}), -90.0, 390.0,
       "Rear overhang G taken as OL - F - WB."},
      // Nothing along the vehicle: 450 cm in typical shares 0.19 / 0.57 / 0.24.
      {"schematic length", test::dimensionText({{OW, "180"}}), -85.5, 256.5 + 108.0,
       "Schematic, not in the data: front overhang F, wheelbase WB, rear "
       "overhang G, height OH, windshield base A, backlight base B, side glass height C, sill D."},
      {"absurd and negative values are not used",
       // OL - G = 355 cm shared by F and WB as 0.19 : 0.57.
       test::dimensionText({{F, "-90"}, {WB, "1E5"}, {G, "110"}, {OL, "465"}}), -88.75, 376.25,
       "Schematic, not in the data: front overhang F, wheelbase WB, height OH, "
       "windshield base A, backlight base B, side glass height C, sill D."},
      {"parts disagree with OL",
       test::dimensionText({{F, "90"}, {WB, "265"}, {G, "110"}, {OL, "470"}}), -90.0, 375.0,
       "F + WB + G = 465.0 cm differs from OL = 470.0 cm; drawn with F, WB and G."},
  };
  for (const auto& c : cases) {
    const Vehicle v(c.dims);
    const Drawing side = vehicleDrawing(v.record, View::Side, UnitSystem::Metric);
    const Extents body = polylineBox(side, Layer::Outline);
    EXPECT_NEAR(body.minX, c.frontEnd, 1e-3) << c.name;
    EXPECT_NEAR(body.maxX, c.rearEnd, 1e-3) << c.name;
    EXPECT_TRUE(hasNote(side, c.note)) << c.name << ": " << side.notes.back();
    // Dimension lines only for measures the record gives.
    for (const std::string& label : dimensionLabels(side)) {
      const auto code = std::string_view(label).substr(0, label.find(' '));
      const auto f = std::find_if(kFields.begin(), kFields.end(),
                                  [&](const DimensionField& k) { return k.code == code; });
      ASSERT_NE(f, kFields.end()) << label;
      EXPECT_TRUE(v.record.value(static_cast<Field>(f - kFields.begin())) > 0.0)
          << c.name << ": " << label;
    }
  }
}

TEST(vehicle_drawing, unreadable_weight_distribution_draws_no_centre_of_gravity) {
  std::string dims = test::saloonDimensions();
  dims.replace(43, 5, "55-45");
  const Vehicle v(dims);
  const Drawing top = vehicleDrawing(v.record, View::Top, UnitSystem::Metric);
  EXPECT_TRUE(std::none_of(top.entities.begin(), top.entities.end(),
                           [](const Entity& e) { return e.layer == Layer::Cg; }));
  EXPECT_EQ(dimensionLabels(top).size(), 8u);  // no a and b
}

TEST(overlay_drawing, reference_points_coincide) {
  using namespace core;
  const Vehicle first(test::saloonDimensions());  // F 90, WB 265, G 110
  const Vehicle second(test::dimensionText({{F, "80"}, {WB, "250"}, {G, "100"}, {OW, "170"}}));
  const std::vector<core::VehicleRecord> pair{first.record, second.record};
  const struct {
    Alignment alignment;
    double shift;  // of the second vehicle
  } cases[] = {
      {Alignment::FrontAxle, 0.0}, {Alignment::FrontEnd, -10.0}, {Alignment::RearAxle, 15.0}};
  for (const auto& c : cases) {
    const Drawing d = overlayDrawing(pair, View::Side, c.alignment, UnitSystem::Metric);
    ASSERT_EQ(d.legend.size(), 2u);
    EXPECT_EQ(d.legend[0].shift, 0.0);
    EXPECT_EQ(d.legend[1].shift, c.shift);
    EXPECT_EQ(d.legend[1].label, "1995 ALDER Spey");
    EXPECT_EQ(d.legend[1].style, 1);
    const Extents a = polylineBox(d, Layer::Outline, 0), b = polylineBox(d, Layer::Outline, 1);
    if (c.alignment == Alignment::FrontEnd) {
      EXPECT_EQ(a.minX, b.minX);
    } else {
      EXPECT_EQ(b.maxX, c.shift + 350.0);  // the second's rear end moved with it
    }
  }
}

TEST(svg_writer, small_drawing_prints_at_its_scale) {
  Drawing d;
  d.scale = 20;
  d.textHeight = 7.0;
  d.title = "T";
  d.add(Layer::Outline, 1, Line{{0.0, 0.0}, {100.0, 0.0}});
  d.add(Layer::Text, 0, Text{{0.0, 10.0}, 7.0, Anchor::Left, 0.0, "Caf\xE9 <&>\x01"});
  // Extents: x 0..100 cm, y 0..17 cm (the text's top), and a margin of 10.5 cm all round:
  // 121 cm x 38 cm, so 60.5 mm x 19 mm at 1:20.
  const std::string expected =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"60.5mm\" "
      "height=\"19mm\" viewBox=\"-105 -275 1210 380\">\n"
      "<title>T</title>\n"
      "<rect x=\"-105\" y=\"-275\" width=\"1210\" height=\"380\" fill=\"#ffffff\"/>\n"
      "<g id=\"OUTLINE\" fill=\"none\" stroke-width=\"10\" stroke-linecap=\"round\" "
      "stroke-linejoin=\"round\" font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\">\n"
      "<line x1=\"0\" y1=\"0\" x2=\"1000\" y2=\"0\" stroke=\"#c81e1e\" "
      "stroke-dasharray=\"80,40,80,40\"/>\n"
      "</g>\n";
  const std::string svg = svgFile(d, UnitSystem::Metric);
  EXPECT_EQ(svg.substr(0, expected.size()), expected);
  EXPECT_NE(svg.find("<text x=\"0\" y=\"-100\" font-size=\"70\" text-anchor=\"start\" "
                     "fill=\"#000000\" stroke=\"none\">Caf&#233; &lt;&amp;&gt;?</text>"),
            std::string::npos);
  // Imperial: the same sheet in inches, 121 cm and 38 cm / 2.54 / 20.
  EXPECT_NE(svgFile(d, UnitSystem::Imperial).find("width=\"2.382in\" height=\"0.748in\""),
            std::string::npos);
}

}  // namespace
}  // namespace orv
