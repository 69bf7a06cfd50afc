// export: the row list as CSV (RFC 4180, CR LF, a header row), each value as the grid shows
// it in the chosen units, trimmed, "N/A" left empty. Without --make, every make of the year.
#include <string>
#include <vector>

#include "cli/Command.h"
#include "core/Fields.h"
#include "core/RowList.h"
#include "core/TagText.h"
#include "core/Text.h"
#include "core/YearWalk.h"
#include "output/reports/ModelReport.h"
#include "output/reports/ReportMessages.h"

namespace orv::cli {

using namespace core;
using namespace output;

namespace {

constexpr std::string_view kMeasuredHeader = "Measured";

// A field quoted only when it must be: it holds a comma, a quote or a line break.
void appendField(std::string& out, std::string_view value, bool last = false) {
  if (value.find_first_of(",\"\r\n") == std::string_view::npos) {
    out.append(value);
  } else {
    out += '"';
    for (const char c : value) {
      if (c == '"') out += '"';
      out += c;
    }
    out += '"';
  }
  out.append(last ? "\r\n" : ",");
}

void appendHeader(std::string& out) {
  out.append("Year,Make,Model,");
  for (const auto& field : kFields) appendField(out, field.code);
  appendField(out, kMeasuredHeader, true);
}

void appendRow(std::string& out, std::string_view year, std::string_view record,
               std::string_view units) {
  appendField(out, year);
  appendField(out, trimBlanks(tagValue(record, "MA")));
  const std::string_view model = gridModelName(record);
  appendField(out, trimBlanks(model));
  // The grid shows a row without a model wholly blank.
  const bool blank = trimBlanks(model).empty();
  const auto values = gridValues(record, units);
  for (const auto& value : values) {
    const auto shown = trimBlanks(value);
    appendField(out, blank || shown == "N/A" ? std::string_view() : shown);
  }
  // The measurement year with its century, as the model report prints it.
  const auto yy = slice(recordDimensions(record), kMeasurementYearFirst, kMeasurementYearWidth);
  const std::string measured = std::string(measurementCentury(yy)) + std::string(yy);
  appendField(out, blank ? std::string_view() : trimBlanks(measured), true);
}

}  // namespace

int runExport(const Arguments& args, Context& ctx) {
  const auto units = unitText(args, ctx);
  if (!units) return kUsage;
  SharedState state;
  const std::string year = *args.value("--year");
  if (!ctx.loadYear(state, year)) return kMessage;

  std::vector<std::string_view> rows;
  if (const auto make = args.value("--make")) {
    if (trimBlanks(*make).empty()) return ctx.message(kNoMakeSelected);
    rows = rowList(state.yearData, *make, args.value("--group").value_or(""));
  } else {
    forEachModelRecord(state.yearData, [&](std::string_view record) { rows.push_back(record); });
  }
  std::string csv;
  appendHeader(csv);
  for (const auto record : rows) appendRow(csv, trimBlanks(year), record, *units);
  return ctx.writeAll(csv);
}

}  // namespace orv::cli
