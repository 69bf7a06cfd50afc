// list years | makes | models: one entry a line, as the window's lists would hold them.
#include <string>
#include <vector>

#include "cli/Command.h"
#include "core/ListOrder.h"
#include "core/Selection.h"
#include "core/Text.h"
#include "core/YearWalk.h"
#include "output/reports/ReportMessages.h"

namespace orv::cli {

using namespace core;
using namespace output;

int runList(const Arguments& args, Context& ctx) {
  const std::string& which = args.words[1];
  std::vector<std::string> lines;
  if (which == "years") {
    SharedState state;
    readVersion(state, ctx.places());
    lines = yearList(state.lastYear);
  } else {
    Selection selection;
    if (!ctx.loadYear(selection, *args.value("--year"))) return kMessage;
    if (which == "makes") {
      // The make list as the sorted list box shows it once opened.
      lines = makeNames(selection.yearText());
      sortAsList(lines);
    } else {
      if (!selection.chooseRows(args.value("--make").value_or(""),
                                args.value("--group").value_or("")))
        return ctx.message(kNoMakeSelected);
      // The grid's model column over the whole row list; a record without a model gives an
      // empty line, as the grid shows an empty row.
      for (const VehicleRecord record : selection.rows()) lines.emplace_back(record.shownModel());
    }
  }
  std::string text;
  for (const auto& line : lines) text.append(line).append("\n");
  return ctx.writeAll(text);
}

}  // namespace orv::cli
