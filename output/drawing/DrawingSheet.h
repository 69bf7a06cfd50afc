// The sheet a drawing is printed on: the standard scales, whether a drawing fits the paper
// at its scale, the text height that gives on paper, and the title block under it.
#pragma once

#include <array>

#include "core/Format.h"
#include "output/drawing/Drawing.h"

namespace orv::output {

// Standard drawing scales 1:N, smallest reduction first.
inline constexpr std::array<int, 13> kStandardScales{1,   2,   5,   10,   20,   25,  50,
                                                     100, 200, 500, 1000, 2000, 5000};

// The printable area: A4 and Letter in landscape both hold it with margins.
inline constexpr double kPaperWidthMm = 265.0;
inline constexpr double kPaperHeightMm = 180.0;

// The real text height (cm) that prints 3.5 mm high at 1:scale.
double textHeightAt(int scale);

// A drawing at its scale fits kPaperWidthMm x kPaperHeightMm.
bool fitsPaper(const Drawing& drawing);

// Writes the title, "Scale 1:N" with the unit of the labels, and the notes under what is
// drawn, left-aligned with it.
void addTitleBlock(Drawing& drawing, core::UnitSystem labels);

}  // namespace orv::output
