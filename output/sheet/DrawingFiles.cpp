#include "output/sheet/DrawingFiles.h"

#include "core/Text.h"
#include "output/drawing/DxfWriter.h"
#include "output/drawing/SvgWriter.h"
#include "output/drawing/VehicleDrawing.h"

namespace orv::output {

namespace {

constexpr std::size_t kMaxPartLength = 60;
// The source line is set like the notes above it (0.7 of the text height), one note line
// lower than the last of them.
constexpr double kSourceTextShare = 0.7;
constexpr double kSourceDrop = 1.15;

bool isLetterOrDigit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

std::string fileNamePart(std::string_view text) {
  std::string part;
  for (const char c : text) {
    if (part.size() == kMaxPartLength) break;
    if (isLetterOrDigit(c))
      part += c;
    else if (!part.empty() && part.back() != '_')
      part += '_';
  }
  while (!part.empty() && part.back() == '_') part.pop_back();
  return part;
}

}  // namespace

Drawing sourcedDrawing(const core::VehicleRecord& record, View view, core::UnitSystem labels,
                       const core::VehicleSource& source) {
  Drawing drawing = vehicleDrawing(record, view, labels);
  const Extents box = drawing.extents();
  const double h = drawing.textHeight;
  drawing.add(Layer::Text, 0,
              Text{{box.minX, box.minY - kSourceDrop * h},
                   kSourceTextShare * h,
                   Anchor::Left,
                   0.0,
                   "Source: " + core::sourceLine(source)});
  return drawing;
}

std::string drawingFile(const core::Vehicle& vehicle, View view, DrawingFormat format,
                        core::UnitSystem units, std::string_view versionText) {
  const Drawing drawing =
      sourcedDrawing(vehicle.record, view, units, core::vehicleSource(vehicle, versionText));
  return format == DrawingFormat::Svg ? svgFile(drawing, units) : dxfFile(drawing, units);
}

std::string drawingFileName(const core::VehicleRecord& record, View view, DrawingFormat format) {
  std::string name;
  const std::string year = record.year() != 0 ? std::to_string(record.year()) : "";
  for (const std::string_view text :
       {std::string_view(year), record.make().value_or(""), record.shownModel()}) {
    const std::string part = fileNamePart(text);
    if (!part.empty()) name += part + "-";
  }
  name += view == View::Top ? "top" : "side";
  return name + (format == DrawingFormat::Svg ? ".svg" : ".dxf");
}

}  // namespace orv::output
