// The drawings part of the comparison page: how the outlines are aligned, a legend of each
// vehicle's line style and how far it was moved, the top and the side view laid over each
// other at one scale (as the vehicle sheet lays out its views), and the drawings' notes.
#pragma once

#include <span>
#include <string>

#include "core/Format.h"
#include "core/VehicleRecord.h"
#include "output/drawing/OverlayDrawing.h"

namespace orv::output {

// Appends the section for `records` (at most four are drawn), labels in `units`.
void appendOverlayViews(std::string& page, std::span<const core::VehicleRecord> records,
                        Alignment align, core::UnitSystem units);

}  // namespace orv::output
