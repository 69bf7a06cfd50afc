// Small helpers over 8-bit text: one byte is one character, nothing is converted.
// Positions are 0-based inside the code; the procedures named after the window
// designer's scheme (F_GETTAG and friends) keep their 1-based positions.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace orv::core {

inline constexpr std::size_t npos = std::string_view::npos;

// Position of the first `c` at or after `from`, or npos. Inline: walks call it per tag.
inline std::size_t findChar(std::string_view text, char c, std::size_t from) {
  if (from >= text.size()) return npos;
  const void* at = std::memchr(text.data() + from, c, text.size() - from);
  return at ? static_cast<std::size_t>(static_cast<const char*>(at) - text.data()) : npos;
}

// Position of the first `needle` at or after `from`, or npos. The one tag finder: every
// search for a tag text in year data goes through it or through findChar.
std::size_t findText(std::string_view haystack, std::string_view needle, std::size_t from);

// Removes blanks (only the character ' ') at both ends.
std::string_view trimBlanks(std::string_view text);

// ASCII upper case of one character (or character code, such as a typed key): 'a' to 'z'
// become 'A' to 'Z', everything else stays. Of a whole text below.
template <typename Char>
constexpr Char upperChar(Char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<Char>(c - ('a' - 'A')) : c;
}
std::string toUpper(std::string_view text);

// Equality of `text` with blanks removed at both ends and upper-cased, and `upperWanted`,
// without building the trimmed copy.
bool equalsTrimmedUpper(std::string_view text, std::string_view upperWanted);

// Characters [first, first+count) with 1-based `first`, cut short at the end of the text.
std::string_view slice(std::string_view text, std::size_t first, std::size_t count);

}  // namespace orv::core
