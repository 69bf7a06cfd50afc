#include "output/reports/MakeReport.h"

#include "core/Fields.h"
#include "core/Format.h"
#include "core/TagText.h"
#include "core/Text.h"
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

void appendModelRow(std::string& page, std::string_view record, std::string_view unitText) {
  std::string_view name = tagValue(record, "MO");
  if (name == "-1") name = {};
  page += " <tr><td width=250>";
  appendEscaped(page, name);  // not trimmed: blanks in the name are shown as stored
  page += "</td>\r\n";
  const auto dimensions = recordDimensions(record);
  for (const auto& pair : kPairedColumns) {
    page += "<td width=50><CENTER>";
    appendEscaped(page, formatField(dimensions, pair.upper, kNoUnit, unitText));
    page += " <BR> ";
    appendEscaped(page, formatField(dimensions, pair.lower, kNoUnit, unitText));
    page += "</CENTER></td>\r\n";
  }
  const auto wd = trimBlanks(fieldText(dimensions, WD));
  page += "<td width=50><CENTER> <BR> ";
  appendEscaped(page, wd.empty() ? std::string_view("N/A") : wd);
  page += "</CENTER></td>\r\n</tr>\r\n";
}

template <typename Row>
std::string buildMakePage(std::string_view yearText, std::string_view makeText,
                          std::span<const Row> rowList, std::string_view unitText,
                          std::string_view versionText) {
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
  for (const Row& row : rowList) appendModelRow(page, std::string_view(row), unitText);
  // The units line has no line end of its own; the page end follows directly.
  page += " </table>\r\n<BR>Units: ";
  page += isMetric(unitText) ? "Metric" : "Imperial";
  page += pageEnd();
  return page;
}

}  // namespace

std::string makeReportPage(std::string_view yearText, std::string_view makeText,
                           std::span<const std::string> rowList, std::string_view unitText,
                           std::string_view versionText) {
  return buildMakePage(yearText, makeText, rowList, unitText, versionText);
}

std::string makeReportPage(std::string_view yearText, std::string_view makeText,
                           std::span<const std::string_view> rowList, std::string_view unitText,
                           std::string_view versionText) {
  return buildMakePage(yearText, makeText, rowList, unitText, versionText);
}

}  // namespace orv::output
