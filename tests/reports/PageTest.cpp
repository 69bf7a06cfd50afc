// The shared skeleton and the escaping of data text.
#include <gtest/gtest.h>

#include "reports/Page.h"

namespace orv {
namespace {

TEST(page_skeleton, head_puts_a_blank_before_the_title_and_ends_every_line_with_cr_lf) {
  EXPECT_EQ(pageHead("T"), "<html>\r\n<head>\r\n <title>T</title>\r\n</head>\r\n<body>\r\n");
}

TEST(page_skeleton, heading_block_is_centred_bold_with_two_breaks) {
  EXPECT_EQ(headingBlock("1995 ALDER"), "<CENTER><B>1995 ALDER</B></CENTER>\r\n<BR><BR>\r\n");
}

TEST(page_skeleton, end_lines_each_begin_with_one_blank) {
  EXPECT_EQ(pageEnd(), " </body>\r\n </html>\r\n");
}

TEST(escape_html, escapes_the_four_reserved_characters_once_and_nothing_else) {
  struct Case {
    const char* in;
    const char* out;
  };
  const Case cases[] = {
      {"", ""},
      {"ALDER 2dr", "ALDER 2dr"},
      {"A&B", "A&amp;B"},
      {"<b>", "&lt;b&gt;"},
      {"say \"hi\"", "say &quot;hi&quot;"},
      {"&amp;", "&amp;amp;"},
      {"it's 55/45 \xE9", "it's 55/45 \xE9"},  // quote and 8-bit letters stay
  };
  for (const auto& c : cases) EXPECT_EQ(escapeHtml(c.in), c.out) << c.in;
}

}  // namespace
}  // namespace orv
