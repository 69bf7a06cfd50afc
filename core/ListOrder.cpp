#include "core/ListOrder.h"

#include <algorithm>

#include "core/Text.h"

namespace orv::core {

bool listOrderBefore(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto ua = static_cast<unsigned char>(upperChar(a[i]));
    const auto ub = static_cast<unsigned char>(upperChar(b[i]));
    if (ua != ub) return ua < ub;
  }
  return a.size() < b.size();
}

void sortAsList(std::vector<std::string>& entries) {
  std::stable_sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    return listOrderBefore(a, b);
  });
}

}  // namespace orv::core
