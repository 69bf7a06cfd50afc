// A vehicle's source, and the drawing files: the source line under the notes and a file
// name that any file system takes.
#include <gtest/gtest.h>

#include "SheetVehicle.h"
#include "core/Sha256.h"
#include "output/drawing/DxfWriter.h"
#include "output/drawing/VehicleDrawing.h"
#include "output/sheet/DrawingFiles.h"

namespace orv::test {
namespace {

using core::UnitSystem;
using output::DrawingFormat;
using output::View;

TEST(vehicle_source, names_version_file_and_the_digest_of_every_byte) {
  core::Vehicle vehicle = vehicleOf("abc", 1995, "Sp1995.txt");
  const auto source = core::vehicleSource(vehicle, "2018.2");
  EXPECT_EQ(source.version, "2018.2");
  EXPECT_EQ(source.file, "Sp1995.txt");
  EXPECT_EQ(source.sha256, kAbcDigest);
  EXPECT_EQ(vehicle.data->sha256Cache, kAbcDigest);  // kept for the next page
  vehicle.data.reset();
  EXPECT_EQ(core::sourceLine(core::vehicleSource(vehicle, "")),
            "data version (none), year file (none), SHA-256 "
            "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
}

TEST(drawing_files, file_name_takes_only_letters_digits_and_separators) {
  const struct {
    const char* name;
    std::string make, model;
    int year;
    View view;
    DrawingFormat format;
    std::string expected;
  } cases[] = {
      {"separators and reserved characters", " ALDER/..", "a\\b:c*d?e\"f<g>h|", 1995, View::Side,
       DrawingFormat::Dxf, "1995-ALDER-a_b_c_d_e_f_g_h-side.dxf"},
      {"8-bit and control characters", "CAF\xC9", "\x01Z\xFF\tX", 1995, View::Top,
       DrawingFormat::Dxf, "1995-CAF-Z_X-top.dxf"},
      {"nothing but the view", "", "", 0, View::Side, DrawingFormat::Svg, "side.svg"},
      {"a long model cut at 60", "A", std::string(70, 'M'), 2001, View::Top, DrawingFormat::Svg,
       "2001-A-" + std::string(60, 'M') + "-top.svg"},
  };
  for (const auto& c : cases) {
    const std::string text = recordText(c.make, c.model, saloonDimensions());
    EXPECT_EQ(output::drawingFileName(core::VehicleRecord::fromModelRecord(text, c.year), c.view,
                                      c.format),
              c.expected)
        << c.name;
  }
}

// The line stands below everything else, left-aligned with the title block, and reaches
// both writers.
TEST(drawing_files, name_their_source_under_the_notes) {
  const core::Vehicle vehicle = vehicleOf(recordText("ALDER", "Spey", saloonDimensions()));
  const std::string line = "Source: data version 2018.2, year file SP1995.TXT, SHA-256 " +
                           core::sha256Hex(vehicle.data->text);
  for (const View view : {View::Top, View::Side}) {
    const auto plain = output::vehicleDrawing(vehicle.record, view, UnitSystem::Metric);
    const auto sourced = output::sourcedDrawing(vehicle.record, view, UnitSystem::Metric,
                                                core::vehicleSource(vehicle, "2018.2"));
    ASSERT_EQ(sourced.entities.size(), plain.entities.size() + 1);
    const auto& text = std::get<output::Text>(sourced.entities.back().shape);
    EXPECT_EQ(text.text, line);
    EXPECT_EQ(text.at.x, plain.extents().minX);
    EXPECT_LT(text.at.y + text.height, plain.extents().minY);
  }
  const std::string svg =
      output::drawingFile(vehicle, View::Side, DrawingFormat::Svg, UnitSystem::Imperial, "2018.2");
  EXPECT_TRUE(svg.starts_with("<?xml ") && svg.find(">" + line + "</text>") != std::string::npos);
  const std::string dxf =
      output::drawingFile(vehicle, View::Top, DrawingFormat::Dxf, UnitSystem::Metric, "2018.2");
  EXPECT_TRUE(dxf.ends_with("EOF\r\n") && dxf.find("\r\n" + line + "\r\n") != std::string::npos);
}

}  // namespace
}  // namespace orv::test
