// The model report: one model's fifteen measurements and the year they were taken.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ExpectedLegend.h"
#include "reports/ModelReport.h"

namespace orv {
namespace {

// A dimension string: A " 95", B 120, C " 45", D " 60", E 130, F " 90", G 110, OL 480,
// OW 180, OH 140, WB 265, TF 150, TR 151, CW 1360, WD "55/45", measured in '64.
const std::string kDa = " 95120 45 60130 90110480180140265150151136055/4564";

std::string record(const std::string& model, const std::string& da) {
  return "<MA>ALDER</MA><MO>" + model + "</MO><DA>" + da + "</DA>";
}

const char* const kHead =
    "<html>\r\n<head>\r\n <title>ORV - Orvane.  Version: 2018.2</title>\r\n</head>\r\n"
    "<body>\r\n";
const char* const kEnd = " </body>\r\n </html>\r\n";

// Assembles the expected page from hand-written values, one per legend row.
std::string expectedPage(const std::string& heading, const std::vector<std::string>& values,
                         const std::string& yearLine) {
  std::string page = kHead;
  page += "<CENTER><B>" + heading + "</B></CENTER>\r\n<BR><BR>\r\n";
  page += "<table width=650 border=1>\r\n";
  for (std::size_t i = 0; i < 15; ++i)
    page += expected::kLegendRows[i] + "<td width=100>" + values[i] + "</td>\r\n";
  page += "</table >\r\n<BR><BR>Measurements obtained in year: " + yearLine + "\r\n";
  return page + kEnd;
}

TEST(model_report, metric_page_byte_for_byte) {
  const std::vector<std::string> rows{record("Spey 2dr", kDa)};
  std::string expected =
      "<html>\r\n<head>\r\n <title>ORV - Orvane.  Version: 2018.2</title>\r\n</head>\r\n"
      "<body>\r\n"
      "<CENTER><B>1995 ALDER Spey 2dr</B></CENTER>\r\n<BR><BR>\r\n"
      "<table width=650 border=1>\r\n";
  const char* values[] = {"95 cm",  "120 cm", "45 cm",  "60 cm",   "130 cm",
                          "90 cm",  "110 cm", "480 cm", "180 cm",  "140 cm",
                          "265 cm", "150 cm", "151 cm", "1360 kg", "55/45"};
  for (int i = 0; i < 15; ++i)
    expected += expected::kLegendRows[i] + "<td width=100>" + values[i] + "</td>\r\n";
  expected +=
      "</table >\r\n<BR><BR>Measurements obtained in year: 2064\r\n"
      " </body>\r\n </html>\r\n";
  EXPECT_EQ(modelReportPage(" 1995 ", "ALDER ", " Spey 2dr", rows, "Metric", "2018.2"), expected);
}

TEST(model_report, imperial_converts_lengths_to_one_decimal_and_weight_to_pounds) {
  const std::vector<std::string> rows{record("Spey 2dr", kDa)};
  const std::vector<std::string> values{"37.4 in",  "47.3 in", "17.7 in",  "23.6 in", "51.2 in",
                                        "35.5 in",  "43.3 in", "189.1 in", "70.9 in", "55.2 in",
                                        "104.4 in", "59.1 in", "59.5 in",  "2992 lb", "55/45"};
  EXPECT_EQ(modelReportPage("1995", "ALDER", "Spey 2dr", rows, "Imperial", "2018.2"),
            expectedPage("1995 ALDER Spey 2dr", values, "2064"));
}

TEST(model_report, measurement_year_gets_its_century_from_the_two_digits) {
  struct Case {
    std::string tail;  // what follows the 48 measurement characters
    std::string line;  // the year as printed
  };
  const Case cases[] = {
      {"64", "2064"}, {"65", "1965"}, {"00", "2000"},
      {"99", "1999"}, {"AB", "20AB"},  // not a number: reads 0, so the 2000s
      {"  ", "  "},                    // blank: no century, the blanks themselves
      {"", ""},                        // a string of 48 characters has no year at all
  };
  const std::string first48 = kDa.substr(0, 48);
  for (const auto& c : cases) {
    const std::vector<std::string> rows{record("Tay", first48 + c.tail)};
    const std::string page = modelReportPage("1995", "ALDER", "Tay", rows, "Metric", "2018.2");
    EXPECT_NE(page.find("<BR><BR>Measurements obtained in year: " + c.line + "\r\n </body>"),
              std::string::npos)
        << "tail '" << c.tail << "'";
  }
}

TEST(model_report, record_without_dimensions_shows_na_everywhere_and_a_blank_year) {
  const std::vector<std::string> rows{"<MA>ALDER</MA><MO>Tay</MO>"};
  const std::vector<std::string> values(15, "N/A");
  for (const char* units : {"Metric", "Imperial"}) {
    EXPECT_EQ(modelReportPage("1995", "ALDER", "Tay", rows, units, "2018.2"),
              expectedPage("1995 ALDER Tay", values, "  "))
        << units;
  }
}

TEST(model_report, first_record_of_the_name_wins_whatever_its_case_or_blanks) {
  const std::string second = " 96" + kDa.substr(3);
  const std::vector<std::string> rows{record("Dee", kDa), record("  spey 2DR ", kDa),
                                      record("Spey 2dr", second)};
  const std::string page = modelReportPage("1995", "ALDER", "SPEY 2dr", rows, "Metric", "2018.2");
  // The heading names the model as the grid cell has it, and the values are the first match's.
  EXPECT_NE(page.find("<B>1995 ALDER SPEY 2dr</B>"), std::string::npos);
  EXPECT_NE(page.find("<td width=100>95 cm</td>"), std::string::npos);
  EXPECT_EQ(page.find("96 cm"), std::string::npos);
}

TEST(model_report, model_not_in_the_list_gives_head_and_end_only) {
  const std::vector<std::string> rows{record("Dee", kDa), "<MA>ALDER</MA><DA>" + kDa + "</DA>"};
  EXPECT_EQ(modelReportPage("1995", "ALDER", "Tay", rows, "Metric", "2018.2"),
            std::string(kHead) + kEnd);
}

TEST(model_report, data_text_is_escaped_and_ordinary_text_is_not_touched) {
  const std::string da = "<5>" + kDa.substr(3, 40) + "5&5\"5" + "64";
  const std::string rec = "<MA>A&W</MA><MO>Tay <GT></MO><DA>" + da + "</DA>";
  const std::vector<std::string_view> rows{rec};
  const std::string page = modelReportPage("1995", "A&W", "tay <gt>", rows, "Metric", "<v>");
  EXPECT_NE(page.find(" <title>ORV - Orvane.  Version: &lt;v&gt;</title>"), std::string::npos);
  EXPECT_NE(page.find("<B>1995 A&amp;W tay &lt;gt&gt;</B>"), std::string::npos);
  EXPECT_NE(page.find("<td width=100>&lt;5&gt; cm</td>"), std::string::npos);
  EXPECT_NE(page.find("<td width=100>5&amp;5&quot;5</td>"), std::string::npos);
}

}  // namespace
}  // namespace orv
