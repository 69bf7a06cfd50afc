// The vehicle sheet: one vehicle on one page, in the chosen unit system. Its fifteen
// measurements with the legend's descriptions and the values as the model report shows
// them, the measurement year, the derived values each with its formula in words (or what
// it lacks), how the weight distribution reads as shares, the drawing's notes, the top and
// side view drawn inline at one scale, and the source of the data.
// A new page in the frame of the report pages (Page.h, CR LF line ends), written only from
// the builders' own markup: every text from the data is escaped (PageText.h), and the page
// loads nothing and runs nothing.
#pragma once

#include <string>
#include <string_view>

#include "core/Format.h"
#include "core/Vehicle.h"
#include "core/VehicleRecord.h"
#include "core/VehicleSource.h"

namespace orv::output {

// "ORV - Orvane - Vehicle Sheet": the page's title before the vehicle's name.
inline constexpr std::string_view kSheetTitle = "ORV - Orvane - Vehicle Sheet";

// The page of `record`, values in `units`, naming `source`.
std::string sheetPage(const core::VehicleRecord& record, core::UnitSystem units,
                      const core::VehicleSource& source);

// The page of a chosen vehicle; `versionText` is SharedState::versionText.
std::string sheetPage(const core::Vehicle& vehicle, core::UnitSystem units,
                      std::string_view versionText);

}  // namespace orv::output
