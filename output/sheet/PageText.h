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

// A formatted amount ("3.20 m2", "34.4 ft2", "119.3 cm") as appendPageText writes it, the
// area units with a raised 2.
void appendQuantity(std::string& out, std::string_view text);

// The look the new pages share, style rules without double quotes (outside the page's own
// tags a double quote is always escaped data); each page adds its own rules after these and
// closes the style sheet itself.
inline constexpr std::string_view kPageStyleStart =
    "<style>\r\n"
    "body{font-family:'DejaVu Sans',Arial,Helvetica,sans-serif;font-size:15px;color:#111;"
    "margin:16px;max-width:1080px}\r\n"
    "h1{font-size:23px;margin:0 0 2px}\r\n"
    "h2{font-size:17px;margin:26px 0 8px;padding-bottom:2px;border-bottom:1px solid #999}\r\n"
    "p{margin:6px 0}\r\n"
    ".units{color:#444;margin:0}\r\n"
    "table{border-collapse:collapse;font-size:14px}\r\n"
    "th,td{border:1px solid #bbb;padding:3px 8px;text-align:left;vertical-align:top}\r\n"
    "th{background:#eee}\r\n"
    "td.code{font-weight:bold;white-space:nowrap}\r\n"
    "td.value{text-align:right;white-space:nowrap}\r\n"
    "td.na{color:#a40000}\r\n"
    "td.formula{font-family:'DejaVu Sans Mono',monospace;white-space:nowrap}\r\n"
    ".view{margin:0 0 14px}\r\n"
    ".view svg{display:block;width:100%;height:auto;border:1px solid #ccc}\r\n";

// `text` with every line end "\n" written as CR LF, as the page's own lines end.
std::string withCrLf(std::string_view text);

}  // namespace orv::output
