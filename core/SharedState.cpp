#include "SharedState.h"

#include <algorithm>
#include <cmath>

#include "Numbers.h"

namespace orv {

std::string lastYearOf(const std::string& versionText) {
  const double year = numericReading(std::string_view(versionText).substr(0, 4));
  // Four characters such as "9E99" read as a huge number: keep it within range so the
  // conversion is defined and the text still parses as a long.
  const double bounded = std::clamp(std::trunc(year), -1.0e9, 1.0e9);
  return std::to_string(static_cast<long long>(bounded) + 1);
}

std::vector<std::string> yearList(const std::string& lastYear) {
  constexpr long kLatestListedYear = 9999;
  const long last = std::min<long>(std::stol(lastYear), kLatestListedYear);
  std::vector<std::string> years;
  for (long year = kFirstModelYear; year <= last; ++year) years.push_back(std::to_string(year));
  return years;
}

}  // namespace orv
