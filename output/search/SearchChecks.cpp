#include "output/search/SearchChecks.h"

#include <array>

#include "core/Numbers.h"
#include "core/Text.h"

namespace orv::output {

using namespace core;

namespace {

// The message of each box, in window order, when it holds something that is not a number.
constexpr std::array<std::string_view, 6> kNotNumeric{
    "Starting Wheelbase must be numeric",         "Ending Wheelbase must be numeric",
    "Starting Front track width must be numeric", "Ending Front track width must be numeric",
    "Starting Rear track width must be numeric",  "Ending Rear track width must be numeric",
};

// The pairs in check order: the first box of the range and the message.
struct Pair {
  int first;
  std::string_view message;
};
constexpr std::array<Pair, 3> kPairs{{
    {2, "You must specify both starting and ending Front track width values."},
    {4, "You must specify both starting and ending Rear track width values."},
    {0, "You must specify both starting and ending Wheelbase values."},
}};

bool isBlank(std::string_view text) {
  return trimBlanks(text).empty();
}

}  // namespace

std::optional<RangeProblem> checkRanges(const RangeTexts& boxes) {
  for (std::size_t i = 0; i < boxes.size(); ++i) {
    if (!isBlank(boxes[i]) && !isDecimalNumber(boxes[i])) return RangeProblem{kNotNumeric[i]};
  }
  for (const Pair& pair : kPairs) {
    const bool firstBlank = isBlank(boxes[static_cast<std::size_t>(pair.first)]);
    const bool secondBlank = isBlank(boxes[static_cast<std::size_t>(pair.first + 1)]);
    // The focus goes to the blank box of the two.
    if (firstBlank != secondBlank)
      return RangeProblem{pair.message, pair.first + (firstBlank ? 0 : 1)};
  }
  return std::nullopt;
}

}  // namespace orv::output
