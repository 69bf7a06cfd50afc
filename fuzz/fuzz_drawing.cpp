// The vehicle drawings over arbitrary record texts: one vehicle or an overlay of several,
// either view, either unit system, every alignment. The SVG must be well-formed (balanced
// tags, no "nan" or "inf" inside a tag) and the DXF a whole file of group code and value
// lines with finite numbers. The first record's vehicle sheet must be a well-formed page of
// the builders' markup alone, and its JSON one valid JSON value without NaN or infinity.
// Input: an options byte, then record texts cut at 0x1F (the second also the version text).
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "PageCheck.h"
#include "core/VehicleRecord.h"
#include "output/drawing/DxfWriter.h"
#include "output/drawing/OverlayDrawing.h"
#include "output/drawing/SvgWriter.h"
#include "output/drawing/VehicleDrawing.h"
#include "output/sheet/DerivedValues.h"
#include "output/sheet/SheetJson.h"
#include "output/sheet/SheetPage.h"

using namespace orv;

namespace {

bool containsNotFinite(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

// Tags nest and close in order (a declaration, a doctype and the legend's "<BR>" stand
// alone); text between tags holds no '<' or '>'.
void checkNesting(std::string_view svg) {
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
    } else if (tag.starts_with("!") || tag == "BR") {
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

void checkSvg(std::string_view svg, bool file) {
  FUZZ_CHECK(svg.starts_with(file ? "<?xml " : "<svg "), "the SVG begins as it should");
  FUZZ_CHECK(svg.ends_with("</svg>\n"), "the SVG ends with its closing tag");
  checkNesting(svg);
}

bool isOneOf(std::string_view word, std::initializer_list<std::string_view> words) {
  for (const auto w : words)
    if (w == word) return true;
  return false;
}

// The sheet page: the report skeleton after a doctype, printable ASCII with CR LF line ends,
// tags of the page's and the drawings' own kinds only, nested and closed, every '&' an
// entity of the builders and no double quote outside a tag (data quotes are escaped).
void checkSheetPage(std::string_view html) {
  FUZZ_CHECK(html.starts_with("<!DOCTYPE html>\r\n" + std::string(fuzz::page::kHead)),
             "the sheet begins with a doctype and the page head");
  FUZZ_CHECK(html.ends_with(fuzz::page::kEnd), "the sheet ends with the page end");
  checkNesting(html);
  bool inTag = false;
  for (std::size_t i = 0; i < html.size(); ++i) {
    const auto c = static_cast<unsigned char>(html[i]);
    FUZZ_CHECK(c < 0x7F && (c >= 0x20 || c == '\r' || (c == '\n' && html[i - 1] == '\r')),
               "the sheet is printable ASCII with CR LF line ends");
    if (c == '<') {
      std::string_view name = html.substr(i + 1);
      if (name.starts_with('/')) name.remove_prefix(1);
      name = name.substr(0, name.find_first_of(" >/\r\n"));
      FUZZ_CHECK(isOneOf(name, {"!DOCTYPE", "html",    "head",   "title", "body", "style", "h1",
                                "h2",       "p",       "table",  "tr",    "th",   "td",    "ul",
                                "li",       "div",     "BR",     "svg",   "g",    "rect",  "line",
                                "polyline", "polygon", "circle", "text"}),
                 "every tag is one of the sheet's or the drawings' own");
      inTag = true;
    } else if (c == '>') {
      inTag = false;
    } else if (!inTag) {
      FUZZ_CHECK(c != '"', "no double quote outside a tag");
      if (c == '&') {
        const std::string_view rest = html.substr(i + 1);
        const std::size_t end = rest.find(';');
        const auto entity = rest.substr(0, end);
        FUZZ_CHECK(end != std::string_view::npos &&
                       (isOneOf(entity, {"amp", "lt", "gt", "quot", "nbsp", "sup2"}) ||
                        (entity.size() >= 2 && entity.size() <= 4 && entity[0] == '#' &&
                         entity.find_first_not_of("0123456789", 1) == std::string_view::npos)),
                   "every '&' opens an entity");
      }
    }
  }
}

// One JSON value (RFC 8259) read strictly: no NaN, no Infinity, nothing left over. The
// sheet's JSON is printable ASCII, so the check need not decode UTF-8.
class JsonCheck {
 public:
  explicit JsonCheck(std::string_view text) : s_(text) {}

  void whole() {
    value();
    blanks();
    FUZZ_CHECK(i_ == s_.size(), "nothing follows the JSON value");
  }

 private:
  char peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }
  void blanks() {
    while (peek() == ' ' || peek() == '\n' || peek() == '\r' || peek() == '\t') ++i_;
  }
  void expect(std::string_view word) {
    FUZZ_CHECK(s_.substr(i_, word.size()) == word, "a JSON literal is whole");
    i_ += word.size();
  }
  void digits() {
    FUZZ_CHECK(peek() >= '0' && peek() <= '9', "a JSON number has digits");
    while (peek() >= '0' && peek() <= '9') ++i_;
  }
  void number() {
    const std::size_t start = i_;
    if (peek() == '-') ++i_;
    if (peek() == '0') {
      ++i_;
    } else {
      digits();
    }
    if (peek() == '.') {
      ++i_;
      digits();
    }
    if (peek() == 'e' || peek() == 'E') {
      ++i_;
      if (peek() == '+' || peek() == '-') ++i_;
      digits();
    }
    const std::string text(s_.substr(start, i_ - start));
    FUZZ_CHECK(std::isfinite(std::strtod(text.c_str(), nullptr)), "a JSON number is finite");
  }
  void string() {
    expect("\"");
    for (char c; (c = peek()) != '"'; ++i_) {
      FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c < 0x7F, "a JSON string is ASCII");
      if (c != '\\') continue;
      ++i_;
      if (peek() == 'u') {
        for (int k = 0; k < 4; ++k) {
          ++i_;
          FUZZ_CHECK(std::isxdigit(static_cast<unsigned char>(peek())), "\\u has 4 digits");
        }
      } else {
        FUZZ_CHECK(std::string_view("\"\\/bfnrt").find(peek()) != std::string_view::npos,
                   "a JSON escape is known");
      }
    }
    ++i_;
  }
  // Members or elements up to `close`; objects' members are "key": value.
  void items(char close, bool members) {
    ++i_;
    blanks();
    if (peek() == close) return void(++i_);
    while (true) {
      blanks();
      if (members) {
        string();
        blanks();
        expect(":");
      }
      value();
      blanks();
      if (peek() == close) return void(++i_);
      expect(",");
    }
  }
  void value() {
    FUZZ_CHECK(++depth_ < 64, "JSON nests shallowly");
    blanks();
    const char c = peek();
    if (c == '{')
      items('}', true);
    else if (c == '[')
      items(']', false);
    else if (c == '"')
      string();
    else if (c == 't')
      expect("true");
    else if (c == 'f')
      expect("false");
    else if (c == 'n')
      expect("null");
    else
      number();
    --depth_;
  }

  std::string_view s_;
  std::size_t i_ = 0;
  int depth_ = 0;
};

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
  std::string_view version;
  for (int i = 0; i < 5 && !in.rest().empty(); ++i) {
    const std::string_view part = in.part();
    if (i == 1) version = part;
    records.push_back(core::VehicleRecord::fromModelRecord(part, 1995));
  }
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

  const core::VehicleSource source{std::string(version), "SP1995.TXT", std::string(64, '0')};
  checkSheetPage(output::sheetPage(records.front(), units, source));
  JsonCheck(output::sheetJson(records.front(), source)).whole();
  return 0;
}
