// The vehicle drawings over arbitrary record texts: one vehicle or an overlay of several,
// either view, either unit system, every alignment. The SVG must be well-formed (balanced
// tags, no "nan" or "inf" inside a tag) and the DXF a whole file of group code and value
// lines with finite numbers. Input: an options byte, then record texts cut at 0x1F.
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "core/VehicleRecord.h"
#include "output/drawing/DxfWriter.h"
#include "output/drawing/OverlayDrawing.h"
#include "output/drawing/SvgWriter.h"
#include "output/drawing/VehicleDrawing.h"
#include "output/sheet/DerivedValues.h"

using namespace orv;

namespace {

bool containsNotFinite(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

// Tags nest and close in order; text between tags holds no '<' or '>'.
void checkSvg(std::string_view svg, bool file) {
  FUZZ_CHECK(svg.starts_with(file ? "<?xml " : "<svg "), "the SVG begins as it should");
  FUZZ_CHECK(svg.ends_with("</svg>\n"), "the SVG ends with its closing tag");
  std::vector<std::string_view> open;
  std::size_t i = 0;
  while ((i = svg.find('<', i)) != std::string_view::npos) {
    const std::size_t end = svg.find('>', i);
    FUZZ_CHECK(end != std::string_view::npos, "every tag is closed");
    const std::string_view tag = svg.substr(i + 1, end - i - 1);
    FUZZ_CHECK(tag.find('<') == std::string_view::npos, "no '<' inside a tag");
    FUZZ_CHECK(!containsNotFinite(tag), "no NaN or inf in a tag");
    if (tag.starts_with("?")) {
      FUZZ_CHECK(tag.ends_with("?"), "the declaration is whole");
    } else if (tag.starts_with("/")) {
      FUZZ_CHECK(!open.empty() && open.back() == tag.substr(1), "a closing tag matches");
      open.pop_back();
    } else if (!tag.ends_with("/")) {
      open.push_back(tag.substr(0, tag.find(' ')));
    }
    const std::size_t next = svg.find('<', end);
    const std::string_view text = svg.substr(end + 1, next - end - 1);
    FUZZ_CHECK(text.find('>') == std::string_view::npos, "no '>' in text");
    i = end + 1;
  }
  FUZZ_CHECK(open.empty(), "every element is closed");
}

// Pairs of lines; the codes whole numbers; coordinates, sizes and angles finite numbers.
void checkDxf(std::string_view dxf) {
  std::vector<std::string_view> lines;
  for (std::size_t at = 0; at < dxf.size();) {
    const std::size_t end = dxf.find("\r\n", at);
    FUZZ_CHECK(end != std::string_view::npos, "every line ends in CR LF");
    lines.push_back(dxf.substr(at, end - at));
    at = end + 2;
  }
  FUZZ_CHECK(lines.size() % 2 == 0, "group codes and values pair up");
  FUZZ_CHECK(lines.size() >= 2 && lines[lines.size() - 1] == "EOF", "the file ends with EOF");
  for (std::size_t k = 0; k < lines.size(); k += 2) {
    const std::string code(lines[k]);
    char* stop = nullptr;
    const long number = std::strtol(code.c_str(), &stop, 10);
    FUZZ_CHECK(stop != code.c_str() && *stop == '\0', "a group code is a number");
    if ((number >= 10 && number <= 59) || (number >= 140 && number <= 149)) {
      const std::string value(lines[k + 1]);
      const double v = std::strtod(value.c_str(), &stop);
      FUZZ_CHECK(*stop == '\0' && std::isfinite(v) && !containsNotFinite(value),
                 "a coordinate is a finite number");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  fuzz::FuzzInput in(bytes, size);
  const std::uint8_t options = in.byte();
  std::vector<core::VehicleRecord> records;
  for (int i = 0; i < 5 && !in.rest().empty(); ++i)
    records.push_back(core::VehicleRecord::fromModelRecord(in.part(), 1995));
  if (records.empty()) records.emplace_back();

  const auto units = (options & 1) ? core::UnitSystem::Imperial : core::UnitSystem::Metric;
  const auto view = (options & 2) ? output::View::Top : output::View::Side;
  const auto alignment = static_cast<output::Alignment>((options >> 2) % 3);
  const output::Drawing drawing = (options & 0x10) && records.size() > 1
                                      ? output::overlayDrawing(records, view, alignment, units)
                                      : output::vehicleDrawing(records.front(), view, units);
  const output::Extents box = drawing.extents();
  FUZZ_CHECK(std::isfinite(box.width()) && std::isfinite(box.height()), "finite extents");
  checkSvg(output::svgFile(drawing, units), true);
  checkSvg(output::svgInline(drawing), false);
  checkDxf(output::dxfFile(drawing, units));
  for (const auto& v : output::derivedValues(records.front()))
    FUZZ_CHECK(!v.value || std::isfinite(*v.value), "a derived value is finite");
  return 0;
}
