// Which stored measurements the arithmetic and the drawings may use. A stored value can be
// zero, negative or absurdly large; such a value is treated as not available here, so that
// no derived value or shape is built on it. The grid and the pages still show it as stored.
#pragma once

#include <optional>

#include "core/Fields.h"
#include "core/VehicleRecord.h"

namespace orv::output {

// Upper bounds of a plausible measurement: lengths in cm, the curb weight in kg.
inline constexpr double kMaxLengthCm = 10000.0;
inline constexpr double kMaxWeightKg = 100000.0;

// The value of `field` (cm, or kg for CW) when it is above zero and within the bound above;
// nothing otherwise, and always nothing for WD.
std::optional<double> usableValue(const core::VehicleRecord& record, core::Field field);

}  // namespace orv::output
