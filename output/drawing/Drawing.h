// A plain drawing in real units (cm) on a plane with x to the right and y up: the shapes
// the SVG and DXF writers put on paper or into a CAD file, on named layers, each in one of
// four styles so that several vehicles laid over each other stay apart. Knows its extents
// and the scale it prints at. Not a scene graph: no transforms, no nesting, no fills.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace orv::output {

enum class Layer : int { Outline, Axles, Wheels, Cg, Dimensions, Text };
inline constexpr int kLayerCount = 6;

// "OUTLINE", "AXLES", "WHEELS", "CG", "DIMENSIONS", "TEXT".
std::string_view layerName(Layer layer);

// Styles 0 to 3: one per vehicle of an overlay, each with its own colour and dash pattern.
inline constexpr int kStyleCount = 4;

enum class View { Top, Side };

// Where a text stands relative to its point, along its baseline.
enum class Anchor { Left, Centre, Right };

struct Point {
  double x = 0.0;
  double y = 0.0;
};

struct Polyline {
  std::vector<Point> points;
  bool closed = false;
};
struct Line {
  Point from, to;
};
struct Circle {
  Point centre;
  double radius = 0.0;
};
// One line of text; `at` is on its baseline; `rotation` in degrees, counter-clockwise.
struct Text {
  Point at;
  double height = 0.0;
  Anchor anchor = Anchor::Left;
  double rotation = 0.0;
  std::string text;
};
// Where a dimension's label goes when it is longer than the line between the arrows.
enum class Overflow { AfterEnd, BeforeStart };

// A measure between two points, drawn on a line parallel to them at `offset` (positive to
// the left of from -> to), its label on the far side of that line: in the middle, or past
// one end when it does not fit between the arrows.
struct Dimension {
  Point from, to;
  double offset = 0.0;
  std::string label;
  double textHeight = 0.0;
  Overflow overflow = Overflow::AfterEnd;
};

using Shape = std::variant<Polyline, Line, Circle, Text, Dimension>;

struct Entity {
  Layer layer = Layer::Outline;
  int style = 0;
  Shape shape;
};

// The smallest box around a set of points; empty until the first point.
struct Extents {
  double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
  bool empty = true;
  void add(Point p);
  double width() const { return empty ? 0.0 : maxX - minX; }
  double height() const { return empty ? 0.0 : maxY - minY; }
};

// A vehicle of an overlay: its style, its name and how far it was moved along x (cm).
struct LegendEntry {
  int style = 0;
  std::string label;
  double shift = 0.0;
};

struct Drawing {
  View view = View::Side;
  int scale = 20;           // the drawing prints at 1:scale
  double textHeight = 7.0;  // cm, 3.5 mm on paper at the scale
  std::string title;        // names the vehicle(s) and the view
  std::vector<Entity> entities;
  std::vector<std::string> notes;   // schematic parts, disagreeing measures
  std::vector<LegendEntry> legend;  // overlays only

  void add(Layer layer, int style, Shape shape);
  // The box around everything drawn, texts by an estimate of their width.
  Extents extents() const;
};

// The strokes and the label a dimension is drawn with: two extension lines, the dimension
// line and two open arrowheads. Both writers draw these, so they agree.
struct DimensionParts {
  std::vector<Line> lines;
  Text label;
};
DimensionParts dimensionParts(const Dimension& dimension);

// An estimate of a text's width: writers and CAD fonts differ, so layouts keep a margin.
double estimatedTextWidth(const Text& text);

}  // namespace orv::output
