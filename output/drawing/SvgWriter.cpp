#include "output/drawing/SvgWriter.h"

#include <algorithm>
#include <cmath>

#include "output/drawing/DrawingLook.h"

namespace orv::output {

namespace {

constexpr double kMmPerCm = 10.0;
constexpr double kCmPerInch = 2.54;

// Characters XML 1.0 does not allow, even as references, become '?'.
void appendXmlText(std::string& out, std::string_view text) {
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else if (c == '\'')
      out += "&#39;";
    else if (b >= 0xA0)
      out += "&#" + std::to_string(b) + ";";
    else if (b < 0x20 || b >= 0x7F)
      out += (c == '\t' ? ' ' : '?');
    else
      out += c;
  }
}

class SvgOut {
 public:
  // `unitsPerCm`: user units (the viewBox's) per real cm.
  SvgOut(const Drawing& d, double unitsPerCm)
      : d_(d), k_(unitsPerCm), paper_(unitsPerCm * d.scale / kMmPerCm) {}

  std::string x(double v) const { return numberText(v * k_, 3); }
  // SVG's y runs down the screen.
  std::string y(double v) const { return numberText(-v * k_, 3); }
  std::string len(double v) const { return numberText(v * k_, 3); }
  std::string paper(double mm) const { return numberText(mm * paper_, 3); }

  std::string stroke(Layer layer, int style) const {
    const StyleLook& look = styleLook(style);
    std::string s = " stroke=\"" + std::string(look.svgColour) + "\"";
    const bool centre = layer == Layer::Axles;
    const auto& dash = centre ? kCentreDash : look.dash;
    if ((centre || dashedByStyle(layer)) && dash[0] > 0.0) {
      s += " stroke-dasharray=\"";
      for (std::size_t i = 0; i < dash.size(); ++i) s += (i ? "," : "") + paper(dash[i]);
      s += "\"";
    }
    return s;
  }

  void points(std::string& out, const std::vector<Point>& ps) const {
    for (std::size_t i = 0; i < ps.size(); ++i)
      out += (i ? " " : "") + x(ps[i].x) + "," + y(ps[i].y);
  }

  void line(std::string& out, const Line& l, const std::string& attrs) const {
    out += "<line x1=\"" + x(l.from.x) + "\" y1=\"" + y(l.from.y) + "\" x2=\"" + x(l.to.x) +
           "\" y2=\"" + y(l.to.y) + "\"" + attrs + "/>\n";
  }

  void text(std::string& out, const Text& t, int style) const {
    constexpr std::string_view kAnchor[] = {"start", "middle", "end"};
    out += "<text x=\"" + x(t.at.x) + "\" y=\"" + y(t.at.y) + "\" font-size=\"" + len(t.height) +
           "\" text-anchor=\"" + std::string(kAnchor[static_cast<int>(t.anchor)]) + "\" fill=\"" +
           std::string(styleLook(style).svgColour) + "\" stroke=\"none\"";
    // Counter-clockwise on the drawing is clockwise-negative on the screen.
    if (t.rotation != 0.0)
      out += " transform=\"rotate(" + numberText(-t.rotation, 3) + " " + x(t.at.x) + " " +
             y(t.at.y) + ")\"";
    out += ">";
    appendXmlText(out, t.text);
    out += "</text>\n";
  }

  void entity(std::string& out, const Entity& e) const {
    const std::string attrs = stroke(e.layer, e.style);
    if (const auto* p = std::get_if<Polyline>(&e.shape)) {
      if (p->points.empty()) return;
      out += p->closed ? "<polygon points=\"" : "<polyline points=\"";
      points(out, p->points);
      out += "\"" + attrs + "/>\n";
    } else if (const auto* l = std::get_if<Line>(&e.shape)) {
      line(out, *l, attrs);
    } else if (const auto* c = std::get_if<Circle>(&e.shape)) {
      out += "<circle cx=\"" + x(c->centre.x) + "\" cy=\"" + y(c->centre.y) + "\" r=\"" +
             len(c->radius) + "\"" + attrs + "/>\n";
    } else if (const auto* t = std::get_if<Text>(&e.shape)) {
      text(out, *t, e.style);
    } else if (const auto* d = std::get_if<Dimension>(&e.shape)) {
      const DimensionParts parts = dimensionParts(*d);
      for (const Line& part : parts.lines) line(out, part, attrs);
      text(out, parts.label, e.style);
    }
  }

  // Everything inside the <svg> element: the title, a white sheet, one group per layer.
  std::string body(bool inlineVariant, const Extents& box) const {
    std::string out = "<title>";
    appendXmlText(out, d_.title);
    out += "</title>\n<rect x=\"" + x(box.minX) + "\" y=\"" + y(box.maxY) + "\" width=\"" +
           len(box.width()) + "\" height=\"" + len(box.height()) + "\" fill=\"#ffffff\"/>\n";
    for (int l = 0; l < kLayerCount; ++l) {
      const auto layer = static_cast<Layer>(l);
      std::string name(layerName(layer));
      if (inlineVariant) {
        std::transform(name.begin(), name.end(), name.begin(),
                       [](char c) { return static_cast<char>(c - 'A' + 'a'); });
        out += "<g class=\"layer-" + name + "\"";
      } else {
        out += "<g id=\"" + name + "\"";
      }
      out += " fill=\"none\" stroke-width=\"" + paper(penWidthMm(layer)) +
             "\" stroke-linecap=\"round\" stroke-linejoin=\"round\" "
             "font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\">\n";
      for (const Entity& e : d_.entities)
        if (e.layer == layer) entity(out, e);
      out += "</g>\n";
    }
    return out;
  }

  // The viewBox: the extents and a margin, in user units, y downward.
  std::string viewBox(const Extents& box) const {
    return x(box.minX) + " " + y(box.maxY) + " " + len(box.width()) + " " + len(box.height());
  }

 private:
  const Drawing& d_;
  double k_;
  double paper_;  // user units per mm on paper
};

Extents withMargin(const Drawing& d) {
  Extents box = d.extents();
  if (box.empty) box.add({0.0, 0.0});
  const double margin = 1.5 * d.textHeight;
  box.add({box.minX - margin, box.minY - margin});
  box.add({box.maxX + margin, box.maxY + margin});
  return box;
}

}  // namespace

std::string svgFile(const Drawing& drawing, core::UnitSystem units) {
  const bool metric = units == core::UnitSystem::Metric;
  const double unitsPerCm = metric ? kMmPerCm : 1.0 / kCmPerInch;
  const SvgOut svg(drawing, unitsPerCm);
  const Extents box = withMargin(drawing);
  const double scale = std::max(1, drawing.scale);
  const std::string unit = metric ? "mm" : "in";
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
         numberText(box.width() * unitsPerCm / scale, 3) + unit + "\" height=\"" +
         numberText(box.height() * unitsPerCm / scale, 3) + unit + "\" viewBox=\"" +
         svg.viewBox(box) + "\">\n";
  out += svg.body(false, box);
  out += "</svg>\n";
  return out;
}

std::string svgInline(const Drawing& drawing) {
  const SvgOut svg(drawing, kMmPerCm);
  const Extents box = withMargin(drawing);
  constexpr double kMaxWidth = 960.0, kMaxHeight = 640.0;
  const double fit =
      std::min(kMaxWidth / std::max(box.width(), 1e-9), kMaxHeight / std::max(box.height(), 1e-9));
  std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                    numberText(std::floor(box.width() * fit), 0) + "\" height=\"" +
                    numberText(std::floor(box.height() * fit), 0) + "\" viewBox=\"" +
                    svg.viewBox(box) + "\" style=\"max-width:100%;height:auto\" role=\"img\">\n";
  out += svg.body(true, box);
  out += "</svg>\n";
  return out;
}

}  // namespace orv::output
