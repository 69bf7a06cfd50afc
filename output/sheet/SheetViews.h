// The drawings part of the vehicle sheet: the top and the side view inline, one above the
// other at one common scale that the page states, and the notes of both views in one list.
#pragma once

#include <string>
#include <vector>

#include "core/Format.h"
#include "output/drawing/Drawing.h"

namespace orv::output {

// The notes of both views, each once: those the two share first, then each view's own,
// headed "Top view: " or "Side view: ".
std::vector<std::string> sheetNotes(const Drawing& top, const Drawing& side);

// Appends the statement of the scale and both drawings (svgInline), sized so that one
// centimetre of the vehicle takes the same width in both, and at most what it takes at the
// drawings' scale at 96 pixels to the inch; a narrower window shrinks both alike.
void appendViews(std::string& page, const Drawing& top, const Drawing& side,
                 core::UnitSystem units);

}  // namespace orv::output
