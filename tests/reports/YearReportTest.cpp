// The year report in both layouts, collected from the pieces it emits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/YearReport.h"

namespace orv {
namespace {

// A " 95", B 120, C " 45", D " 60", E 130, F " 90", G 110, OL 480, OW 180, OH 140, WB 265,
// TF 150, TR 151, CW " 450", WD "55/45", measured in '64.
const std::string kDa = " 95120 45 60130 90110480180140265150151 45055/4564";

std::string rec(const std::string& make, const std::string& model, const std::string& da) {
  std::string r = "<R><MA>" + make + "</MA><MO>" + model + "</MO>";
  if (!da.empty()) r += "<DA>" + da + "</DA>";
  return r + "</R>\r\n";
}

struct Collected {
  std::vector<std::string> pieces;
  std::string page() const {
    std::string all;
    for (const auto& p : pieces) all += p;
    return all;
  }
};

Collected run(const std::string& data, const char* units, bool compact) {
  Collected c;
  EXPECT_TRUE(writeYearReport(data, "1995 ", units, compact, [&c](std::string_view piece) {
    c.pieces.emplace_back(piece);
    return true;
  }));
  return c;
}

const char* const kHead =
    "<html>\r\n<head>\r\n <title>ORV - Orvane - Year: 1995 </title>\r\n</head>\r\n<body>\r\n";
const char* const kCompactTable = "<table width=675 style='font-family:Arial;font-size:9.0pt'>\r\n";
const char* const kBoxedTable = "<table width=650 border=1 cellspacing=0>\r\n";
const char* const kEnd = " </table>\r\n </body>\r\n </html>\r\n";

std::string compactHeader(const std::string& make) {
  return "<tr></tr><tr></tr><tr><td width=300><B>" + make +
         "</B></td>"
         "<td width=25><B>&nbsp; A</B></td><td width=25><B>&nbsp; B</B></td>"
         "<td width=25><B>&nbsp; C</B></td><td width=25><B>&nbsp; D</B></td>"
         "<td width=25><B>&nbsp; E</B></td><td width=25><B>&nbsp; F</B></td>"
         "<td width=25><B>&nbsp; G</B></td><td width=25><B>WB</B></td>"
         "<td width=25><B>OL</B></td><td width=25><B>OW</B></td><td width=25><B>OH</B></td>"
         "<td width=25><B>CW</B></td><td width=25><B>&nbsp;TF</B></td>"
         "<td width=25><B>&nbsp;TR</B></td><td width=25><B>WD</B></td></tr>\r\n";
}

std::string boxedHeader(const std::string& make) {
  return "<tr><td width=250><b>" + make +
         "</b></td>"
         "<td width=45><b>&nbsp; A<BR>WB</b></td><td width=45><b>&nbsp; B<BR>OL</b></td>"
         "<td width=45><b>&nbsp; C<BR>OW</b></td><td width=45><b>&nbsp; D<BR>OH</b></td>"
         "<td width=45><b>&nbsp; E<BR>CW</b></td><td width=45><b>&nbsp; F<BR>TF</b></td>"
         "<td width=45><b>&nbsp; G<BR>TR</b></td><td width=45><b>WD</b></td></tr>\r\n";
}

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
  const std::string expected = std::string(kHead) + kCompactTable + compactHeader("ALDER") +
                               "<tr><td width=225>Spey 2dr</td>\r\n" + values +
                               compactHeader("BIRCH") + "<tr><td width=225>Tay</td>\r\n" + values +
                               compactHeader("ALDER") + "<tr><td width=225>Dee</td>\r\n" + empty +
                               kEnd;
  const auto c = run(kThreeMakes, "Metric", true);
  EXPECT_EQ(c.page(), expected);
  EXPECT_EQ(c.pieces.size(), 5u);  // head, one per record, end
}

TEST(year_report, boxed_metric_page_byte_for_byte) {
  const std::string values =
      "<td>&nbsp;95\r\n265</td><td>120\r\n480</td><td>&nbsp;45\r\n180</td>"
      "<td>&nbsp;60\r\n140</td><td>130\r\n450</td><td>&nbsp;90\r\n150</td>"
      "<td>110\r\n151</td><td>55/45</td></tr>\r\n";
  const std::string empty =
      "<td>N/A\r\nN/A</td><td>N/A\r\nN/A</td><td>N/A\r\nN/A</td><td>N/A\r\nN/A</td>"
      "<td>N/A\r\nN/A</td><td>N/A\r\nN/A</td><td>N/A\r\nN/A</td><td>&nbsp;N/A</td></tr>\r\n";
  const std::string expected =
      std::string(kHead) + kBoxedTable + boxedHeader("ALDER") +
      "<tr><td width=250><font size=-1>Spey 2dr</td></font>\r\n" + values + boxedHeader("BIRCH") +
      "<tr><td width=250><font size=-1>Tay</td></font>\r\n" + values + boxedHeader("ALDER") +
      "<tr><td width=250><font size=-1>Dee</td></font>\r\n" + empty + kEnd;
  EXPECT_EQ(run(kThreeMakes, "Metric", false).page(), expected);
}

TEST(year_report, imperial_converts_in_both_layouts) {
  const std::string data = rec("ALDER", "Spey", kDa);
  EXPECT_EQ(run(data, "Imperial", true).page(),
            std::string(kHead) + kCompactTable + compactHeader("ALDER") +
                "<tr><td width=225>Spey</td>\r\n"
                "<td>37.4</td><td>47.3</td><td>17.7</td><td>23.6</td><td>51.2</td><td>35.5</td>"
                "<td>43.3</td><td>104.4</td><td>189.1</td><td>70.9</td><td>55.2</td>"
                "<td>990</td><td>59.1</td><td>59.5</td><td>55/45</td></tr>\r\n" +
                kEnd);
  // A 4 kg weight reads "09": two characters, so it is padded in the boxed layout.
  const std::string light = kDa.substr(0, 39) + "   4" + kDa.substr(43);
  EXPECT_EQ(run(rec("ALDER", "Spey", light), "Imperial", false).page(),
            std::string(kHead) + kBoxedTable + boxedHeader("ALDER") +
                "<tr><td width=250><font size=-1>Spey</td></font>\r\n"
                "<td>37.4\r\n104.4</td><td>47.3\r\n189.1</td><td>17.7\r\n70.9</td>"
                "<td>23.6\r\n55.2</td><td>51.2\r\n&nbsp;09</td><td>35.5\r\n59.1</td>"
                "<td>43.3\r\n59.5</td><td>55/45</td></tr>\r\n" +
                kEnd);
}

TEST(year_report, same_text_in_a_length_and_a_cut_short_weight_converts_each_its_own_way) {
  // The string ends inside CW, leaving " 95" there: a weight (209 lb) next to A's " 95" cm.
  const std::string shortDa = kDa.substr(0, 39) + " 95";
  EXPECT_EQ(run(rec("ALDER", "Spey", shortDa) + rec("ALDER", "Tay", kDa), "Imperial", true).page(),
            std::string(kHead) + kCompactTable + compactHeader("ALDER") +
                "<tr><td width=225>Spey</td>\r\n"
                "<td>37.4</td><td>47.3</td><td>17.7</td><td>23.6</td><td>51.2</td><td>35.5</td>"
                "<td>43.3</td><td>104.4</td><td>189.1</td><td>70.9</td><td>55.2</td>"
                "<td>209</td><td>59.1</td><td>59.5</td><td></td></tr>\r\n"
                "<tr><td width=225>Tay</td>\r\n"
                "<td>37.4</td><td>47.3</td><td>17.7</td><td>23.6</td><td>51.2</td><td>35.5</td>"
                "<td>43.3</td><td>104.4</td><td>189.1</td><td>70.9</td><td>55.2</td>"
                "<td>990</td><td>59.1</td><td>59.5</td><td>55/45</td></tr>\r\n" +
                kEnd);
}

TEST(year_report, first_make_named_xxx_gets_no_header_and_make_is_not_trimmed) {
  const std::string data = rec("XXX", "One", "") + rec(" ALDER", "Two", "");
  const std::string page = run(data, "Metric", true).page();
  EXPECT_EQ(page.find("<B>XXX</B>"), std::string::npos);
  EXPECT_NE(page.find(compactHeader(" ALDER") + "<tr><td width=225>Two</td>"), std::string::npos);
  EXPECT_NE(page.find(kCompactTable + std::string("<tr><td width=225>One</td>")),
            std::string::npos);
}

TEST(year_report, missing_make_and_model_show_minus_one) {
  const std::string page = run("<R><DA>" + kDa + "</DA></R>", "Metric", false).page();
  EXPECT_NE(page.find(boxedHeader("-1") + "<tr><td width=250><font size=-1>-1</td></font>"),
            std::string::npos);
}

TEST(year_report, blank_record_is_skipped_and_later_models_are_still_listed) {
  const std::string data = rec("ALDER", "Spey", kDa) + "<R>   </R><R></R><R>-1</R>" +
                           rec("ALDER", "Tay", kDa) + rec("BIRCH", "Dee", kDa);
  const std::string page = run(data, "Metric", true).page();
  EXPECT_NE(page.find("<td width=225>Spey</td>"), std::string::npos);
  EXPECT_NE(page.find("<td width=225>Tay</td>"), std::string::npos);
  EXPECT_NE(page.find(compactHeader("BIRCH") + "<tr><td width=225>Dee</td>"), std::string::npos);
  EXPECT_TRUE(page.ends_with(kEnd));
}

TEST(year_report, walk_ends_at_a_record_that_is_never_closed) {
  struct Case {
    const char* name;
    std::string data;
    std::size_t pieces;
  };
  const Case cases[] = {
      {"empty year data", "", 2},
      {"no records", "SP1995 nothing here", 2},
      {"lone opening tag", "<R>", 2},
      {"lone closing tag", "</R></R>", 2},
      {"last record unclosed", rec("ALDER", "Spey", kDa) + "<R><MA>BIRCH</MA>", 3},
      {"binary noise", std::string("\0<R\xff</R>\0<R>", 12), 2},
  };
  for (const auto& c : cases) {
    const auto got = run(c.data, "Metric", false);
    EXPECT_EQ(got.pieces.size(), c.pieces) << c.name;
    EXPECT_TRUE(got.page().ends_with(kEnd)) << c.name;
  }
  EXPECT_EQ(run("", "Metric", true).page(), std::string(kHead) + kCompactTable + kEnd);
}

TEST(year_report, stops_when_the_sink_refuses_a_piece) {
  int calls = 0;
  const bool ok = writeYearReport(kThreeMakes, "1995", "Metric", true,
                                  [&](std::string_view) { return ++calls < 2; });
  EXPECT_FALSE(ok);
  EXPECT_EQ(calls, 2);
}

TEST(year_report, data_text_is_escaped) {
  const std::string da = "<5>" + kDa.substr(3, 40) + "5&5\"5";
  const std::string data = rec("A&W", "Tay <GT>", da);
  std::string page;
  writeYearReport(data, "<1995>", "Metric", false, [&](std::string_view p) {
    page += p;
    return true;
  });
  EXPECT_NE(page.find("<title>ORV - Orvane - Year: &lt;1995&gt;</title>"), std::string::npos);
  EXPECT_NE(page.find("<tr><td width=250><b>A&amp;W</b></td>"), std::string::npos);
  EXPECT_NE(page.find("<font size=-1>Tay &lt;GT&gt;</td>"), std::string::npos);
  EXPECT_NE(page.find("<td>&lt;5&gt;\r\n265</td>"), std::string::npos);
  EXPECT_NE(page.find("<td>5&amp;5&quot;5</td></tr>"), std::string::npos);
}

}  // namespace
}  // namespace orv
