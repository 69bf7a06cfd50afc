#include "output/reports/Page.h"

namespace orv::output {

std::string pageHead(std::string_view title) {
  std::string out;
  out.reserve(64 + title.size());
  // The blank before "<title>" belongs to the page as it has always been written.
  out.append("<html>\r\n<head>\r\n <title>")
      .append(title)
      .append("</title>\r\n</head>\r\n<body>\r\n");
  return out;
}

std::string headingBlock(std::string_view heading) {
  std::string out;
  out.reserve(48 + heading.size());
  out.append("<CENTER><B>").append(heading).append("</B></CENTER>\r\n<BR><BR>\r\n");
  return out;
}

std::string pageEnd() {
  // Each closing line starts with one blank; kept as viewers and old pages expect it.
  return " </body>\r\n </html>\r\n";
}

void appendEscaped(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

std::string escapeHtml(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendEscaped(out, text);
  return out;
}

}  // namespace orv::output
