#include "output/sheet/SheetViews.h"

#include <algorithm>

#include "output/drawing/DrawingLook.h"
#include "output/drawing/SvgWriter.h"
#include "output/sheet/PageText.h"

namespace orv::output {

namespace {

// CSS pixels per real centimetre at 1:1: a CSS pixel is 1/96 inch.
constexpr double kPixelsPerCm = 96.0 / 2.54;
// The margin svgInline leaves around what is drawn, in text heights on each side.
constexpr double kSvgMargin = 1.5;

bool contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// The width an inline drawing frames, in real cm.
double framedWidth(const Drawing& d) {
  return d.extents().width() + 2.0 * kSvgMargin * d.textHeight;
}

void appendView(std::string& page, const Drawing& d, double share) {
  page += "<div class=view style='width:" + numberText(100.0 * share, 2) + "%'>\r\n";
  page += withCrLf(svgInline(d));
  page += "</div>\r\n";
}

}  // namespace

std::vector<std::string> sheetNotes(const Drawing& top, const Drawing& side) {
  std::vector<std::string> notes;
  for (const std::string& note : top.notes)
    if (contains(side.notes, note)) notes.push_back(note);
  for (const std::string& note : top.notes)
    if (!contains(side.notes, note)) notes.push_back("Top view: " + note);
  for (const std::string& note : side.notes)
    if (!contains(top.notes, note)) notes.push_back("Side view: " + note);
  return notes;
}

void appendViews(std::string& page, const Drawing& top, const Drawing& side,
                 core::UnitSystem units) {
  const int scale = std::max(1, top.scale);
  const double widest = std::max({framedWidth(top), framedWidth(side), 1.0});
  const std::string unit = units == core::UnitSystem::Metric ? "cm" : "inches";
  page += "<p>Top view and side view at one scale: 1:" + std::to_string(scale) +
          " at full size (96 pixels to the inch, as the page prints at 100 %); a narrower "
          "window shrinks both alike. Dimensions in " +
          unit + ".</p>\r\n";
  page += "<div class=views style='max-width:" + numberText(widest * kPixelsPerCm / scale, 0) +
          "px'>\r\n";
  appendView(page, top, framedWidth(top) / widest);
  appendView(page, side, framedWidth(side) / widest);
  page += "</div>\r\n";
}

}  // namespace orv::output
