// The comparison page: the vehicles, one table of their measurements and derived values with
// the differences to the first, the outlines laid over each other, and the sources.
#include <array>

#include "core/VehicleSource.h"
#include "output/compare/CompareOutput.h"
#include "output/compare/CompareViews.h"
#include "output/compare/Comparison.h"
#include "output/reports/Page.h"
#include "output/sheet/PageText.h"

namespace orv::output {

namespace {

// The difference cells and the mark of the largest ones, after the shared look; narrower
// cells, so four vehicles and their differences fit the page.
constexpr std::string_view kStyleEnd =
    "th,td{padding:3px 5px}\r\n"
    "table.compare{font-size:13px}\r\n"
    "th.section{background:#f6f6f6;padding-top:8px}\r\n"
    "td.formula{font-size:13px}\r\n"
    "td.diff{text-align:right;white-space:nowrap;background:#f7f7f2}\r\n"
    "td.largest{background:#fff1b8}\r\n"
    ".mark{display:inline-block;font-size:11px;font-weight:bold;border:1px solid #111;"
    "border-radius:3px;padding:0 3px;margin-left:4px}\r\n"
    ".swatch{vertical-align:middle}\r\n"
    ".source{font-size:13px;color:#333;overflow-wrap:anywhere;margin:4px 0}\r\n"
    ".sources{margin-top:22px;padding-top:6px;border-top:1px solid #999}\r\n"
    "</style>\r\n";

// Short names of the fifteen measurements for a table several vehicles wide; the legend
// page has the full descriptions.
constexpr std::array<std::string_view, core::kFieldCount> kShortNames{
    "Front bumper to windshield base",
    "Rear end to backlight (see the legend)",
    "Side glass height",
    "Side glass base to rocker panel",
    "Width between side rails or of the top",
    "Front overhang",
    "Rear overhang",
    "Overall length",
    "Overall width",
    "Overall height",
    "Wheelbase",
    "Front track width",
    "Rear track width",
    "Curb weight",
    "Weight distribution (front/rear)"};

void appendHeader(std::string& page, std::span<const core::Vehicle> vehicles) {
  page += "<tr><th>Code</th><th>Measurement</th>";
  for (std::size_t v = 0; v < vehicles.size(); ++v) {
    page += "<th>" + std::to_string(v + 1) + ": ";
    appendPageText(page, vehicles[v].name());
    page += "</th>";
    if (v != 0) page += "<th>" + std::to_string(v + 1) + " &minus; 1</th>";
  }
  page += "</tr>\r\n";
}

void appendDifference(std::string& page, const CompareRow& row, std::size_t vehicle,
                      core::UnitSystem units) {
  if (row.differences.empty()) {  // WD: shown as stored, nothing to subtract
    page += "<td class=diff></td>";
    return;
  }
  const Difference& d = row.differences[vehicle - 1];
  const std::string text = differenceText(d, row.quantity, units);
  if (!d.value) {
    page += "<td class='diff na'>N/A</td>";
  } else if (d.largest) {
    page += "<td class='diff largest'><strong>";
    appendQuantity(page, text);
    page += "</strong><span class=mark>max</span></td>";
  } else {
    page += "<td class=diff>";
    appendQuantity(page, text);
    page += "</td>";
  }
}

void appendRow(std::string& page, const Comparison& c, const CompareRow& row,
               core::UnitSystem units) {
  if (row.isMeasurement()) {
    page.append("<tr><td class=code>")
        .append(core::kFields[row.field].code)
        .append("</td><td>")
        .append(kShortNames[row.field]);
  } else {
    const DerivedValue& first = derived(c.derived.front(), row.derived);
    page.append("<tr><td class=formula>").append(first.formula).append("</td><td>");
    page.append(first.name);
  }
  page += "</td>";
  for (std::size_t v = 0; v < c.records.size(); ++v) {
    const std::string value = shownValue(c, row, v, units);
    page += value.starts_with("N/A") ? "<td class='value na'>" : "<td class=value>";
    // Only a derived value can be an area; WD is data text, whatever it ends with.
    if (row.isMeasurement())
      appendPageText(page, value);
    else
      appendQuantity(page, value);
    page += "</td>";
    if (v != 0) appendDifference(page, row, v, units);
  }
  page += "</tr>\r\n";
}

void appendTable(std::string& page, const Comparison& c, std::span<const core::Vehicle> vehicles,
                 core::UnitSystem units) {
  const std::size_t columns = 2 + 2 * vehicles.size() - 1;
  page += "<h2>Measurements and derived values</h2>\r\n<table class=compare>\r\n";
  appendHeader(page, vehicles);
  for (int r = 0; r < kCompareRowCount; ++r) {
    if (r == core::kFieldCount)
      page += "<tr><th class=section colspan=" + std::to_string(columns) +
              ">Derived values (formulas as on the vehicle sheet)</th></tr>\r\n";
    appendRow(page, c, c.rows[r], units);
  }
  page += "</table>\r\n";
  page +=
      "<p>Each difference is the vehicle's value minus that of vehicle 1, from the stored "
      "values, then rounded.";
  if (vehicles.size() > 2)
    page +=
        " The largest difference of each row, either sign, is in bold and marked "
        "<span class=mark>max</span>.";
  page += "</p>\r\n";
}

}  // namespace

std::string comparePage(std::span<const core::Vehicle> vehicles, core::UnitSystem units,
                        Alignment align, std::string_view versionText) {
  const auto compared = comparedVehicles(vehicles);
  const Comparison c = compareVehicles(compared);
  std::string names;
  for (const core::Vehicle& vehicle : compared)
    names += (names.empty() ? "" : ", ") + vehicle.name();

  // A doctype, as on the vehicle sheet: the page need not render in quirks mode.
  std::string page = "<!DOCTYPE html>\r\n";
  page += pageHead(std::string(kCompareTitle) + " - " + pageText(names));
  page.append(kPageStyleStart).append(kStyleEnd);
  page += "<h1>Comparison of " + std::to_string(compared.size()) + " vehicles</h1>\r\n";
  page += units == core::UnitSystem::Metric
              ? "<p class=units>Values in metric units: cm, kg, m&sup2;</p>\r\n"
              : "<p class=units>Values in imperial units: inches, pounds, ft&sup2;</p>\r\n";
  if (!compared.empty()) appendTable(page, c, compared, units);
  appendOverlayViews(page, c.records, align, units);

  page += "<div class=sources>\r\n";
  for (std::size_t v = 0; v < compared.size(); ++v) {
    page += "<p class=source>Source of " + std::to_string(v + 1) + " (";
    appendPageText(page, compared[v].name());
    page += "): ";
    appendPageText(page, core::sourceLine(core::vehicleSource(compared[v], versionText)));
    page += "</p>\r\n";
  }
  page += "</div>\r\n";
  page += pageEnd();
  return page;
}

}  // namespace orv::output
