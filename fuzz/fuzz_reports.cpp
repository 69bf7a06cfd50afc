// The model, make and year report builders over arbitrary year data, in both unit systems
// and both year layouts. Input: a pick byte, the year text, the version text, then the data.
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "PageCheck.h"
#include "core/RowList.h"
#include "core/YearWalk.h"
#include "output/reports/MakeReport.h"
#include "output/reports/ModelReport.h"
#include "output/reports/YearReport.h"

using namespace orv::core;
using namespace orv::output;

namespace {

void checkYearReport(std::string_view data, std::string_view year, UnitSystem unit, bool compact) {
  std::string page;
  std::size_t pieces = 0;
  const bool written = writeYearReport(data, year, unit, compact, [&](std::string_view p) {
    page += p;
    ++pieces;
    return true;
  });
  FUZZ_CHECK(written, "a year report whose pieces are all taken is complete");
  orv::fuzz::checkPage(page);
  // A sink that refuses a piece stops the report, which then says so.
  std::size_t taken = 0;
  const std::size_t refused = pieces / 2;
  FUZZ_CHECK(!writeYearReport(data, year, unit, compact,
                              [&](std::string_view) { return taken++ < refused; }),
             "a refused piece fails the report");
  FUZZ_CHECK(taken == refused + 1, "no piece follows the refused one");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  orv::fuzz::FuzzInput in(bytes, size);
  const std::uint8_t pick = in.byte();
  const std::string_view year = in.part();
  const std::string_view version = in.part();
  const std::string_view data = in.rest();

  const auto makes = makeNames(data);
  const std::string make = makes.empty() ? std::string(year) : makes[(pick & 0x3F) % makes.size()];
  const auto yearData = yearDataOf(std::string(data));
  const auto rows = rowList(yearData, make, "");
  // A model of the row list, or one that is not there.
  const std::string_view model =
      rows.empty() ? std::string_view("X") : rows[(pick & 0x3F) % rows.size()].shownModel();

  // The pick byte also chooses the unit system and the year layout: one of each per input
  // keeps the target fast.
  const UnitSystem unit = (pick & 0x40) ? UnitSystem::Imperial : UnitSystem::Metric;
  const bool compact = (pick & 0x80) != 0;
  orv::fuzz::checkPage(makeReportPage(year, make, rows, unit, version));
  const std::string page = modelReportPage(year, make, model, rows, unit, version);
  orv::fuzz::checkPage(page);
  const bool found = reportedRecord(rows, model).has_value();
  FUZZ_CHECK(found == (page.find("<CENTER><B>") != std::string::npos),
             "the model page has a heading exactly when the model is found");
  checkYearReport(data, year, unit, compact);
  return 0;
}
