// What a page or a drawing says about a vehicle's shape: which parts are schematic, which
// were taken from other measures, and where F + WB + G disagrees with OL.
#pragma once

#include <string>
#include <vector>

#include "core/Format.h"
#include "output/drawing/Drawing.h"
#include "output/drawing/VehicleShape.h"

namespace orv::output {

// The notes for `view`, lengths in `units`. The wheels are always schematic.
std::vector<std::string> shapeNotes(const VehicleShape& shape, View view, core::UnitSystem units);

}  // namespace orv::output
