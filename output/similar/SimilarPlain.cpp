// The plain text forms: fixed columns like REPORT.TXT (names cut to their columns), CR LF
// after every line.
#include "core/Pad.h"
#include "output/similar/SimilarOutput.h"
#include "output/similar/Wording.h"

namespace orv::output {

using namespace core;

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kValueWidth = 9;

// A line without the blanks its last column was padded with. A line break inside a name or
// the version text would break the lines and the columns: it is written as a blank.
void appendLine(std::string& out, std::string_view line) {
  const std::size_t start = out.size();
  out.append(line.substr(0, line.find_last_not_of(' ') + 1));
  for (std::size_t i = start; i < out.size(); ++i) {
    if (out[i] == '\r' || out[i] == '\n') out[i] = ' ';
  }
  out.append(kLineEnd);
}

std::string column(std::string_view text, std::size_t width) {
  return F_PAD(text, width);
}

// "Year  WB (cm) TF (cm) ...": the year column, then one column per measure.
std::string measureHeader(std::span<const Criterion> by, UnitSystem units) {
  std::string header = column("Year", 6);
  for (const Criterion& c : by)
    header +=
        column(std::string(codeOf(c.field)) + " (" + std::string(unitOf(c.field, units)) + ")",
               kValueWidth);
  return header;
}

std::string vehicleLine(std::string_view year, const ShownVehicle& vehicle,
                        std::string_view distance, std::span<const Criterion> by,
                        UnitSystem units) {
  std::string line =
      column(year, 6) + column(vehicle.make, 31) + column(vehicle.model, 41) + column(distance, 10);
  for (const Criterion& c : by)
    line += column(shownValue(vehicle.values[c.field], c.field, units), kValueWidth);
  return line;
}

void appendMatches(std::string& out, const SimilarResult& result) {
  appendLine(out, "Compared by " + criteriaText(result.by, result.units) + ".");
  appendLine(out, "");
  appendLine(out, column("Year", 6) + column("Make", 31) + column("Model", 41) +
                      column("Distance", 10) + measureHeader(result.by, result.units).substr(6));
  const ShownVehicle& reference = result.reference;
  appendLine(out, vehicleLine(result.typed ? "typed" : std::to_string(reference.year), reference,
                              "reference", result.by, result.units));
  for (const SimilarMatch& match : result.matches)
    appendLine(out, vehicleLine(std::to_string(match.vehicle.year), match.vehicle,
                                distanceText(match.distance), result.by, result.units));
  appendLine(out, "");
  for (const std::string& line :
       {foundText(result.found), lackingText(result.lacking, result.by), cutText(result)}) {
    if (!line.empty()) appendLine(out, line);
  }
}

void appendGenerations(std::string& out, const GenerationsResult& result) {
  appendLine(out, "Years in one generation keep " + criteriaText(result.by, result.units) +
                      " of the year before.");
  for (std::size_t g = 0; g < result.generations.size(); ++g) {
    const Generation& generation = result.generations[g];
    appendLine(out, "");
    appendLine(out, "Generation " + std::to_string(g + 1) + ": " + yearsText(generation));
    if (g > 0) appendLine(out, "New: " + boundaryText(generation.before, result.units));
    appendLine(out, measureHeader(result.by, result.units));
    for (const ShownVehicle& year : generation.years) {
      std::string line = column(std::to_string(year.year), 6);
      for (const Criterion& c : result.by)
        line += column(shownValue(year.values[c.field], c.field, result.units), kValueWidth);
      appendLine(out, line);
    }
  }
}

std::string finishedText(std::string out, std::string_view problem, UnitSystem units,
                         std::string_view versionText, const YearFilesRead& files) {
  if (!problem.empty()) appendLine(out, problem);
  appendLine(out, "");
  appendLine(out, unitsText(units));
  appendLine(out, sourceText(versionText, files));
  return out;
}

}  // namespace

std::string similarText(const SimilarResult& result, const GenerationsResult* generations,
                        std::string_view versionText) {
  std::string out;
  appendLine(out, "Sister vehicles of " + vehicleTitle(result.reference, result.typed));
  if (result.problem.empty()) {
    appendMatches(out, result);
    if (generations && generations->problem.empty()) {
      appendLine(out, "");
      appendLine(out, "Generations of " + generations->make + " " + generations->model);
      appendGenerations(out, *generations);
    }
  }
  return finishedText(std::move(out), result.problem, result.units, versionText, result.files);
}

std::string generationsText(const GenerationsResult& result, std::string_view versionText) {
  std::string out;
  if (result.problem.empty()) {
    appendLine(out, "Generations of " + result.make + " " + result.model);
    appendGenerations(out, result);
  }
  return finishedText(std::move(out), result.problem, result.units, versionText, result.files);
}

}  // namespace orv::output
