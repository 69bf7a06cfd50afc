// The tag lookups and the first word over arbitrary text, tag names and start positions.
// Input: a start byte, a tag name, then the text.
#include <string>

#include "FuzzCheck.h"
#include "core/TagText.h"
#include "core/Text.h"

using namespace orv::core;

namespace {

void checkTag(std::string_view text, std::string_view tag, long start) {
  const std::string openTag = "<" + std::string(tag) + ">";
  const std::string closeTag = "</" + std::string(tag) + ">";
  const std::size_t from = start > 1 ? static_cast<std::size_t>(start - 1) : 0;
  const auto e = findElement(text, tag, from);
  const std::string value = F_GETTAG(text, tag, start);
  if (!e) {
    FUZZ_CHECK(value == "-1", "a missing element reads -1");
    return;
  }
  FUZZ_CHECK(value == e->value, "F_GETTAG gives the element's value");
  FUZZ_CHECK(orv::fuzz::within(e->value, text), "the value is a view into the text");
  FUZZ_CHECK(e->open >= from && text.substr(e->open).starts_with(openTag),
             "the element opens at or after the start");
  FUZZ_CHECK(findText(text, openTag, from) == e->open, "the first opening tag counts");
  FUZZ_CHECK(text.substr(e->close).starts_with(closeTag), "the element closes with its tag");
  FUZZ_CHECK(e->value.find(closeTag) == std::string_view::npos,
             "a value runs to the first closing tag");
  const auto first = findElement(text, tag, 0);
  FUZZ_CHECK(first.has_value(), "an element found later is found from the start too");
  FUZZ_CHECK(F_GETTAG2(text, tag) == first->value, "F_GETTAG2 reads from position 1");
  FUZZ_CHECK(tagValue(text, tag) == first->value, "tagValue reads from position 1");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  orv::fuzz::FuzzInput in(data, size);
  // Starts below 1 and beyond the end of short texts as well.
  const long start = static_cast<long>(in.byte()) - 8;
  const std::string_view tag = in.part();
  const std::string_view text = in.rest();
  for (const std::string_view t : {tag, std::string_view("MA"), std::string_view("MO"),
                                   std::string_view("DA"), std::string_view("R")}) {
    checkTag(text, t, start);
  }
  if (!findElement(text, tag)) {
    FUZZ_CHECK(F_GETTAG2(text, tag).empty(), "F_GETTAG2 of a missing element is empty");
  }

  const std::string word = F_FIRSTWORD(text);
  const std::string_view trimmed = trimBlanks(text);
  FUZZ_CHECK(word.find(' ') == std::string::npos, "the first word holds no blank");
  FUZZ_CHECK(trimmed.starts_with(word), "the first word begins the trimmed text");
  FUZZ_CHECK(word.size() == trimmed.size() || trimmed[word.size()] == ' ',
             "the first word ends at a blank or the end");
  FUZZ_CHECK(word.empty() == trimmed.empty(), "only a blank text has no first word");
  return 0;
}
