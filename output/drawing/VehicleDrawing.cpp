#include "output/drawing/VehicleDrawing.h"

#include <optional>

#include "core/Vehicle.h"
#include "output/drawing/DrawingSheet.h"
#include "output/drawing/ShapeNotes.h"
#include "output/drawing/VehicleOutline.h"
#include "output/drawing/VehicleShape.h"
#include "output/sheet/DerivedValues.h"
#include "output/sheet/Measures.h"

namespace orv::output {

using core::Field;

namespace {

// Distances of the first and second row of dimension lines from what they measure, and
// the height of the centre-of-gravity mark in the side view, as shares of the text height.
constexpr double kRow1 = 1.5;
constexpr double kRow2 = 3.9;
constexpr double kCgHeightShare = 0.4;

class Dimensioner {
 public:
  Dimensioner(Drawing& d, const core::VehicleRecord& r, core::UnitSystem units)
      : d_(d), r_(r), units_(units) {}

  double row1() const { return kRow1 * d_.textHeight; }
  double row2() const { return kRow2 * d_.textHeight; }

  // A dimension of a measure of the record, only where the measure is usable.
  void measure(Field field, Point from, Point to, double offset, bool shown = true,
               Overflow overflow = Overflow::AfterEnd) {
    if (!shown || !usableValue(r_, field)) return;
    const std::string label = std::string(core::kFields[field].code) + " " +
                              core::formatField(r_, field, units_, core::kLength);
    d_.add(Layer::Dimensions, 0, Dimension{from, to, offset, label, d_.textHeight, overflow});
  }
  // A dimension of a derived length.
  void derivedLength(std::string_view name, double value, Point from, Point to, double offset) {
    d_.add(Layer::Dimensions, 0,
           Dimension{from, to, offset,
                     std::string(name) + " " + formatQuantity(value, Quantity::Length, units_),
                     d_.textHeight, Overflow::AfterEnd});
  }

 private:
  Drawing& d_;
  const core::VehicleRecord& r_;
  core::UnitSystem units_;
};

// The measures along the vehicle, below it: F, WB and G in one row, OL in the next.
void dimensionLength(Dimensioner& dim, const VehicleShape& s, double y) {
  dim.measure(core::F, {s.frontEnd, y}, {0.0, y}, -dim.row1(), true, Overflow::BeforeStart);
  dim.measure(core::WB, {0.0, y}, {s.wheelbase, y}, -dim.row1());
  dim.measure(core::G, {s.wheelbase, y}, {s.rearEnd, y}, -dim.row1());
  dim.measure(core::OL, {s.frontEnd, y}, {s.rearEnd, y}, -dim.row2());
}

void dimensionTop(Drawing& d, Dimensioner& dim, const VehicleShape& s) {
  const double hw = s.halfWidth;
  dimensionLength(dim, s, -hw);
  // Across, vertical lines: the front track and the width at the front, the rear track and
  // the roof width at the rear.
  dim.measure(core::TF, {0.0, -s.frontHalfTrack}, {0.0, s.frontHalfTrack},
              -s.frontEnd + dim.row1());
  dim.measure(core::OW, {s.frontEnd, -hw}, {s.frontEnd, hw}, dim.row2());
  dim.measure(core::TR, {s.wheelbase, -s.rearHalfTrack}, {s.wheelbase, s.rearHalfTrack},
              -(s.rearEnd - s.wheelbase + dim.row1()));
  dim.measure(core::E, {s.roofRear, -s.roofHalfWidth}, {s.roofRear, s.roofHalfWidth},
              -(s.rearEnd - s.roofRear + dim.row2()));
  if (s.cg) {
    drawCgMark(d, {*s.cg, 0.0}, 0);
    dim.derivedLength("a", *s.cg, {0.0, hw}, {*s.cg, hw}, dim.row1());
    dim.derivedLength("b", s.wheelbase - *s.cg, {*s.cg, hw}, {s.wheelbase, hw}, dim.row1());
  }
}

void dimensionSide(Drawing& d, Dimensioner& dim, const VehicleShape& s) {
  dimensionLength(dim, s, 0.0);
  const double above = s.height - s.belt + dim.row1();
  dim.measure(core::A, {s.frontEnd, s.belt}, {s.windshieldBase, s.belt}, above,
              !s.guessed(Guess::Windshield));
  dim.measure(core::B, {s.backlightBase, s.belt}, {s.rearEnd, s.belt}, above,
              !s.guessed(Guess::Backlight));
  dim.measure(core::OH, {s.frontEnd, 0.0}, {s.frontEnd, s.height}, dim.row1());
  const bool glassAsMeasured = !s.guessed(Guess::GlassClipped);
  dim.measure(core::D, {s.rearEnd, s.sill}, {s.rearEnd, s.belt}, -dim.row1(), glassAsMeasured,
              Overflow::BeforeStart);
  dim.measure(core::C, {s.rearEnd, s.belt}, {s.rearEnd, s.glassTop}, -dim.row1(), glassAsMeasured);
  if (s.cg) {
    d.add(Layer::Cg, 0, Line{{*s.cg, 0.0}, {*s.cg, s.height}});
    drawCgMark(d, {*s.cg, kCgHeightShare * s.height}, 0);
  }
}

Drawing drawingAt(const core::VehicleRecord& record, const VehicleShape& shape, View view,
                  core::UnitSystem labels, int scale) {
  Drawing d;
  d.view = view;
  d.scale = scale;
  d.textHeight = textHeightAt(scale);
  d.title = core::vehicleName(record) + (view == View::Top ? " - top view" : " - side view");
  d.notes = shapeNotes(shape, view, labels);
  drawOutline(d, shape, view, 0);
  Dimensioner dim(d, record, labels);
  if (view == View::Top)
    dimensionTop(d, dim, shape);
  else
    dimensionSide(d, dim, shape);
  addTitleBlock(d, labels);
  return d;
}

}  // namespace

Drawing vehicleDrawing(const core::VehicleRecord& record, View view, core::UnitSystem labels) {
  const VehicleShape shape = vehicleShape(record);
  // Both views of a vehicle print at the same scale, so they can be laid side by side.
  for (const int scale : kStandardScales) {
    Drawing top = drawingAt(record, shape, View::Top, labels, scale);
    Drawing side = drawingAt(record, shape, View::Side, labels, scale);
    if ((fitsPaper(top) && fitsPaper(side)) || scale == kStandardScales.back())
      return view == View::Top ? top : side;
  }
  return {};
}

}  // namespace orv::output
