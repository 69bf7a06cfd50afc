// What a search tells the user: the checks of the six range texts before it runs (each filled
// box must be a number, each range needs both ends) and the notice after a scan that stopped.
// The search window shows the messages and moves the focus; the command-line program prints
// them.
#pragma once

#include <optional>
#include <string_view>

#include "output/search/SearchScan.h"

namespace orv::output {

// A range box holds at most this many characters.
inline constexpr int kMaxRangeLength = 5;

// The first check that fails: its message, and the box (window order, 0 to 5) that gets the
// focus, or -1 when the focus stays where it is.
struct RangeProblem {
  std::string_view message;
  int focusBox = -1;
};

// Shown when the scan stopped at hit kMaxHits + 1 (the result is still written).
inline constexpr std::string_view kOverLimitMessage =
    "The search returned over 2000 hits and has been automatically stopped.  Use smaller "
    "ranges and try again.";

// All six numeric checks in window order come first, then the pairs: front track, rear
// track, wheelbase (although the window lists wheelbase first). Nothing when all pass.
std::optional<RangeProblem> checkRanges(const RangeTexts& boxes);

}  // namespace orv::output
