// The year report: every model of the loaded year file, grouped by make, with all fifteen
// measurements. Built as a stream of pieces (head, one per record, end) so that a large year
// never needs the whole page in memory; the pieces go to a sink, normally the page file.
#pragma once

#include <functional>
#include <string_view>

#include "core/Format.h"

namespace orv::output {

// Receives the next piece of the page; returns false to stop the report (a failed write).
using PieceSink = std::function<bool(std::string_view piece)>;

// Writes the year report of `yearData` to `sink`: the compact layout (one line per model,
// small text) or the boxed layout (two values per cell). `yearText` goes into the title as
// given. Records are taken in file order; a blank record is skipped. False when the sink
// refused a piece (the page is then incomplete and must be discarded).
bool writeYearReport(std::string_view yearData, std::string_view yearText, core::UnitSystem units,
                     bool compact, const PieceSink& sink);

}  // namespace orv::output
