// The comparison of two to four vehicles as a person or a program reads it: an HTML page
// (written like the vehicle sheet: the report pages' frame, CR LF line ends, every data text
// escaped, nothing loaded and nothing run), JSON (always metric, full precision) and CSV
// (RFC 4180, values as the grid shows them). The first vehicle is the one the others are
// measured against. Callers pass two to four vehicles; of more, the first four are used.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/Format.h"
#include "core/Vehicle.h"
#include "output/drawing/OverlayDrawing.h"

namespace orv::output {

// "ORV - Orvane - Comparison": the page's title before the vehicles' names.
inline constexpr std::string_view kCompareTitle = "ORV - Orvane - Comparison";

// The page: the fifteen measurements and the derived values in one table, one column per
// vehicle, each value after the first followed by its difference to the first, the largest
// difference of each row in bold and marked "max"; the top and the side view of all
// vehicles laid over each other at one scale, aligned at `align`, with a legend of their
// line styles and shifts; the source of every vehicle. `versionText` is
// SharedState::versionText.
std::string comparePage(std::span<const core::Vehicle> vehicles, core::UnitSystem units,
                        Alignment align, std::string_view versionText);

// {"vehicles": [the sheet JSON of each], "differences": [for each vehicle after the first:
// {"A" ... "CW" in cm or kg, then the derived values by the sheet's key names}]}; a value
// is null where either vehicle lacks it.
std::string compareJson(std::span<const core::Vehicle> vehicles, std::string_view versionText);

// A header row ("Measure,Unit", each vehicle's name, "Difference 2-1" ...), then one row per
// measurement and derived value: its code or name, its unit in `units`, each vehicle's
// value as the grid shows it and the differences, without units; N/A left empty.
std::string compareCsv(std::span<const core::Vehicle> vehicles, core::UnitSystem units);

}  // namespace orv::output
