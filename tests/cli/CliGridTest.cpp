// The CSV export holds what the main window's grid shows, row by row, for every make of a
// generated year, in both unit systems.
#include <map>

#include "CliProcess.h"
#include "SampleData.h"
#include "SpecsFixture.h"
#include "Text.h"

namespace orv::testing {
namespace {

using Rows = std::vector<std::string>;

// A grid value as the export writes it: trimmed, "N/A" left empty.
std::string shown(std::string_view value) {
  const auto t = trimBlanks(value);
  return t == "N/A" ? std::string() : std::string(t);
}

class CliGrid : public SpecsFixture {
 protected:
  // Row `r` as the first 18 export columns: year, make, model, then A ... WD from the cells
  // (each cell holds a lettered value over a main dimension).
  std::string gridRow(const std::string& make, int r) {
    std::string upper[8], lower[8];
    for (int c = 0; c < 8; ++c) {
      const std::string text = cell(c + 1, r);
      const auto cut = text.find("\r\n");
      upper[c] = shown(text.substr(0, cut));
      lower[c] = cut == std::string::npos ? "" : shown(text.substr(cut + 2));
    }
    const std::string values[] = {upper[0], upper[1], upper[2], upper[3], upper[4],
                                  upper[5], upper[6], lower[1], lower[2], lower[3],
                                  lower[0], lower[5], lower[6], lower[4], lower[7]};
    std::string row = "2019," + make + "," + std::string(trimBlanks(model(r)));
    for (const auto& v : values) row += "," + v;
    return row;
  }
};

TEST_F(CliGrid, export_values_equal_the_grid_for_every_make) {
  writeData("VERSION.TXT", sample::versionText(2019));
  writeData("SP2019.TXT", sample::yearText(2019));
  test::TempFolder io;
  const std::pair<const char*, const char*> systems[] = {{"Metric", "metric"},
                                                         {"Imperial", "imperial"}};
  for (const auto& [units, option] : systems) {
    // The export of the whole year, rows grouped by make, the measurement year left out.
    const auto run = test::runCli(places_->currentFolder(), io.path(),
                                  {"export", "--year", "2019", "--units", option});
    ASSERT_EQ(run.status, 0) << run.err;
    std::map<std::string, Rows> exported;
    for (std::size_t at = run.out.find("\r\n") + 2; at < run.out.size();) {
      const auto end = run.out.find("\r\n", at);
      const std::string line = run.out.substr(at, end - at);
      const auto make = line.substr(5, line.find(',', 5) - 5);
      exported[make].push_back(line.substr(0, line.rfind(',')));
      at = end + 2;
    }
    writeProgram("UNITS.TXT", units);
    start(2019);
    w().S_MAKE->userDropDown();
    const Rows makes = w().S_MAKE->items();
    ASSERT_GT(makes.size(), 5u);
    for (const auto& make : makes) {
      chooseMake(make);
      const int n = w().S_LIST->count();
      Rows rows;
      for (int i = 0; i < n; ++i) {
        const int top = std::min(i, std::max(0, n - SpecsWindow::kGridRows));
        w().S_SCROLL->userScroll(top);
        rows.push_back(gridRow(make, i - top));
      }
      EXPECT_EQ(exported[make], rows) << make << " " << units;
    }
  }
}

}  // namespace
}  // namespace orv::testing
