#include "core/ListOrder.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

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
  // The positions are sorted, then the entries moved into place cycle by cycle: a model list
  // can hold a hundred thousand groups, and a sort of the strings themselves would take a
  // buffer of half of them in fresh memory, whose page faults cost more than the sort.
  std::vector<std::uint32_t> order(entries.size());
  std::iota(order.begin(), order.end(), 0U);
  std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
    return listOrderBefore(entries[a], entries[b]);
  });
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] == i) continue;
    std::string first = std::move(entries[i]);
    std::size_t to = i;
    for (std::size_t from = order[to]; from != i; from = order[to]) {
      entries[to] = std::move(entries[from]);
      order[to] = static_cast<std::uint32_t>(to);
      to = from;
    }
    entries[to] = std::move(first);
    order[to] = static_cast<std::uint32_t>(to);
  }
}

}  // namespace orv::core
