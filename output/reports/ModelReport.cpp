#include "output/reports/ModelReport.h"

#include "core/Fields.h"
#include "core/Format.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "core/VehicleRecord.h"
#include "output/reports/Legend.h"
#include "output/reports/Page.h"

namespace orv::output {

using namespace core;

namespace {

void appendModelTable(std::string& page, const VehicleRecord& record, UnitSystem units) {
  page += "<table width=650 border=1>\r\n";
  for (int i = 0; i < kFieldCount; ++i) {
    const auto field = static_cast<Field>(i);
    appendLegendCells(page, kLegend[field]);
    page += "<td width=100>";
    appendEscaped(page, shownMeasurement(record, field, units));
    page += "</td>\r\n";
  }
  // Same odd "</table >" as the legend, and the breaks run straight into the year line.
  page += "</table >\r\n<BR><BR>";
  const auto yy = record.measuredYearStored();
  page += "Measurements obtained in year: ";
  page += measurementCentury(yy);
  appendEscaped(page, yy);  // untrimmed: a blank year prints its blanks
  page += kCrLf;
}

}  // namespace

std::string_view measurementCentury(std::string_view twoDigitYear) {
  if (trimBlanks(twoDigitYear).empty()) return {};
  return numericReading(twoDigitYear) < 65 ? "20" : "19";
}

std::optional<std::size_t> reportedRecord(const RowList& rows, std::string_view selectedModel) {
  const std::string wanted = toUpper(trimBlanks(selectedModel));
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (equalsTrimmedUpper(rows[i].shownModel(), wanted)) return i;
  }
  return std::nullopt;
}

std::string modelReportPage(std::string_view year, std::string_view make,
                            std::string_view selectedModel, const RowList& rows, UnitSystem units,
                            std::string_view versionText) {
  const auto model = trimBlanks(selectedModel);
  std::string page = pageHead(std::string(kVersionTitle) + escapeHtml(versionText));
  // Only the first record of that name is ever reported.
  if (const auto found = reportedRecord(rows, model)) {
    std::string heading;
    appendEscaped(heading, trimBlanks(year));
    heading += ' ';
    appendEscaped(heading, trimBlanks(make));
    heading += ' ';
    appendEscaped(heading, model);
    page += headingBlock(heading);
    appendModelTable(page, rows[*found], units);
  }
  page += pageEnd();
  return page;
}

}  // namespace orv::output
