// The commands about one vehicle: its sheet as a page or JSON, and its drawing as SVG or DXF.
#pragma once

#include "cli/Arguments.h"
#include "cli/Command.h"

namespace orv::cli {

// "sheet": the vehicle sheet page (--format html, the default) or its JSON (--format json,
// always metric).
int runSheet(const Arguments& args, Context& ctx);

// "drawing": the drawing of the vehicle in --view top|side as --format svg|dxf.
int runDrawing(const Arguments& args, Context& ctx);

}  // namespace orv::cli
