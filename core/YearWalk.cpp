#include "YearWalk.h"

#include "Text.h"

namespace orv {

namespace {
constexpr std::string_view kMakeOpen = "<MA>";
constexpr std::string_view kMakeClose = "</MA>";
constexpr std::string_view kRecordOpen = "<R>";
constexpr std::string_view kRecordClose = "</R>";
}  // namespace

void forEachMakeName(std::string_view yearData,
                     const std::function<void(std::string_view)>& onMake) {
  std::size_t pos = 0;
  for (;;) {
    const auto p = findText(yearData, kMakeOpen, pos);
    if (p == npos) return;
    const auto q = findText(yearData, kMakeClose, p);
    if (q == npos) return;  // an unclosed make element ends the walk
    onMake(yearData.substr(p + kMakeOpen.size(), q - p - kMakeOpen.size()));
    pos = q;
  }
}

std::vector<std::string> makeNames(std::string_view yearData) {
  std::vector<std::string> names;
  bool first = true;
  forEachMakeName(yearData, [&](std::string_view make) {
    if (first || names.back() != make) names.emplace_back(make);
    first = false;
  });
  return names;
}

namespace {

// The make scan, with the test of the make as a parameter: the model record of every make
// element for which `wanted` holds.
template <typename Wanted>
void walkModelRecords(std::string_view yearData, const Wanted& wanted,
                      const std::function<void(std::string_view)>& onRecord) {
  std::size_t pos = 0;
  for (;;) {
    const auto p = findText(yearData, kMakeOpen, pos);
    if (p == npos) return;
    const auto q = findText(yearData, kMakeClose, p);
    if (q == npos) return;
    const auto make = yearData.substr(p + kMakeOpen.size(), q - p - kMakeOpen.size());
    std::size_t next = q;
    if (wanted(make)) {
      const auto r = findText(yearData, kRecordClose, q);
      if (r == npos) return;  // a record without "</R>" cannot be delimited
      onRecord(yearData.substr(p, r - p));
      next = r;
    }
    pos = findText(yearData, kRecordOpen, next);
    if (pos == npos) return;
  }
}

}  // namespace

void forEachModelRecord(std::string_view yearData, std::string_view wantedMake,
                        const std::function<void(std::string_view)>& onRecord) {
  walkModelRecords(
      yearData, [&](std::string_view make) { return equalsTrimmedUpper(make, wantedMake); },
      onRecord);
}

void forEachModelRecord(std::string_view yearData,
                        const std::function<void(std::string_view)>& onRecord) {
  walkModelRecords(
      yearData, [](std::string_view) { return true; }, onRecord);
}

}  // namespace orv
