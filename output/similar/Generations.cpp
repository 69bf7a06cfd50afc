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

std::optional<ShownVehicle> firstOfModel(std::string_view yearText, int year,
                                         std::string_view upperMake, std::string_view upperModel) {
  YearWalker walk(yearText);
  YearRecord record;
  while (walk.nextRecord(record)) {
    const VehicleRecord vehicle = VehicleRecord::fromYearRecord(record, year);
    if (equalsTrimmedUpper(vehicle.make().value_or(""), upperMake) &&
        equalsTrimmedUpper(vehicle.shownModel(), upperModel))
      return vehicleOf(vehicle);
  }
  return std::nullopt;
}

GenerationsResult findGenerations(const GenerationsRequest& request, const Places& places,
                                  int lastYear, int threads) {
  GenerationsResult result;
  result.units = request.units;
  result.by = generationCriteria(request.by);
  const std::string make = toUpper(trimBlanks(request.make));
  const std::string model = toUpper(trimBlanks(request.model));

  struct YearPart {
    bool read = false;
    std::optional<ShownVehicle> vehicle;
  };
  std::vector<ShownVehicle> years;
  result.files.first = kFirstModelYear;
  result.files.last = std::min(lastYear, kLastYearFile);
  scanYearFiles<YearPart>(
      places, result.files.first, result.files.last, threads,
      [&](int year, std::string_view text) {
        const bool read = !text.empty() && text != "-1";
        return YearPart{read, read ? firstOfModel(text, year, make, model) : std::nullopt};
      },
      [&](int year, YearPart&& part) {
        if (part.read) result.files.read.push_back(year);
        if (part.vehicle) years.push_back(std::move(*part.vehicle));
        return true;
      });
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

}  // namespace orv::output
