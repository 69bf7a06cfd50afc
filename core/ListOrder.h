// The order in which a sorted list box holds its entries (the make list, the model filter):
// alphabetical without regard to case, equal entries in the order added.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orv::core {

// True when `a` comes before `b`: bytes compared with a-z taken as A-Z, a shorter text
// before a longer one that begins with it.
bool listOrderBefore(std::string_view a, std::string_view b);

// Sorts the entries as a sorted list box shows them (a stable sort).
void sortAsList(std::vector<std::string>& entries);

}  // namespace orv::core
