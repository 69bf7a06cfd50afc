// The HTML pages, written like the report pages: their head, heading block and end, tables
// with a border, CR LF after each line, every data text escaped.
#include "output/reports/Page.h"
#include "output/similar/SimilarOutput.h"
#include "output/similar/Wording.h"

namespace orv::output {

using namespace core;

namespace {

// A cell; bold for the headers and the reference.
void appendCell(std::string& page, std::string_view text, int width, bool bold = false) {
  page += "<td width=" + std::to_string(width) + (bold ? "><b>" : ">");
  appendEscaped(page, text);
  page += bold ? "</b></td>" : "</td>";
}

// The header row: the year, `middle` (written as given), then each measure with its unit.
void appendHeaderRow(std::string& page, std::string_view middle, std::span<const Criterion> by,
                     UnitSystem units) {
  page += " <tr>";
  appendCell(page, "Year", 50, true);
  page += middle;
  for (const Criterion& c : by)
    appendCell(page,
               std::string(codeOf(c.field)) + " (" + std::string(unitOf(c.field, units)) + ")", 60,
               true);
  page += "</tr>\r\n";
}

// One row: year, make, model, distance, then the value of each chosen measure.
void appendVehicleRow(std::string& page, const ShownVehicle& vehicle, std::string_view year,
                      std::string_view distance, const SimilarResult& result, bool bold = false) {
  page += " <tr>";
  appendCell(page, year, 50, bold);
  appendCell(page, vehicle.make, 180, bold);
  appendCell(page, vehicle.model, 250, bold);
  appendCell(page, distance, 70, bold);
  for (const Criterion& c : result.by)
    appendCell(page, shownValue(vehicle.values[c.field], c.field, result.units), 60, bold);
  page += "</tr>\r\n";
}

void appendMatches(std::string& page, const SimilarResult& result) {
  page += "Compared by ";
  appendEscaped(page, criteriaText(result.by, result.units));
  page +=
      ".<BR>\r\nDistance: the largest difference divided by its tolerance; 1 or less is a "
      "match.<BR><BR>\r\n";
  page += "<table width=900 border=1 cellspacing=0>\r\n";
  std::string names;
  appendCell(names, "Make", 180, true);
  appendCell(names, "Model", 250, true);
  appendCell(names, "Distance", 70, true);
  appendHeaderRow(page, names, result.by, result.units);
  const ShownVehicle& reference = result.reference;
  appendVehicleRow(page, reference, result.typed ? "typed" : std::to_string(reference.year),
                   "reference", result, true);
  for (const SimilarMatch& match : result.matches)
    appendVehicleRow(page, match.vehicle, std::to_string(match.vehicle.year),
                     distanceText(match.distance), result);
  page += "</table>\r\n<BR>";
  for (const std::string& line :
       {foundText(result.found), lackingText(result.lacking, result.by), cutText(result)}) {
    if (line.empty()) continue;
    appendEscaped(page, line);
    page += "<BR>\r\n";
  }
}

void appendGenerations(std::string& page, const GenerationsResult& result) {
  page += "Years in one generation keep ";
  appendEscaped(page, criteriaText(result.by, result.units));
  page += " of the year before.<BR>\r\n";
  for (std::size_t g = 0; g < result.generations.size(); ++g) {
    const Generation& generation = result.generations[g];
    page += "<BR><b>Generation " + std::to_string(g + 1) + ": ";
    appendEscaped(page, yearsText(generation));
    page += "</b><BR>\r\n";
    if (g > 0) {
      page += "New: ";
      appendEscaped(page, boundaryText(generation.before, result.units));
      page += "<BR>\r\n";
    }
    page += "<table width=400 border=1 cellspacing=0>\r\n";
    appendHeaderRow(page, "", result.by, result.units);
    for (const ShownVehicle& year : generation.years) {
      page += " <tr>";
      appendCell(page, std::to_string(year.year), 50);
      for (const Criterion& c : result.by)
        appendCell(page, shownValue(year.values[c.field], c.field, result.units), 60);
      page += "</tr>\r\n";
    }
    page += "</table>\r\n";
  }
}

// A problem, or the body; then the units and the source, and the page end.
std::string finishedPage(std::string page, std::string_view problem, UnitSystem units,
                         std::string_view versionText, const YearFilesRead& files) {
  if (!problem.empty()) {
    appendEscaped(page, problem);
    page += "<BR>\r\n";
  }
  page += "<BR>";
  appendEscaped(page, unitsText(units));
  page += "<BR>\r\n<font size=-1>";
  appendEscaped(page, sourceText(versionText, files));
  page += "</font>\r\n";
  return page + pageEnd();
}

std::string pageStart(std::string_view versionText, const std::string& heading) {
  return pageHead(std::string(kVersionTitle) + escapeHtml(versionText)) +
         headingBlock(escapeHtml(heading));
}

}  // namespace

std::string similarPage(const SimilarResult& result, const GenerationsResult* generations,
                        std::string_view versionText) {
  std::string page =
      pageStart(versionText, "Sister vehicles of " + vehicleTitle(result.reference, result.typed));
  if (result.problem.empty()) {
    appendMatches(page, result);
    if (generations && generations->problem.empty()) {
      page += "<BR><CENTER><B>Generations of ";
      appendEscaped(page, generations->make + " " + generations->model);
      page += "</B></CENTER>\r\n<BR>\r\n";
      appendGenerations(page, *generations);
    }
  }
  return finishedPage(std::move(page), result.problem, result.units, versionText, result.files);
}

std::string generationsPage(const GenerationsResult& result, std::string_view versionText) {
  std::string page = pageStart(
      versionText, result.problem.empty() ? "Generations of " + result.make + " " + result.model
                                          : std::string("Generations"));
  if (result.problem.empty()) appendGenerations(page, result);
  return finishedPage(std::move(page), result.problem, result.units, versionText, result.files);
}

}  // namespace orv::output
