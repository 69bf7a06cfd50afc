// The generations of a model: every model year a make and model appear in, grouped into runs
// of consecutive years in which WB, TF, TR and OL each stay within their tolerance of the
// year before. A missing year or a larger change starts a new generation.
//
// Decisions, so that the grouping can be checked by hand:
// - A year counts the first record of that make and model in its year file (file order);
//   names are trimmed and compared without regard to letter case.
// - A measure without a value is skipped, not taken as a change: the next year's value is
//   compared with the last value the generation had for it. When no measure has a value on
//   both sides, nothing shows the two years are alike, and a new generation starts.
// Reads the year files; writes nothing.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/Format.h"
#include "core/Places.h"
#include "output/search/YearScan.h"
#include "output/similar/Measures.h"
#include "output/similar/SimilarVehicles.h"

namespace orv::output {

struct GenerationsRequest {
  std::string make;
  std::string model;
  std::vector<Criterion> by;  // tolerances of kGenerationMeasures; empty: the defaults
  core::UnitSystem units = core::UnitSystem::Metric;  // how the page and the text show values
};

// A measure that changed beyond its tolerance where a generation begins.
struct Change {
  core::Field field = core::WB;
  double before = 0.0;  // the last value the previous generation had
  double after = 0.0;   // the new generation's first
};

// What divides a generation from the one before.
struct Boundary {
  int missingYears = 0;          // model years between them without the model
  std::vector<Change> changes;   // measures beyond their tolerance
  bool nothingCompared = false;  // no measure had a value on both sides
};

struct Generation {
  std::vector<ShownVehicle> years;  // consecutive model years, ascending
  Boundary before;                  // to the previous generation; empty for the first
};

struct GenerationsResult {
  core::UnitSystem units = core::UnitSystem::Metric;  // the request's
  std::string problem;  // why there are none: the model is in no year file
  std::string make;     // as the first year found stores them, trimmed
  std::string model;
  std::vector<Criterion> by;
  std::vector<Generation> generations;
  YearFilesRead files;
};

// Groups the years of a model (ascending, one vehicle a year) into generations.
std::vector<Generation> groupGenerations(std::span<const ShownVehicle> years,
                                         std::span<const Criterion> by);

// Finds the model in the year files from core::kFirstModelYear to `lastYear` on `threads`
// threads (see scanYearFiles) and groups its years.
GenerationsResult findGenerations(const GenerationsRequest& request, const core::Places& places,
                                  int lastYear, int threads = kEveryCore);

// The sister vehicles of `request` and, when its reference is a vehicle, the generations of
// that vehicle's make and model (default tolerances), from one read of the year files.
struct SistersAndGenerations {
  SimilarResult sisters;
  std::optional<GenerationsResult> generations;
};
SistersAndGenerations findSistersAndGenerations(const SimilarRequest& request,
                                                const core::Places& places, int lastYear,
                                                int threads = kEveryCore);

}  // namespace orv::output
