// The drawing files of one vehicle as the window's "Export Drawing..." and orvane-cli's
// `drawing` write them: the SVG or DXF writer's file of the vehicle's drawing in one view,
// with a line under its notes that names the source, and a file name to offer for it.
#pragma once

#include <string>
#include <string_view>

#include "core/Format.h"
#include "core/Vehicle.h"
#include "core/VehicleRecord.h"
#include "core/VehicleSource.h"
#include "output/drawing/Drawing.h"

namespace orv::output {

enum class DrawingFormat { Svg, Dxf };

// vehicleDrawing(record, view, labels) with the source line added below its last note.
Drawing sourcedDrawing(const core::VehicleRecord& record, View view, core::UnitSystem labels,
                       const core::VehicleSource& source);

// The whole file text: svgFile or dxfFile of the sourced drawing, in `units`.
std::string drawingFile(const core::Vehicle& vehicle, View view, DrawingFormat format,
                        core::UnitSystem units, std::string_view versionText);

// "1995-ALDER-Spey_2dr-top.svg": model year, make, model and view joined by '-'. Every
// character but an ASCII letter or digit becomes '_' (runs of them one, none at the ends
// of a part), so the name holds no separator, control character, blank or 8-bit byte and
// suits any file system; a part is cut at 60 characters, an empty part left out.
std::string drawingFileName(const core::VehicleRecord& record, View view, DrawingFormat format);

}  // namespace orv::output
