#include "output/drawing/DrawingLook.h"

#include <charconv>
#include <cmath>

namespace orv::output {

double penWidthMm(Layer layer) {
  switch (layer) {
    case Layer::Outline:
      return 0.5;
    case Layer::Wheels:
      return 0.35;
    case Layer::Cg:
    case Layer::Text:
      return 0.25;
    case Layer::Axles:
    case Layer::Dimensions:
      break;
  }
  return 0.18;
}

const StyleLook& styleLook(int style) {
  return kStyleLooks[static_cast<std::size_t>(((style % kStyleCount) + kStyleCount) % kStyleCount)];
}

bool dashedByStyle(Layer layer) {
  return layer == Layer::Outline || layer == Layer::Wheels || layer == Layer::Text;
}

std::string numberText(double value, int decimals) {
  // Real drawings stay far below this; the bound keeps the text short whatever comes in.
  constexpr double kLimit = 1e12;
  if (!std::isfinite(value) || std::fabs(value) > kLimit) value = 0.0;
  char buf[64];
  const auto result =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  std::string text(buf, result.ptr);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  return text;
}

}  // namespace orv::output
