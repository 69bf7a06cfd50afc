// The year report in both layouts, collected from the pieces it emits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExpectedPage.h"
#include "YearReport.h"

namespace orv {
namespace {

// As the shared dimension string, but CW " 450": A " 95", B 120, C " 45", D " 60", E 130,
// F " 90", G 110, OL 480, OW 180, OH 140, WB 265, TF 150, TR 151, CW " 450", WD "55/45".
const std::string kDa = " 95120 45 60130 90110480180140265150151 45055/4564";

std::string rec(const std::string& make, const std::string& model, const std::string& da) {
  std::string r = "<R><MA>" + make + "</MA><MO>" + model + "</MO>";
  if (!da.empty()) r += "<DA>" + da + "</DA>";
  return r + "</R>\r\n";
}

// The pieces the report emits, in order.
std::vector<std::string> run(const std::string& data, const char* units, bool compact,
                             const char* year = "1995 ") {
  std::vector<std::string> pieces;
  EXPECT_TRUE(writeYearReport(data, year, units, compact, [&](std::string_view piece) {
    pieces.emplace_back(piece);
    return true;
  }));
  return pieces;
}

std::string page(const std::string& data, const char* units, bool compact) {
  std::string all;
  for (const auto& p : run(data, units, compact)) all += p;
  return all;
}

const std::string kCompact = expected::yearTop("1995 ", true);
const std::string kBoxed = expected::yearTop("1995 ", false);
const std::string& kEnd = expected::kYearEnd;
using expected::boxedHeader;
using expected::boxedRow;
using expected::compactHeader;
using expected::compactRow;

// Three records: ALDER, BIRCH, ALDER again (so ALDER gets two header rows); the last one has
// no dimension string at all.
const std::string kThreeMakes = "SP1995\r\n" + rec("ALDER", " Spey 2dr ", kDa) +
                                rec("BIRCH", "Tay", kDa) + rec("ALDER", "Dee", "") + "\x1a";

TEST(year_report, compact_metric_page_byte_for_byte) {
  const std::string values =
      "<td>95</td><td>120</td><td>45</td><td>60</td><td>130</td><td>90</td><td>110</td>"
      "<td>265</td><td>480</td><td>180</td><td>140</td><td>450</td><td>150</td><td>151</td>"
      "<td>55/45</td></tr>\r\n";
  const std::string empty =
      "<td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td>"
      "<td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td>"
      "<td></td></tr>\r\n";
  const auto pieces = run(kThreeMakes, "Metric", true);
  EXPECT_EQ(pieces.size(), 5u);  // head, one per record, end
  EXPECT_EQ(page(kThreeMakes, "Metric", true),
            kCompact + compactHeader("ALDER") + compactRow("Spey 2dr") + values +
                compactHeader("BIRCH") + compactRow("Tay") + values + compactHeader("ALDER") +
                compactRow("Dee") + empty + kEnd);
}

TEST(year_report, boxed_metric_page_byte_for_byte) {
  const std::string values =
      "<td>&nbsp;95\r\n265</td><td>120\r\n480</td><td>&nbsp;45\r\n180</td>"
      "<td>&nbsp;60\r\n140</td><td>130\r\n450</td><td>&nbsp;90\r\n150</td>"
      "<td>110\r\n151</td><td>55/45</td></tr>\r\n";
  const std::string empty =
      "<td>N/A\r\nN/A</td><td>N/A\r\nN/A</td><td>N/A\r\nN/A</td><td>N/A\r\nN/A</td>"
      "<td>N/A\r\nN/A</td><td>N/A\r\nN/A</td><td>N/A\r\nN/A</td><td>&nbsp;N/A</td></tr>\r\n";
  EXPECT_EQ(page(kThreeMakes, "Metric", false),
            kBoxed + boxedHeader("ALDER") + boxedRow("Spey 2dr") + values + boxedHeader("BIRCH") +
                boxedRow("Tay") + values + boxedHeader("ALDER") + boxedRow("Dee") + empty + kEnd);
}

TEST(year_report, imperial_pages_in_both_layouts) {
  // Spey's string ends inside CW, leaving " 95" there: a weight (209 lb) beside A's " 95" cm,
  // each converted its own way.
  const std::string shortDa = kDa.substr(0, 39) + " 95";
  EXPECT_EQ(page(rec("ALDER", "Spey", shortDa) + rec("ALDER", "Tay", kDa), "Imperial", true),
            kCompact + compactHeader("ALDER") + compactRow("Spey") +
                "<td>37.4</td><td>47.3</td><td>17.7</td><td>23.6</td><td>51.2</td><td>35.5</td>"
                "<td>43.3</td><td>104.4</td><td>189.1</td><td>70.9</td><td>55.2</td>"
                "<td>209</td><td>59.1</td><td>59.5</td><td></td></tr>\r\n" +
                compactRow("Tay") +
                "<td>37.4</td><td>47.3</td><td>17.7</td><td>23.6</td><td>51.2</td><td>35.5</td>"
                "<td>43.3</td><td>104.4</td><td>189.1</td><td>70.9</td><td>55.2</td>"
                "<td>990</td><td>59.1</td><td>59.5</td><td>55/45</td></tr>\r\n" +
                kEnd);
  // A 4 kg weight reads "09": two characters, so it is padded in the boxed layout.
  const std::string light = kDa.substr(0, 39) + "   4" + kDa.substr(43);
  EXPECT_EQ(page(rec("ALDER", "Spey", light), "Imperial", false),
            kBoxed + boxedHeader("ALDER") + boxedRow("Spey") +
                "<td>37.4\r\n104.4</td><td>47.3\r\n189.1</td><td>17.7\r\n70.9</td>"
                "<td>23.6\r\n55.2</td><td>51.2\r\n&nbsp;09</td><td>35.5\r\n59.1</td>"
                "<td>43.3\r\n59.5</td><td>55/45</td></tr>\r\n" +
                kEnd);
}

TEST(year_report, make_headers_for_odd_names) {
  // A first make "XXX" gets no header; the make is not trimmed; a missing one reads "-1".
  const std::string p =
      page(rec("XXX", "One", "") + rec(" ALDER", "Two", "") + "<R><DA>" + kDa + "</DA></R>",
           "Metric", true);
  EXPECT_TRUE(p.starts_with(kCompact + compactRow("One")));
  EXPECT_NE(p.find(compactHeader(" ALDER") + compactRow("Two")), std::string::npos);
  EXPECT_NE(p.find(compactHeader("-1") + compactRow("-1")), std::string::npos);
}

TEST(year_report, blank_record_is_skipped_and_later_models_are_still_listed) {
  const std::string data = rec("ALDER", "Spey", kDa) + "<R>   </R><R></R><R>-1</R>" +
                           rec("ALDER", "Tay", kDa) + rec("BIRCH", "Dee", kDa);
  const std::string p = page(data, "Metric", true);
  EXPECT_NE(p.find(compactRow("Spey")), std::string::npos);
  EXPECT_NE(p.find(compactRow("Tay")), std::string::npos);
  EXPECT_NE(p.find(compactHeader("BIRCH") + compactRow("Dee")), std::string::npos);
  EXPECT_TRUE(p.ends_with(kEnd));
}

TEST(year_report, walk_ends_at_a_record_that_is_never_closed) {
  const std::pair<std::string, std::size_t> cases[] = {
      {"", 2},
      {"SP1995 nothing here", 2},
      {"<R>", 2},
      {"</R></R>", 2},
      {rec("ALDER", "Spey", kDa) + "<R><MA>BIRCH</MA>", 3},
      {std::string("\0<R\xff</R>\0<R>", 12), 2},
  };
  for (const auto& [data, pieces] : cases) {
    const auto got = run(data, "Metric", false);
    EXPECT_EQ(got.size(), pieces) << data;
    EXPECT_EQ(got.back(), kEnd) << data;
  }
  EXPECT_EQ(page("", "Metric", true), kCompact + kEnd);
}

TEST(year_report, stops_when_the_sink_refuses_a_piece) {
  int calls = 0;
  EXPECT_FALSE(writeYearReport(kThreeMakes, "1995", "Metric", true,
                               [&](std::string_view) { return ++calls < 2; }));
  EXPECT_EQ(calls, 2);
}

TEST(year_report, data_text_is_escaped) {
  const std::string da = "<5>" + kDa.substr(3, 40) + "5&5\"5";
  std::string p;
  for (const auto& piece : run(rec("A&W", "Tay <GT>", da), "Metric", false, "<1995>")) p += piece;
  EXPECT_TRUE(p.starts_with(expected::head("ORV - Orvane - Year: &lt;1995&gt;")));
  EXPECT_NE(
      p.find(boxedHeader("A&amp;W") + boxedRow("Tay &lt;GT&gt;") + "<td>&lt;5&gt;\r\n265</td>"),
      std::string::npos);
  EXPECT_NE(p.find("<td>5&amp;5&quot;5</td></tr>"), std::string::npos);
}

}  // namespace
}  // namespace orv
