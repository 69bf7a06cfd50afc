// The sister vehicles and the generations over arbitrary year data: the matches of one year
// against a reference taken from the data or from the input, the grouping of every record
// into model years, and the page, text and JSON of both.
// Input: a pick byte, a tolerance text, a typed value text, then the year data.
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "PageCheck.h"
#include "core/Numbers.h"
#include "core/VehicleRecord.h"
#include "core/YearWalk.h"
#include "output/similar/SimilarOutput.h"

using namespace orv::core;
using namespace orv::output;

namespace {

constexpr int kYear = 1990;

// Text lines end in CR LF and hold no other line break.
void checkText(std::string_view text) {
  FUZZ_CHECK(text.ends_with("\r\n"), "the text ends with CR LF");
  for (std::size_t at = 0; (at = text.find_first_of("\r\n", at)) != std::string_view::npos;) {
    FUZZ_CHECK(text.substr(at, 2) == "\r\n", "every line break is CR LF");
    at += 2;
  }
}

// JSON: plain printable ASCII, strings closed, brackets balanced outside strings.
void checkJson(std::string_view json) {
  int depth = 0;
  bool inString = false;
  for (std::size_t i = 0; i < json.size(); ++i) {
    const auto c = static_cast<unsigned char>(json[i]);
    FUZZ_CHECK(c < 0x7F && (c >= 0x20 || c == '\n'), "JSON is printable ASCII");
    if (inString) {
      if (c == '\\') ++i;
      if (c == '"') inString = false;
      FUZZ_CHECK(c != '\n', "no line break inside a JSON string");
      continue;
    }
    if (c == '"') inString = true;
    if (c == '{' || c == '[') ++depth;
    if (c == '}' || c == ']') --depth;
    FUZZ_CHECK(depth >= 0, "JSON closes no bracket it did not open");
    const bool exponent = c == 'e' && i > 0 && json[i - 1] >= '0' && json[i - 1] <= '9';
    if (c >= 'a' && c <= 'z' && !exponent) {
      // Outside strings a word is a literal ("inf" or "nan" would be a broken number).
      const std::string_view rest = json.substr(i);
      const std::size_t word = rest.starts_with("true") || rest.starts_with("null") ? 4
                               : rest.starts_with("false")                          ? 5
                                                                                    : 0;
      FUZZ_CHECK(word != 0, "a word outside a JSON string is true, false or null");
      i += word - 1;
    }
  }
  FUZZ_CHECK(!inString && depth == 0, "JSON closes every string and bracket");
}

void checkMatches(const YearMatches& year, std::size_t records) {
  FUZZ_CHECK(year.matches.size() <= kMaxMatches, "at most 2000 matches are kept");
  FUZZ_CHECK(static_cast<std::size_t>(year.found) >= year.matches.size(),
             "every kept match is counted");
  FUZZ_CHECK(static_cast<std::size_t>(year.found + year.lacking) <= records,
             "a record is a match, lacking or neither");
  for (std::size_t i = 0; i < year.matches.size(); ++i) {
    const auto& m = year.matches[i];
    FUZZ_CHECK(m.distance >= 0.0 && m.distance <= 1.0, "a match is within every tolerance");
    FUZZ_CHECK(m.order < records, "a match is a record of the year");
    if (i > 0) {
      const auto& p = year.matches[i - 1];
      FUZZ_CHECK(p.distance < m.distance || (p.distance == m.distance && p.order < m.order),
                 "matches rank by distance, then file order");
    }
  }
}

void checkGenerations(const std::vector<Generation>& generations, std::size_t vehicles) {
  std::size_t seen = 0;
  for (std::size_t g = 0; g < generations.size(); ++g) {
    const auto& years = generations[g].years;
    FUZZ_CHECK(!years.empty(), "a generation holds a year");
    for (std::size_t y = 1; y < years.size(); ++y)
      FUZZ_CHECK(years[y].year == years[y - 1].year + 1, "a generation's years are consecutive");
    const Boundary& b = generations[g].before;
    if (g > 0)
      FUZZ_CHECK(b.missingYears > 0 || !b.changes.empty() || b.nothingCompared,
                 "a new generation has a reason");
    seen += years.size();
  }
  FUZZ_CHECK(seen == vehicles, "every year is in one generation");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  orv::fuzz::FuzzInput in(bytes, size);
  const std::uint8_t pick = in.byte();
  const std::string_view toleranceText = in.part();
  const std::string_view typedText = in.part();
  const std::string_view data = in.rest();

  // Every record, and a year for each: a gap after every record whose pick bit is set.
  std::vector<ShownVehicle> vehicles;
  std::vector<std::size_t> opens;
  YearWalker walk(data);
  int year = kYear;
  for (YearRecord record; walk.nextRecord(record);) {
    ShownVehicle v = vehicleOf(VehicleRecord::fromYearRecord(record, year));
    year += 1 + ((pick >> (vehicles.size() % 8)) & 1);
    vehicles.push_back(std::move(v));
    opens.push_back(record.open + 1);
  }

  // The measures: WB, TF and TR, or every one; a tolerance from the input (never negative).
  const double tolerance = std::min(std::abs(numericReading(toleranceText)), 1.0e6);
  std::vector<Criterion> by;
  for (int f = A; f < WD; ++f) {
    const auto field = static_cast<Field>(f);
    const bool chosen = (pick & 0x80) ? true : (field == WB || field == TF || field == TR);
    if (chosen) by.push_back({field, (pick & 0x40) ? tolerance : defaultTolerance(field)});
  }

  // The reference: a record of the data (left out), or the input's value for every measure.
  SimilarResult result;
  result.by = by;
  result.units = (pick & 0x20) ? UnitSystem::Imperial : UnitSystem::Metric;
  result.typed = vehicles.empty() || (pick & 0x10);
  std::optional<std::size_t> leftOut;
  if (result.typed) {
    for (int f = A; f < WD; ++f) result.reference.values[f] = numericReading(typedText);
  } else {
    const std::size_t i = (pick & 0x0F) % vehicles.size();
    result.reference = vehicles[i];
    leftOut = opens[i];
  }
  auto year1 = matchYear(data, kYear, result.reference.values, by, leftOut);
  checkMatches(year1, vehicles.size());
  result.found = year1.found;
  result.lacking = year1.lacking;
  result.matches = std::move(year1.matches);
  result.files = {kYear, kYear, {kYear}};

  GenerationsResult generations;
  generations.by = defaultCriteria(kGenerationMeasures);
  generations.units = result.units;
  generations.generations = groupGenerations(vehicles, by);
  checkGenerations(generations.generations, vehicles.size());
  generations.files = result.files;
  if (generations.generations.empty()) generations.problem = "none";

  orv::fuzz::checkPage(similarPage(result, &generations, typedText));
  orv::fuzz::checkPage(generationsPage(generations, typedText));
  checkText(similarText(result, &generations, typedText));
  checkText(generationsText(generations, typedText));
  checkJson(similarJson(result, typedText));
  checkJson(generationsJson(generations, typedText));
  return 0;
}
