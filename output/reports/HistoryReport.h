// The version history page: VERSION.TXT shown as HTML that keeps its line breaks, tab stops
// and runs of blanks visible.
#pragma once

#include <string>
#include <string_view>

namespace orv::output {

// True when the text read from VERSION.TXT gives no history to show: unreadable ("-1"),
// empty, or blanks only. The caller then says "History file does not exist.".
bool historyIsMissing(std::string_view historyText);

// F_HTMLTEXT: plain text to HTML. LF becomes "<BR>", CR vanishes, a tab becomes five
// "&nbsp;" and then counts as a blank, the second and later blanks of a run become "&nbsp;"
// (not after a full stop), and & < > " are escaped.
std::string F_HTMLTEXT(std::string_view text);

// The whole history page (no heading block).
std::string historyPage(std::string_view historyText);

}  // namespace orv::output
