// export: the row list as CSV (RFC 4180, CR LF, a header row), each value as the grid shows
// it in the chosen units, trimmed, "N/A" left empty. Without --make, every make of the year.
#include <string>
#include <vector>

#include "cli/Command.h"
#include "core/Fields.h"
#include "core/RowList.h"
#include "core/Selection.h"
#include "core/Text.h"
#include "core/VehicleRecord.h"
#include "output/csv/CsvText.h"
#include "output/reports/ModelReport.h"
#include "output/reports/ReportMessages.h"

namespace orv::cli {

using namespace core;
using namespace output;

namespace {

constexpr std::string_view kMeasuredHeader = "Measured";

void appendHeader(std::string& out) {
  out.append("Year,Make,Model,");
  for (const auto& field : kFields) appendCsvField(out, field.code, false);
  appendCsvField(out, kMeasuredHeader, true);
}

void appendRow(std::string& out, std::string_view year, const VehicleRecord& record,
               UnitSystem units) {
  appendCsvField(out, year, false);
  appendCsvField(out, trimBlanks(record.make().value_or("-1")), false);
  const auto model = trimBlanks(record.shownModel());
  appendCsvField(out, model, false);
  // The grid shows a row without a model wholly blank.
  const bool blank = model.empty();
  for (int i = 0; i < kFieldCount; ++i) {
    const std::string value = formatField(record, static_cast<Field>(i), units);
    const auto shown = trimBlanks(value);
    appendCsvField(out, blank || shown == "N/A" ? std::string_view() : shown, false);
  }
  // The measurement year with its century, as the model report prints it.
  const auto yy = record.measuredYearStored();
  const std::string measured = std::string(measurementCentury(yy)) + std::string(yy);
  appendCsvField(out, blank ? std::string_view() : trimBlanks(measured), true);
}

}  // namespace

int runExport(const Arguments& args, Context& ctx) {
  const auto units = unitSystem(args, ctx);
  if (!units) return kUsage;
  const std::string year = *args.value("--year");
  Selection selection;
  if (!ctx.loadYear(selection, year)) return kMessage;

  const auto make = args.value("--make");
  if (make && !selection.chooseRows(*make, args.value("--group").value_or("")))
    return ctx.message(kNoMakeSelected);
  // The whole year is walked only when it is what is exported.
  const RowList rows = make ? selection.rows() : wholeYear(selection.yearData());
  std::string csv;
  appendHeader(csv);
  for (const VehicleRecord record : rows) appendRow(csv, trimBlanks(year), record, *units);
  return ctx.writeAll(csv);
}

}  // namespace orv::cli
