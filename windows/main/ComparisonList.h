// The vehicles collected for a comparison: up to four, from any years and makes, kept for the
// run of the program across year and make changes. It decides what may be added and says
// why not; it knows no window.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/Vehicle.h"

namespace orv::windows {

class ComparisonList {
 public:
  static constexpr std::size_t kMostVehicles = 4;
  static constexpr std::size_t kFewestToCompare = 2;

  const std::vector<core::Vehicle>& vehicles() const { return vehicles_; }
  std::size_t size() const { return vehicles_.size(); }

  // Adds `vehicle`. When it is already collected or the list is full nothing changes and the
  // message for the person comes back; empty when it was added.
  std::string add(const core::Vehicle& vehicle);
  // Removes the vehicle at `index`; nothing for an index beyond the list.
  void remove(std::size_t index);
  void clear() { vehicles_.clear(); }

  // What to tell the person who asks to compare fewer than two vehicles; empty when enough.
  std::string tooFewToCompare() const;

 private:
  std::vector<core::Vehicle> vehicles_;
};

}  // namespace orv::windows
