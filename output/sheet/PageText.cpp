#include "output/sheet/PageText.h"

#include "output/reports/Page.h"

namespace orv::output {

// Like the SVG writer's escaping but for HTML: there 128 to 159 become '?' (XML has no
// characters for them), here references, which HTML reads as code page 1252. The markup
// characters are escaped as the report pages escape them.
void appendPageText(std::string& out, std::string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b >= 0x80)
      out += "&#" + std::to_string(b) + ";";
    else if (b < 0x20 || b == 0x7F)
      out += b == '\t' ? ' ' : '?';
    else
      appendEscaped(out, text.substr(i, 1));
  }
}

std::string pageText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendPageText(out, text);
  return out;
}

void appendQuantity(std::string& out, std::string_view text) {
  if (text.ends_with("m2") || text.ends_with("ft2")) {
    appendPageText(out, text.substr(0, text.size() - 1));
    out += "&sup2;";
  } else {
    appendPageText(out, text);
  }
}

std::string withCrLf(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 32);
  for (const char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

}  // namespace orv::output
