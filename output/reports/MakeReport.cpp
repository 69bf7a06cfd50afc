#include "output/reports/MakeReport.h"

#include "core/Fields.h"
#include "core/Format.h"
#include "core/VehicleRecord.h"
#include "output/reports/Page.h"

namespace orv::output {

using namespace core;

namespace {

// Header cells in column order; each is followed by CR LF.
constexpr std::string_view kHeaderCells[] = {
    "<td width=250><CENTER><b>MODEL</b></CENTER></td>",
    "<td width=50><CENTER><b>A<BR>WB</b></CENTER></td>",
    "<td width=50><CENTER><b>B<BR>OL</b></CENTER></td>",
    "<td width=50><CENTER><b>C<BR>OW</b></CENTER></td>",
    "<td width=50><CENTER><b>D<BR>OH</b></CENTER></td>",
    "<td width=50><CENTER><b>E<BR>CW</b></CENTER></td>",
    "<td width=50><CENTER><b>F<BR>TF</b></CENTER></td>",
    "<td width=50><CENTER><b>G<BR>TR</b></CENTER></td>",
    // Nothing stands above the weight distribution: a blank cell keeps the rows even.
    "<td width=50><CENTER><b> &nbsp; <BR>WD</b></CENTER></td>",
};

void appendModelRow(std::string& page, const VehicleRecord& record, UnitSystem units) {
  page += " <tr><td width=250>";
  appendEscaped(page, record.shownModel());  // not trimmed: blanks in the name are shown as stored
  page += "</td>\r\n";
  for (const auto& pair : kPairedColumns) {
    page += "<td width=50><CENTER>";
    appendEscaped(page, formatField(record, pair.upper, units));
    page += " <BR> ";
    appendEscaped(page, formatField(record, pair.lower, units));
    page += "</CENTER></td>\r\n";
  }
  page += "<td width=50><CENTER> <BR> ";
  appendEscaped(page, record.shownWeightDistribution());
  page += "</CENTER></td>\r\n</tr>\r\n";
}

}  // namespace

std::string makeReportPage(std::string_view yearText, std::string_view makeText,
                           const RowList& rows, UnitSystem units, std::string_view versionText) {
  std::string page = pageHead(std::string(kVersionTitle) + escapeHtml(versionText));
  std::string heading;
  appendEscaped(heading, yearText);
  heading += ' ';
  appendEscaped(heading, makeText);
  page += headingBlock(heading);
  page += "<table width=650 border=1 cellspacing=0 cellpadding=0>\r\n";
  page += " <tr>";
  for (const auto cell : kHeaderCells) page.append(cell).append(kCrLf);
  page += "</tr>\r\n";
  for (const VehicleRecord record : rows) appendModelRow(page, record, units);
  // The units line has no line end of its own; the page end follows directly.
  page += " </table>\r\n<BR>Units: ";
  page += units == UnitSystem::Metric ? "Metric" : "Imperial";
  page += pageEnd();
  return page;
}

}  // namespace orv::output
