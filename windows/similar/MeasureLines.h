// The measure lines of the sister-vehicle window as plain texts: what the window shows in a
// line's value and tolerance boxes, and what the boxes ask for when a person runs the
// search, with the checks before a run. No form and no Qt: texts in, values in cm and kg (or
// the first problem) out.
//
// Units: a value is shown as the grid shows it (metric as stored; imperial in inches x 0.394
// with one decimal, pounds x 2.2 whole), a tolerance as the page shows it (one decimal in
// inches or pounds). A typed imperial number is divided by the same factor, 0.394 or 2.2. A
// text left as the window showed it stands for the value it was made from, exactly: a
// vehicle's wheelbase of 265 cm shows as 104.4 in, and 104.4 read back would be 264.97 cm,
// which would no longer be the vehicle's own value.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/Format.h"
#include "output/similar/Measures.h"
#include "windows/similar/SisterDesign.h"

namespace orv::windows {

// What the window put into a box, and the value (cm or kg) it stands for; nothing for an
// empty box.
struct ShownNumber {
  std::string text;
  std::optional<double> value;
};

// A measure's value for its box: as the grid shows it; empty when there is none.
ShownNumber shownMeasure(const std::optional<double>& value, core::Field field,
                         core::UnitSystem units);
// A tolerance for its box: metric as the shortest text of the number, imperial with one
// decimal.
ShownNumber shownTolerance(double tolerance, core::Field field, core::UnitSystem units);

// The value (cm or kg) a box's text stands for: the shown value when the text is the shown
// one (blanks at the ends aside); else the typed number, converted from imperial with the
// field's factor. Nothing for a text that is no number (an empty one included).
std::optional<double> readNumber(std::string_view text, const ShownNumber& shown, core::Field field,
                                 core::UnitSystem units);

// One line as it stands: the check box, the two boxes' texts and what the window put there.
struct MeasureLine {
  bool checked = false;
  std::string value;
  std::string tolerance;
  ShownNumber shownValue;
  ShownNumber shownTolerance;
};
// Line `i` is the measure core::Field(i).
using MeasureLines = std::array<MeasureLine, kSisterLines>;

// What a run compares: the checked measures' values (nothing for the others) and their
// tolerances, in line order.
struct Wanted {
  output::Measurements values{};
  std::vector<output::Criterion> by;
};

// The first thing wrong with the lines, and the box that takes the focus.
enum class LineBox { Check, Value, Tolerance };
struct LineProblem {
  std::string message;
  int line = 0;
  LineBox box = LineBox::Check;
};

// Checked lines top to bottom, each its value (there, a number) and then its tolerance (a
// number, not negative); unchecked lines are not read. Then at least one line must be
// checked (the focus goes to the first check box).
std::variant<Wanted, LineProblem> readLines(const MeasureLines& lines, core::UnitSystem units);

}  // namespace orv::windows
