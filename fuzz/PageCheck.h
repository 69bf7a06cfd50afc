// The properties every report page holds whatever the data: the skeleton around it, and
// markup made only by the builders: each "<" opens one of their tags, each "&" one of their
// entities, and no ">" or double quote stands on its own. Data text that reached the page
// unescaped breaks one of these.
#pragma once

#include <array>
#include <string_view>

#include "FuzzCheck.h"

namespace orv::fuzz {

namespace page {

inline constexpr std::string_view kHead = "<html>\r\n<head>\r\n <title>";
inline constexpr std::string_view kEnd = " </body>\r\n </html>\r\n";

// Tag names the builders write, either case as they write them.
inline bool isBuilderTag(std::string_view name) {
  constexpr std::array<std::string_view, 12> kNames{
      "html", "head", "title", "body", "CENTER", "B", "b", "BR", "table", "tr", "td", "font"};
  for (const auto n : kNames)
    if (n == name) return true;
  return false;
}

// Characters of the builders' attributes: width=250, size=-1, style='font-family:...'.
inline bool isAttributeChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
         std::string_view(" =-;:.'").find(c) != std::string_view::npos;
}

// Length of the builder tag at the start of `text` ("<" included), 0 when there is none.
inline std::size_t builderTagLength(std::string_view text) {
  std::size_t i = 1;
  if (i < text.size() && text[i] == '/') ++i;
  const std::size_t nameStart = i;
  while (i < text.size() &&
         ((text[i] >= 'a' && text[i] <= 'z') || (text[i] >= 'A' && text[i] <= 'Z')))
    ++i;
  if (!isBuilderTag(text.substr(nameStart, i - nameStart))) return 0;
  while (i < text.size() && isAttributeChar(text[i])) ++i;
  return i < text.size() && text[i] == '>' ? i + 1 : 0;
}

inline std::size_t entityLength(std::string_view text) {
  constexpr std::array<std::string_view, 5> kEntities{"&amp;", "&lt;", "&gt;", "&quot;", "&nbsp;"};
  for (const auto e : kEntities)
    if (text.starts_with(e)) return e.size();
  return 0;
}

}  // namespace page

// Checks the markup of `html` (a page or a fragment of one).
inline void checkMarkup(std::string_view html) {
  for (std::size_t i = 0; i < html.size();) {
    const std::string_view rest = html.substr(i);
    std::size_t step = 1;
    if (rest.front() == '<') {
      step = page::builderTagLength(rest);
      FUZZ_CHECK(step != 0, "every '<' opens a tag of the builders");
    } else if (rest.front() == '&') {
      step = page::entityLength(rest);
      FUZZ_CHECK(step != 0, "every '&' opens an entity");
    } else {
      FUZZ_CHECK(rest.front() != '>', "no '>' outside a tag");
      FUZZ_CHECK(rest.front() != '"', "no double quote on a page");
    }
    i += step;
  }
}

// Checks the skeleton and the markup of a whole page.
inline void checkPage(std::string_view html) {
  FUZZ_CHECK(html.starts_with(page::kHead), "the page begins with the page head");
  FUZZ_CHECK(html.ends_with(page::kEnd), "the page ends with \" </html>\" CR LF");
  checkMarkup(html);
}

}  // namespace orv::fuzz
