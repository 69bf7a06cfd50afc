#include "output/reports/HistoryReport.h"

#include "core/Text.h"
#include "output/reports/Page.h"

namespace orv::output {

using namespace core;

bool historyIsMissing(std::string_view historyText) {
  return historyText == "-1" || trimBlanks(historyText).empty();
}

std::string F_HTMLTEXT(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  bool afterBlank = false;
  bool afterFullStop = false;
  for (const char c : text) {
    // The full-stop run is judged on the character as written, before a tab counts as blank.
    afterFullStop = c == '.' || (c == ' ' && afterFullStop);
    bool blank = c == ' ';
    if (c == '\t') {
      out += "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;";
      blank = true;
    }
    if (blank) {
      // Blanks after a full stop stay plain, so a browser shows the usual single gap.
      out += afterBlank && !afterFullStop ? "&nbsp;" : " ";
      afterBlank = true;
    } else if (c == '\n') {
      out += "<BR>";
      afterBlank = false;
    } else if (c == '\r') {
      afterBlank = false;  // the LF of a CR LF pair gives the one break
    } else {
      afterBlank = false;
      appendEscaped(out, std::string_view(&c, 1));
    }
  }
  return out;
}

std::string historyPage(std::string_view historyText) {
  std::string page = pageHead("ORV - Orvane - Version History");
  page += F_HTMLTEXT(historyText);
  page += pageEnd();
  return page;
}

}  // namespace orv::output
