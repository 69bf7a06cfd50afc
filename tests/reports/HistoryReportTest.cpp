// The version history page and F_HTMLTEXT.
#include <gtest/gtest.h>

#include "reports/HistoryReport.h"

namespace orv {
namespace {

TEST(html_text, keeps_breaks_tabs_and_blank_runs_visible) {
  struct Case {
    const char* name;
    std::string in;
    std::string out;
  };
  const Case cases[] = {
      {"empty", "", ""},
      {"two blanks between letters", "a  b", "a &nbsp;b"},
      {"three blanks between letters", "a   b", "a &nbsp;&nbsp;b"},
      {"blanks after a full stop stay plain", "a.  b", "a.  b"},
      {"full stop then tab ends the run", ".\t  ", ".&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; &nbsp;&nbsp;"},
      {"tab after a letter", "a\tb", "a&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; b"},
      {"tab after a blank", "a \tb", "a &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;b"},
      {"two tabs", "\t\t", "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp; &nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;"},
      {"cr lf gives one break", "a\r\nb", "a<BR>b"},
      {"bare lf", "a\nb", "a<BR>b"},
      {"bare cr vanishes and resets the run", "a \r b", "a  b"},
      {"break resets the run", "a \n b", "a <BR> b"},
      {"leading blank is plain", " a", " a"},
      {"reserved characters escaped once", "<a href=\"x\">&amp;",
       "&lt;a href=&quot;x&quot;&gt;&amp;amp;"},
      {"only breaks", "\r\n\r\n", "<BR><BR>"},
      {"8-bit bytes pass through", "caf\xE9", "caf\xE9"},
  };
  for (const auto& c : cases) EXPECT_EQ(F_HTMLTEXT(c.in), c.out) << c.name;
}

TEST(history_report, page_has_no_heading_block_and_converts_the_whole_file) {
  const std::string history = "2018.2 Orvane data\r\n\r\n2017.1  Fixes & more.\r\n";
  EXPECT_EQ(historyPage(history),
            "<html>\r\n<head>\r\n <title>ORV - Orvane - Version History</title>\r\n</head>\r\n"
            "<body>\r\n"
            "2018.2 Orvane data<BR><BR>2017.1 &nbsp;Fixes &amp; more.<BR>"
            " </body>\r\n </html>\r\n");
}

TEST(history_report, unreadable_empty_or_blank_file_counts_as_missing) {
  EXPECT_TRUE(historyIsMissing(""));
  EXPECT_TRUE(historyIsMissing("-1"));
  EXPECT_TRUE(historyIsMissing("    "));
  EXPECT_FALSE(historyIsMissing("\r\n"));  // only blanks are trimmed for the test
  EXPECT_FALSE(historyIsMissing("\t"));
  EXPECT_FALSE(historyIsMissing(" -1 "));
}

}  // namespace
}  // namespace orv
