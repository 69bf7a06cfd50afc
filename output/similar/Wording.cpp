#include "output/similar/Wording.h"

#include <charconv>

#include "output/search/YearScan.h"

namespace orv::output {

using namespace core;

namespace {

std::string counted(long long count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

}  // namespace

std::string vehicleTitle(const ShownVehicle& vehicle, bool typed) {
  if (typed) return "the typed values";
  std::string title = std::to_string(vehicle.year);
  for (const std::string* name : {&vehicle.make, &vehicle.model}) {
    if (!name->empty()) title += " " + *name;
  }
  return title;
}

std::string criteriaText(std::span<const Criterion> by, UnitSystem units) {
  std::string text;
  for (std::size_t i = 0; i < by.size(); ++i) {
    if (i > 0) text += i + 1 == by.size() ? " and " : ", ";
    text += codeOf(by[i].field);
    text += by[i].tolerance > 0.0 ? " within " + shownAmount(by[i].tolerance, by[i].field, units) +
                                        " " + std::string(unitOf(by[i].field, units))
                                  : std::string(" equal");
  }
  return text;
}

std::string distanceText(double distance) {
  char text[32];
  const auto [end, error] =
      std::to_chars(text, text + sizeof text, distance, std::chars_format::fixed, 2);
  return error == std::errc() ? std::string(text, end) : std::string("-");
}

std::string foundText(long long found) {
  if (found == 0) return "No vehicle matches.";
  return counted(found, "vehicle matches.", "vehicles match.");
}

std::string lackingText(long long lacking, std::span<const Criterion> by) {
  if (lacking == 0) return {};
  return counted(lacking, "vehicle lacks ", "vehicles lack ") + measureList(by, " or ") + ".";
}

std::string cutText(const SimilarResult& result) {
  if (!result.cut) return {};
  return "The list was cut at " + std::to_string(kMaxMatches) + " of " +
         std::to_string(result.found) + " matches.";
}

std::string boundaryText(const Boundary& boundary, UnitSystem units) {
  std::string text;
  const auto add = [&](const std::string& part) { text += (text.empty() ? "" : "; ") + part; };
  if (boundary.missingYears > 0)
    add("after " + counted(boundary.missingYears, "model year", "model years") + " without it");
  if (boundary.nothingCompared) add("no measure to compare with the year before");
  for (const Change& c : boundary.changes) {
    const double difference = c.after - c.before;
    add(std::string(codeOf(c.field)) + " " + (difference > 0 ? "+" : "") +
        shownAmount(difference, c.field, units) + " " + std::string(unitOf(c.field, units)) + " (" +
        shownValue(c.before, c.field, units) + " to " + shownValue(c.after, c.field, units) + ")");
  }
  return text;
}

std::string yearsText(const Generation& generation) {
  const int first = generation.years.front().year;
  const int last = generation.years.back().year;
  return first == last ? std::to_string(first)
                       : std::to_string(first) + " to " + std::to_string(last);
}

std::string sourceText(std::string_view versionText, const YearFilesRead& files) {
  std::string text = "Source: version " + std::string(versionText) + ", year files ";
  const auto& read = files.read;
  if (read.empty()) return text + "none.";
  // Runs of consecutive years as "first to last".
  for (std::size_t i = 0; i < read.size();) {
    std::size_t end = i;
    while (end + 1 < read.size() && read[end + 1] == read[end] + 1) ++end;
    if (i > 0) text += ", ";
    text += yearFileName(read[i]);
    if (end > i) text += " to " + yearFileName(read[end]);
    i = end + 1;
  }
  return text + " (" + counted(static_cast<long long>(read.size()), "file", "files") + ").";
}

std::string unitsText(UnitSystem units) {
  return units == UnitSystem::Metric ? "Units: Metric (cm, kg)" : "Units: Imperial (in, lb)";
}

}  // namespace orv::output
