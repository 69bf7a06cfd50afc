// The generations of a model over small year files, grouped by hand: a redesign, a measure
// missing for a year, a year without the model, a year without any measure.
#include "SimilarFolder.h"
#include "output/similar/Generations.h"

namespace orv::output::testing {
namespace {

// Each generation as "first-last", then what began it: "+N" missing years, "?" nothing
// compared, and each change as "WB 265>268".
std::vector<std::string> runsOf(const GenerationsResult& result) {
  std::vector<std::string> out;
  for (const auto& g : result.generations) {
    std::string line =
        std::to_string(g.years.front().year) + "-" + std::to_string(g.years.back().year);
    if (g.before.missingYears > 0) line += " +" + std::to_string(g.before.missingYears);
    if (g.before.nothingCompared) line += " ?";
    for (const auto& c : g.before.changes)
      line += " " + std::string(codeOf(c.field)) + " " + jsonNumber(c.before) + ">" +
              jsonNumber(c.after);
    out.push_back(line);
  }
  return out;
}

class Generations : public SimilarFolder {};

TEST_F(Generations, a_change_beyond_tolerance_a_missing_year_or_no_measure_starts_one) {
  writeYear(1990, vehicle("ALDER", "Spey", "265", "150", "148"));
  // The first record of the name counts; the names are trimmed, letter case ignored.
  writeYear(1991, vehicle("BIRCH", "Spey", "300", "150", "148") +
                      vehicle(" alder ", " SPEY ", "265", "151", "148") +
                      vehicle("ALDER", "Spey", "300", "150", "148"));
  writeYear(1992, vehicle("ALDER", "Spey", "268", "151", "148"));         // WB +3: a redesign
  writeYear(1993, vehicle("ALDER", "Spey", "268", "   ", "148", "481"));  // TF skipped
  writeYear(1994, vehicle("ALDER", "Spey", "268", "153", "148", "481"));  // TF 151 to 153
  writeYear(1995, vehicle("ALDER", "Spey Wagon", "268", "153", "148", "481"));
  writeYear(1996, vehicle("ALDER", "Spey", "268", "153", "148", "481"));  // after a gap
  writeYear(1997, vehicle("ALDER", "Spey", "   ", "N/A", "-1 ", "   "));
  writeYear(1998, vehicle("ALDER", "Spey", "268", "153", "148", "481"));
  const GenerationsRequest request{"Alder ", "spey", {}, core::UnitSystem::Metric};
  const auto result = findGenerations(request, places_, 2000);
  EXPECT_EQ(result.make, "ALDER");
  EXPECT_EQ(result.model, "Spey");
  EXPECT_EQ(runsOf(result),
            (std::vector<std::string>{"1990-1991", "1992-1993 WB 265>268", "1994-1994 TF 151>153",
                                      "1996-1996 +1", "1997-1997 ?", "1998-1998 ?"}));
  EXPECT_EQ(runsOf(findGenerations(request, places_, 2000, 1)), runsOf(result));

  // A wider tolerance joins the redesign and the TF step; the gap and the blank year stay.
  const GenerationsRequest wide{"ALDER", "SPEY", {{core::WB, 3}, {core::TF, 2}}, {}};
  EXPECT_EQ(runsOf(findGenerations(wide, places_, 2000)),
            (std::vector<std::string>{"1990-1994", "1996-1996 +1", "1997-1997 ?", "1998-1998 ?"}));

  const GenerationsRequest none{"ALDER", "Tay", {}, {}};
  EXPECT_EQ(findGenerations(none, places_, 2000).problem, "No year file holds ALDER Tay.");
}

}  // namespace
}  // namespace orv::output::testing
