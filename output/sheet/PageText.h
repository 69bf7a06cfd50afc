// Data text on the new pages (the vehicle sheet and the pages after it). Stricter than the
// historic pages' appendEscaped (Page.h), which passes 8-bit bytes through as the published
// pages always have: here every byte above 127 becomes a character reference of its value
// (Latin-1; browsers read 128 to 159 as code page 1252, as the year files mean them), so the
// page is plain ASCII whatever the data and needs no declared encoding.
#pragma once

#include <string>
#include <string_view>

namespace orv::output {

// Appends `text` with & < > and the double quote as entities, bytes above 127 as "&#NNN;",
// a tab as a blank and any other control character as '?'.
void appendPageText(std::string& out, std::string_view text);

// `text` as appendPageText writes it.
std::string pageText(std::string_view text);

// `text` with every line end "\n" written as CR LF, as the page's own lines end.
std::string withCrLf(std::string_view text);

}  // namespace orv::output
