#include "output/drawing/DrawingSheet.h"

#include <string>

namespace orv::output {

namespace {
constexpr double kPaperTextMm = 3.5;
constexpr double kMmPerCm = 10.0;
}  // namespace

double textHeightAt(int scale) {
  return kPaperTextMm * scale / kMmPerCm;
}

bool fitsPaper(const Drawing& drawing) {
  const Extents box = drawing.extents();
  const double perMm = kMmPerCm / drawing.scale;
  return box.width() * perMm <= kPaperWidthMm && box.height() * perMm <= kPaperHeightMm;
}

void addTitleBlock(Drawing& drawing, core::UnitSystem labels) {
  const Extents box = drawing.extents();
  const double h = drawing.textHeight;
  const double left = box.minX;
  double y = box.minY - 2.0 * h;
  drawing.add(Layer::Text, 0, Text{{left, y}, h, Anchor::Left, 0.0, drawing.title});
  y -= 1.6 * h;
  const std::string unit = labels == core::UnitSystem::Metric ? "cm" : "inches";
  drawing.add(Layer::Text, 0,
              Text{{left, y},
                   0.8 * h,
                   Anchor::Left,
                   0.0,
                   "Scale 1:" + std::to_string(drawing.scale) + ", dimensions in " + unit});
  for (const std::string& note : drawing.notes) {
    y -= 1.3 * h;
    drawing.add(Layer::Text, 0, Text{{left, y}, 0.7 * h, Anchor::Left, 0.0, note});
  }
}

}  // namespace orv::output
