#include "core/Text.h"

#include <cstring>

#include "core/CharPositions.h"

namespace orv::core {

std::size_t findText(std::string_view haystack, std::string_view needle, std::size_t from) {
  if (from > haystack.size() || needle.size() > haystack.size() - from) return npos;
  if (needle.empty()) return from;
  // Tags are a few bytes long and stand a few bytes apart: stepping from one first character
  // to the next beats a general substring search, whose set-up per call costs more than the
  // search itself here. The search stops at the last place the needle fits.
  const std::size_t last = haystack.size() - needle.size();
  CharPositions candidates(haystack, from, needle.front());
  for (std::size_t at = candidates.next(); at != npos && at <= last; at = candidates.next()) {
    if (std::memcmp(haystack.data() + at + 1, needle.data() + 1, needle.size() - 1) == 0) return at;
  }
  return npos;
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

}  // namespace orv::core
