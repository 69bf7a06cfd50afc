// The make report: the row list in one table with paired values, then the unit system.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExpectedPage.h"
#include "output/reports/MakeReport.h"

namespace orv {

using namespace orv::output;
namespace {

using expected::kDa;

const std::string kTop = expected::makeTop(" 1995 ALDER ");
using expected::makeBottom;
using expected::makeRow;

// Both units lines are in orvane-cli's make pages (cli tests).
TEST(make_report, empty_row_list_gives_the_header_row_and_the_units_line) {
  EXPECT_EQ(makeReportPage(" 1995", "ALDER ", core::RowList(), core::UnitSystem::Metric, "2018.2"),
            kTop + makeBottom("Metric"));
}

// The metric page of kDa is compared through orvane-cli (cli tests).
TEST(make_report, imperial_values_and_missing_fields_and_names) {
  // Second record: A "N/A", B "-1", C blank, WD blank, no model; third: no dimensions.
  const std::string gaps = "N/A -1   " + kDa.substr(9, 34) + "     64";
  const std::vector<std::string> rows{"<MA>ALDER</MA><MO>Spey</MO><DA>" + kDa + "</DA>",
                                      "<MA>ALDER</MA><DA>" + gaps + "</DA>",
                                      "<MA>ALDER</MA><MO>Dee</MO>"};
  EXPECT_EQ(makeReportPage(" 1995", "ALDER ", expected::rowsOf(rows), core::UnitSystem::Imperial,
                           "2018.2"),
            kTop + makeRow("Spey", expected::kPairsImperial, "55/45") +
                makeRow("",
                        {"N/A", "104.4", "N/A", "189.1", "N/A", "70.9", "23.6", "55.2", "51.2",
                         "2992", "35.5", "59.1", "43.3", "59.5"},
                        "N/A") +
                makeRow("Dee", std::vector<std::string>(14, "N/A"), "N/A") +
                makeBottom("Imperial"));
}

}  // namespace
}  // namespace orv
