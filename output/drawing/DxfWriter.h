// An ASCII DXF file (AutoCAD 2000, AC1015) of a drawing at real size, in millimetres
// (metric) or inches (imperial), as $INSUNITS and $MEASUREMENT say: the layers OUTLINE,
// AXLES, WHEELS, CG, DIMENSIONS and TEXT, outlines as closed LWPOLYLINEs, dimensions as
// lines and TEXT (no DIMENSION entities, so every reader shows them alike), and the
// tables, blocks and objects a CAD program expects of that version. Text is written in
// code page 1252, as the year data is.
#pragma once

#include <string>

#include "core/Format.h"
#include "output/drawing/Drawing.h"

namespace orv::output {

std::string dxfFile(const Drawing& drawing, core::UnitSystem units);

}  // namespace orv::output
