// A vehicle kept beyond the row list it was chosen from (a vehicle sheet, a comparison, the
// reference of a likeness search): its record and the year data the record points into,
// kept alive together, so the vehicle stays readable after another year is loaded.
#pragma once

#include <string>

#include "core/VehicleRecord.h"
#include "core/YearData.h"

namespace orv::core {

struct Vehicle {
  YearDataPtr data;
  VehicleRecord record;

  // True for the same record of the same year file (read once or again).
  bool sameAs(const Vehicle& other) const;
  // "1995 ALDER SPEY 2DR": model year, make and model as the grid shows them, trimmed.
  std::string name() const;
};

}  // namespace orv::core
