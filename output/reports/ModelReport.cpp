#include "ModelReport.h"

#include "Fields.h"
#include "Format.h"
#include "Legend.h"
#include "Numbers.h"
#include "Page.h"
#include "TagText.h"
#include "Text.h"

namespace orv {

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
std::string buildModelPage(std::string_view year, std::string_view make,
                           std::string_view selectedModel, std::span<const Row> rowList,
                           std::string_view unitText, std::string_view versionText) {
  const auto y = trimBlanks(year);
  const auto mk = trimBlanks(make);
  const auto model = trimBlanks(selectedModel);
  const std::string wanted = toUpper(model);

  std::string page = pageHead(std::string(kVersionTitle) + escapeHtml(versionText));
  for (const Row& row : rowList) {
    const std::string_view record(row);
    std::string_view name = tagValue(record, "MO");
    if (name == "-1") name = {};
    if (!equalsTrimmedUpper(name, wanted)) continue;

    std::string heading;
    appendEscaped(heading, y);
    heading += ' ';
    appendEscaped(heading, mk);
    heading += ' ';
    appendEscaped(heading, model);
    page += headingBlock(heading);
    appendModelTable(page, recordDimensions(record), unitText);
    break;  // only the first record of that name is ever reported
  }
  page += pageEnd();
  return page;
}

}  // namespace

std::string_view measurementCentury(std::string_view twoDigitYear) {
  if (trimBlanks(twoDigitYear).empty()) return {};
  return numericReading(twoDigitYear) < 65 ? "20" : "19";
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

}  // namespace orv
