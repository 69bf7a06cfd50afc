// orvane-cli as a process over small hand-written data: its pages and results against pages
// written out by hand, its messages and exit statuses, and where -o may and may not write.
#include <unistd.h>

#include <filesystem>

#include "CliProcess.h"
#include "ExpectedPage.h"

namespace orv::test {
namespace {

namespace fs = std::filesystem;
using namespace expected;

std::string rec(const std::string& make, const std::string& model) {
  return "<R>\r\n<MA>" + make + "</MA><MO>" + model + "</MO><DA>" + kDa + "</DA>\r\n</R>\r\n";
}

const std::string kUsageHint = "Try 'orvane-cli --help' for more information.\n";

class Cli : public CliProcess {
 protected:
  // Names in mixed case, as the window finds them too.
  void SetUp() override {
    CliProcess::SetUp();
    write("version.txt", "2018.2 Orvane data\r\n");
    write("Sp1995.txt",
          "SP1995\r\n" + rec("ALDER", "Spey 2dr") + rec("ALDER", "Tay") + rec("BIRCH", "Dee"));
  }
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

TEST_F(Cli, pages_and_results_are_the_windows_byte_for_byte) {
  const std::vector<std::string> model{"report", "model", "--year", "1995", "--make", " alder "};
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"report", "legend"}, legendPage()},
      {{"report", "history"},
       head("ORV - Orvane - Version History") + "2018.2 Orvane data<BR>" + kEnd},
      // The heading shows the make as confirmed and the model as the selected row shows it.
      {{"report", "model", "--year", "1995", "--make", " alder ", "--model", "SPEY 2DR"},
       modelPage("1995 ALDER Spey 2dr", kModelMetric, "2064")},
      {{"--data", ".", "report", "model", "--year", "1995", "--make", "ALDER", "--model", "tay",
        "--units", "imperial"},
       modelPage("1995 ALDER Tay", kModelImperial, "2064")},
      // Not in the row list once the group narrows it: head and end only.
      {{"report", "model", "--year", "1995", "--make", "ALDER", "--model", "Tay", "--group", "sp"},
       kVersionHead + kEnd},
      {{"report", "make", "--year", "1995", "--make", "alder"},
       makeTop("1995 ALDER") + makeRow("Spey 2dr", kPairsMetric, "55/45") +
           makeRow("Tay", kPairsMetric, "55/45") + makeBottom("Metric")},
      {{"report", "make", "--year", "1995", "--make", "ALDER", "--group", " spey ", "--units",
        "imperial"},
       makeTop("1995 ALDER") + makeRow("Spey 2dr", kPairsImperial, "55/45") +
           makeBottom("Imperial")},
      {{"report", "year", "--year", "1995"}, yearPage(true, kCompactMetric)},
      {{"report", "year", "--year", "1995", "--layout", "boxed", "--units", "imperial"},
       yearPage(false, kBoxedImperial)},
      {{"search", "--wb", "265", "265", "--tr", " 151", "151 "},
       searchResult("265.0  150.0  151.0 \r\n")},
      // 265, 150 and 151 cm are 104.33, 59.06 and 59.45 inches.
      {{"search", "--wb", "104.3", "104.4", "--units", "in"},
       searchResult("104.3  59.1   59.4  \r\n")},
      {{"list", "makes", "--year", "1995"}, "ALDER\nBIRCH\n"},
      {{"list", "models", "--year", "1995", "--make", "alder", "--group", "T"}, "Tay\n"},
      {{"export", "--year", "1995", "--make", "birch", "--units", "imperial"},
       "Year,Make,Model,A,B,C,D,E,F,G,OL,OW,OH,WB,TF,TR,CW,WD,Measured\r\n"
       "1995,BIRCH,Dee,37.4,47.3,17.7,23.6,51.2,35.5,43.3,189.1,70.9,55.2,104.4,59.1,59.5,2992,"
       "55/45,2064\r\n"},
  };
  for (const auto& [args, out] : cases) {
    const auto r = run(args);
    EXPECT_EQ(r.out, out) << args[0] << " " << args[1];
    EXPECT_EQ(r.err + std::to_string(r.status), "0") << args[1];
  }
  std::string years;
  for (int y = 1971; y <= 2019; ++y) years += std::to_string(y) + "\n";
  EXPECT_EQ(run({"list", "years"}).out, years);
}

// The window's messages end with status 1 (the search window's every message is in its own
// test); usage errors, marked "orvane-cli:", with status 2 and the hint.
TEST_F(Cli, messages_go_to_standard_error_with_their_exit_status) {
  fs::create_directory(data_ / "empty");
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"report", "year", "--year", "1990"}, "Can not read specs for this year."},
      {{"report", "make", "--year", "1995", "--make", " "}, "No Make is selected."},
      {{"--data", "empty", "report", "history"}, "History file does not exist."},
      {{"search", "--tr", "1", "2", "--tf", "15O", "160"},
       "Starting Front track width must be numeric"},
      {{"report", "legend", "--colour"}, "orvane-cli: unknown option '--colour'"},
      {{"search", "--wb", "250"}, "orvane-cli: option '--wb' needs two values, FROM and TO"},
      {{"report", "make", "--year", "1995"}, "orvane-cli: 'report make' needs --make"},
      {{"search", "--wb", "250.00", "260"},
       "orvane-cli: --wb: '250.00' is longer than 5 characters"},
      {{"--data", "missing", "list", "years"}, "orvane-cli: --data: 'missing' is not a folder"},
      {{"report", "legend", "-o", "SP1995.TXT"},
       "orvane-cli: -o: 'SP1995.TXT' is a data file and is not replaced"},
      {{}, "orvane-cli: no command given"},
  };
  for (const auto& [args, message] : cases) {
    const auto r = run(args);
    const bool usage = message.starts_with("orvane-cli:");
    EXPECT_EQ(r.err, message + "\n" + (usage ? kUsageHint : "")) << message;
    EXPECT_EQ(r.status, usage ? 2 : 1) << message;
    EXPECT_EQ(r.out, "") << message;
  }
}

// Exactly 2000 hits are the scan's test; the 2001st stops the search with the message and
// status 1, and the result is still written.
TEST_F(Cli, search_stopped_at_the_2001st_hit_says_so_and_still_writes_the_result) {
  std::string year;
  for (int i = 0; i < 1999; ++i) year += rec("ALDER", "Tay");  // and the fixture's three
  write("SP2000.TXT", year);
  const auto r = run({"search", "-o", "REPORT.TXT"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out + r.err,
            "The search returned over 2000 hits and has been automatically stopped.  Use smaller "
            "ranges and try again.\n");
  EXPECT_TRUE(read("REPORT.TXT").ends_with("  265.0  150.0  151.0 \r\n\r\n2001 Models found\r\n"));
}

// -o writes through the one safe writer: that it never follows a link is TextWriter's test
// (core) and, for REPORT.TXT, the real window's (bad-input test).
TEST_F(Cli, output_file_replaces_a_file_and_reports_a_folder_it_cannot_write) {
  write("page.htm", std::string(100000, 'x'));
  const auto replaced = run({"-o", "page.htm", "report", "legend"});
  EXPECT_EQ(replaced.out + replaced.err + std::to_string(replaced.status), "0");
  EXPECT_EQ(read("page.htm"), legendPage());

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
