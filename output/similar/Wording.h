// The sentences and names the HTML page and the plain text of the sister vehicles and the
// generations share, as plain text (the page escapes them). Values in the result's unit
// system; amounts with one decimal.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/Format.h"
#include "output/similar/Generations.h"
#include "output/similar/SimilarVehicles.h"

namespace orv::output {

// "2019 HOLVERA Brastrel"; the typed values are "the typed values".
std::string vehicleTitle(const ShownVehicle& vehicle, bool typed);

// "WB within 1.0 cm, TF within 1.0 cm and TR within 1.0 cm" (0: "equal").
std::string criteriaText(std::span<const Criterion> by, core::UnitSystem units);

// A distance with two decimals: "0.50".
std::string distanceText(double distance);

// "No vehicle matches." / "1 vehicle matches." / "12 vehicles match."
std::string foundText(long long found);

// "412 vehicles lack WB, TF or TR." (empty when none does).
std::string lackingText(long long lacking, std::span<const Criterion> by);

// "The list was cut at 2000 of 5321 matches." (empty when it was not cut).
std::string cutText(const SimilarResult& result);

// What starts a generation: "after 2 model years without it; WB +5.0 cm (250 to 255)".
std::string boundaryText(const Boundary& boundary, core::UnitSystem units);

// "1995" or "1995 to 2001".
std::string yearsText(const Generation& generation);

// "Source: version 2019.1, year files SP1971.TXT to SP2020.TXT (50 files)."
std::string sourceText(std::string_view versionText, const YearFilesRead& files);

// The unit line: "Units: Metric (cm, kg)" or "Units: Imperial (in, lb)".
std::string unitsText(core::UnitSystem units);

}  // namespace orv::output
