// The JSON forms: one key of the top level a line, one match or year a line.
#include "output/similar/Json.h"
#include "output/similar/SimilarOutput.h"

namespace orv::output {

namespace {

std::string problemJson(std::string_view problem) {
  std::string out = "{\"problem\": ";
  appendJsonString(out, problem);
  return out + "}\n";
}

// "year": Y, "make": "...", "model": "...", or nulls for typed values.
void appendNames(std::string& out, const ShownVehicle& vehicle, bool typed) {
  if (typed) {
    out += "\"year\": null, \"make\": null, \"model\": null";
    return;
  }
  out += "\"year\": " + std::to_string(vehicle.year) + ", \"make\": ";
  appendJsonString(out, vehicle.make);
  out += ", \"model\": ";
  appendJsonString(out, vehicle.model);
}

// {"missingYears": N, "nothingCompared": bool, "changes": [...]}
void appendBoundary(std::string& out, const Boundary& boundary) {
  out += "{\"missingYears\": " + std::to_string(boundary.missingYears);
  out += ", \"nothingCompared\": ";
  out += boundary.nothingCompared ? "true" : "false";
  out += ", \"changes\": [";
  for (std::size_t c = 0; c < boundary.changes.size(); ++c) {
    const Change& change = boundary.changes[c];
    out += c > 0 ? ", {\"measure\": " : "{\"measure\": ";
    appendJsonString(out, codeOf(change.field));
    out += ", \"from\": ";
    appendJsonNumber(out, change.before);
    out += ", \"to\": ";
    appendJsonNumber(out, change.after);
    out += ", \"difference\": ";
    appendJsonNumber(out, change.after - change.before);
    out += '}';
  }
  out += "]}";
}

}  // namespace

std::string similarJson(const SimilarResult& result, std::string_view versionText) {
  if (!result.problem.empty()) return problemJson(result.problem);
  std::string out = "{\"reference\": {";
  appendNames(out, result.reference, result.typed);
  out += ", \"measurements\": ";
  appendJsonMeasurements(out, result.reference.values);
  out += "},\n \"by\": ";
  appendJsonCriteria(out, result.by);
  out += ",\n \"matches\": [";
  for (std::size_t i = 0; i < result.matches.size(); ++i) {
    const SimilarMatch& match = result.matches[i];
    out += i > 0 ? ",\n  {" : "\n  {";
    appendNames(out, match.vehicle, false);
    out += ", \"distance\": ";
    appendJsonNumber(out, match.distance);
    out += ", \"measurements\": ";
    appendJsonMeasurements(out, match.vehicle.values);
    out += '}';
  }
  out += "],\n \"found\": " + std::to_string(result.found);
  out += ",\n \"lacking\": " + std::to_string(result.lacking);
  out += ",\n \"cut\": ";
  out += result.cut ? "true" : "false";
  out += ",\n \"source\": ";
  appendJsonSource(out, versionText, result.files);
  return out + "}\n";
}

std::string generationsJson(const GenerationsResult& result, std::string_view versionText) {
  if (!result.problem.empty()) return problemJson(result.problem);
  std::string out = "{\"make\": ";
  appendJsonString(out, result.make);
  out += ", \"model\": ";
  appendJsonString(out, result.model);
  out += ",\n \"by\": ";
  appendJsonCriteria(out, result.by);
  out += ",\n \"generations\": [";
  for (std::size_t g = 0; g < result.generations.size(); ++g) {
    const Generation& generation = result.generations[g];
    out += g > 0 ? ",\n  {" : "\n  {";
    out += "\"from\": " + std::to_string(generation.years.front().year);
    out += ", \"to\": " + std::to_string(generation.years.back().year);
    out += ", \"before\": ";
    if (g == 0)
      out += "null";
    else
      appendBoundary(out, generation.before);
    out += ",\n   \"years\": [";
    for (std::size_t y = 0; y < generation.years.size(); ++y) {
      out += y > 0 ? ",\n    {\"year\": " : "\n    {\"year\": ";
      out += std::to_string(generation.years[y].year) + ", \"measurements\": ";
      appendJsonMeasurements(out, generation.years[y].values);
      out += '}';
    }
    out += "]}";
  }
  out += "],\n \"source\": ";
  appendJsonSource(out, versionText, result.files);
  return out + "}\n";
}

}  // namespace orv::output
