// The scan over the year files, against real files in a temporary current folder.
#include <gtest/gtest.h>

#include <vector>

#include "SearchFolder.h"
#include "SearchScan.h"

namespace orv::search::testing {
namespace {

const RangeTexts kAllBlank{"", "", "", "", "", ""};
using Lines = std::vector<std::string>;
// The value columns of the usual record, and of a record without dimensions.
const std::string k265 = "265.0  150.0  148.0 ";
const std::string kZeros = "0.0    0.0    0.0   ";

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

// Each hit line in short: year, make (trimmed), '|', then the value columns as written.
std::vector<std::string> hitsOf(const std::string& text) {
  auto lines = linesOf(text);
  std::vector<std::string> hits;
  for (std::size_t i = 1; i + 2 < lines.size(); ++i)
    hits.push_back(lines[i].substr(0, lines[i].find_last_not_of(' ', 35) + 1) + "|" +
                   lines[i].substr(78));
  return hits;
}

class ScanYears : public SearchFolder {
 protected:
  SearchResult scan(const RangeTexts& boxes, std::string_view unit = "(cm)",
                    std::string_view lastYear = "2000") {
    return scanYears(boxes, unit, *places_, lastYear);
  }
};

TEST_F(ScanYears, hit_lines_have_fixed_columns_in_year_and_file_order) {
  writeFile("SP1995.TXT", car("ALDER") + record("BRISK", "COUPE 2D", dims(" 99", "  1", "-1 ")));
  writeFile("SP1980.TXT", "text before records\r\n" +
                              record("CORVO", "WAGON", dims("300", "160", "159")) +
                              "text after\r\n");
  const auto r = scan(kAllBlank);
  EXPECT_EQ(
      r.text,
      kHeader +                                                                               //
          "1980 CORVO" + blanks(25) + " WAGON" + blanks(35) + "  300.0  160.0  159.0 \r\n" +  //
          "1995 ALDER" + blanks(25) + " SEDAN" + blanks(35) + "  265.0  150.0  148.0 \r\n" +  //
          "1995 BRISK" + blanks(25) + " COUPE 2D" + blanks(32) + "  99.0   1.0    -1.0  \r\n" +
          "\r\n3    Models found\r\n");
  EXPECT_EQ(r.hits, 3);
  EXPECT_FALSE(r.stopped);
}

TEST_F(ScanYears, ranges_are_inclusive_and_tested_on_the_unrounded_value) {
  writeFile("SP1995.TXT", car("ALDER"));  // WB 265, TF 150, TR 148 cm (104.33, 59.06, 58.27 in)
  struct Case {
    RangeTexts boxes;
    const char* unit;
    bool hit;
  };
  const Case cases[] = {
      {{"", "", "", "", "", ""}, "(cm)", true},
      {{"265", "265", "", "", "", ""}, "(cm)", true},  // both ends belong to the range
      {{"266", "270", "", "", "", ""}, "(cm)", false},
      {{"270", "260", "", "", "", ""}, "(cm)", false},  // reversed: nothing matches
      {{"", "", "150", "150", "", ""}, "(cm)", true},
      {{"", "", "151", "160", "", ""}, "(cm)", false},
      {{"", "", "", "", "140", "147"}, "(cm)", false},
      {{"260", "270", "145", "155", "148", "148"}, "(cm)", true},
      {{"260", "270", "145", "155", "149", "150"}, "(cm)", false},
      {{" 265", "265 ", "", "", "", ""}, "(cm)", true},
      {{"104.3", "104.3", "", "", "", ""}, "(inches)", false},  // 104.33 is not 104.3
      {{"104.3", "104.4", "", "", "", ""}, "(inches)", true},
      {{"265", "265", "", "", "", ""}, "(inches)", false},
      {{"104.3", "104.4", "", "", "", ""}, "(CM)", true},  // only exactly "(cm)" is metric
  };
  for (const auto& c : cases) EXPECT_EQ(scan(c.boxes, c.unit).hits, c.hit ? 1 : 0) << &c - cases;
}

TEST_F(ScanYears, values_in_both_units_with_unavailable_fields_and_missing_dimensions) {
  writeFile("SP1995.TXT", record("ALDER", "A", dims("265", "-1 ", "   ")) +
                              "<R><MA>BRISK</MA><MO>B</MO></R>\r\n" +  // no DA
                              record("CORVO", "C", "short") +
                              record("DOVER", "D", dims("N/A", " 99", "  1")));
  EXPECT_EQ(hitsOf(scan(kAllBlank).text),
            (Lines{"1995 ALDER|265.0  -1.0   0.0   ", "1995 BRISK|" + kZeros,
                   "1995 CORVO|" + kZeros, "1995 DOVER|0.0    99.0   1.0   "}));
  EXPECT_EQ(hitsOf(scan(kAllBlank, "(inches)").text),
            (Lines{"1995 ALDER|104.3  -0.4   0.0   ", "1995 BRISK|" + kZeros,
                   "1995 CORVO|" + kZeros, "1995 DOVER|0.0    39.0   0.4   "}));
  // Records without usable dimensions read 0 and meet only ranges holding 0.
  EXPECT_EQ(scan({"0", "0", "", "", "", ""}).hits, 3);
  EXPECT_EQ(scan({"", "", "", "", "-9", "-1"}).hits, 0);
}

TEST_F(ScanYears, missing_make_or_model_is_minus_one_long_names_cut_line_breaks_blanked) {
  writeFile("SP1995.TXT", "<R><MO>NOMAKE</MO><DA>" + dims("265", "150", "148") + "</DA></R>" +
                              "<R><MA>NOMODEL</MA><DA>" + dims("265", "150", "148") + "</DA></R>" +
                              car("MAKE-WITH-A-VERY-LONG-NAME-THAT-GOES-ON",
                                  "MODEL NAME THAT IS WELL OVER FORTY CHARACTERS LONG") +
                              car("AL\r\nDER", "SE\nDAN\r"));
  const auto lines = linesOf(scan(kAllBlank).text);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1].substr(0, 78), "1995 -1" + blanks(28) + " NOMAKE" + blanks(34) + "  ");
  EXPECT_EQ(lines[2].substr(0, 78), "1995 NOMODEL" + blanks(23) + " -1" + blanks(38) + "  ");
  EXPECT_EQ(lines[3],
            "1995 MAKE-WITH-A-VERY-LONG-NAME-THA MODEL NAME THAT IS WELL OVER FORTY CHARA  "
            "265.0  150.0  148.0 ");
  // A line break inside a name would break the fixed columns of the file.
  EXPECT_EQ(lines[4].substr(0, 78), "1995 AL  DER" + blanks(23) + " SE DAN " + blanks(33) + "  ");
}

TEST_F(ScanYears, exactly_2000_hits_run_through_and_the_2001st_stops_the_scan) {
  std::string thousand;
  for (int i = 0; i < 1000; ++i) thousand += car("ALDER");
  writeFile("SP1990.TXT", thousand);
  writeFile("SP1991.TXT", thousand);
  writeFile("SP1992.TXT", car("STOP") + car("BEYOND"));  // stops inside this file
  writeFile("SP1993.TXT", car("LATER"));

  auto r = scan(kAllBlank, "(cm)", "1991");
  EXPECT_FALSE(r.stopped);
  EXPECT_EQ(r.hits, 2000);
  EXPECT_EQ(linesOf(r.text).size(), 2003u);
  EXPECT_TRUE(r.text.ends_with("148.0 \r\n\r\n2000 Models found\r\n"));

  r = scan(kAllBlank);
  EXPECT_TRUE(r.stopped);
  EXPECT_EQ(r.hits, 2001);
  EXPECT_EQ(linesOf(r.text).size(), 2004u);
  EXPECT_TRUE(r.text.ends_with("148.0 \r\n\r\n2001 Models found\r\n"));
  EXPECT_NE(r.text.find("1992 STOP "), std::string::npos);
  EXPECT_EQ(r.text.find("BEYOND"), std::string::npos);
  EXPECT_EQ(r.text.find("LATER"), std::string::npos);
}

TEST_F(ScanYears, year_files_found_from_1971_to_last_year_in_any_letter_case) {
  writeFile("SP1970.TXT", car("TOO-EARLY"));
  writeFile("SP1971.TXT", car("FIRST"));
  writeFile("sp1985.txt", car("LOWER"));
  writeFile("Sp1990.Txt", car("MIXED"));
  writeFile("SP2000.TXT", car("LAST"));
  writeFile("SP2001.TXT", car("TOO-LATE"));
  // The years between are missing: skipped without notice.
  EXPECT_EQ(hitsOf(scan(kAllBlank, "(cm)", "2000").text),
            (Lines{"1971 FIRST|" + k265, "1985 LOWER|" + k265, "1990 MIXED|" + k265,
                   "2000 LAST|" + k265}));

  for (const char* last : {"1", "", "-1", "abc"}) {
    EXPECT_EQ(scan(kAllBlank, "(cm)", last).text, kHeader + "\r\n0    Models found\r\n") << last;
  }
}

TEST_F(ScanYears, records_are_delimited_safely_in_odd_and_broken_files) {
  writeFile("SP1990.TXT",
            // No "</R>" of its own: the record text reaches the next "</R>", the walk goes on.
            "<R><MA>FIRST</MA><MO>A</MO><R><MA>SECOND</MA><MO>B</MO></R>"
            // DA not closed inside its record: the next record's "</DA>" does not count.
            "<R><MA>OPEN</MA><MO>A</MO><DA>" +
                dims("265", "150", "148") +
                "</R>\r\n"
                // Elements in another order, lower-case tags ignored, other tags skipped.
                "<R><XX>1</XX><da>" +
                dims("111", "111", "111") + "</da><DA>" + dims("222", "160", "161") +
                "</DA><MO>B</MO><MA>ORDER</MA></R>\r\n"
                // Never closed: the rest of this file is skipped, the next year is scanned.
                "<R><MA>UNCLOSED</MA><MO>X</MO><DA>" +
                dims("265", "150", "148") + "</DA>\r\n");
  std::string binary(4096, '\0');
  for (std::size_t i = 0; i < binary.size(); ++i) binary[i] = static_cast<char>(i * 7 + 3);
  writeFile("SP1991.TXT", binary + "<R>" + binary);
  writeFile("SP1992.TXT", "</R><R></R></R><R>");
  writeFile("SP1993.TXT", record("\xC4MAKE", "MOD\xE9LE", dims("265", "150", "148")));
  writeFile("SP1994.TXT", "");
  const std::string text = scan(kAllBlank).text;
  EXPECT_EQ(hitsOf(text),
            (Lines{"1990 FIRST|" + kZeros, "1990 OPEN|" + kZeros, "1990 ORDER|222.0  160.0  161.0 ",
                   "1992 -1|" + kZeros, "1993 \xC4MAKE|" + k265}));
  EXPECT_NE(text.find("\xC4MAKE" + blanks(25) + " MOD\xE9LE "), std::string::npos);
}

}  // namespace
}  // namespace orv::search::testing
