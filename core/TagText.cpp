#include "core/TagText.h"

#include "core/Text.h"

namespace orv::core {

std::optional<Element> findElement(std::string_view text, std::string_view tag, std::size_t from) {
  // Tags are short; build them on the stack-friendly small string.
  std::string openTag;
  openTag.reserve(tag.size() + 3);
  openTag.append("<").append(tag).append(">");
  const auto p = findText(text, openTag, from);
  if (p == npos) return std::nullopt;
  std::string closeTag;
  closeTag.reserve(tag.size() + 4);
  closeTag.append("</").append(tag).append(">");
  const auto q = findText(text, closeTag, p);
  if (q == npos) return std::nullopt;
  const auto valueStart = p + openTag.size();
  // A closing tag found inside the opening tag's own text cannot happen ("</" vs "<X"),
  // but keep the value empty rather than negative if a caller passes an odd tag name.
  const auto length = q >= valueStart ? q - valueStart : 0;
  return Element{text.substr(valueStart, length), p, q};
}

std::string_view tagValue(std::string_view text, std::string_view tag, std::string_view absent) {
  const auto e = findElement(text, tag, 0);
  return e ? e->value : absent;
}

std::string F_GETTAG(std::string_view text, std::string_view tag, long start) {
  const std::size_t from = start > 1 ? static_cast<std::size_t>(start - 1) : 0;
  const auto e = findElement(text, tag, from);
  return e ? std::string(e->value) : std::string("-1");
}

std::string F_GETTAG2(std::string_view text, std::string_view tag) {
  const auto e = findElement(text, tag, 0);
  return e ? std::string(e->value) : std::string();
}

std::string_view firstWord(std::string_view text) {
  const auto t = trimBlanks(text);
  return t.substr(0, t.find(' '));
}

std::string F_FIRSTWORD(std::string_view text) {
  return std::string(firstWord(text));
}

}  // namespace orv::core
