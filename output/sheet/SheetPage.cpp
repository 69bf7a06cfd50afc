#include "output/sheet/SheetPage.h"

#include "core/Fields.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "core/Vehicle.h"
#include "output/drawing/VehicleDrawing.h"
#include "output/reports/Legend.h"
#include "output/reports/ModelReport.h"
#include "output/reports/Page.h"
#include "output/sheet/DerivedValues.h"
#include "output/sheet/PageText.h"
#include "output/sheet/SheetViews.h"

namespace orv::output {

using core::Field;

namespace {

// The sheet's own rules after the shared look.
constexpr std::string_view kStyleEnd =
    "td.na{text-align:left}\r\n"
    ".source{font-size:13px;color:#333;overflow-wrap:anywhere;margin-top:22px;padding-top:6px;"
    "border-top:1px solid #999}\r\n"
    "</style>\r\n";

void appendMeasurements(std::string& page, const core::VehicleRecord& record,
                        core::UnitSystem units) {
  page += "<h2>Measurements</h2>\r\n<table class=measures>\r\n";
  page += "<tr><th>Code</th><th>Measurement</th><th>Value</th></tr>\r\n";
  for (int f = 0; f < core::kFieldCount; ++f) {
    const auto field = static_cast<Field>(f);
    const std::string value(core::trimBlanks(core::shownMeasurement(record, field, units)));
    // The code as the data and the formulas below name it (TF, TR; the legend says TWF).
    page.append("<tr><td class=code>")
        .append(core::kFields[field].code)
        .append("</td><td>")
        .append(kLegend[field].description)
        .append(value == "N/A" ? "</td><td class='value na'>" : "</td><td class=value>");
    appendPageText(page, value);
    page += "</td></tr>\r\n";
  }
  page += "</table>\r\n";
  const auto yy = record.measuredYearStored();
  page += "<p>Measurements obtained in year: ";
  if (core::trimBlanks(yy).empty()) {
    page += "N/A";
  } else {
    page += measurementCentury(yy);
    appendPageText(page, core::trimBlanks(yy));
  }
  page += "</p>\r\n";
}

void appendDerived(std::string& page, const core::VehicleRecord& record, core::UnitSystem units) {
  page += "<h2>Derived values</h2>\r\n<table class=derived>\r\n";
  page += "<tr><th>Value</th><th>Result</th><th>Formula</th><th>In words</th></tr>\r\n";
  for (const DerivedValue& v : derivedValues(record)) {
    page.append("<tr><td>").append(v.name);
    page += v.value ? "</td><td class=value>" : "</td><td class='value na'>";
    appendQuantity(page, formatDerived(v, units));
    page.append("</td><td class=formula>")
        .append(v.formula)
        .append("</td><td>")
        .append(v.words)
        .append("</td></tr>\r\n");
  }
  page += "</table>\r\n";
}

// What the weight distribution gives as the front share p, or why it gives none.
void appendShares(std::string& page, const core::VehicleRecord& record) {
  page.append("<p>Weight shares: ").append(kShareFormula).append(". ");
  const auto wd = core::trimBlanks(record.stored(core::WD));
  if (const auto shares = record.weightShares()) {
    page += "WD ";
    appendPageText(page, wd);
    page += " gives p = " + core::formatOneDecimal(100.0 * shares->front) +
            " % at the front and 1 - p = " + core::formatOneDecimal(100.0 * shares->rear) +
            " % at the rear.";
  } else if (core::isNotAvailable(wd)) {
    page += "WD is not available, so the values that need p are N/A.";
  } else {
    page += "WD ";
    appendPageText(page, wd);
    page += " does not read as F/R, so the values that need p are N/A.";
  }
  page += "</p>\r\n";
}

void appendNotes(std::string& page, const std::vector<std::string>& notes) {
  page += "<h2>Notes</h2>\r\n<ul>\r\n";
  for (const std::string& note : notes) {
    page += "<li>";
    appendPageText(page, note);
    page += "</li>\r\n";
  }
  page += "</ul>\r\n";
}

}  // namespace

std::string sheetPage(const core::VehicleRecord& record, core::UnitSystem units,
                      const core::VehicleSource& source) {
  const std::string name = pageText(core::vehicleName(record));
  // A doctype before the report skeleton: the historic pages render in quirks mode, and
  // this new one need not.
  std::string page = "<!DOCTYPE html>\r\n";
  page += pageHead(std::string(kSheetTitle) + " - " + name);
  page.append(kPageStyleStart).append(kStyleEnd);
  page += "<h1>" + name + "</h1>\r\n";
  page += units == core::UnitSystem::Metric
              ? "<p class=units>Vehicle sheet in metric units: cm, kg, m&sup2;</p>\r\n"
              : "<p class=units>Vehicle sheet in imperial units: inches, pounds, ft&sup2;</p>\r\n";
  appendMeasurements(page, record, units);
  appendDerived(page, record, units);
  appendShares(page, record);

  const Drawing top = vehicleDrawing(record, View::Top, units);
  const Drawing side = vehicleDrawing(record, View::Side, units);
  appendNotes(page, sheetNotes(top, side));
  page += "<h2>Drawings</h2>\r\n";
  appendViews(page, top, side, units);

  page += "<p class=source>Source: ";
  appendPageText(page, core::sourceLine(source));
  page += "</p>\r\n";
  page += pageEnd();
  return page;
}

std::string sheetPage(const core::Vehicle& vehicle, core::UnitSystem units,
                      std::string_view versionText) {
  return sheetPage(vehicle.record, units, core::vehicleSource(vehicle, versionText));
}

}  // namespace orv::output
