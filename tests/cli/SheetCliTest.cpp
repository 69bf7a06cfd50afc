// orvane-cli sheet and drawing as processes: the vehicle the model report would show,
// written by the sheet's own builders; and every way of naming no vehicle, which is a
// usage error that names the vehicle and writes nothing.
#include <filesystem>

#include "CliProcess.h"
#include "ExpectedPage.h"
#include "core/Selection.h"
#include "output/sheet/DrawingFiles.h"
#include "output/sheet/SheetJson.h"
#include "output/sheet/SheetPage.h"

namespace orv::test {
namespace {

using core::UnitSystem;
using output::DrawingFormat;
using output::View;

// The command line "sheet|--year|1995|..." (blanks belong to the values) after `prefix`.
std::vector<std::string> line(std::string_view text, std::string_view prefix = "") {
  std::vector<std::string> args;
  const std::string all = std::string(prefix) + std::string(text);
  for (std::size_t at = 0;;) {
    const std::size_t end = all.find('|', at);
    args.push_back(all.substr(at, end - at));
    if (end == std::string::npos) return args;
    at = end + 1;
  }
}

class SheetCli : public CliProcess {
 protected:
  void SetUp() override {
    CliProcess::SetUp();
    write("version.txt", "2018.2 Orvane data\r\n");
    std::string year = "SP1995\r\n";
    for (const char* record : {"<MA>ALDER</MA><MO>Spey 2dr", "<MA>ALDER</MA><MO>Tay"})
      year += "<R>" + std::string(record) + "</MO><DA>" + expected::kDa + "</DA></R>\r\n";
    write("Sp1995.txt", year);
  }

  // Row `row` of ALDER in 1995, read as the window reads it.
  core::Vehicle alder(std::size_t row) {
    core::Selection selection;
    selection.readYear(places_, "1995");
    selection.chooseRows("ALDER", "");
    return selection.rows().vehicle(row);
  }
};

// The source's digest is sheet_json_test.py's, -o that of every command (CliTest).
TEST_F(SheetCli, writes_the_sheet_and_the_drawings_of_the_model_report_model) {
  const std::string tay = "|--year|1995|--make| alder |--model|TAY";
  const auto t = alder(1);
  const std::pair<std::string, std::string> cases[] = {
      {"sheet" + tay, output::sheetPage(t, UnitSystem::Metric, "2018.2")},
      {"sheet|--year|1995|--make|ALDER|--model|spey 2DR|--units|imperial|--format|html",
       output::sheetPage(alder(0), UnitSystem::Imperial, "2018.2")},
      {"sheet" + tay + "|--format|json|--group|t", output::sheetJson(t, "2018.2")},
      {"drawing|--view|top|--format|svg|--units|imperial" + tay,
       output::drawingFile(t, View::Top, DrawingFormat::Svg, UnitSystem::Imperial, "2018.2")},
      {"drawing|--view|side|--format|dxf" + tay,
       output::drawingFile(t, View::Side, DrawingFormat::Dxf, UnitSystem::Metric, "2018.2")},
  };
  for (const auto& [args, out] : cases) {
    const auto r = run(line(args));
    EXPECT_EQ(r.err + std::to_string(r.status) + r.out, "0" + out) << args;
  }
}

TEST_F(SheetCli, naming_no_vehicle_is_a_usage_error_and_writes_nothing) {
  const std::pair<std::string, std::string> cases[] = {
      {"sheet|--year|1990|--make|alder|--model|Tay",
       "no vehicle '1990 ALDER Tay': can not read specs for the year '1990'"},
      {"sheet|--year|1995|--make|oak|--model| Tay ",
       "no vehicle '1995 OAK Tay': 1995 has no make OAK"},
      {"drawing|--view|top|--format|dxf|--year|1995|--make|alder|--model|Tay 2dr",
       "no vehicle '1995 ALDER Tay 2dr': ALDER of 1995 has no model Tay 2dr"},
      {"sheet|--year|1995|--make|alder|--model|Tay|--group|sp",
       "no vehicle '1995 ALDER Tay': ALDER of 1995 has no model Tay in the group sp"},
      {"sheet|--year|1995|--make|alder|--model| ", "no vehicle '1995 ALDER': no model given"},
      {"sheet|--year|1995|--make|alder|--model|Tay|--format|xml",
       "--format takes html or json here, not 'xml'"},
      {"sheet|--year|1995|--make|alder|--model|Tay|--format|json|--units|imperial",
       "--format json is always metric: leave out --units imperial"},
      {"sheet|--year|1995|--make|alder|--model|Tay|--view|top",
       "option '--view' does not apply to 'sheet'"},
      {"drawing|--view|front|--format|svg|--year|1995|--make|alder|--model|Tay",
       "--view takes top or side here, not 'front'"},
      {"drawing|--view|top|--format|pdf|--year|1995|--make|alder|--model|Tay",
       "--format takes svg or dxf here, not 'pdf'"},
      {"drawing|--format|svg|--year|1995|--make|alder|--model|Tay", "'drawing' needs --view"},
  };
  for (const auto& [args, message] : cases) {
    const auto r = run(line(args, "-o|out.x|"));
    EXPECT_EQ(r.err + r.out + std::to_string(r.status),
              "orvane-cli: " + message + "\nTry 'orvane-cli --help' for more information.\n2");
    EXPECT_FALSE(std::filesystem::exists(data_ / "out.x")) << message;
  }
}

}  // namespace
}  // namespace orv::test
