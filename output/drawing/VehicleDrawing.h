// The drawing of one vehicle in one view, from its record: the outline at a standard scale
// that fits a sheet (the same scale for the top and the side view of the vehicle),
// dimension lines for every usable measure of the view, labelled as the grid shows them,
// the axle lines, the centre-of-gravity mark, and the notes on what is schematic.
#pragma once

#include <string>

#include "core/Format.h"
#include "core/VehicleRecord.h"
#include "output/drawing/Drawing.h"

namespace orv::output {

// The drawing of `record` in `view`; labels and notes in `labels`.
Drawing vehicleDrawing(const core::VehicleRecord& record, View view, core::UnitSystem labels);

}  // namespace orv::output
