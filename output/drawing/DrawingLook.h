// How the writers show styles and layers on paper: one colour and dash pattern per style
// (the overlay's vehicles), one pen width per layer, centre lines dash-dotted. Lengths are
// millimetres on paper; a writer multiplies them by the scale. Also the number text both
// writers share: locale-free, fixed point, never NaN or inf.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "output/drawing/Drawing.h"

namespace orv::output {

struct StyleLook {
  std::string_view svgColour;
  int cadColour;               // AutoCAD colour index; 256 is "by layer"
  std::string_view lineType;   // the DXF linetype name
  std::array<double, 4> dash;  // on, off, on, off (mm on paper); all zero for a solid line
};

inline constexpr std::array<StyleLook, kStyleCount> kStyleLooks{{
    {"#000000", 256, "Continuous", {0, 0, 0, 0}},
    {"#c81e1e", 1, "DASHED", {4.0, 2.0, 4.0, 2.0}},
    {"#1e50c8", 5, "DASHDOT", {6.0, 1.5, 0.5, 1.5}},
    {"#1e8c32", 3, "DOTTED", {0.5, 1.5, 0.5, 1.5}},
}};

// The centre lines' pattern (AXLES), mm on paper.
inline constexpr std::array<double, 4> kCentreDash{8.0, 1.5, 1.5, 1.5};
inline constexpr std::string_view kCentreLineType = "CENTER";

// Pen width per layer in mm on paper, and in hundredths of a mm for DXF.
double penWidthMm(Layer layer);

// The look of `style`, style numbers outside 0..3 taken modulo four.
const StyleLook& styleLook(int style);

// Whether the style's dash pattern applies to the layer (outlines, wheels and the legend's
// strokes); dimensions and marks stay solid, centre lines keep their own pattern.
bool dashedByStyle(Layer layer);

// `value` in fixed point with at most `decimals` decimals, trailing zeros dropped, "-0"
// written as "0". A value that is not finite is written as "0" (geometry never makes one).
std::string numberText(double value, int decimals);

}  // namespace orv::output
