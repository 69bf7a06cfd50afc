// The search window's input checks over six arbitrary box texts, and the ranges the scan
// then reads from them. Input: the six texts, cut at the separator byte.
#include <cmath>

#include "FuzzCheck.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "output/search/SearchChecks.h"
#include "output/search/SearchScan.h"

using namespace orv::core;
using namespace orv::output;

namespace {

bool isBlank(std::string_view text) {
  return trimBlanks(text).empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  orv::fuzz::FuzzInput in(bytes, size);
  orv::output::RangeTexts boxes;
  for (auto& box : boxes) box = in.part();

  // The first box that is filled but not a number, if any.
  std::size_t firstBad = boxes.size();
  for (std::size_t i = 0; i < boxes.size() && firstBad == boxes.size(); ++i)
    if (!isBlank(boxes[i]) && !isDecimalNumber(boxes[i])) firstBad = i;

  const auto problem = orv::output::checkRanges(boxes);
  if (firstBad < boxes.size()) {
    FUZZ_CHECK(problem.has_value() && problem->message.ends_with("must be numeric"),
               "a filled box that is not a number is refused first");
    FUZZ_CHECK(problem->focusBox == -1, "a numeric message leaves the focus where it is");
    return 0;
  }
  bool pairsAgree = true;
  for (std::size_t r = 0; r < 3; ++r)
    pairsAgree = pairsAgree && isBlank(boxes[2 * r]) == isBlank(boxes[2 * r + 1]);
  if (!pairsAgree) {
    FUZZ_CHECK(problem.has_value() && problem->message.starts_with("You must specify both"),
               "a range with one end only is refused");
    const auto box = problem->focusBox;
    FUZZ_CHECK(box >= 0 && box < 6, "the pairing message moves the focus to a box");
    const auto b = static_cast<std::size_t>(box);
    FUZZ_CHECK(isBlank(boxes[b]) && !isBlank(boxes[b ^ 1]),
               "the focus goes to the blank box of a half-filled range");
    return 0;
  }
  FUZZ_CHECK(!problem.has_value(), "numbers in complete ranges pass");
  const auto ranges = orv::output::readRanges(boxes);
  for (std::size_t r = 0; r < 3; ++r) {
    FUZZ_CHECK(ranges[r].active == !isBlank(boxes[2 * r]), "a filled range is tested");
    FUZZ_CHECK(std::isfinite(ranges[r].from) && std::isfinite(ranges[r].to),
               "range ends are finite numbers");
  }
  return 0;
}
