#include "core/SharedState.h"

#include <algorithm>
#include <cmath>

#include "core/FileProcs.h"
#include "core/Numbers.h"
#include "core/Text.h"
#include "core/YearData.h"

namespace orv::core {

namespace {
constexpr long kLatestYear = 9999;
}

void readVersion(SharedState& state, const Places& places) {
  const std::string version = F_READFILE(places, "VERSION.TXT");
  state.versionText = version.substr(0, std::min<std::size_t>(6, version.size()));
  state.lastYear = lastYearOf(state.versionText);
}

std::string lastYearOf(const std::string& versionText) {
  const double year = numericReading(std::string_view(versionText).substr(0, 4));
  // Four characters such as "9E99" read as a huge number: keep it within range so the
  // conversion is defined and the text still parses as a long.
  const double bounded = std::clamp(std::trunc(year), -1.0e9, 1.0e9);
  return std::to_string(static_cast<long long>(bounded) + 1);
}

int lastModelYear(const std::string& lastYear) {
  return static_cast<int>(std::min<double>(numericReading(lastYear), kLatestYear));
}

std::vector<std::string> yearList(const std::string& lastYear) {
  const long last = std::min<long>(std::stol(lastYear), kLatestYear);
  std::vector<std::string> years;
  for (long year = kFirstModelYear; year <= last; ++year) years.push_back(std::to_string(year));
  return years;
}

}  // namespace orv::core
