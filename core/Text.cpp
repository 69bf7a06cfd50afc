#include "core/Text.h"

#include <cstring>

namespace orv {

std::size_t findText(std::string_view haystack, std::string_view needle, std::size_t from) {
  if (from > haystack.size() || needle.size() > haystack.size() - from) return npos;
  // memmem is glibc's two-way search: linear and close to memchr speed on tag texts.
  const void* hit =
      memmem(haystack.data() + from, haystack.size() - from, needle.data(), needle.size());
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - haystack.data()) : npos;
}

std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string toUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = upperChar(c);
  return out;
}

bool equalsTrimmedUpper(std::string_view text, std::string_view upperWanted) {
  const auto t = trimBlanks(text);
  if (t.size() != upperWanted.size()) return false;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (upperChar(t[i]) != upperWanted[i]) return false;
  }
  return true;
}

std::string_view slice(std::string_view text, std::size_t first, std::size_t count) {
  if (first == 0 || first > text.size()) return {};
  return text.substr(first - 1, count);
}

}  // namespace orv
