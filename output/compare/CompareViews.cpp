#include "output/compare/CompareViews.h"

#include <array>
#include <cmath>

#include "output/compare/Comparison.h"
#include "output/drawing/DrawingLook.h"
#include "output/sheet/PageText.h"
#include "output/sheet/SheetViews.h"

namespace orv::output {

namespace {

// Each line style in words, in the order of kStyleLooks, so the legend does not rest on
// colour alone.
constexpr std::array<std::string_view, kStyleCount> kStyleWords{"black, solid", "red, dashed",
                                                                "blue, dash-dot", "green, dotted"};

// Screen pixels per millimetre of a style's dash pattern on paper, for the legend's strokes.
constexpr double kSwatchPixelsPerMm = 2.5;

std::string_view pointName(Alignment align) {
  switch (align) {
    case Alignment::FrontEnd:
      return "front end";
    case Alignment::RearAxle:
      return "rear axle";
    case Alignment::FrontAxle:
      break;
  }
  return "front axle";
}

// A short stroke in the style's colour and dash pattern, as the drawings draw the outline.
void appendSwatch(std::string& page, int style) {
  const StyleLook& look = styleLook(style);
  page += "<svg class=swatch width='48' height='12' viewBox='0 0 48 12' aria-hidden='true'>";
  page += "<line x1='2' y1='6' x2='46' y2='6' stroke-width='2.5' stroke='";
  page.append(look.svgColour).append("'");
  if (look.dash[0] > 0.0) {
    page += " stroke-dasharray='";
    for (std::size_t i = 0; i < look.dash.size(); ++i)
      page += (i ? "," : "") + numberText(look.dash[i] * kSwatchPixelsPerMm, 2);
    page += "'";
  }
  page += "/></svg>";
}

// How far a vehicle was moved along its length: x runs from the front to the rear.
std::string shiftText(double shift, core::UnitSystem units) {
  const std::string size = differenceNumber(std::abs(shift), Quantity::Length, units);
  if (size.find_first_not_of("0.") == std::string::npos) return "not moved";
  return "moved " + size + " " + std::string(unitText(Quantity::Length, units)) +
         (shift > 0.0 ? " rearward" : " forward");
}

void appendLegend(std::string& page, const Drawing& drawing, core::UnitSystem units) {
  page += "<table class=legend>\r\n";
  page += "<tr><th>No.</th><th>Line</th><th>Vehicle</th><th>In the drawings</th></tr>\r\n";
  for (const LegendEntry& entry : drawing.legend) {
    page += "<tr><td class=code>" + std::to_string(entry.style + 1) + "</td><td>";
    appendSwatch(page, entry.style);
    page.append(" ").append(kStyleWords[entry.style % kStyleCount]).append("</td><td>");
    appendPageText(page, entry.label);
    page += "</td><td>";
    page += entry.style == 0 ? "the reference" : shiftText(entry.shift, units);
    page += "</td></tr>\r\n";
  }
  page += "</table>\r\n";
}

}  // namespace

void appendOverlayViews(std::string& page, std::span<const core::VehicleRecord> records,
                        Alignment align, core::UnitSystem units) {
  const Drawing top = overlayDrawing(records, View::Top, align, units);
  const Drawing side = overlayDrawing(records, View::Side, align, units);
  const std::string point(pointName(align));
  page += "<h2>Outlines laid over each other</h2>\r\n";
  page += "<p>Aligned at the " + point + ": each outline is moved along its length so that its " +
          point + " lies on that of vehicle 1 (the dash-dotted line across the views).</p>\r\n";
  appendLegend(page, top, units);
  appendViews(page, top, side, units);
  page += "<h2>Notes on the drawings</h2>\r\n<ul>\r\n";
  for (const std::string& note : sheetNotes(top, side)) {
    page += "<li>";
    appendPageText(page, note);
    page += "</li>\r\n";
  }
  page += "</ul>\r\n";
}

}  // namespace orv::output
