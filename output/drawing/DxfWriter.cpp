#include "output/drawing/DxfWriter.h"

#include "output/drawing/DrawingLook.h"
#include "output/drawing/DxfGroups.h"
#include "output/drawing/DxfStructure.h"

namespace orv::output {

namespace {

using dxf::Groups;

constexpr double kMmPerCm = 10.0;
constexpr double kCmPerInch = 2.54;
// TEXT values longer than this are cut: readers of R2000 files allow 255 bytes.
constexpr std::size_t kMaxTextBytes = 250;
// A CAD text height is the height of a capital; the drawing's is the font size.
constexpr double kCapitalShare = 0.7;

// A TEXT value: control characters (a line break would end the value early) become blanks;
// "%%" (which starts a control code such as %%d) is broken up, and '^' is written "^ ".
std::string cadText(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (out.size() >= kMaxTextBytes) break;
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 || b == 0x7F)
      out += ' ';
    else if (c == '%' && !out.empty() && out.back() == '%')
      out += " %";
    else if (c == '^')
      out += "^ ";
    else
      out += c;
  }
  return out;
}

class EntityWriter {
 public:
  EntityWriter(Groups& g, dxf::Handles& handles, const dxf::Ids& ids, double unitsPerCm)
      : g_(g), handles_(handles), ids_(ids), k_(unitsPerCm) {}

  void entity(const Entity& e) {
    if (const auto* p = std::get_if<Polyline>(&e.shape)) {
      if (p->points.empty()) return;
      head("LWPOLYLINE", e.layer, e.style);
      g_(100, "AcDbPolyline")(90, static_cast<int>(p->points.size()))(70, p->closed ? 1 : 0);
      g_(43, 0.0);
      for (const Point& q : p->points) g_(10, q.x * k_)(20, q.y * k_);
    } else if (const auto* l = std::get_if<Line>(&e.shape)) {
      line(*l, e.layer, e.style);
    } else if (const auto* c = std::get_if<Circle>(&e.shape)) {
      head("CIRCLE", e.layer, e.style);
      g_(100, "AcDbCircle")(10, c->centre.x * k_)(20, c->centre.y * k_)(30, 0.0);
      g_(40, c->radius * k_);
    } else if (const auto* t = std::get_if<Text>(&e.shape)) {
      text(*t, e.layer, e.style);
    } else if (const auto* d = std::get_if<Dimension>(&e.shape)) {
      const DimensionParts parts = dimensionParts(*d);
      for (const Line& part : parts.lines) line(part, e.layer, e.style);
      text(parts.label, e.layer, e.style);
    }
  }

 private:
  // Handle, owner, layer; colour and linetype only where the style sets them.
  void head(std::string_view type, Layer layer, int style) {
    g_(0, type)(5, handles_.next())(330, ids_.modelRecord)(100, "AcDbEntity");
    g_(8, layerName(layer));
    const StyleLook& look = styleLook(style);
    if (look.cadColour != 256) g_(62, look.cadColour);
    if (dashedByStyle(layer) && look.dash[0] > 0.0) g_(6, look.lineType);
  }

  void line(const Line& l, Layer layer, int style) {
    head("LINE", layer, style);
    g_(100, "AcDbLine")(10, l.from.x * k_)(20, l.from.y * k_)(30, 0.0);
    g_(11, l.to.x * k_)(21, l.to.y * k_)(31, 0.0);
  }

  void text(const Text& t, Layer layer, int style) {
    head("TEXT", layer, style);
    const double x = t.at.x * k_, y = t.at.y * k_;
    g_(100, "AcDbText")(10, x)(20, y)(30, 0.0)(40, t.height * kCapitalShare * k_)(1,
                                                                                  cadText(t.text));
    g_(50, t.rotation)(7, "Standard")(72, static_cast<int>(t.anchor));
    g_(11, x)(21, y)(31, 0.0)(100, "AcDbText")(73, 0);
  }

  Groups& g_;
  dxf::Handles& handles_;
  const dxf::Ids& ids_;
  double k_;
};

void writeHeader(Groups& g, bool metric, const Extents& box, const std::string& firstFreeHandle) {
  g(0, "SECTION")(2, "HEADER");
  g(9, "$ACADVER")(1, "AC1015");
  g(9, "$DWGCODEPAGE")(3, "ANSI_1252");
  g(9, "$INSBASE")(10, 0.0)(20, 0.0)(30, 0.0);
  g(9, "$EXTMIN")(10, box.minX)(20, box.minY)(30, 0.0);
  g(9, "$EXTMAX")(10, box.maxX)(20, box.maxY)(30, 0.0);
  g(9, "$LIMMIN")(10, box.minX)(20, box.minY);
  g(9, "$LIMMAX")(10, box.maxX)(20, box.maxY);
  g(9, "$LTSCALE")(40, 1.0);
  g(9, "$LUNITS")(70, 2);
  g(9, "$LUPREC")(70, metric ? 1 : 2);
  g(9, "$INSUNITS")(70, metric ? 4 : 1);
  g(9, "$MEASUREMENT")(70, metric ? 1 : 0);
  g(9, "$HANDSEED")(5, firstFreeHandle);
  g(0, "ENDSEC");
  g(0, "SECTION")(2, "CLASSES")(0, "ENDSEC");
}

}  // namespace

std::string dxfFile(const Drawing& drawing, core::UnitSystem units) {
  const bool metric = units == core::UnitSystem::Metric;
  const double k = metric ? kMmPerCm : 1.0 / kCmPerInch;  // file units per cm
  Extents cm = drawing.extents();
  if (cm.empty) cm.add({0.0, 0.0});
  Extents box;
  box.add({cm.minX * k, cm.minY * k});
  box.add({cm.maxX * k, cm.maxY * k});

  dxf::Handles handles;
  const dxf::Ids ids = dxf::assignIds(handles);
  Groups body;
  dxf::writeTables(body, ids, k * drawing.scale / kMmPerCm, box);
  dxf::writeBlocks(body, ids);
  body(0, "SECTION")(2, "ENTITIES");
  EntityWriter entities(body, handles, ids, k);
  for (const Entity& e : drawing.entities) entities.entity(e);
  body(0, "ENDSEC");
  dxf::writeObjects(body, ids, box);
  body(0, "EOF");

  Groups head;
  writeHeader(head, metric, box, handles.firstFree());
  return head.text() + body.text();
}

}  // namespace orv::output
