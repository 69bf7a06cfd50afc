// Vehicles for the sheet tests: a record text held in year data of its own, with the file
// name and the model year a loaded year file would give it.
#pragma once

#include <memory>
#include <string>

#include "RecordText.h"
#include "core/Vehicle.h"

namespace orv::test {

// The digest of "abc", the first test vector of SHA-256.
inline constexpr std::string_view kAbcDigest =
    "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad";

inline core::Vehicle vehicleOf(std::string recordText, int year = 1995,
                               std::string fileName = "SP1995.TXT") {
  auto data = std::make_shared<core::YearData>();
  data->text = std::move(recordText);
  data->fileName = std::move(fileName);
  data->year = year;
  return {data, core::VehicleRecord::fromModelRecord(data->text, year)};
}

// The saloon of RecordText.h, measured in '64.
inline std::string measuredSaloon() {
  return saloonDimensions().replace(48, 2, "64");
}

}  // namespace orv::test
