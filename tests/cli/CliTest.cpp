// orvane-cli run as a process over small hand-written data: what each command writes against
// pages written out by hand or the bytes its builders give for the same choice; every usage
// error (status 2, nothing written) and the window's messages (status 1); where -o may and
// may not write.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "DataFolder.h"
#include "ExpectedPage.h"
#include "core/Selection.h"
#include "output/compare/CompareOutput.h"
#include "output/sheet/DrawingFiles.h"
#include "output/sheet/SheetJson.h"
#include "output/sheet/SheetPage.h"
#include "output/similar/SimilarOutput.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;
using namespace expected;
using core::UnitSystem;
using output::Alignment;

struct CliRun {
  std::string out, err;
  int status = -1;
};

std::string shellQuoted(const std::string& text) {
  std::string out = "'";
  for (const char c : text) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

// The command line "report|model|--year|1995|..." (blanks belong to the values).
std::vector<std::string> line(const std::string& all) {
  std::vector<std::string> args;
  for (std::size_t at = 0; !all.empty();) {
    const std::size_t end = all.find('|', at);
    args.push_back(all.substr(at, end - at));
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return args;
}

std::string rec(const std::string& make, const std::string& model, const std::string& da = kDa) {
  return "<R>\r\n<MA>" + make + "</MA><MO>" + model + "</MO><DA>" + da + "</DA>\r\n</R>\r\n";
}

const std::string kUsageHint = "Try 'orvane-cli --help' for more information.\n";

class Cli : public DataFolder {
 protected:
  // Names in mixed case, as the window finds them too; in 1996 ALDER Spey 2dr is 3 cm longer
  // between the axles, beyond the ranges the search tests and a generation of its own.
  void SetUp() override {
    DataFolder::SetUp();
    ASSERT_FALSE(io_.path().empty());
    write("version.txt", "2018.2 Orvane data\r\n");
    write("Sp1995.txt",
          "SP1995\r\n" + rec("ALDER", "Spey 2dr") + rec("ALDER", "Tay") + rec("BIRCH", "Dee"));
    write("SP1996.TXT", rec("ALDER", "Spey 2dr", std::string(kDa).replace(30, 3, "268")));
  }

  // orvane-cli with `args`, started in the data folder; its output passes through files.
  CliRun run(const std::vector<std::string>& args) {
    std::string command = "cd " + shellQuoted(data_.path()) + " && " + shellQuoted(ORVANE_CLI);
    for (const auto& arg : args) command += " " + shellQuoted(arg);
    command += " >" + shellQuoted(io_ / "out") + " 2>" + shellQuoted(io_ / "err");
    const int raw = std::system(command.c_str());
    return {readBytes(io_ / "out"), readBytes(io_ / "err"), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
  }

  // Row `row` of `make` in `year`, read as the window reads it.
  core::Vehicle vehicle(const std::string& year, const std::string& make, std::size_t row) {
    core::Selection selection;
    selection.readYear(places_, year);
    selection.chooseRows(make, "");
    return selection.rows().vehicle(row);
  }

  TempFolder io_;
};

std::string yearPage(bool compact, const std::string& values) {
  const auto header = compact ? compactHeader : boxedHeader;
  const auto row = compact ? compactRow : boxedRow;
  return yearTop("1995", compact) + header("ALDER") + row("Spey 2dr") + values + row("Tay") +
         values + header("BIRCH") + row("Dee") + values + kYearEnd;
}

// The result file: header, the three models of 1995 with the given value columns, count.
std::string searchResult(const std::string& values) {
  const std::string b25(25, ' ');
  return "Year Make" + std::string(26, ' ') + " Model" + std::string(35, ' ') +
         "  WB     TWF    TWR\r\n" + "1995 ALDER" + b25 + " Spey 2dr" + std::string(32, ' ') +
         "  " + values + "1995 ALDER" + b25 + " Tay" + std::string(37, ' ') + "  " + values +
         "1995 BIRCH" + b25 + " Dee" + std::string(37, ' ') + "  " + values +
         "\r\n3    Models found\r\n";
}

// The reports, search, lists and export against pages written out by hand (the window's
// byte for byte); sheet, drawing, compare, similar and generations against their builders
// given what the options say. With -o the result is in the file.
TEST_F(Cli, writes_the_windows_pages_and_what_the_builders_give_for_the_options) {
  const auto tay = vehicle("1995", "ALDER", 1), spey96 = vehicle("1996", "ALDER", 0);
  const std::vector<core::Vehicle> pair{tay, spey96},
      four{vehicle("1995", "ALDER", 0), tay, vehicle("1995", "BIRCH", 0), spey96};
  const std::string sheetTay = "|--year|1995|--make| alder |--model|TAY";
  const std::string two = "compare|--vehicle|1995| alder |TAY|--vehicle|1996|ALDER|spey 2dr";
  const std::string fourArgs =
      "compare|--vehicle|1995|ALDER|spey 2DR|--vehicle|1995|ALDER|Tay|--vehicle|1995|birch|"
      "Dee|--vehicle|1996|ALDER|Spey 2dr";
  output::SimilarRequest typed, chosen;
  typed.typed[core::WB] = 265;
  typed.by = {{core::WB, 1}};
  chosen.vehicle = output::VehicleChoice{1995, "alder", "SPEY 2DR"};
  chosen.by = {{core::WB, 3}};
  chosen.units = UnitSystem::Imperial;
  const auto similar = output::findSimilar(chosen, places_, 2019);
  const auto generations =
      output::findGenerations({"ALDER", "Spey 2dr", {}, UnitSystem::Imperial}, places_, 2019);
  const auto metric = output::findGenerations({"ALDER", "spey 2dr", {}, {}}, places_, 2019);
  std::string years;
  for (int y = 1971; y <= 2019; ++y) years += std::to_string(y) + "\n";

  const std::pair<std::string, std::string> cases[] = {
      {"report|legend", legendPage()},
      {"report|history", head("ORV - Orvane - Version History") + "2018.2 Orvane data<BR>" + kEnd},
      // The heading shows the make as confirmed and the model as the selected row shows it.
      {"report|model|--year|1995|--make| alder |--model|SPEY 2DR",
       modelPage("1995 ALDER Spey 2dr", kModelMetric, "2064")},
      {"--data|.|report|model|--year|1995|--make|ALDER|--model|tay|--units|imperial",
       modelPage("1995 ALDER Tay", kModelImperial, "2064")},
      // Not in the row list once the group narrows it: head and end only.
      {"report|model|--year|1995|--make|ALDER|--model|Tay|--group|sp", kVersionHead + kEnd},
      {"report|make|--year|1995|--make|alder",
       makeTop("1995 ALDER") + makeRow("Spey 2dr", kPairsMetric, "55/45") +
           makeRow("Tay", kPairsMetric, "55/45") + makeBottom("Metric")},
      {"report|make|--year|1995|--make|ALDER|--group| spey |--units|imperial",
       makeTop("1995 ALDER") + makeRow("Spey 2dr", kPairsImperial, "55/45") +
           makeBottom("Imperial")},
      {"report|year|--year|1995", yearPage(true, kCompactMetric)},
      {"report|year|--year|1995|--layout|boxed|--units|imperial", yearPage(false, kBoxedImperial)},
      {"search|--wb|265|265|--tr| 151|151 ", searchResult("265.0  150.0  151.0 \r\n")},
      // 265, 150 and 151 cm are 104.33, 59.06 and 59.45 inches; 268 cm 105.59.
      {"search|--wb|104.3|104.4|--units|in", searchResult("104.3  59.1   59.4  \r\n")},
      {"list|years", years},
      {"list|makes|--year|1995", "ALDER\nBIRCH\n"},
      {"list|models|--year|1995|--make|alder|--group|T", "Tay\n"},
      {"export|--year|1995|--make|birch|--units|imperial",
       "Year,Make,Model,A,B,C,D,E,F,G,OL,OW,OH,WB,TF,TR,CW,WD,Measured\r\n"
       "1995,BIRCH,Dee,37.4,47.3,17.7,23.6,51.2,35.5,43.3,189.1,70.9,55.2,104.4,59.1,59.5,2992,"
       "55/45,2064\r\n"},
      {"sheet" + sheetTay, output::sheetPage(tay, UnitSystem::Metric, "2018.2")},
      {"-o|s.htm|sheet|--year|1995|--make|ALDER|--model|spey 2DR|--units|imperial|--format|html",
       output::sheetPage(four[0], UnitSystem::Imperial, "2018.2")},
      {"sheet" + sheetTay + "|--format|json|--group|t", output::sheetJson(tay, "2018.2")},
      {"drawing|--view|top|--format|svg|--units|imperial" + sheetTay,
       output::drawingFile(tay, output::View::Top, output::DrawingFormat::Svg, UnitSystem::Imperial,
                           "2018.2")},
      {"drawing|--view|side|--format|dxf" + sheetTay,
       output::drawingFile(tay, output::View::Side, output::DrawingFormat::Dxf, UnitSystem::Metric,
                           "2018.2")},
      {two, output::comparePage(pair, UnitSystem::Metric, Alignment::FrontAxle, "2018.2")},
      {"-o|cmp.htm|" + two + "|--align|front-end",
       output::comparePage(pair, UnitSystem::Metric, Alignment::FrontEnd, "2018.2")},
      {fourArgs + "|--units|imperial|--align|rear-axle",
       output::comparePage(four, UnitSystem::Imperial, Alignment::RearAxle, "2018.2")},
      {two + "|--format|json", output::compareJson(pair, "2018.2")},
      {fourArgs + "|--format|csv|--units|imperial", output::compareCsv(four, UnitSystem::Imperial)},
      {"similar|--wb|265|--format|json",
       output::similarJson(output::findSimilar(typed, places_, 2019), "2018.2")},
      {"similar|--year|1995|--make|alder|--model|SPEY 2DR|--by|wb|--tolerance|WB=3|--units|"
       "imperial|--format|text|-o|s.txt",
       output::similarText(similar, &generations, "2018.2")},
      {"generations|--make|ALDER|--model|spey 2dr", output::generationsPage(metric, "2018.2")},
  };
  for (const auto& [args, expected] : cases) {
    const auto r = run(line(args));
    const auto o = args.find("-o|");
    const std::string file = o == std::string::npos ? "" : line(args.substr(o))[1];
    EXPECT_EQ(r.err + std::to_string(r.status) + (file.empty() ? r.out : r.out + read(file)),
              "0" + expected)
        << args;
  }
}

// Usage errors, marked "orvane-cli:", end with the hint and status 2; the window's messages
// (the search window's every message is in its own test) with status 1. Neither writes the
// file -o names.
TEST_F(Cli, refuses_usage_errors_and_gives_the_windows_messages_writing_nothing) {
  fs::create_directory(data_ / "empty");
  const std::string tay = "|--year|1995|--make|alder|--model|Tay";
  const std::string one = "|--vehicle|1995|ALDER|Tay";
  const std::pair<std::string, std::string> usage[] = {
      {"", "no command given"},
      {"report|legend|--colour", "unknown option '--colour'"},
      {"search|--wb|250", "option '--wb' needs two values, FROM and TO"},
      {"report|make|--year|1995", "'report make' needs --make"},
      {"search|--wb|250.00|260", "--wb: '250.00' is longer than 5 characters"},
      {"--data|missing|list|years", "--data: 'missing' is not a folder"},
      {"sheet|--year|1990|--make|alder|--model|Tay",
       "no vehicle '1990 ALDER Tay': can not read specs for the year '1990'"},
      {"drawing|--view|top|--format|dxf|--year|1995|--make|alder|--model|Tay 2dr",
       "no vehicle '1995 ALDER Tay 2dr': ALDER of 1995 has no model Tay 2dr"},
      {"sheet" + tay + "|--group|sp",
       "no vehicle '1995 ALDER Tay': ALDER of 1995 has no model Tay in the group sp"},
      {"sheet|--year|1995|--make|alder|--model| ", "no vehicle '1995 ALDER': no model given"},
      {"sheet" + tay + "|--format|xml", "--format takes html or json here, not 'xml'"},
      {"sheet" + tay + "|--format|json|--units|imperial",
       "--format json is always metric: leave out --units imperial"},
      {"sheet" + tay + "|--view|top", "option '--view' does not apply to 'sheet'"},
      {"drawing|--view|top|--format|pdf" + tay, "--format takes svg or dxf here, not 'pdf'"},
      {"drawing|--format|svg" + tay, "'drawing' needs --view"},
      {"compare" + one,
       "'compare' takes 2 to 4 vehicles, each given as --vehicle YEAR MAKE MODEL, not 1"},
      {"compare" + one + "|--vehicle|1995|ROWAN|Tay",
       "no vehicle '1995 ROWAN Tay': 1995 has no make ROWAN"},
      {"compare" + one + one + "|--align|middle",
       "--align takes front-axle, front-end or rear-axle, not 'middle'"},
      {"compare" + one + "|--vehicle|1995|ALDER",
       "option '--vehicle' needs three values, YEAR MAKE MODEL"},
      {"similar", "'similar' needs either --year, --make and --model or typed values such as --wb"},
      {"similar|--year|1995|--make|ALDER", "'similar' needs --year, --make and --model together"},
      {"similar|--wb|265|266", "unknown command 'similar 266'"},
      {"similar|--wb|abc",
       "--wb takes a number of at most 10 characters, such as 265 or 265.5, not 'abc'"},
      {"similar|--wb|265|--by|WB,XX",
       "--by: 'XX' is no measure (A to G, OL, OW, OH, WB, TF, TR, CW)"},
      {"similar|--wb|265|--by|TF", "--by names TF, which has no typed value"},
      {"similar|--wb|265|--tolerance|WB=-1",
       "--tolerance: a tolerance cannot be negative ('WB=-1')"},
      {"similar|--wb|265|--tolerance|TF=1", "--tolerance: TF is not one of the measures compared"},
      {"similar|--wb|265|--tolerance|WB",
       "--tolerance takes MEASURE=VALUE items such as WB=1,CW=25, not 'WB'"},
      {"similar|--year|94|--make|A|--model|B", "--year takes a model year such as 1995, not '94'"},
      {"generations|--make|ALDER", "'generations' needs --model"},
  };
  const std::pair<std::string, std::string> messages[] = {
      {"report|year|--year|1990", "Can not read specs for this year."},
      {"report|make|--year|1995|--make| ", "No Make is selected."},
      {"--data|empty|report|history", "History file does not exist."},
      {"search|--tr|1|2|--tf|15O|160", "Starting Front track width must be numeric"},
      {"similar|--year|1995|--make|ALDER|--model|Usk", "No vehicle 1995 ALDER Usk was found."},
      {"generations|--make|ALDER|--model|Usk", "No year file holds ALDER Usk."},
  };
  const auto refused = [&](const std::string& args, const std::string& err, int status) {
    const auto r = run(line("-o|out.x" + (args.empty() ? "" : "|" + args)));
    EXPECT_EQ(r.err + std::to_string(r.status) + r.out, err + std::to_string(status)) << args;
    EXPECT_FALSE(fs::exists(data_ / "out.x")) << args;
  };
  for (const auto& [args, problem] : usage)
    refused(args, "orvane-cli: " + problem + "\n" + kUsageHint, 2);
  for (const auto& [args, message] : messages) refused(args, message + "\n", 1);
}

// -o writes through the one safe writer: that it never follows a link is TextWriter's test
// (core) and, for REPORT.TXT, the real window's (bad-input test).
TEST_F(Cli, output_file_replaces_a_file_but_no_data_file_and_reports_a_folder_it_cannot_write) {
  write("page.htm", std::string(100000, 'x'));
  const auto replaced = run({"-o", "page.htm", "report", "legend"});
  EXPECT_EQ(replaced.out + replaced.err + std::to_string(replaced.status), "0");
  EXPECT_EQ(read("page.htm"), legendPage());
  const auto data = run({"report", "legend", "-o", "sp1996.txt"});
  EXPECT_EQ(data.err + std::to_string(data.status),
            "orvane-cli: -o: 'sp1996.txt' is a data file and is not replaced\n" + kUsageHint + "2");
  EXPECT_TRUE(read("SP1996.TXT").starts_with("<R>"));

  // A folder that refuses new files: read-only for a user, and sysfs for root.
  fs::create_directory(data_ / "ro");
  fs::permissions(data_ / "ro", fs::perms::owner_read | fs::perms::owner_exec);
  const std::string file = ::geteuid() == 0 ? "/sys/orvane-cli-test.htm" : "ro/page.htm";
  const fs::path where = fs::path(file).is_absolute() ? fs::path(file) : data_ / file;
  const auto r = run({"report", "year", "--year", "1995", "-o", file});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_TRUE(r.err.starts_with("The file " + file + " can not be created: ")) << r.err;
  EXPECT_FALSE(fs::exists(where));
  fs::permissions(data_ / "ro", fs::perms::owner_all);
}

}  // namespace
}  // namespace orv::test
