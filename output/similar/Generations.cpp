#include "output/similar/Generations.h"

#include <algorithm>

#include "core/SharedState.h"
#include "core/Text.h"
#include "core/VehicleRecord.h"
#include "core/YearWalk.h"

namespace orv::output {

using namespace core;

namespace {

constexpr int kLastYearFile = 9999;

// The generation measures with the request's tolerances where it gives one.
std::vector<Criterion> generationCriteria(std::span<const Criterion> given) {
  auto by = defaultCriteria(kGenerationMeasures);
  for (Criterion& c : by) {
    for (const Criterion& g : given) {
      if (g.field == c.field) c.tolerance = g.tolerance;
    }
  }
  return by;
}

// What divides `next` from a generation whose last year is `lastYear` and whose last known
// values are `known`; empty (no missing year, no change, something compared) when it
// continues it.
Boundary boundaryTo(int lastYear, const Measurements& known, const ShownVehicle& next,
                    std::span<const Criterion> by) {
  Boundary boundary;
  boundary.missingYears = next.year - lastYear - 1;
  bool compared = false;
  for (const Criterion& c : by) {
    const auto& before = known[c.field];
    const auto& after = next.values[c.field];
    if (!before || !after) continue;
    compared = true;
    if (!withinTolerance(*after - *before, c.tolerance))
      boundary.changes.push_back({c.field, *before, *after});
  }
  boundary.nothingCompared = !compared;
  return boundary;
}

bool continues(const Boundary& boundary) {
  return boundary.missingYears == 0 && boundary.changes.empty() && !boundary.nothingCompared;
}

// The generations of the request's model from its first vehicle of each year read.
GenerationsResult generationsOf(const GenerationsRequest& request, std::vector<ShownVehicle> years,
                                YearFilesRead files) {
  GenerationsResult result;
  result.units = request.units;
  result.by = generationCriteria(request.by);
  result.files = std::move(files);
  if (years.empty()) {
    result.problem = "No year file holds " + std::string(trimBlanks(request.make)) + " " +
                     std::string(trimBlanks(request.model)) + ".";
    return result;
  }
  result.make = years.front().make;
  result.model = years.front().model;
  result.generations = groupGenerations(years, result.by);
  return result;
}

}  // namespace

std::vector<Generation> groupGenerations(std::span<const ShownVehicle> years,
                                         std::span<const Criterion> by) {
  std::vector<Generation> generations;
  Measurements known{};  // the current generation's last value of each measure
  for (const ShownVehicle& vehicle : years) {
    if (generations.empty()) {
      generations.push_back({{vehicle}, {}});
    } else {
      Boundary boundary = boundaryTo(generations.back().years.back().year, known, vehicle, by);
      if (continues(boundary)) {
        generations.back().years.push_back(vehicle);
      } else {
        generations.push_back({{vehicle}, std::move(boundary)});
        known = {};
      }
    }
    for (const Criterion& c : by) {
      if (vehicle.values[c.field]) known[c.field] = vehicle.values[c.field];
    }
  }
  return generations;
}

GenerationsResult findGenerations(const GenerationsRequest& request, const Places& places,
                                  int lastYear, int threads) {
  const std::string make = toUpper(trimBlanks(request.make));
  const std::string model = toUpper(trimBlanks(request.model));
  struct YearPart {
    bool read = false;
    std::optional<ShownVehicle> vehicle;
  };
  std::vector<ShownVehicle> years;
  YearFilesRead files{kFirstModelYear, std::min(lastYear, kLastYearFile), {}};
  scanYearFiles<YearPart>(
      places, files.first, files.last, threads,
      [&](int year, std::string_view text) {
        const bool read = !text.empty() && text != "-1";
        return YearPart{read, read ? firstOfModel(text, year, make, model) : std::nullopt};
      },
      [&](int year, YearPart&& part) {
        if (part.read) files.read.push_back(year);
        if (part.vehicle) years.push_back(std::move(*part.vehicle));
        return true;
      });
  return generationsOf(request, std::move(years), std::move(files));
}

SistersAndGenerations findSistersAndGenerations(const SimilarRequest& request, const Places& places,
                                                int lastYear, int threads) {
  SistersAndGenerations out;
  std::vector<ShownVehicle> years;
  out.sisters = findSimilar(request, places, lastYear, threads, &years);
  if (out.sisters.problem.empty() && !out.sisters.typed)
    out.generations =
        generationsOf({out.sisters.reference.make, out.sisters.reference.model, {}, request.units},
                      std::move(years), out.sisters.files);
  return out;
}

}  // namespace orv::output
