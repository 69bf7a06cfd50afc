// What a page or a drawing says about a vehicle's shape: which parts are schematic, which
// were taken from other measures, and where F + WB + G disagrees with OL.
#pragma once

#include <string>
#include <vector>

#include "core/Format.h"
#include "output/drawing/Drawing.h"
#include "output/drawing/VehicleShape.h"

namespace orv::output {

// The notes of one vehicle's drawing in `view`, lengths in `units`: the common notes first
// (the wheels and the ground clearance are always schematic), then those of this vehicle.
std::vector<std::string> shapeNotes(const VehicleShape& shape, View view, core::UnitSystem units);

// What an overlay says once for all its vehicles: the common notes.
std::vector<std::string> commonNotes(View view);

// The notes of this vehicle alone, as an overlay lists them under its number: no common
// notes, no note on the centre of gravity (an overlay draws none).
std::vector<std::string> ownNotes(const VehicleShape& shape, View view, core::UnitSystem units);

}  // namespace orv::output
