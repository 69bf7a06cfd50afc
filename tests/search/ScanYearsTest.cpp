// The scan over the year files, against real files in a temporary current folder.
#include <gtest/gtest.h>

#include <vector>

#include "SearchRecords.h"
#include "output/search/SearchScan.h"

namespace orv::output::testing {

using namespace orv::core;
using namespace orv::output;
namespace {

const RangeTexts kAllBlank{"", "", "", "", "", ""};
using Lines = std::vector<std::string>;
// The value columns of the usual record, and of a record without dimensions.
const std::string k265 = "265.0  150.0  148.0 ";
const std::string kZeros = "0.0    0.0    0.0   ";

// Each hit line in short: year, make (trimmed), '|', then the value columns as written.
Lines hitsOf(const std::string& text) {
  Lines hits;
  for (auto at = text.find("\r\n") + 2; text.compare(at, 2, "\r\n") != 0; at += 100)
    hits.push_back(text.substr(at, text.find_last_not_of(' ', at + 35) + 1 - at) + "|" +
                   text.substr(at + 78, 20));
  return hits;
}

class ScanYears : public test::DataFolder {
 protected:
  // The scan on every core; the sequential walk and more threads than cores (their results
  // wait in turn) must give the same bytes. fuzz_search checks this for any one year file.
  SearchResult scan(const RangeTexts& boxes, UnitSystem units = UnitSystem::Metric,
                    int lastYear = 2000) {
    auto result = scanYears(boxes, units, places_, lastYear);
    for (const int threads : {1, 3})
      EXPECT_EQ(scanYears(boxes, units, places_, lastYear, threads).text, result.text) << threads;
    return result;
  }
};

// A missing make or model reads "-1", long names are cut to their columns and a line break
// inside a name is a blank, so every hit line is 98 characters.
TEST_F(ScanYears, hit_lines_have_fixed_columns_in_year_and_file_order) {
  write("SP1995.TXT", car("ALDER") + record("BRISK", "COUPE 2D", dims(" 99", "  1", "-1 ")) +
                          "<R><MO>NOMAKE</MO><DA>" + dims("265", "150", "148") + "</DA></R>" +
                          "<R><MA>NOMODEL</MA></R>" +
                          car("MAKE-WITH-A-VERY-LONG-NAME-THAT-GOES-ON",
                              "MODEL NAME THAT IS WELL OVER FORTY CHARACTERS LONG") +
                          car("AL\r\nDER", "SE\nDAN\r"));
  write("SP1980.TXT", "text before records\r\n" +
                          record("CORVO", "WAGON", dims("300", "160", "159")) + "text after\r\n");
  const std::string lines[] = {
      kHeader,
      "1980 CORVO" + blanks(25) + " WAGON" + blanks(35) + "  300.0  160.0  159.0 \r\n",
      "1995 ALDER" + blanks(25) + " SEDAN" + blanks(35) + "  " + k265 + "\r\n",
      "1995 BRISK" + blanks(25) + " COUPE 2D" + blanks(32) + "  99.0   1.0    -1.0  \r\n",
      "1995 -1" + blanks(28) + " NOMAKE" + blanks(34) + "  " + k265 + "\r\n",
      "1995 NOMODEL" + blanks(23) + " -1" + blanks(38) + "  " + kZeros + "\r\n",
      "1995 MAKE-WITH-A-VERY-LONG-NAME-THA MODEL NAME THAT IS WELL OVER FORTY CHARA  " + k265 +
          "\r\n",
      "1995 AL  DER" + blanks(23) + " SE DAN " + blanks(33) + "  " + k265 + "\r\n",
      "\r\n7    Models found\r\n"};
  std::string expected;
  for (const auto& line : lines) expected += line;
  const auto r = scan(kAllBlank);
  EXPECT_EQ(r.text, expected);
  EXPECT_EQ(r.hits, 7);
  EXPECT_FALSE(r.stopped);
}

// Records without usable dimensions read 0 and meet only ranges holding 0.
TEST_F(ScanYears, ranges_are_inclusive_and_tested_on_the_unrounded_value) {
  // WB 265, TF 150, TR 148 cm (104.33, 59.06, 58.27 in); a WB and TR that read 0.
  write("SP1995.TXT", car("ALDER") + record("BRISK", "B", dims("N/A", "150", "   ")));
  constexpr auto kCm = UnitSystem::Metric;
  const std::tuple<RangeTexts, UnitSystem, int> cases[] = {
      {{" 265", "265 ", "", "", "", ""}, kCm, 1},  // both ends belong to the range
      {{"270", "260", "", "", "", ""}, kCm, 0},    // reversed: nothing matches
      {{"260", "270", "145", "155", "149", "150"}, kCm, 0},
      {{"0", "0", "150", "150", "", ""}, kCm, 1},
      {{"", "", "", "", "-9", "-1"}, kCm, 0},
      {{"104.3", "104.3", "", "", "", ""}, UnitSystem::Imperial, 0},  // 104.33 is not 104.3
      {{"104.3", "104.4", "", "", "", ""}, UnitSystem::Imperial, 1},
  };
  for (const auto& [boxes, units, hits] : cases)
    EXPECT_EQ(scan(boxes, units).hits, hits) << boxes[0];
}

TEST_F(ScanYears, year_files_found_from_1971_to_last_year_in_any_letter_case) {
  for (const char* name :
       {"SP1970.TXT", "SP1971.TXT", "sp1985.txt", "Sp1990.Txt", "SP2000.TXT", "SP2001.TXT"})
    write(name, car(std::string(name).substr(2, 4)));
  // The years between are missing: skipped without notice.
  EXPECT_EQ(
      hitsOf(scan(kAllBlank, UnitSystem::Metric, 2000).text),
      (Lines{"1971 1971|" + k265, "1985 1985|" + k265, "1990 1990|" + k265, "2000 2000|" + k265}));
  for (const int last : {0, 1970, -5})
    EXPECT_EQ(scan(kAllBlank, UnitSystem::Metric, last).text, kHeader + "\r\n0    Models found\r\n")
        << last;
}

// Exactly 2000 hits run through; the 2001st stops the scan wherever the years' hits fall:
// inside one year, in the year after one that ends on hit 2000 (and after empty years), at a
// year's last record. The result ends with the line of the last hit taken.
TEST_F(ScanYears, exactly_2000_hits_run_through_and_the_2001st_stops_the_scan) {
  const std::vector<int> cases[] = {
      {1000, 1000}, {1000, 1000, 2, 1}, {2005}, {2000, 0, 0, 1, 7}, {700, 700, 601}};
  for (const auto& perYear : cases) {
    for (const auto& entry : fs::directory_iterator(data_.path())) fs::remove(entry.path());
    int records = 0;
    for (std::size_t y = 0; y < perYear.size(); ++y) {
      std::string text;
      for (int i = 0; i < perYear[y]; ++i) text += car("Y" + std::to_string(y), std::to_string(i));
      write("SP" + std::to_string(1971 + y) + ".TXT", text);
      records += perYear[y];
    }
    const auto r = scan(kAllBlank);
    const int hits = std::min(records, 2001);
    EXPECT_EQ(r.stopped, hits == 2001);
    ASSERT_EQ(r.hits, hits);
    ASSERT_EQ(r.text.size(), kHeader.size() + 100 * hits + 21);  // no line after the last hit
    int before = 0;
    std::size_t year = 0;
    while (before + perYear[year] < hits) before += perYear[year++];
    const std::string make = "Y" + std::to_string(year), model = std::to_string(hits - 1 - before);
    EXPECT_EQ(r.text.substr(r.text.size() - 121),
              std::to_string(1971 + year) + " " + make + blanks(30 - make.size()) + " " + model +
                  blanks(40 - model.size()) + "  " + k265 + "\r\n\r\n" + std::to_string(hits) +
                  " Models found\r\n");
  }
}

}  // namespace
}  // namespace orv::output::testing
