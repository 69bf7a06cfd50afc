// search: the text the search window writes to REPORT.TXT after FROM and TO were typed into
// the boxes of each range given, with the same checks and the same scan.
#include <array>
#include <string>

#include "cli/Command.h"
#include "output/search/SearchChecks.h"
#include "output/search/SearchScan.h"

namespace orv::cli {

using namespace core;
using namespace output;

int runSearch(const Arguments& args, Context& ctx) {
  const std::string units = args.value("--units").value_or("cm");
  if (units != "cm" && units != "in")
    return ctx.usage("--units takes cm or in for the search, not '" + units + "'");

  // The six boxes in window order; a range not given leaves its two boxes blank.
  std::array<std::string, 6> texts;
  constexpr std::array<std::string_view, 3> kRangeOptions{"--wb", "--tf", "--tr"};
  for (std::size_t r = 0; r < kRangeOptions.size(); ++r) {
    const auto it = args.options.find(kRangeOptions[r]);
    if (it == args.options.end()) continue;
    for (std::size_t end = 0; end < 2; ++end) {
      // A box takes no more characters than this; rather than cut the value as typing
      // would, say so.
      if (it->second[end].size() > static_cast<std::size_t>(output::kMaxRangeLength))
        return ctx.usage(std::string(kRangeOptions[r]) + ": '" + it->second[end] +
                         "' is longer than " + std::to_string(output::kMaxRangeLength) +
                         " characters");
      texts[2 * r + end] = it->second[end];
    }
  }
  output::RangeTexts boxes;
  for (std::size_t i = 0; i < texts.size(); ++i) boxes[i] = texts[i];
  if (const auto problem = output::checkRanges(boxes)) return ctx.message(problem->message);

  SharedState state;
  readVersion(state, ctx.places());
  const auto result =
      output::scanYears(boxes, units == "cm" ? UnitSystem::Metric : UnitSystem::Imperial,
                        ctx.places(), lastModelYear(state.lastYear));
  // Like the window, more than 2000 hits still give the result, then the notice.
  if (const int status = ctx.writeAll(result.text); status != kSuccess) return status;
  return result.stopped ? ctx.message(output::kOverLimitMessage) : kSuccess;
}

}  // namespace orv::cli
