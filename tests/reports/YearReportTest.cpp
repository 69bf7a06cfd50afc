// The year report in both layouts, collected from the pieces it emits.
#include <gtest/gtest.h>

#include <string>

#include "ExpectedPage.h"
#include "output/reports/YearReport.h"

namespace orv {

using namespace orv::output;
namespace {

using expected::kDa;

std::string rec(const std::string& make, const std::string& model, const std::string& da) {
  std::string r = "<R><MA>" + make + "</MA><MO>" + model + "</MO>";
  if (!da.empty()) r += "<DA>" + da + "</DA>";
  return r + "</R>\r\n";
}

// The page the report emits piece by piece (fuzz_reports checks a refused piece).
std::string page(const std::string& data, const char* units, bool compact) {
  std::string all;
  EXPECT_TRUE(writeYearReport(data, "1995 ", core::unitSystemOf(units), compact,
                              [&](std::string_view piece) {
                                all += piece;
                                return true;
                              }));
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

// The compact metric page; orvane-cli's tests have the compact metric and boxed imperial
// pages of plain data, the short-strings test the other two layouts.
TEST(year_report, a_make_that_comes_back_and_a_record_without_dimensions) {
  const std::string empty =
      "<td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td>"
      "<td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td><td>N/A</td>"
      "<td></td></tr>\r\n";
  const std::string& values = expected::kCompactMetric;
  EXPECT_EQ(page(kThreeMakes, "Metric", true),
            kCompact + compactHeader("ALDER") + compactRow("Spey 2dr") + values +
                compactHeader("BIRCH") + compactRow("Tay") + values + compactHeader("ALDER") +
                compactRow("Dee") + empty + kEnd);
  EXPECT_TRUE(page(kThreeMakes, "Metric", false)
                  .ends_with(boxedRow("Dee") +
                             "<td>N/A\r\nN/A</td><td>N/A\r\nN/A</td><td>N/A\r\nN/A"
                             "</td><td>N/A\r\nN/A</td><td>N/A\r\nN/A</td><td>N/A\r\nN/A</td>"
                             "<td>N/A\r\nN/A</td><td>&nbsp;N/A</td></tr>\r\n" +
                             kEnd));
}

TEST(year_report, short_strings_and_light_weights_in_imperial) {
  // Spey's string ends inside CW, leaving " 95" there: a weight (209 lb), not a length.
  EXPECT_EQ(page(rec("ALDER", "Spey", kDa.substr(0, 39) + " 95"), "Imperial", true),
            kCompact + compactHeader("ALDER") + compactRow("Spey") +
                "<td>37.4</td><td>47.3</td><td>17.7</td><td>23.6</td><td>51.2</td><td>35.5</td>"
                "<td>43.3</td><td>104.4</td><td>189.1</td><td>70.9</td><td>55.2</td>"
                "<td>209</td><td>59.1</td><td>59.5</td><td></td></tr>\r\n" +
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

// A first make "XXX" gets no header; the make is not trimmed; a missing one reads "-1"; blank
// records are skipped and the models after them still listed.
TEST(year_report, odd_make_names_and_blank_records) {
  const std::string p = page(rec("XXX", "One", "") + rec(" ALDER", "Two", "") +
                                 "<R>   </R><R></R><R>-1</R>" + rec(" ALDER", "Three", "") +
                                 "<R><DA>" + kDa + "</DA></R>" + rec("BIRCH", "Dee", kDa),
                             "Metric", true);
  EXPECT_TRUE(p.starts_with(kCompact + compactRow("One")));
  for (const std::string& part :
       {compactHeader(" ALDER") + compactRow("Two"), compactRow("Three"),
        compactHeader("-1") + compactRow("-1"), compactHeader("BIRCH") + compactRow("Dee")})
    EXPECT_NE(p.find(part), std::string::npos) << part;
  EXPECT_TRUE(p.ends_with(kEnd));
}

}  // namespace
}  // namespace orv
