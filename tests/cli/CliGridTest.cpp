// The CSV export holds what the main window's grid shows for one make of the sample year, in
// both unit systems: the two layers compute their values apart.
#include "CliProcess.h"
#include "SampleData.h"
#include "SpecsFixture.h"
#include "core/Text.h"

namespace orv::testing {

using namespace orv::core;
using namespace orv::windows;
namespace {

// The grid cell and line (0 upper, 1 lower; "N/A" left empty) of each export column A ... WD.
constexpr std::pair<int, int> kCells[] = {{1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0},
                                          {6, 0}, {7, 0}, {2, 1}, {3, 1}, {4, 1},
                                          {1, 1}, {6, 1}, {7, 1}, {5, 1}, {8, 1}};

class CliGrid : public SpecsFixture {};

TEST_F(CliGrid, export_values_equal_the_grid_for_one_make_in_both_unit_systems) {
  writeData("VERSION.TXT", sample::versionText(2019));
  writeData("SP2019.TXT", sample::yearText(2019));
  test::TempFolder io;
  for (const auto& [units, option] : {std::pair{"Metric", "metric"}, {"Imperial", "imperial"}}) {
    test::writeBytes(root_ / "program" / "UNITS.TXT", units);
    start(2019);
    w().S_MAKE->userDropDown();
    const std::string make = w().S_MAKE->items().at(1);
    chooseMake(make);
    std::string grid = "Year,Make,Model,A,B,C,D,E,F,G,OL,OW,OH,WB,TF,TR,CW,WD,Measured\r\n";
    for (int i = 0, n = w().S_LIST->count(); i < n; ++i) {
      const int top = std::min(i, std::max(0, n - SpecsWindow::kGridRows));
      w().S_SCROLL->userScroll(top);
      grid += "2019," + make + "," + std::string(trimBlanks(model(i - top)));
      for (const auto& [column, line] : kCells) {
        const std::string text = cell(column, i - top);
        const auto cut = std::min(text.find("\r\n"), text.size());
        const std::string part =
            line ? text.substr(std::min(cut + 2, text.size())) : text.substr(0, cut);
        const auto value = trimBlanks(part);
        grid += "," + std::string(value == "N/A" ? "" : value);
      }
      grid += ",\n";  // the measurement year is not in the grid
    }
    const auto run = test::runCli(root_ / "data", io.path(),
                                  {"export", "--year", "2019", "--make", make, "--units", option});
    ASSERT_EQ(run.status, 0) << run.err;
    std::string exported;  // without the measurement years
    for (std::size_t at = 0, end; (end = run.out.find("\r\n", at)) != std::string::npos;
         at = end + 2)
      exported += at ? run.out.substr(at, run.out.rfind(',', end) + 1 - at) + "\n"
                     : run.out.substr(0, end + 2);
    EXPECT_EQ(exported, grid) << units;
  }
}

}  // namespace
}  // namespace orv::testing
