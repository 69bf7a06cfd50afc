#include "core/SharedState.h"

#include <cmath>

#include "core/Numbers.h"

namespace orv {

std::string lastYearOf(const std::string& versionText) {
  const double year = numericReading(std::string_view(versionText).substr(0, 4));
  return std::to_string(static_cast<long long>(std::trunc(year)) + 1);
}

}  // namespace orv
