// F_PAD: a fixed-width, left-aligned column; longer texts are cut.
#pragma once

#include <string>
#include <string_view>

namespace orv::core {

inline std::string F_PAD(std::string_view text, std::size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

}  // namespace orv::core
