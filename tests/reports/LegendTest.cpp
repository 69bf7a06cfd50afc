// The legend page, byte for byte.
#include <gtest/gtest.h>

#include "ExpectedPage.h"
#include "Legend.h"

namespace orv {
namespace {

TEST(legend_report, page_is_head_blank_heading_fifteen_open_rows_and_odd_table_end) {
  std::string expected = expected::head("ORV - Orvane - Legend") +
                         "<CENTER><B>  </B></CENTER>\r\n<BR><BR>\r\n<table width=650 border=1>\r\n";
  for (const auto& row : expected::kLegendRows) expected += row;
  EXPECT_EQ(legendPage(), expected + "</table >\r\n<BR><BR>" + expected::kEnd);
}

}  // namespace
}  // namespace orv
