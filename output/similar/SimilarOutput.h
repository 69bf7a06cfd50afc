// The sister vehicles and the generations as a person or a program reads them: an HTML page
// (written like the report pages: the same head, heading and end, every data text escaped),
// a plain text (CR LF line ends, like REPORT.TXT) and JSON (always metric, full precision).
// Pages and text show values in the result's unit system, as the grid shows them; each
// names its source: the version text and the year files searched. Pure functions.
#pragma once

#include <string>
#include <string_view>

#include "output/similar/Generations.h"
#include "output/similar/SimilarVehicles.h"

namespace orv::output {

// The matches, and the generations of the chosen vehicle's model when given (nullptr: none).
std::string similarPage(const SimilarResult& result, const GenerationsResult* generations,
                        std::string_view versionText);
std::string similarText(const SimilarResult& result, const GenerationsResult* generations,
                        std::string_view versionText);
// {"reference": {"year", "make", "model", "measurements"}, "by": [...], "matches": [{"year",
// "make", "model", "distance", "measurements"}], "found": N, "lacking": N, "cut": bool,
// "source": {...}}; a problem gives {"problem": "..."}. Year, make and model of typed values
// are null.
std::string similarJson(const SimilarResult& result, std::string_view versionText);

std::string generationsPage(const GenerationsResult& result, std::string_view versionText);
std::string generationsText(const GenerationsResult& result, std::string_view versionText);
// {"make", "model", "by": [...], "generations": [{"from", "to", "before": {"missingYears",
// "nothingCompared", "changes": [{"measure", "from", "to", "difference"}]} or null, "years":
// [{"year", "measurements"}]}], "source": {...}}; a problem gives {"problem": "..."}.
std::string generationsJson(const GenerationsResult& result, std::string_view versionText);

}  // namespace orv::output
