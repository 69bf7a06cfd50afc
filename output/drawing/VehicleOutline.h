// The outline of one vehicle in a view: the body and glass as closed polylines, the
// schematic wheels and the axle and reference lines, moved `shift` along x. What a single
// vehicle's drawing and an overlay of several share.
#pragma once

#include "output/drawing/Drawing.h"
#include "output/drawing/VehicleShape.h"

namespace orv::output {

void drawOutline(Drawing& drawing, const VehicleShape& shape, View view, int style,
                 double shift = 0.0);

// The centre-of-gravity mark (a quartered circle) at `at`, when the shape has one.
void drawCgMark(Drawing& drawing, Point at, int style);

}  // namespace orv::output
