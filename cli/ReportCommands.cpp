// report legend | history | model | make | year: the page the window writes for the same
// choices, built by the same page builders from the same selection.
#include <string>

#include "cli/Command.h"
#include "core/FileProcs.h"
#include "core/Text.h"
#include "output/reports/HistoryReport.h"
#include "output/reports/Legend.h"
#include "output/reports/MakeReport.h"
#include "output/reports/ModelReport.h"
#include "output/reports/ReportMessages.h"
#include "output/reports/YearReport.h"

namespace orv::cli {

using namespace core;
using namespace output;

namespace {

int history(Context& ctx) {
  const std::string text = F_READFILE(ctx.places(), "VERSION.TXT");
  if (historyIsMissing(text)) return ctx.message(kNoHistory);
  return ctx.writeAll(historyPage(text));
}

// After choosing the year, typing the make, choosing the model group and selecting a row
// that shows the model, or (for the make report) clicking Make.
int modelOrMake(const Arguments& args, Context& ctx, bool model) {
  const auto units = unitSystem(args, ctx);
  if (!units) return kUsage;
  SharedState state;
  readVersion(state, ctx.places());
  const std::string year = *args.value("--year");
  Selection selection;
  if (!ctx.loadYear(selection, year)) return kMessage;
  if (!selection.chooseRows(args.value("--make").value_or(""), args.value("--group").value_or("")))
    return ctx.message(kNoMakeSelected);
  const RowList& rows = selection.rows();
  if (!model)
    return ctx.writeAll(makeReportPage(year, selection.make(), rows, *units, state.versionText));

  const std::string name = *args.value("--model");
  if (trimBlanks(name).empty()) return ctx.message(kNoModelSelected);
  // The heading names the model as the selected row shows it. A model that no row shows
  // gives the page of a row that matches nothing: head and end only.
  const auto found = reportedRecord(rows, name);
  const std::string shown = found ? std::string(rows[*found].shownModel()) : name;
  return ctx.writeAll(
      modelReportPage(year, selection.make(), shown, rows, *units, state.versionText));
}

// After choosing the year and answering the layout question (Yes: compact, No: boxed).
int year(const Arguments& args, Context& ctx) {
  const auto units = unitSystem(args, ctx);
  if (!units) return kUsage;
  const std::string layout = args.value("--layout").value_or("compact");
  if (layout != "compact" && layout != "boxed")
    return ctx.usage("--layout takes compact or boxed, not '" + layout + "'");
  const std::string yearText = *args.value("--year");
  if (trimBlanks(yearText).empty()) return ctx.message(kNoYearSelected);
  Selection selection;
  if (!ctx.loadYear(selection, yearText)) return kMessage;

  // Written piece by piece as the records are walked, as the window writes its page file.
  TextWriter out = ctx.output();
  const bool written = out.open() &&
                       writeYearReport(selection.yearText(), yearText, *units, layout == "compact",
                                       [&](std::string_view piece) { return out.write(piece); }) &&
                       out.finish();
  return written ? kSuccess : ctx.message(out.error());
}

}  // namespace

int runReport(const Arguments& args, Context& ctx) {
  const std::string& which = args.words[1];
  if (which == "legend") return ctx.writeAll(legendPage());
  if (which == "history") return history(ctx);
  if (which == "year") return year(args, ctx);
  return modelOrMake(args, ctx, which == "model");
}

}  // namespace orv::cli
