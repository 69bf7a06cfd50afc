// orvane-cli sheet and drawing as processes: the vehicle the model report would show,
// written by the sheet's own builders; and every way of naming no vehicle, which is a
// usage error that names the vehicle and writes nothing.
#include <filesystem>

#include "CliProcess.h"
#include "ExpectedPage.h"
#include "core/Selection.h"
#include "core/Sha256.h"
#include "output/sheet/DrawingFiles.h"
#include "output/sheet/SheetJson.h"
#include "output/sheet/SheetPage.h"

namespace orv::test {
namespace {

using core::UnitSystem;
using output::DrawingFormat;
using output::View;

// A year file of (make, model) records, each with the report tests' dimension string.
std::string yearFile(std::initializer_list<std::pair<std::string, std::string>> records) {
  std::string text = "SP1995\r\n";
  for (const auto& [make, model] : records)
    text += "<R><MA>" + make + "</MA><MO>" + model + "</MO><DA>" + expected::kDa + "</DA></R>\r\n";
  return text;
}

const std::string kUsageHint = "\nTry 'orvane-cli --help' for more information.\n";

class SheetCli : public CliProcess {
 protected:
  void SetUp() override {
    CliProcess::SetUp();
    write("version.txt", "2018.2 Orvane data\r\n");
    write("Sp1995.txt", yearFile({{"ALDER", "Spey 2dr"}, {"ALDER", "Tay"}, {"BIRCH", "Dee"}}));
  }

  // Row `row` of ALDER in 1995, read as the window reads it.
  core::Vehicle alder(std::size_t row) {
    const core::Places places(data_.path(), data_.path(), data_.path());
    core::Selection selection;
    selection.readYear(places, "1995");
    selection.chooseRows("ALDER", "");
    return selection.rows().vehicle(row);
  }
};

TEST_F(SheetCli, writes_the_sheet_and_the_drawings_of_the_model_report_model) {
  const std::vector<std::string> tay{"--year", "1995", "--make", " alder ", "--model", "TAY"};
  const auto with = [&](std::vector<std::string> head, std::vector<std::string> tail = {}) {
    head.insert(head.end(), tay.begin(), tay.end());
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
  };
  const auto t = alder(1);
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {with({"sheet"}), output::sheetPage(t, UnitSystem::Metric, "2018.2")},
      {{"sheet", "--year", "1995", "--make", "ALDER", "--model", "spey 2DR", "--units", "imperial",
        "--format", "html"},
       output::sheetPage(alder(0), UnitSystem::Imperial, "2018.2")},
      {with({"sheet"}, {"--format", "json", "--group", "t"}), output::sheetJson(t, "2018.2")},
      {with({"drawing", "--view", "top", "--format", "svg"}, {"--units", "imperial"}),
       output::drawingFile(t, View::Top, DrawingFormat::Svg, UnitSystem::Imperial, "2018.2")},
      {with({"drawing", "--view", "side", "--format", "dxf"}),
       output::drawingFile(t, View::Side, DrawingFormat::Dxf, UnitSystem::Metric, "2018.2")},
  };
  for (const auto& [args, out] : cases) {
    const auto r = run(args);
    EXPECT_EQ(r.err + std::to_string(r.status), "0") << args[0];
    EXPECT_EQ(r.out, out) << args[0];
  }
  // The source: the file as found on disk, the digest of its every byte.
  const std::string json = run(with({"sheet"}, {"--format", "json"})).out;
  EXPECT_NE(json.find("\"file\": \"Sp1995.txt\",\n    \"sha256\": \"" +
                      core::sha256Hex(readBytes(data_ / "Sp1995.txt")) + "\""),
            std::string::npos);

  const auto r = run(with({"-o", "tay.svg", "drawing", "--view", "top", "--format", "svg"}));
  EXPECT_EQ(r.out + r.err + std::to_string(r.status), "0");
  EXPECT_EQ(readBytes(data_ / "tay.svg"),
            output::drawingFile(t, View::Top, DrawingFormat::Svg, UnitSystem::Metric, "2018.2"));
}

TEST_F(SheetCli, naming_no_vehicle_is_a_usage_error_and_writes_nothing) {
  const auto sheet = [](std::string year, std::string make, std::string model) {
    return std::vector<std::string>{"sheet", "--year", year, "--make", make, "--model", model};
  };
  auto drawing = sheet("1995", "alder", "tay");
  drawing[0] = "drawing";
  const auto plus = [](std::vector<std::string> args, std::vector<std::string> more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
  };
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {sheet("1990", "alder", "Tay"),
       "no vehicle '1990 ALDER Tay': can not read specs for the year '1990'"},
      {sheet("1995", "oak", " Tay "), "no vehicle '1995 OAK Tay': 1995 has no make OAK"},
      {sheet("1995", "alder", "Tay 2dr"),
       "no vehicle '1995 ALDER Tay 2dr': ALDER of 1995 has no model Tay 2dr"},
      {plus(sheet("1995", "alder", "Tay"), {"--group", "sp"}),
       "no vehicle '1995 ALDER Tay': ALDER of 1995 has no model Tay in the group sp"},
      {sheet("1995", "alder", " "), "no vehicle '1995 ALDER': no model given"},
      {plus(sheet("1995", "alder", "Tay"), {"--format", "xml"}),
       "--format takes html or json here, not 'xml'"},
      {plus(sheet("1995", "alder", "Tay"), {"--format", "json", "--units", "imperial"}),
       "--format json is always metric: leave out --units imperial"},
      {plus(sheet("1995", "alder", "Tay"), {"--view", "top"}),
       "option '--view' does not apply to 'sheet'"},
      {plus(drawing, {"--view", "front", "--format", "svg"}),
       "--view takes top or side here, not 'front'"},
      {plus(drawing, {"--view", "top", "--format", "pdf"}),
       "--format takes svg or dxf here, not 'pdf'"},
      {plus(drawing, {"--format", "svg"}), "'drawing' needs --view"},
  };
  for (const auto& [args, message] : cases) {
    const auto r = run(plus(args, {"-o", "out.x"}));
    EXPECT_EQ(r.err, "orvane-cli: " + message + kUsageHint) << message;
    EXPECT_EQ(r.out + std::to_string(r.status), "2") << message;
    EXPECT_FALSE(std::filesystem::exists(data_ / "out.x")) << message;
  }
  drawing.insert(drawing.end(), {"--view", "top", "--format", "dxf"});
  drawing[6] = "Dee";
  EXPECT_EQ(run(drawing).err,
            "orvane-cli: no vehicle '1995 ALDER Dee': ALDER of 1995 has no model Dee" + kUsageHint);
}

}  // namespace
}  // namespace orv::test
