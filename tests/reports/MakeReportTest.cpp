// The make report: the row list in one table with paired values, then the unit system.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/MakeReport.h"

namespace orv {
namespace {

const std::string kDa = " 95120 45 60130 90110480180140265150151136055/4564";

const char* const kTop =
    "<html>\r\n<head>\r\n <title>ORV - Orvane.  Version: 2018.2</title>\r\n</head>\r\n"
    "<body>\r\n"
    "<CENTER><B> 1995 ALDER </B></CENTER>\r\n<BR><BR>\r\n"
    "<table width=650 border=1 cellspacing=0 cellpadding=0>\r\n"
    " <tr><td width=250><CENTER><b>MODEL</b></CENTER></td>\r\n"
    "<td width=50><CENTER><b>A<BR>WB</b></CENTER></td>\r\n"
    "<td width=50><CENTER><b>B<BR>OL</b></CENTER></td>\r\n"
    "<td width=50><CENTER><b>C<BR>OW</b></CENTER></td>\r\n"
    "<td width=50><CENTER><b>D<BR>OH</b></CENTER></td>\r\n"
    "<td width=50><CENTER><b>E<BR>CW</b></CENTER></td>\r\n"
    "<td width=50><CENTER><b>F<BR>TF</b></CENTER></td>\r\n"
    "<td width=50><CENTER><b>G<BR>TR</b></CENTER></td>\r\n"
    "<td width=50><CENTER><b> &nbsp; <BR>WD</b></CENTER></td>\r\n"
    "</tr>\r\n";

std::string bottom(const char* units) {
  return std::string(" </table>\r\n<BR>Units: ") + units + " </body>\r\n </html>\r\n";
}

TEST(make_report, empty_row_list_gives_the_header_row_and_the_units_line) {
  const std::vector<std::string> rows;
  EXPECT_EQ(makeReportPage(" 1995", "ALDER ", rows, "Metric", "2018.2"),
            std::string(kTop) + bottom("Metric"));
}

TEST(make_report, metric_values_are_the_stored_characters_blanks_included) {
  const std::vector<std::string> rows{"<MA>ALDER</MA><MO> Spey 2dr</MO><DA>" + kDa + "</DA>"};
  const std::string expected = std::string(kTop) +
                               " <tr><td width=250> Spey 2dr</td>\r\n"
                               "<td width=50><CENTER> 95 <BR> 265</CENTER></td>\r\n"
                               "<td width=50><CENTER>120 <BR> 480</CENTER></td>\r\n"
                               "<td width=50><CENTER> 45 <BR> 180</CENTER></td>\r\n"
                               "<td width=50><CENTER> 60 <BR> 140</CENTER></td>\r\n"
                               "<td width=50><CENTER>130 <BR> 1360</CENTER></td>\r\n"
                               "<td width=50><CENTER> 90 <BR> 150</CENTER></td>\r\n"
                               "<td width=50><CENTER>110 <BR> 151</CENTER></td>\r\n"
                               "<td width=50><CENTER> <BR> 55/45</CENTER></td>\r\n"
                               "</tr>\r\n" +
                               bottom("Metric");
  EXPECT_EQ(makeReportPage(" 1995", "ALDER ", rows, "Metric", "2018.2"), expected);
}

TEST(make_report, imperial_values_and_missing_fields_and_names) {
  // Second record: A "N/A", B "-1", C blank, WD blank, no model; third: no dimensions.
  const std::string gaps = "N/A -1   " + kDa.substr(9, 34) + "     64";
  const std::vector<std::string> rows{"<MA>ALDER</MA><MO>Spey</MO><DA>" + kDa + "</DA>",
                                      "<MA>ALDER</MA><DA>" + gaps + "</DA>",
                                      "<MA>ALDER</MA><MO>Dee</MO>"};
  const std::string expected = std::string(kTop) +
                               " <tr><td width=250>Spey</td>\r\n"
                               "<td width=50><CENTER>37.4 <BR> 104.4</CENTER></td>\r\n"
                               "<td width=50><CENTER>47.3 <BR> 189.1</CENTER></td>\r\n"
                               "<td width=50><CENTER>17.7 <BR> 70.9</CENTER></td>\r\n"
                               "<td width=50><CENTER>23.6 <BR> 55.2</CENTER></td>\r\n"
                               "<td width=50><CENTER>51.2 <BR> 2992</CENTER></td>\r\n"
                               "<td width=50><CENTER>35.5 <BR> 59.1</CENTER></td>\r\n"
                               "<td width=50><CENTER>43.3 <BR> 59.5</CENTER></td>\r\n"
                               "<td width=50><CENTER> <BR> 55/45</CENTER></td>\r\n"
                               "</tr>\r\n"
                               " <tr><td width=250></td>\r\n"
                               "<td width=50><CENTER>N/A <BR> 104.4</CENTER></td>\r\n"
                               "<td width=50><CENTER>N/A <BR> 189.1</CENTER></td>\r\n"
                               "<td width=50><CENTER>N/A <BR> 70.9</CENTER></td>\r\n"
                               "<td width=50><CENTER>23.6 <BR> 55.2</CENTER></td>\r\n"
                               "<td width=50><CENTER>51.2 <BR> 2992</CENTER></td>\r\n"
                               "<td width=50><CENTER>35.5 <BR> 59.1</CENTER></td>\r\n"
                               "<td width=50><CENTER>43.3 <BR> 59.5</CENTER></td>\r\n"
                               "<td width=50><CENTER> <BR> N/A</CENTER></td>\r\n"
                               "</tr>\r\n"
                               " <tr><td width=250>Dee</td>\r\n"
                               "<td width=50><CENTER>N/A <BR> N/A</CENTER></td>\r\n"
                               "<td width=50><CENTER>N/A <BR> N/A</CENTER></td>\r\n"
                               "<td width=50><CENTER>N/A <BR> N/A</CENTER></td>\r\n"
                               "<td width=50><CENTER>N/A <BR> N/A</CENTER></td>\r\n"
                               "<td width=50><CENTER>N/A <BR> N/A</CENTER></td>\r\n"
                               "<td width=50><CENTER>N/A <BR> N/A</CENTER></td>\r\n"
                               "<td width=50><CENTER>N/A <BR> N/A</CENTER></td>\r\n"
                               "<td width=50><CENTER> <BR> N/A</CENTER></td>\r\n"
                               "</tr>\r\n" +
                               bottom("Imperial");
  EXPECT_EQ(makeReportPage(" 1995", "ALDER ", rows, "Imperial", "2018.2"), expected);
}

TEST(make_report, units_line_follows_the_first_letter_of_the_unit_text) {
  const std::vector<std::string> rows;
  const std::pair<const char*, const char*> cases[] = {
      {"Metric", "Metric"},     {" m ", "Metric"}, {"metric", "Metric"},
      {"Imperial", "Imperial"}, {"i", "Imperial"}, {"", "Imperial"}};
  for (const auto& [units, line] : cases) {
    EXPECT_EQ(makeReportPage(" 1995", "ALDER ", rows, units, "2018.2"),
              std::string(kTop) + bottom(line))
        << "'" << units << "'";
  }
}

TEST(make_report, data_text_is_escaped) {
  const std::vector<std::string> rows{"<MA>A&W</MA><MO>\"Big\" <V8></MO>"};
  const std::string page = makeReportPage("1995", "A&W", rows, "Metric", "&2018");
  EXPECT_NE(page.find("<title>ORV - Orvane.  Version: &amp;2018</title>"), std::string::npos);
  EXPECT_NE(page.find("<CENTER><B>1995 A&amp;W</B></CENTER>"), std::string::npos);
  EXPECT_NE(page.find("<td width=250>&quot;Big&quot; &lt;V8&gt;</td>"), std::string::npos);
}

}  // namespace
}  // namespace orv
