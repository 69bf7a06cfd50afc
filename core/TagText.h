// Tag lookups over year data and model records. A value runs from its opening tag to
// the first closing tag of the same name; nothing is parsed into a tree.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orv::core {

// One element found in a text: its value and where its tags begin (0-based).
struct Element {
  std::string_view value;
  std::size_t open = 0;   // position of "<TAG>"
  std::size_t close = 0;  // position of "</TAG>"
};

// The first element named `tag` whose opening tag begins at or after `from` (0-based).
// The closing tag is searched from the opening tag, not from its end.
std::optional<Element> findElement(std::string_view text, std::string_view tag,
                                   std::size_t from = 0);

// Value of the element, or `absent` when it is not there; a view into `text`.
std::string_view tagValue(std::string_view text, std::string_view tag,
                          std::string_view absent = "-1");

// F_GETTAG: value of the first element at or after the 1-based `start`, "-1" when absent.
std::string F_GETTAG(std::string_view text, std::string_view tag, long start);

// F_GETTAG2: the same from position 1, the empty string when absent.
std::string F_GETTAG2(std::string_view text, std::string_view tag);

// F_FIRSTWORD: the characters before the first blank once blanks at both ends are removed.
std::string F_FIRSTWORD(std::string_view text);
std::string_view firstWord(std::string_view text);

}  // namespace orv::core
