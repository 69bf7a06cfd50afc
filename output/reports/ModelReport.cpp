#include "output/reports/ModelReport.h"

#include "core/Fields.h"
#include "core/Format.h"
#include "core/Numbers.h"
#include "core/RowList.h"
#include "core/Text.h"
#include "output/reports/Legend.h"
#include "output/reports/Page.h"

namespace orv::output {

using namespace core;

namespace {

// The unit kind each row's value is formatted with.
int unitKindOf(Field field) {
  return field == CW ? kWeight : kLength;
}

void appendModelTable(std::string& page, std::string_view dimensions, std::string_view unitText) {
  page += "<table width=650 border=1>\r\n";
  for (int i = 0; i < kFieldCount; ++i) {
    const auto field = static_cast<Field>(i);
    appendLegendCells(page, kLegend[field]);
    page += "<td width=100>";
    if (field == WD) {
      // Weight distribution is shown as stored, never converted.
      const auto wd = trimBlanks(fieldText(dimensions, WD));
      appendEscaped(page, wd.empty() ? std::string_view("N/A") : wd);
    } else {
      appendEscaped(page, formatField(dimensions, field, unitKindOf(field), unitText));
    }
    page += "</td>\r\n";
  }
  // Same odd "</table >" as the legend, and the breaks run straight into the year line.
  page += "</table >\r\n<BR><BR>";
  const auto yy = slice(dimensions, kMeasurementYearFirst, kMeasurementYearWidth);
  page += "Measurements obtained in year: ";
  page += measurementCentury(yy);
  appendEscaped(page, yy);  // untrimmed: a blank year prints its blanks
  page += kCrLf;
}

template <typename Row>
std::optional<std::size_t> findReported(std::span<const Row> rowList, std::string_view model) {
  const std::string wanted = toUpper(trimBlanks(model));
  for (std::size_t i = 0; i < rowList.size(); ++i) {
    if (equalsTrimmedUpper(gridModelName(rowList[i]), wanted)) return i;
  }
  return std::nullopt;
}

template <typename Row>
std::string buildModelPage(std::string_view year, std::string_view make,
                           std::string_view selectedModel, std::span<const Row> rowList,
                           std::string_view unitText, std::string_view versionText) {
  const auto y = trimBlanks(year);
  const auto mk = trimBlanks(make);
  const auto model = trimBlanks(selectedModel);

  std::string page = pageHead(std::string(kVersionTitle) + escapeHtml(versionText));
  // Only the first record of that name is ever reported.
  if (const auto found = findReported(rowList, model)) {
    std::string heading;
    appendEscaped(heading, y);
    heading += ' ';
    appendEscaped(heading, mk);
    heading += ' ';
    appendEscaped(heading, model);
    page += headingBlock(heading);
    appendModelTable(page, recordDimensions(rowList[*found]), unitText);
  }
  page += pageEnd();
  return page;
}

}  // namespace

std::string_view measurementCentury(std::string_view twoDigitYear) {
  if (trimBlanks(twoDigitYear).empty()) return {};
  return numericReading(twoDigitYear) < 65 ? "20" : "19";
}

std::optional<std::size_t> reportedRecord(std::span<const std::string_view> rowList,
                                          std::string_view selectedModel) {
  return findReported(rowList, selectedModel);
}

std::string modelReportPage(std::string_view year, std::string_view make,
                            std::string_view selectedModel, std::span<const std::string> rowList,
                            std::string_view unitText, std::string_view versionText) {
  return buildModelPage(year, make, selectedModel, rowList, unitText, versionText);
}

std::string modelReportPage(std::string_view year, std::string_view make,
                            std::string_view selectedModel,
                            std::span<const std::string_view> rowList, std::string_view unitText,
                            std::string_view versionText) {
  return buildModelPage(year, make, selectedModel, rowList, unitText, versionText);
}

}  // namespace orv::output
