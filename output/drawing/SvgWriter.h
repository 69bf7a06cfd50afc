// SVG text of a drawing: a standalone file that prints at the drawing's scale (its
// viewBox in real millimetres or inches, its width and height the real extent divided by
// the scale), and an inline variant for a page, sized for a screen. The top view as seen
// from above, the side view with the ground at the bottom, the front at the left in both.
// Data text is escaped; bytes above 127 are taken as Latin-1 and written as character
// references, so the text is plain ASCII whatever the encoding of the page around it.
#pragma once

#include <string>

#include "core/Format.h"
#include "output/drawing/Drawing.h"

namespace orv::output {

// A whole SVG file: XML declaration, width and height in mm (metric) or in (imperial).
std::string svgFile(const Drawing& drawing, core::UnitSystem units);

// An <svg> element for an HTML page: no declaration, at most 960 x 640 pixels, scaling
// down with the page; layers as classes ("layer-outline"), not ids, so two drawings can
// share a page.
std::string svgInline(const Drawing& drawing);

}  // namespace orv::output
