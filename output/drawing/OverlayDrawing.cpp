#include "output/drawing/OverlayDrawing.h"

#include <algorithm>
#include <vector>

#include "core/Vehicle.h"
#include "output/drawing/DrawingSheet.h"
#include "output/drawing/ShapeNotes.h"
#include "output/drawing/VehicleDrawing.h"
#include "output/drawing/VehicleOutline.h"
#include "output/drawing/VehicleShape.h"

namespace orv::output {

namespace {

double referenceOf(const VehicleShape& s, Alignment alignment) {
  switch (alignment) {
    case Alignment::FrontEnd:
      return s.frontEnd;
    case Alignment::RearAxle:
      return s.wheelbase;
    case Alignment::FrontAxle:
      break;
  }
  return 0.0;
}

std::string_view alignmentText(Alignment alignment) {
  switch (alignment) {
    case Alignment::FrontEnd:
      return "Aligned at the front end.";
    case Alignment::RearAxle:
      return "Aligned at the rear axle.";
    case Alignment::FrontAxle:
      break;
  }
  return "Aligned at the front axle.";
}

struct Member {
  std::string name;
  VehicleShape shape;
  double shift;
};

Drawing overlayAt(const std::vector<Member>& members, View view, Alignment alignment,
                  core::UnitSystem labels, int scale, const std::vector<std::string>& notes) {
  Drawing d;
  d.view = view;
  d.scale = scale;
  d.textHeight = textHeightAt(scale);
  d.title = std::string("Comparison - ") + (view == View::Top ? "top view" : "side view");
  d.notes = notes;
  for (std::size_t i = 0; i < members.size(); ++i) {
    const int style = static_cast<int>(i);
    drawOutline(d, members[i].shape, view, style, members[i].shift);
    d.legend.push_back({style, members[i].name, members[i].shift});
  }
  // The reference line through the points that coincide.
  const Extents body = d.extents();
  if (!members.empty()) {
    const double x = referenceOf(members.front().shape, alignment);
    d.add(Layer::Axles, 0, Line{{x, body.minY - d.textHeight}, {x, body.maxY + d.textHeight}});
  }
  // The legend: a stroke in each vehicle's style and its name, above the title block.
  const double h = d.textHeight;
  double y = body.minY - 2.5 * h;
  for (const LegendEntry& entry : d.legend) {
    d.add(Layer::Text, entry.style,
          Line{{body.minX, y + 0.35 * h}, {body.minX + 4.0 * h, y + 0.35 * h}});
    d.add(Layer::Text, entry.style,
          Text{{body.minX + 5.0 * h, y},
               h,
               Anchor::Left,
               0.0,
               std::to_string(entry.style + 1) + "  " + entry.label});
    y -= 1.6 * h;
  }
  addTitleBlock(d, labels);
  return d;
}

}  // namespace

namespace {

// The vehicles of an overlay in one view, each moved to the first's reference point, and the
// notes under it.
struct Overlay {
  std::vector<Member> members;
  std::vector<std::string> notes;
};

Overlay overlayOf(std::span<const core::VehicleRecord> records, View view, Alignment alignment,
                  core::UnitSystem labels) {
  const std::size_t count = std::min<std::size_t>(records.size(), kStyleCount);
  Overlay o;
  o.notes.emplace_back(alignmentText(alignment));
  for (std::string& note : commonNotes(view)) o.notes.push_back(std::move(note));
  for (std::size_t i = 0; i < count; ++i) {
    Member m{core::vehicleName(records[i]), vehicleShape(records[i]), 0.0};
    if (!o.members.empty())
      m.shift = referenceOf(o.members.front().shape, alignment) - referenceOf(m.shape, alignment);
    for (const std::string& note : ownNotes(m.shape, view, labels))
      o.notes.push_back(std::to_string(i + 1) + ": " + note);
    o.members.push_back(std::move(m));
  }
  if (records.size() > count)
    o.notes.push_back("Only the first " + std::to_string(kStyleCount) + " vehicles are drawn.");
  return o;
}

}  // namespace

Drawing overlayDrawing(std::span<const core::VehicleRecord> records, View view, Alignment alignment,
                       core::UnitSystem labels) {
  // Both views print at one scale, as a single vehicle's do, so a page can show them alike.
  const View otherView = view == View::Top ? View::Side : View::Top;
  const Overlay wanted = overlayOf(records, view, alignment, labels);
  const Overlay other = overlayOf(records, otherView, alignment, labels);
  for (const int scale : kStandardScales) {
    Drawing d = overlayAt(wanted.members, view, alignment, labels, scale, wanted.notes);
    const bool last = scale == kStandardScales.back();
    if (last || (fitsPaper(d) && fitsPaper(overlayAt(other.members, otherView, alignment, labels,
                                                     scale, other.notes))))
      return d;
  }
  return {};
}

}  // namespace orv::output
