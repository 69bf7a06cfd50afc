#include "output/sheet/PageText.h"

namespace orv::output {

void appendPageText(std::string& out, std::string_view text) {
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '&')
      out += "&amp;";
    else if (c == '<')
      out += "&lt;";
    else if (c == '>')
      out += "&gt;";
    else if (c == '"')
      out += "&quot;";
    else if (b >= 0x80)
      out += "&#" + std::to_string(b) + ";";
    else if (b < 0x20 || b == 0x7F)
      out += c == '\t' ? ' ' : '?';
    else
      out += c;
  }
}

std::string pageText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  appendPageText(out, text);
  return out;
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
