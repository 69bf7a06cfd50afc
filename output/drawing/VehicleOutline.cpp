#include "output/drawing/VehicleOutline.h"

#include <algorithm>

namespace orv::output {

namespace {

Polyline box(double x0, double y0, double x1, double y1) {
  return {{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}}, true};
}

Polyline moved(Polyline p, double shift) {
  for (Point& q : p.points) q.x += shift;
  return p;
}

// The top view is symmetric about the centre line, so drawing y (to the left) upward shows
// the same picture as the view from above with the front at the left.
void drawTop(Drawing& d, const VehicleShape& s, int style, double dx) {
  const double hw = s.halfWidth;
  const double c = std::min(0.08 * (s.rearEnd - s.frontEnd), 0.3 * hw);  // corner chamfer
  d.add(Layer::Outline, style,
        moved({{{s.frontEnd, -hw + c},
                {s.frontEnd + c, -hw},
                {s.rearEnd - c, -hw},
                {s.rearEnd, -hw + c},
                {s.rearEnd, hw - c},
                {s.rearEnd - c, hw},
                {s.frontEnd + c, hw},
                {s.frontEnd, hw - c}},
               true},
              dx));
  // The glass house seen from above: from the windshield base to the backlight base, the
  // roof between them.
  const double gw = 0.92 * hw, rw = s.roofHalfWidth;
  d.add(Layer::Outline, style,
        moved({{{s.windshieldBase, -gw},
                {s.roofFront, -rw},
                {s.roofRear, -rw},
                {s.backlightBase, -gw},
                {s.backlightBase, gw},
                {s.roofRear, rw},
                {s.roofFront, rw},
                {s.windshieldBase, gw}},
               true},
              dx));
  if (s.roofRear > s.roofFront)
    d.add(Layer::Outline, style, moved(box(s.roofFront, -rw, s.roofRear, rw), dx));

  const double r = s.wheelRadius, tw = s.tyreWidth / 2.0;
  for (const auto& [x, ht] : {std::pair{0.0, s.frontHalfTrack}, {s.wheelbase, s.rearHalfTrack}})
    for (const double y : {-ht, ht})
      d.add(Layer::Wheels, style, moved(box(x - r, y - tw, x + r, y + tw), dx));

  const double reach =
      std::max({hw, s.frontHalfTrack + tw, s.rearHalfTrack + tw}) + 0.6 * d.textHeight;
  for (const double x : {0.0, s.wheelbase})
    d.add(Layer::Axles, style, Line{{x + dx, -reach}, {x + dx, reach}});
  const double over = 0.6 * d.textHeight;
  d.add(Layer::Axles, style, Line{{s.frontEnd - over + dx, 0.0}, {s.rearEnd + over + dx, 0.0}});
}

// x of the windshield (front) or backlight (rear) line at height z above the belt.
double glassLineAt(double base, double top, const VehicleShape& s, double z) {
  const double rise = s.height - s.belt;
  return rise > 0.0 ? base + (top - base) * (z - s.belt) / rise : base;
}

void drawSide(Drawing& d, const VehicleShape& s, int style, double dx) {
  const double hood = s.sill + 0.8 * (s.belt - s.sill);
  d.add(Layer::Outline, style,
        moved({{{s.frontEnd, s.sill},
                {s.rearEnd, s.sill},
                {s.rearEnd, s.belt},
                {s.backlightBase, s.belt},
                {s.roofRear, s.height},
                {s.roofFront, s.height},
                {s.windshieldBase, s.belt},
                {s.frontEnd, hood}},
               true},
              dx));
  // The side glass, inset a little from the windshield and backlight lines.
  const double inset = 0.03 * s.height;
  const double front0 = glassLineAt(s.windshieldBase, s.roofFront, s, s.belt) + inset;
  const double front1 = glassLineAt(s.windshieldBase, s.roofFront, s, s.glassTop) + inset;
  const double rear0 = glassLineAt(s.backlightBase, s.roofRear, s, s.belt) - inset;
  const double rear1 = glassLineAt(s.backlightBase, s.roofRear, s, s.glassTop) - inset;
  if (s.glassTop > s.belt && front1 < rear1 && front0 < rear0)
    d.add(Layer::Outline, style,
          moved({{{front0, s.belt}, {rear0, s.belt}, {rear1, s.glassTop}, {front1, s.glassTop}},
                 true},
                dx));

  const double r = s.wheelRadius;
  for (const double x : {0.0, s.wheelbase}) {
    d.add(Layer::Wheels, style, Circle{{x + dx, r}, r});
    d.add(Layer::Wheels, style, Circle{{x + dx, r}, 0.45 * r});
  }
  const double over = 0.6 * d.textHeight;
  for (const double x : {0.0, s.wheelbase})
    d.add(Layer::Axles, style, Line{{x + dx, -over}, {x + dx, 2.0 * r + over}});
  d.add(Layer::Axles, style, Line{{s.frontEnd - over + dx, 0.0}, {s.rearEnd + over + dx, 0.0}});
}

}  // namespace

void drawOutline(Drawing& drawing, const VehicleShape& shape, View view, int style, double shift) {
  if (view == View::Top)
    drawTop(drawing, shape, style, shift);
  else
    drawSide(drawing, shape, style, shift);
}

void drawCgMark(Drawing& drawing, Point at, int style) {
  const double r = 0.5 * drawing.textHeight;
  drawing.add(Layer::Cg, style, Circle{at, r});
  drawing.add(Layer::Cg, style, Line{{at.x - 1.4 * r, at.y}, {at.x + 1.4 * r, at.y}});
  drawing.add(Layer::Cg, style, Line{{at.x, at.y - 1.4 * r}, {at.x, at.y + 1.4 * r}});
  drawing.add(
      Layer::Cg, style,
      Text{{at.x + 1.2 * r, at.y + 1.2 * r}, 0.8 * drawing.textHeight, Anchor::Left, 0.0, "CG"});
}

}  // namespace orv::output
