// The legend page, byte for byte.
#include <gtest/gtest.h>

#include "ExpectedLegend.h"
#include "reports/Legend.h"

namespace orv {
namespace {

TEST(legend_report, page_is_head_blank_heading_fifteen_open_rows_and_odd_table_end) {
  std::string expected =
      "<html>\r\n<head>\r\n <title>ORV - Orvane - Legend</title>\r\n</head>\r\n<body>\r\n"
      "<CENTER><B>  </B></CENTER>\r\n<BR><BR>\r\n"
      "<table width=650 border=1>\r\n";
  for (const auto& row : expected::kLegendRows) expected += row;
  expected += "</table >\r\n<BR><BR> </body>\r\n </html>\r\n";
  EXPECT_EQ(legendPage(), expected);
}

}  // namespace
}  // namespace orv
