// Writing DXF group code / value pairs, and handing out the object handles. Internal to
// the DXF writer.
#pragma once

#include <string>
#include <string_view>

#include "output/drawing/DrawingLook.h"

namespace orv::output::dxf {

class Groups {
 public:
  // Code right-aligned in three columns as AutoCAD writes it; CR LF line ends.
  Groups& operator()(int code, std::string_view value) {
    std::string c = std::to_string(code);
    if (c.size() < 3) text_.append(3 - c.size(), ' ');
    text_ += c;
    text_ += "\r\n";
    text_ += value;
    text_ += "\r\n";
    return *this;
  }
  Groups& operator()(int code, double value) { return (*this)(code, numberText(value, 6)); }
  Groups& operator()(int code, int value) { return (*this)(code, std::to_string(value)); }
  Groups& operator()(int code, const char* value) { return (*this)(code, std::string_view(value)); }
  Groups& operator()(int code, const std::string& value) {
    return (*this)(code, std::string_view(value));
  }

  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

// Handles in hexadecimal, upper case, given out in order from 1.
class Handles {
 public:
  std::string next() { return hex(next_++); }
  // The first handle not given out ($HANDSEED).
  std::string firstFree() const { return hex(next_); }

 private:
  static std::string hex(unsigned value) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string h;
    do {
      h.insert(h.begin(), kHex[value % 16]);
      value /= 16;
    } while (value != 0);
    return h;
  }
  unsigned next_ = 1;
};

}  // namespace orv::output::dxf
