// The walks over year data: from make element to make element, and the make scan that
// collects the model records of one make. Both are one linear pass; both stop (instead of
// restarting from the start) when a make element or a record is not closed.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Calls `onMake` with each make name as stored, in file order.
void forEachMakeName(std::string_view yearData,
                     const std::function<void(std::string_view)>& onMake);

// The make list: every make name, a name dropped only when it repeats the one added just
// before it (so a make that comes back after another make is listed again).
std::vector<std::string> makeNames(std::string_view yearData);

// The make scan: calls `onRecord` with each model record (from its "<MA>" up to, not
// including, its "</R>") whose make, trimmed and upper-cased, equals `wantedMake`.
// `wantedMake` must already be trimmed and upper-cased.
void forEachModelRecord(std::string_view yearData, std::string_view wantedMake,
                        const std::function<void(std::string_view)>& onRecord);

// The same scan taking the model record of every make: the whole year, in file order.
void forEachModelRecord(std::string_view yearData,
                        const std::function<void(std::string_view)>& onRecord);

}  // namespace orv
