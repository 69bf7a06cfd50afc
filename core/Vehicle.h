// A vehicle kept beyond the row list it was chosen from (a vehicle sheet, a comparison, the
// reference of a likeness search): its record and the year data the record points into,
// kept alive together, so the vehicle stays readable after another year is loaded.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "core/VehicleRecord.h"
#include "core/YearData.h"

namespace orv::core {

// "1995 ALDER Spey": the model year (when known), the make and the model as shown, blanks
// at their ends removed; what every page, drawing and message calls a vehicle.
std::string vehicleName(const VehicleRecord& record);

struct Vehicle {
  YearDataPtr data;
  VehicleRecord record;

  // True for the same record of the same year file (read once or again).
  bool sameAs(const Vehicle& other) const;
  // Where the record stands in its year data (a place inside it); nothing without data.
  std::optional<std::size_t> place() const;
  std::string name() const { return vehicleName(record); }
};

}  // namespace orv::core
