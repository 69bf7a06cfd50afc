// The sister vehicles: every vehicle of every year file whose chosen measures each stand
// within their tolerance of a reference, the chosen vehicle of the data or typed values
// (tyre marks measured at a scene, say). A request goes in, a result comes out, and the page
// builders (SimilarPages.h) turn the result into text: the command line and a window use
// the same three steps. Reads the year files; writes nothing.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Format.h"
#include "core/Places.h"
#include "core/Vehicle.h"
#include "core/VehicleRecord.h"
#include "output/search/YearScan.h"
#include "output/similar/Measures.h"

namespace orv::output {

// At most this many matches are listed; the result says when there were more.
inline constexpr std::size_t kMaxMatches = 2000;

// A vehicle as the results show it: its model year, make and model (trimmed; empty when the
// record has none) and its measures.
struct ShownVehicle {
  int year = 0;
  std::string make;
  std::string model;
  Measurements values{};
};

// A vehicle of the data chosen as `report model` chooses it: in the year file of `year`, the
// first record of the make's row list whose model matches `model`, ignoring letter case and
// blanks around both.
struct VehicleChoice {
  int year = 0;
  std::string make;
  std::string model;
};

struct SimilarRequest {
  std::optional<core::Vehicle> held;     // the reference vehicle at hand (the window's row), or
  std::optional<VehicleChoice> vehicle;  // the reference vehicle to find, or else
  Measurements typed{};                  // typed values (cm, kg) of at least the chosen measures
  std::vector<Criterion> by;  // the measures compared (WD is none); empty: kDefaultMeasures
  core::UnitSystem units = core::UnitSystem::Metric;  // how the page and the text show values
};

struct SimilarMatch {
  ShownVehicle vehicle;
  double distance = 0.0;  // 0 to 1
  std::size_t order = 0;  // the record's place in its year file (0: the first)
};

// The year files a scan read: from `first` to `last`, those in `read` (ascending).
struct YearFilesRead {
  int first = 0;
  int last = 0;
  std::vector<int> read;
};

struct SimilarResult {
  core::UnitSystem units = core::UnitSystem::Metric;  // the request's
  // Why nothing was compared: the reference vehicle's year file cannot be read, no row shows
  // the model, or the reference has no value for a chosen measure. Everything else is empty.
  std::string problem;
  bool typed = false;  // the reference is typed values (its year is 0, its names empty)
  ShownVehicle reference;
  std::vector<Criterion> by;
  std::vector<SimilarMatch> matches;  // by distance, then year, then order; at most kMaxMatches
  long long found = 0;                // matches in all, listed or not
  long long lacking = 0;              // vehicles without a value for a chosen measure
  bool cut = false;                   // found > kMaxMatches
  YearFilesRead files;
};

// The matches of one year's text, the reference vehicle left out (the record whose text holds
// position `leftOut`, when given): at most kMaxMatches, the nearest, by distance then order.
struct YearMatches {
  std::vector<SimilarMatch> matches;
  long long found = 0;
  long long lacking = 0;
};
YearMatches matchYear(std::string_view yearText, int year, const Measurements& reference,
                      std::span<const Criterion> by, std::optional<std::size_t> leftOut = {});

// The first vehicle of a year's text whose make and model, trimmed and upper-cased, are
// `upperMake` and `upperModel`.
std::optional<ShownVehicle> firstOfModel(std::string_view yearText, int year,
                                         std::string_view upperMake, std::string_view upperModel);

// Looks up the reference, then compares every vehicle of the year files from
// core::kFirstModelYear to `lastYear` on `threads` threads (see scanYearFiles). With
// `modelYears`, when the reference is a vehicle, the same pass also gathers the first vehicle
// of its make and model in each year (their generations), so the files are read once.
SimilarResult findSimilar(const SimilarRequest& request, const core::Places& places, int lastYear,
                          int threads = kEveryCore,
                          std::vector<ShownVehicle>* modelYears = nullptr);

// The measures of a vehicle record read as values.
Measurements measurementsOf(const core::VehicleRecord& vehicle);

// The vehicle of a record: its year, trimmed names and measures.
ShownVehicle vehicleOf(const core::VehicleRecord& record);

}  // namespace orv::output
