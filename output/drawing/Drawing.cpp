#include "output/drawing/Drawing.h"

#include <array>
#include <cmath>
#include <numbers>

namespace orv::output {

namespace {

constexpr double kDegrees = std::numbers::pi / 180.0;
// Average advance of a sans-serif character, as a share of the text height.
constexpr double kCharWidth = 0.6;

Point along(Point p, Point direction, double distance) {
  return {p.x + direction.x * distance, p.y + direction.y * distance};
}

void addText(Extents& box, const Text& text) {
  const double width = estimatedTextWidth(text);
  const double start = text.anchor == Anchor::Left     ? 0.0
                       : text.anchor == Anchor::Centre ? -width / 2.0
                                                       : -width;
  const Point u{std::cos(text.rotation * kDegrees), std::sin(text.rotation * kDegrees)};
  const Point up{-u.y, u.x};
  // Descenders reach below the baseline by about a quarter of the height.
  for (const double along_ : {start, start + width})
    for (const double rise : {-0.25 * text.height, text.height})
      box.add({text.at.x + u.x * along_ + up.x * rise, text.at.y + u.y * along_ + up.y * rise});
}

}  // namespace

std::string_view layerName(Layer layer) {
  constexpr std::array<std::string_view, kLayerCount> kNames{"OUTLINE", "AXLES",      "WHEELS",
                                                             "CG",      "DIMENSIONS", "TEXT"};
  return kNames[static_cast<int>(layer)];
}

void Extents::add(Point p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
  if (empty) {
    minX = maxX = p.x;
    minY = maxY = p.y;
    empty = false;
    return;
  }
  minX = std::min(minX, p.x);
  maxX = std::max(maxX, p.x);
  minY = std::min(minY, p.y);
  maxY = std::max(maxY, p.y);
}

double estimatedTextWidth(const Text& text) {
  return kCharWidth * text.height * static_cast<double>(text.text.size());
}

DimensionParts dimensionParts(const Dimension& d) {
  DimensionParts parts;
  const double length = std::hypot(d.to.x - d.from.x, d.to.y - d.from.y);
  const Point u = length > 0.0 ? Point{(d.to.x - d.from.x) / length, (d.to.y - d.from.y) / length}
                               : Point{1.0, 0.0};
  const Point normal{-u.y, u.x};
  const Point out = d.offset < 0.0 ? Point{-normal.x, -normal.y} : normal;
  const double h = d.textHeight;
  const double distance = std::fabs(d.offset);
  const Point a = along(d.from, normal, d.offset);
  const Point b = along(d.to, normal, d.offset);
  // Extension lines leave a small gap at the object and run a little past the line.
  const double gap = std::min(0.3 * h, distance / 2.0);
  parts.lines.push_back({along(d.from, out, gap), along(a, out, 0.4 * h)});
  parts.lines.push_back({along(d.to, out, gap), along(b, out, 0.4 * h)});
  parts.lines.push_back({a, b});
  const double arrow = std::min(0.6 * h, length / 3.0);
  for (const auto& [tip, back] : {std::pair{a, u}, std::pair{b, Point{-u.x, -u.y}}}) {
    const Point base = along(tip, back, arrow);
    parts.lines.push_back({tip, along(base, normal, arrow / 3.0)});
    parts.lines.push_back({tip, along(base, normal, -arrow / 3.0)});
  }

  // The label reads left to right or bottom to top, on the far side of the line.
  double rotation = std::atan2(u.y, u.x) / kDegrees;
  if (rotation <= -90.0 + 1e-9) rotation += 180.0;
  if (rotation > 90.0 + 1e-9) rotation -= 180.0;
  const Point up{-std::sin(rotation * kDegrees), std::cos(rotation * kDegrees)};
  const bool upOutward = up.x * out.x + up.y * out.y >= 0.0;
  const double lift = upOutward ? 0.4 * h : 1.4 * h;
  parts.label = {along(along(a, u, length / 2.0), out, lift), h, Anchor::Centre, rotation, d.label};
  const double room = length - 2.0 * arrow;
  if (estimatedTextWidth(parts.label) > room) {
    // Past the end: the text runs on from the arrow, whichever way it reads.
    const bool reads =
        std::cos(rotation * kDegrees) * u.x + std::sin(rotation * kDegrees) * u.y > 0;
    const bool after = d.overflow == Overflow::AfterEnd;
    const Point end = after ? along(b, u, 0.5 * h) : along(a, u, -0.5 * h);
    parts.label.at = along(end, out, lift);
    parts.label.anchor = after == reads ? Anchor::Left : Anchor::Right;
  }
  return parts;
}

void Drawing::add(Layer layer, int style, Shape shape) {
  entities.push_back({layer, style, std::move(shape)});
}

Extents Drawing::extents() const {
  Extents box;
  for (const Entity& e : entities) {
    if (const auto* p = std::get_if<Polyline>(&e.shape)) {
      for (const Point& q : p->points) box.add(q);
    } else if (const auto* l = std::get_if<Line>(&e.shape)) {
      box.add(l->from);
      box.add(l->to);
    } else if (const auto* c = std::get_if<Circle>(&e.shape)) {
      box.add({c->centre.x - c->radius, c->centre.y - c->radius});
      box.add({c->centre.x + c->radius, c->centre.y + c->radius});
    } else if (const auto* t = std::get_if<Text>(&e.shape)) {
      addText(box, *t);
    } else if (const auto* d = std::get_if<Dimension>(&e.shape)) {
      const DimensionParts parts = dimensionParts(*d);
      for (const Line& l2 : parts.lines) {
        box.add(l2.from);
        box.add(l2.to);
      }
      addText(box, parts.label);
    }
  }
  return box;
}

}  // namespace orv::output
