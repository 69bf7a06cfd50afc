// The version history page and F_HTMLTEXT.
#include <gtest/gtest.h>

#include "ExpectedPage.h"
#include "output/reports/HistoryReport.h"

namespace orv {

using namespace orv::output;
namespace {

TEST(html_text, keeps_breaks_tabs_and_blank_runs_visible) {
  const std::pair<std::string, std::string> cases[] = {
      {"a   b", "a &nbsp;&nbsp;b"},
      {"a.  b", "a.  b"},  // blanks after a full stop stay plain
      {".\t  ", ".&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; &nbsp;&nbsp;"},
      {"a \tb", "a &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;b"},
      {"\t\t", "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"},
      {"a\r\nb", "a<BR>b"},
      {"a \r b", "a  b"},  // a bare CR vanishes and ends the run
      {"a \n b", "a <BR> b"},
      {"<a href=\"x\">&amp;", "&lt;a href=&quot;x&quot;&gt;&amp;amp;"},
  };
  for (const auto& [in, out] : cases) EXPECT_EQ(F_HTMLTEXT(in), out) << in;
}

TEST(history_report, page_has_no_heading_block_and_converts_the_whole_file) {
  EXPECT_EQ(historyPage("2018.2 Orvane data\r\n\r\n2017.1  Fixes & more.\r\n"),
            expected::head("ORV - Orvane - Version History") +
                "2018.2 Orvane data<BR><BR>2017.1 &nbsp;Fixes &amp; more.<BR>" + expected::kEnd);
}

TEST(history_report, unreadable_empty_or_blank_file_counts_as_missing) {
  for (const char* text : {"", "-1", "    "}) EXPECT_TRUE(historyIsMissing(text)) << text;
  for (const char* text : {"\r\n", "\t", " -1 "}) EXPECT_FALSE(historyIsMissing(text)) << text;
}

}  // namespace
}  // namespace orv
