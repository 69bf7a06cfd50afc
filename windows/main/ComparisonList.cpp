#include "windows/main/ComparisonList.h"

namespace orv::windows {

std::string ComparisonList::add(const core::Vehicle& vehicle) {
  for (const auto& v : vehicles_) {
    if (v.sameAs(vehicle)) return vehicle.name() + " is already in the comparison.";
  }
  if (vehicles_.size() >= kMostVehicles)
    return "The comparison already holds four vehicles, the most it can. Remove one before "
           "adding " +
           vehicle.name() + ".";
  vehicles_.push_back(vehicle);
  return {};
}

void ComparisonList::remove(std::size_t index) {
  if (index < vehicles_.size()) vehicles_.erase(vehicles_.begin() + static_cast<long>(index));
}

std::string ComparisonList::tooFewToCompare() const {
  if (vehicles_.size() >= kFewestToCompare) return {};
  return vehicles_.empty()
             ? "Add two to four vehicles to the comparison first: select a row and choose Add "
               "to Comparison."
             : "Add at least one more vehicle to the comparison first: select a row and choose "
               "Add to Comparison.";
}

}  // namespace orv::windows
