// The model report: one model's fifteen measurements and the year they were taken.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExpectedPage.h"
#include "output/reports/ModelReport.h"

namespace orv {

using namespace orv::output;
namespace {

using expected::kDa;

std::string record(const std::string& model, const std::string& da) {
  return "<MA>ALDER</MA><MO>" + model + "</MO><DA>" + da + "</DA>";
}

using expected::modelPage;

// The whole pages of kDa in both unit systems are compared through orvane-cli (cli tests);
// fuzz_numbers checks that a missing value shows N/A in either unit system.
TEST(model_report, record_without_dimensions_shows_na) {
  const std::vector<std::string> bare{"<MA>ALDER</MA><MO>Tay</MO>"};
  EXPECT_EQ(modelReportPage(" 1995 ", "ALDER ", " Tay", expected::rowsOf(bare),
                            core::UnitSystem::Imperial, "2018.2"),
            modelPage("1995 ALDER Tay", std::vector<std::string>(15, "N/A"), "  "));
}

TEST(model_report, measurement_year_gets_its_century_from_the_two_digits) {
  const std::pair<std::string, std::string> cases[] = {
      {"64", "2064"}, {"65", "1965"}, {"AB", "20AB"},  // not a number: reads 0, so the 2000s
      {"  ", "  "},                                    // blank: no century, the blanks themselves
      {"", ""},  // a string of 48 characters has no year at all
  };
  for (const auto& [tail, line] : cases) {
    const std::vector<std::string> rows{record("Tay", kDa.substr(0, 48) + tail)};
    const std::string page = modelReportPage("1995", "ALDER", "Tay", expected::rowsOf(rows),
                                             core::UnitSystem::Metric, "2018.2");
    EXPECT_TRUE(
        page.ends_with("<BR><BR>Measurements obtained in year: " + line + "\r\n" + expected::kEnd))
        << "tail '" << tail << "'";
  }
}

// A name not in the rows gives head and end only: orvane-cli's model report narrowed by a group.
TEST(model_report, first_record_of_the_name_wins) {
  const std::vector<std::string> rows{record("Dee", kDa), record("  spey 2DR ", kDa),
                                      record("Spey 2dr", " 96" + kDa.substr(3)),
                                      "<MA>ALDER</MA><DA>" + kDa + "</DA>"};
  const std::string page = modelReportPage("1995", "ALDER", "SPEY 2dr", expected::rowsOf(rows),
                                           core::UnitSystem::Metric, "2018.2");
  // The heading names the model as the grid cell has it, and the values are the first match's.
  EXPECT_NE(page.find("<B>1995 ALDER SPEY 2dr</B>"), std::string::npos);
  EXPECT_NE(page.find("<td width=100>95 cm</td>"), std::string::npos);
  EXPECT_EQ(page.find("96 cm"), std::string::npos);
}

}  // namespace
}  // namespace orv
