// Two to four vehicles laid over each other in one view for comparison: their outlines at
// one scale, each in its own style, moved along x so that a chosen reference point of every
// vehicle coincides with that of the first. No dimensions: the legend names each vehicle.
#pragma once

#include <span>

#include "core/Format.h"
#include "core/VehicleRecord.h"
#include "output/drawing/Drawing.h"

namespace orv::output {

enum class Alignment { FrontAxle, FrontEnd, RearAxle };

// The overlay of the first kStyleCount of `records` (a fifth and later are left out, and a
// note says so). Drawing::legend lists each vehicle with its style and the shift it got.
Drawing overlayDrawing(std::span<const core::VehicleRecord> records, View view, Alignment alignment,
                       core::UnitSystem labels);

}  // namespace orv::output
