// Writes the drawing of one record, or the overlay of several, as SVG and DXF files: the
// helper of the read-back scripts and a way to look at drawings by hand.
// Usage: drawing_sample [--imperial] [--top] [--align front-axle|front-end|rear-axle]
//                       [--svg FILE] [--inline FILE] [--dxf FILE] RECORD...
// RECORD is a model record's text, "<MA>make</MA><MO>model</MO><DA>dimensions</DA>".
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "output/drawing/DxfWriter.h"
#include "output/drawing/OverlayDrawing.h"
#include "output/drawing/SvgWriter.h"
#include "output/drawing/VehicleDrawing.h"

using namespace orv;

namespace {

bool write(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
  auto units = core::UnitSystem::Metric;
  auto view = output::View::Side;
  auto alignment = output::Alignment::FrontAxle;
  std::string svg, svgInline, dxf;
  std::vector<std::string> texts;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--imperial")
      units = core::UnitSystem::Imperial;
    else if (arg == "--top")
      view = output::View::Top;
    else if (arg == "--align" && hasValue) {
      const std::string a = argv[++i];
      alignment = a == "front-end"   ? output::Alignment::FrontEnd
                  : a == "rear-axle" ? output::Alignment::RearAxle
                                     : output::Alignment::FrontAxle;
    } else if (arg == "--svg" && hasValue)
      svg = argv[++i];
    else if (arg == "--inline" && hasValue)
      svgInline = argv[++i];
    else if (arg == "--dxf" && hasValue)
      dxf = argv[++i];
    else
      texts.push_back(arg);
  }
  if (texts.empty()) {
    std::cerr << "usage: drawing_sample [--imperial] [--top] [--align WHERE] [--svg FILE] "
                 "[--inline FILE] [--dxf FILE] RECORD...\n";
    return 2;
  }
  std::vector<core::VehicleRecord> records;
  for (const std::string& t : texts)
    records.push_back(core::VehicleRecord::fromModelRecord(t, 1995));
  const output::Drawing drawing = records.size() == 1
                                      ? output::vehicleDrawing(records.front(), view, units)
                                      : output::overlayDrawing(records, view, alignment, units);
  bool ok = true;
  if (!svg.empty()) ok = write(svg, output::svgFile(drawing, units)) && ok;
  if (!svgInline.empty()) ok = write(svgInline, output::svgInline(drawing)) && ok;
  if (!dxf.empty()) ok = write(dxf, output::dxfFile(drawing, units)) && ok;
  std::cout << "scale " << drawing.scale << "\n";
  for (const auto& entry : drawing.legend) std::cout << "shift " << entry.shift << "\n";
  for (const auto& note : drawing.notes) std::cout << "note " << note << "\n";
  return ok ? 0 : 1;
}
