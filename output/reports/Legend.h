// The measurement legend: fifteen rows of code cell and description, in grid field order
// (track widths coded TWF and TWR here). Shared by the legend page and the model report,
// which adds a value cell to each row. Code cells and descriptions are HTML fragments.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "core/Fields.h"

namespace orv::output {

struct LegendRow {
  std::string_view codeCell;
  std::string_view description;
};

// Row i describes field i of kFields (A ... TR, CW, WD).
extern const std::array<LegendRow, core::kFieldCount> kLegend;

// Appends the code and description cells of one row, each line ending in CR LF. The row
// is left open: a caller may add cells before the next row begins.
void appendLegendCells(std::string& page, const LegendRow& row);

// The whole legend page.
std::string legendPage();

}  // namespace orv::output
