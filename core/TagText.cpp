#include "core/TagText.h"

#include "core/Text.h"

namespace orv::core {

namespace {
// The element between the opening tag text `open` and the closing one `close`; the closing
// tag is searched from the opening tag, not from its end.
std::optional<Element> findElementBetween(std::string_view text, std::string_view open,
                                          std::string_view close, std::size_t from) {
  const auto p = findText(text, open, from);
  if (p == npos) return std::nullopt;
  const auto q = findText(text, close, p);
  if (q == npos) return std::nullopt;
  const auto valueStart = p + open.size();
  // A closing tag found inside the opening tag's own text cannot happen ("</" vs "<X"),
  // but keep the value empty rather than negative if a caller passes an odd tag name.
  const auto length = q >= valueStart ? q - valueStart : 0;
  return Element{text.substr(valueStart, length), p, q};
}
}  // namespace

std::optional<Element> findElement(std::string_view text, std::string_view tag, std::size_t from) {
  // The tags are built on the stack: a lookup runs once a record in the walks over a year.
  constexpr std::size_t kShortTag = 28;
  if (tag.size() > kShortTag) {
    const std::string open = "<" + std::string(tag) + ">";
    const std::string close = "</" + std::string(tag) + ">";
    return findElementBetween(text, open, close, from);
  }
  char open[kShortTag + 2];
  char close[kShortTag + 3];
  open[0] = '<';
  close[0] = '<';
  close[1] = '/';
  tag.copy(open + 1, tag.size());
  tag.copy(close + 2, tag.size());
  open[tag.size() + 1] = '>';
  close[tag.size() + 2] = '>';
  return findElementBetween(text, std::string_view(open, tag.size() + 2),
                            std::string_view(close, tag.size() + 3), from);
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
