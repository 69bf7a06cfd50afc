// F_HTMLTEXT and the version history page over an arbitrary VERSION.TXT.
#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "PageCheck.h"
#include "output/reports/HistoryReport.h"

using namespace orv::output;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string html = F_HTMLTEXT(text);
  orv::fuzz::checkMarkup(html);
  FUZZ_CHECK(html.find_first_of("\r\n") == std::string::npos,
             "line breaks of the text become <BR>, never raw line ends");
  std::size_t breaks = 0;
  for (std::size_t at = html.find("<BR>"); at != std::string::npos; at = html.find("<BR>", at + 1))
    ++breaks;
  FUZZ_CHECK(breaks == static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')),
             "one <BR> per line feed");
  static_cast<void>(historyIsMissing(text));
  orv::fuzz::checkPage(historyPage(text));
  return 0;
}
