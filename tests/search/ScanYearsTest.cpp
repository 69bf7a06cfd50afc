// The scan over the year files, against real files in a temporary current folder.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "SearchFolder.h"
#include "search/SearchScan.h"

namespace orv::search::testing {
namespace {

const std::string kHeader =
    "Year Make" + blanks(26) + " Model" + blanks(35) + "  WB     TWF    TWR\r\n";
const RangeTexts kAllBlank{"", "", "", "", "", ""};

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  EXPECT_EQ(start, text.size()) << "the text must end with CR LF";
  return lines;
}

class ScanYears : public SearchFolder {
 protected:
  SearchResult scan(const RangeTexts& boxes, std::string_view unit = "(cm)",
                    std::string_view lastYear = "2000") {
    return scanYears(boxes, unit, places(), lastYear);
  }
};

TEST_F(ScanYears, no_hits_give_header_empty_line_and_zero_count) {
  writeFile("SP1995.TXT", record("ALDER", "SEDAN", dims("265", "150", "148")));
  const auto r = scan({"1", "2", "", "", "", ""});
  EXPECT_EQ(r.text, kHeader + "\r\n" + "0    Models found\r\n");
  EXPECT_EQ(r.hits, 0);
  EXPECT_FALSE(r.stopped);
}

TEST_F(ScanYears, hit_lines_have_fixed_columns_in_year_and_file_order) {
  writeFile("SP1995.TXT", record("ALDER", "SEDAN", dims("265", "150", "148")) +
                              record("BRISK", "COUPE 2D", dims(" 99", "  1", "-1 ")));
  writeFile("SP1980.TXT", "text before records\r\n" +
                              record("CORVO", "WAGON", dims("300", "160", "159")) +
                              "text after records\r\n");
  const auto r = scan(kAllBlank);
  const std::string expected =
      kHeader +                                                                           //
      "1980 CORVO" + blanks(25) + " WAGON" + blanks(35) + "  300.0  160.0  159.0 \r\n" +  //
      "1995 ALDER" + blanks(25) + " SEDAN" + blanks(35) + "  265.0  150.0  148.0 \r\n" +  //
      "1995 BRISK" + blanks(25) + " COUPE 2D" + blanks(32) + "  99.0   1.0    -1.0  \r\n" + "\r\n" +
      "3    Models found\r\n";
  EXPECT_EQ(r.text, expected);
  EXPECT_EQ(r.hits, 3);

  const auto lines = linesOf(r.text);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0].size(), 95u);
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(lines[i].size(), 98u);
  EXPECT_EQ(lines[4].size(), 0u);
  EXPECT_EQ(lines[5].size(), 17u);
  // Column starts: year 0, make 5, model 36, WB 78, TF 85 (under TWF), TR 92 (under TWR).
  EXPECT_EQ(lines[0].find("Make"), 5u);
  EXPECT_EQ(lines[0].find("Model"), 36u);
  EXPECT_EQ(lines[0].find("WB"), 78u);
  EXPECT_EQ(lines[0].find("TWF"), 85u);
  EXPECT_EQ(lines[0].find("TWR"), 92u);
  EXPECT_EQ(lines[1].find("CORVO"), 5u);
  EXPECT_EQ(lines[1].find("WAGON"), 36u);
  EXPECT_EQ(lines[1].find("300.0"), 78u);
  EXPECT_EQ(lines[1].find("160.0"), 85u);
  EXPECT_EQ(lines[1].find("159.0"), 92u);
}

struct RangeCase {
  const char* name;
  RangeTexts boxes;
  const char* unit;
  bool hit;
};

// One record: WB 265, TF 150, TR 148 cm (104.33, 59.06, 58.27 in).
void PrintTo(const RangeCase& c, std::ostream* os) {
  *os << c.name;
}

class OneRecordRanges : public ScanYears, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(OneRecordRanges, hit_or_not) {
  writeFile("SP1995.TXT", record("ALDER", "SEDAN", dims("265", "150", "148")));
  const auto& c = GetParam();
  EXPECT_EQ(scan(c.boxes, c.unit).hits, c.hit ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    ScanYears, OneRecordRanges,
    ::testing::Values(
        RangeCase{"all_blank", {"", "", "", "", "", ""}, "(cm)", true},
        RangeCase{"wheelbase_exact_ends", {"265", "265", "", "", "", ""}, "(cm)", true},
        RangeCase{"wheelbase_lower_end", {"265", "270", "", "", "", ""}, "(cm)", true},
        RangeCase{"wheelbase_upper_end", {"260", "265", "", "", "", ""}, "(cm)", true},
        RangeCase{"wheelbase_below", {"266", "270", "", "", "", ""}, "(cm)", false},
        RangeCase{"reversed_range_matches_nothing", {"270", "260", "", "", "", ""}, "(cm)", false},
        RangeCase{"front_track_in", {"", "", "150", "150", "", ""}, "(cm)", true},
        RangeCase{"front_track_out", {"", "", "151", "160", "", ""}, "(cm)", false},
        RangeCase{"rear_track_out", {"", "", "", "", "140", "147"}, "(cm)", false},
        RangeCase{"all_three_in", {"260", "270", "145", "155", "148", "148"}, "(cm)", true},
        RangeCase{"one_of_three_out", {"260", "270", "145", "155", "149", "150"}, "(cm)", false},
        RangeCase{"blanks_around_numbers", {" 265", "265 ", "", "", "", ""}, "(cm)", true},
        RangeCase{"exponent_form", {"2.6E2", "2.7E2", "", "", "", ""}, "(cm)", true},
        // 265 cm is tested as 104.330..., not as the 104.3 written to the file.
        RangeCase{
            "inches_rounded_value_misses", {"104.3", "104.3", "", "", "", ""}, "(inches)", false},
        RangeCase{"inches_true_value_hits", {"104.3", "104.4", "", "", "", ""}, "(inches)", true},
        RangeCase{
            "centimetre_range_in_inches_misses", {"265", "265", "", "", "", ""}, "(inches)", false},
        // Only exactly "(cm)" is metric.
        RangeCase{"other_caption_is_inches", {"104.3", "104.4", "", "", "", ""}, "(CM)", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScanYears, inches_are_written_with_one_decimal) {
  writeFile("SP1995.TXT", record("ALDER", "SEDAN", dims("265", "-1 ", "   ")));
  const auto r = scan(kAllBlank, "(inches)");
  EXPECT_EQ(linesOf(r.text)[1],
            "1995 ALDER" + blanks(25) + " SEDAN" + blanks(35) + "  104.3  -0.4   0.0   ");
}

TEST_F(ScanYears, unavailable_fields_read_as_zero_or_minus_one) {
  writeFile("SP1995.TXT", record("ALDER", "A", dims("-1 ", "N/A", "   ")) +
                              "<R><MA>BRISK</MA><MO>B</MO></R>\r\n" +  // no DA
                              record("CORVO", "C", "short"));          // DA too short
  const auto r = scan(kAllBlank);
  const auto lines = linesOf(r.text);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1].substr(78), "-1.0   0.0    0.0   ");
  EXPECT_EQ(lines[2].substr(78), "0.0    0.0    0.0   ");
  EXPECT_EQ(lines[3].substr(78), "0.0    0.0    0.0   ");
}

TEST_F(ScanYears, record_without_dimensions_matches_only_ranges_holding_zero) {
  writeFile("SP1995.TXT", "<R><MA>BRISK</MA><MO>B</MO></R>");
  EXPECT_EQ(scan({"0", "0", "", "", "", ""}).hits, 1);
  EXPECT_EQ(scan({"-5", "5", "-1", "1", "0", "300"}).hits, 1);
  EXPECT_EQ(scan({"1", "300", "", "", "", ""}).hits, 0);
  EXPECT_EQ(scan({"", "", "", "", "-9", "-1"}).hits, 0);
}

TEST_F(ScanYears, missing_make_or_model_is_listed_as_minus_one_and_long_names_are_cut) {
  const std::string longMake = "MAKE-WITH-A-VERY-LONG-NAME-THAT-GOES-ON";  // 39 characters
  const std::string longModel = "MODEL NAME THAT IS WELL OVER FORTY CHARACTERS LONG";
  writeFile("SP1995.TXT", "<R><MO>NOMAKE</MO><DA>" + dims("265", "150", "148") + "</DA></R>" +
                              "<R><MA>NOMODEL</MA><DA>" + dims("265", "150", "148") + "</DA></R>" +
                              record(longMake, longModel, dims("265", "150", "148")));
  const auto lines = linesOf(scan(kAllBlank).text);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1].substr(0, 78), "1995 -1" + blanks(28) + " NOMAKE" + blanks(34) + "  ");
  EXPECT_EQ(lines[2].substr(0, 78), "1995 NOMODEL" + blanks(23) + " -1" + blanks(38) + "  ");
  EXPECT_EQ(lines[3].substr(0, 78),
            "1995 MAKE-WITH-A-VERY-LONG-NAME-THA MODEL NAME THAT IS WELL OVER FORTY CHARA  ");
  for (const auto& l : {lines[1], lines[2], lines[3]}) EXPECT_EQ(l.size(), 98u);
}

TEST_F(ScanYears, exactly_2000_hits_do_not_stop) {
  std::string year;
  for (int i = 0; i < 1000; ++i) year += record("ALDER", "SEDAN", dims("265", "150", "148"));
  writeFile("SP1990.TXT", year);
  writeFile("SP1991.TXT", year);
  const auto r = scan(kAllBlank);
  EXPECT_FALSE(r.stopped);
  EXPECT_EQ(r.hits, 2000);
  const auto lines = linesOf(r.text);
  ASSERT_EQ(lines.size(), 2003u);
  EXPECT_EQ(lines.back(), "2000 Models found");
}

TEST_F(ScanYears, the_2001st_hit_stops_the_scan) {
  std::string year;
  for (int i = 0; i < 1500; ++i) year += record("ALDER", "SEDAN", dims("265", "150", "148"));
  writeFile("SP1990.TXT", year);
  writeFile("SP1991.TXT", year);  // stops inside this file
  writeFile("SP1992.TXT", record("LATER", "NEVER", dims("265", "150", "148")));
  const auto r = scan(kAllBlank);
  EXPECT_TRUE(r.stopped);
  EXPECT_EQ(r.hits, 2001);
  const auto lines = linesOf(r.text);
  ASSERT_EQ(lines.size(), 2004u);
  EXPECT_EQ(lines[2001].substr(0, 5), "1991 ");
  EXPECT_EQ(lines[2002], "");
  EXPECT_EQ(lines.back(), "2001 Models found");
  EXPECT_EQ(r.text.find("LATER"), std::string::npos);
}

TEST_F(ScanYears, year_files_found_from_1971_to_last_year_in_any_letter_case) {
  const auto rec = [](const char* make) { return record(make, "M", dims("265", "150", "148")); };
  writeFile("SP1970.TXT", rec("TOO-EARLY"));
  writeFile("SP1971.TXT", rec("FIRST"));
  writeFile("sp1985.txt", rec("LOWER"));
  writeFile("Sp1990.Txt", rec("MIXED"));
  writeFile("SP2000.TXT", rec("LAST"));
  writeFile("SP2001.TXT", rec("TOO-LATE"));
  // SP1972 to SP1984 and others are missing: skipped without notice.
  const auto lines = linesOf(scan(kAllBlank, "(cm)", "2000").text);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1].substr(0, 11), "1971 FIRST ");
  EXPECT_EQ(lines[2].substr(0, 11), "1985 LOWER ");
  EXPECT_EQ(lines[3].substr(0, 11), "1990 MIXED ");
  EXPECT_EQ(lines[4].substr(0, 10), "2000 LAST ");
}

TEST_F(ScanYears, no_usable_last_year_scans_nothing) {
  writeFile("SP1995.TXT", record("ALDER", "SEDAN", dims("265", "150", "148")));
  for (const char* last : {"1", "0", "", "-1", "abc"}) {
    EXPECT_EQ(scan(kAllBlank, "(cm)", last).text, kHeader + "\r\n0    Models found\r\n") << last;
  }
}

TEST_F(ScanYears, unclosed_record_ends_that_file_and_the_next_year_is_scanned) {
  writeFile("SP1990.TXT", record("GOOD", "ONE", dims("265", "150", "148")) +
                              "<R><MA>UNCLOSED</MA><MO>X</MO><DA>" + dims("265", "150", "148") +
                              "</DA>\r\n");
  writeFile("SP1991.TXT", record("NEXT", "YEAR", dims("265", "150", "148")));
  const auto r = scan(kAllBlank);
  const auto lines = linesOf(r.text);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1].substr(0, 10), "1990 GOOD ");
  EXPECT_EQ(lines[2].substr(0, 10), "1991 NEXT ");
}

TEST_F(ScanYears, record_lacking_its_closing_tag_runs_to_the_next_one) {
  // The first "<R>" has no "</R>" of its own: its record text reaches the second record's
  // "</R>", so the first make and model stand for both; the walk goes on after it.
  writeFile("SP1990.TXT", "<R><MA>FIRST</MA><MO>A</MO><R><MA>SECOND</MA><MO>B</MO></R>" +
                              record("THIRD", "C", dims("265", "150", "148")));
  const auto lines = linesOf(scan(kAllBlank).text);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1].substr(0, 11), "1990 FIRST ");
  EXPECT_EQ(lines[2].substr(0, 11), "1990 THIRD ");
}

TEST_F(ScanYears, dimension_element_is_read_inside_its_own_record_only) {
  writeFile("SP1990.TXT",
            // DA not closed inside its record: the record has no dimensions, and the "</DA>"
            // of the next record does not count for it.
            "<R><MA>OPEN</MA><MO>A</MO><DA>" + dims("265", "150", "148") + "</R>\r\n" +
                // Elements in another order, lower-case tags ignored, other tags skipped.
                "<R><XX>1</XX><da>" + dims("111", "111", "111") + "</da><DA>" +
                dims("222", "160", "161") + "</DA><MO>B</MO><MA>ORDER</MA></R>\r\n" +
                record("LAST", "C", dims("200", "130", "131")));
  const auto lines = linesOf(scan(kAllBlank).text);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[1].substr(0, 10), "1990 OPEN ");
  EXPECT_EQ(lines[1].substr(78), "0.0    0.0    0.0   ");
  EXPECT_EQ(lines[2].substr(0, 11), "1990 ORDER ");
  EXPECT_EQ(lines[2].substr(78), "222.0  160.0  161.0 ");
  EXPECT_EQ(lines[3].substr(78), "200.0  130.0  131.0 ");
}

TEST_F(ScanYears, binary_and_empty_files_do_not_disturb_the_scan) {
  std::string binary(4096, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7 + 3);
  writeFile("SP1990.TXT", binary + "<R>" + binary);
  writeFile("SP1991.TXT", "");
  writeFile("SP1992.TXT", "</R><R></R></R><R>");
  writeFile("SP1993.TXT", record("\xC4MAKE", "MOD\xE9LE", dims("265", "150", "148")));
  const auto lines = linesOf(scan(kAllBlank).text);
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_EQ(lines[1].substr(0, 5), "1992 ");  // the empty record: "-1", "-1", 0.0 each
  EXPECT_EQ(lines[1].substr(78), "0.0    0.0    0.0   ");
  EXPECT_EQ(lines[2].substr(0, 11), "1993 \xC4MAKE ");
  EXPECT_EQ(lines[2].substr(36, 7), "MOD\xE9LE ");
}

}  // namespace
}  // namespace orv::search::testing
