#include "output/similar/SimilarVehicles.h"

#include <algorithm>

#include "core/Selection.h"
#include "core/SharedState.h"
#include "core/Text.h"
#include "core/YearWalk.h"

namespace orv::output {

using namespace core;

namespace {

// Year file names have four digits.
constexpr int kLastYearFile = 9999;

// Nearer first; of two as near, the earlier year, then the earlier record of the year file.
bool ranksBefore(const SimilarMatch& a, const SimilarMatch& b) {
  if (a.distance != b.distance) return a.distance < b.distance;
  if (a.vehicle.year != b.vehicle.year) return a.vehicle.year < b.vehicle.year;
  return a.order < b.order;
}

// Keeps the `count` best ranked of `list`, ranked.
template <typename T, typename Before>
void keepBest(std::vector<T>& list, std::size_t count, const Before& before) {
  if (list.size() > count) {
    std::nth_element(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(count), list.end(),
                     before);
    list.resize(count);
  }
  std::sort(list.begin(), list.end(), before);
}

// The reference vehicle as `report model` finds it, and where its record stands in the year
// data; or why there is none.
struct Reference {
  ShownVehicle vehicle;
  std::optional<std::size_t> position;
  std::string problem;
};

Reference chosenVehicle(const VehicleChoice& choice, const Places& places) {
  Reference found;
  // Until it is found, the vehicle is named as chosen.
  found.vehicle = {
      choice.year, std::string(trimBlanks(choice.make)), std::string(trimBlanks(choice.model)), {}};
  Selection selection;
  if (!selection.readYear(places, std::to_string(choice.year))) {
    found.problem = kCannotReadYear;
    return found;
  }
  selection.chooseRows(choice.make, "");
  const std::string wanted = toUpper(trimBlanks(choice.model));
  const RowList& rows = selection.rows();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const VehicleRecord vehicle = rows[i];
    if (!equalsTrimmedUpper(vehicle.shownModel(), wanted)) continue;
    found.vehicle = vehicleOf(vehicle);
    found.position = static_cast<std::size_t>(rows.text(i).data() - selection.yearText().data());
    return found;
  }
  found.problem = "No vehicle " + std::to_string(choice.year) + " " + found.vehicle.make + " " +
                  found.vehicle.model + " was found.";
  return found;
}

// The reference of the request: the chosen vehicle or the typed values, with every chosen
// measure.
Reference referenceOf(const SimilarRequest& request, const Places& places,
                      std::span<const Criterion> by) {
  Reference reference;
  if (request.held) {
    reference.vehicle = vehicleOf(request.held->record);
    reference.position = request.held->place();
  } else if (request.vehicle) {
    reference = chosenVehicle(*request.vehicle, places);
    if (!reference.problem.empty()) return reference;
  } else {
    reference.vehicle.values = request.typed;
  }
  std::vector<Criterion> missing;
  for (const Criterion& c : by) {
    if (!reference.vehicle.values[c.field]) missing.push_back(c);
  }
  if (!missing.empty())
    reference.problem =
        std::string(request.held || request.vehicle ? "The chosen vehicle has" : "There is") +
        " no value for " + measureList(missing, " or ") + ".";
  return reference;
}

}  // namespace

Measurements measurementsOf(const VehicleRecord& vehicle) {
  Measurements values{};
  for (int i = A; i < WD; ++i) values[i] = vehicle.value(static_cast<Field>(i));
  return values;
}

ShownVehicle vehicleOf(const VehicleRecord& record) {
  return ShownVehicle{record.year(), std::string(trimBlanks(record.make().value_or(""))),
                      std::string(trimBlanks(record.shownModel())), measurementsOf(record)};
}

YearMatches matchYear(std::string_view yearText, int year, const Measurements& reference,
                      std::span<const Criterion> by, std::optional<std::size_t> leftOut) {
  // The matches as views into the year text first; only those kept are copied out.
  struct Candidate {
    double distance;
    std::size_t order;
    VehicleRecord record;
  };
  const auto before = [](const Candidate& a, const Candidate& b) {
    return a.distance != b.distance ? a.distance < b.distance : a.order < b.order;
  };
  std::vector<Candidate> candidates;
  YearMatches out;
  YearWalker walk(yearText);
  YearRecord record;
  for (std::size_t order = 0; walk.nextRecord(record); ++order) {
    if (leftOut && record.open < *leftOut && *leftOut < record.close) continue;
    const VehicleRecord vehicle = VehicleRecord::fromYearRecord(record, year);
    // Only the chosen measures are read: this runs for every record of every year.
    Measurements values{};
    for (const Criterion& c : by) values[c.field] = vehicle.value(c.field);
    const Likeness l = likeness(reference, values, by);
    if (l.lacking) ++out.lacking;
    if (!l.match) continue;
    ++out.found;
    candidates.push_back({l.distance, order, vehicle});
    // Bounded: a year of millions of matches keeps twice the list at most.
    if (candidates.size() >= 2 * kMaxMatches) keepBest(candidates, kMaxMatches, before);
  }
  keepBest(candidates, kMaxMatches, before);
  for (const Candidate& c : candidates)
    out.matches.push_back({vehicleOf(c.record), c.distance, c.order});
  return out;
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

SimilarResult findSimilar(const SimilarRequest& request, const Places& places, int lastYear,
                          int threads, std::vector<ShownVehicle>* modelYears) {
  SimilarResult result;
  result.units = request.units;
  result.typed = !request.held && !request.vehicle;
  for (const Criterion& c : request.by) {
    if (isMeasure(c.field)) result.by.push_back(c);
  }
  if (result.by.empty()) result.by = defaultCriteria(kDefaultMeasures);
  const Reference reference = referenceOf(request, places, result.by);
  result.reference = reference.vehicle;
  if (!reference.problem.empty()) {
    result.problem = reference.problem;
    return result;
  }

  // What the scanning threads read, fixed before they start.
  const Measurements wanted = result.reference.values;
  const std::span<const Criterion> by = result.by;
  const int leftOutYear = result.typed ? 0 : result.reference.year;
  const bool gatherModel = modelYears && !result.typed;
  const std::string upperMake = toUpper(result.reference.make);
  const std::string upperModel = toUpper(result.reference.model);
  struct YearPart {
    bool read = false;
    YearMatches matches;
    std::optional<ShownVehicle> ofModel;
  };
  result.files.first = kFirstModelYear;
  result.files.last = std::min(lastYear, kLastYearFile);
  scanYearFiles<YearPart>(
      places, result.files.first, result.files.last, threads,
      [&](int year, std::string_view text) {
        YearPart part;
        part.read = !text.empty() && text != "-1";
        if (part.read)
          part.matches = matchYear(text, year, wanted, by,
                                   year == leftOutYear ? reference.position : std::nullopt);
        if (part.read && gatherModel)
          part.ofModel = firstOfModel(text, year, upperMake, upperModel);
        return part;
      },
      [&](int year, YearPart&& part) {
        if (part.read) result.files.read.push_back(year);
        if (part.ofModel) modelYears->push_back(std::move(*part.ofModel));
        result.found += part.matches.found;
        result.lacking += part.matches.lacking;
        for (auto& match : part.matches.matches) result.matches.push_back(std::move(match));
        if (result.matches.size() >= 2 * kMaxMatches)
          keepBest(result.matches, kMaxMatches, ranksBefore);
        return true;
      });
  keepBest(result.matches, kMaxMatches, ranksBefore);
  result.cut = result.found > static_cast<long long>(kMaxMatches);
  return result;
}

}  // namespace orv::output
