// The page skeleton every report shares (head, heading block, end) and the HTML escaping of
// data text. Fragments are byte-exact: every line end is CR LF and no other is added.
#pragma once

#include <string>
#include <string_view>

namespace orv::output {

inline constexpr std::string_view kCrLf = "\r\n";

// Title of the make and model reports; the version text follows. Two blanks after the full
// stop, one after the colon.
inline constexpr std::string_view kVersionTitle = "ORV - Orvane.  Version: ";

// "<html>" ... "<body>" with `title` placed as given (callers escape data text).
std::string pageHead(std::string_view title);

// The centred bold heading and the two breaks under it; `heading` placed as given.
std::string headingBlock(std::string_view heading);

// " </body>" and " </html>", each line ending in CR LF.
std::string pageEnd();

// Appends `text` with & < > and the double quote written as entities.
void appendEscaped(std::string& out, std::string_view text);

// `text` with & < > and the double quote written as entities; other bytes unchanged.
std::string escapeHtml(std::string_view text);

}  // namespace orv::output
