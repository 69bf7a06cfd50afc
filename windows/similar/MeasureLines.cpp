#include "windows/similar/MeasureLines.h"

#include "core/Text.h"
#include "output/json/JsonWriter.h"

namespace orv::windows {

using namespace core;
using namespace output;

namespace {

LineProblem problem(int line, LineBox box, std::string_view before, std::string_view after) {
  return {std::string(before) + std::string(kFields[static_cast<std::size_t>(line)].code) +
              std::string(after),
          line, box};
}

}  // namespace

ShownNumber shownMeasure(const std::optional<double>& value, Field field, UnitSystem units) {
  if (!value) return {};
  return {shownValue(value, field, units), value};
}

ShownNumber shownTolerance(double tolerance, Field field, UnitSystem units) {
  return {
      units == UnitSystem::Metric ? jsonNumber(tolerance) : shownAmount(tolerance, field, units),
      tolerance};
}

std::optional<double> readNumber(std::string_view text, const ShownNumber& shown, Field field,
                                 UnitSystem units) {
  if (shown.value && trimBlanks(text) == trimBlanks(shown.text)) return shown.value;
  const auto typed = typedNumber(text);
  if (!typed || units == UnitSystem::Metric) return typed;
  return *typed / kFields[field].factor;
}

std::variant<Wanted, LineProblem> readLines(const MeasureLines& lines, UnitSystem units) {
  Wanted wanted;
  for (int i = 0; i < kSisterLines; ++i) {
    const MeasureLine& line = lines[static_cast<std::size_t>(i)];
    if (!line.checked) continue;
    const auto field = static_cast<Field>(i);
    if (trimBlanks(line.value).empty())
      return problem(i, LineBox::Value, "", " has no value. Type its value or uncheck it.");
    const auto value = readNumber(line.value, line.shownValue, field, units);
    if (!value) return problem(i, LineBox::Value, "The value of ", " must be a number.");
    const auto tolerance = readNumber(line.tolerance, line.shownTolerance, field, units);
    if (!tolerance)
      return problem(i, LineBox::Tolerance, "The tolerance of ", " must be a number.");
    if (*tolerance < 0)
      return problem(i, LineBox::Tolerance, "The tolerance of ", " cannot be negative.");
    wanted.values[field] = value;
    wanted.by.push_back({field, *tolerance});
  }
  if (wanted.by.empty()) return LineProblem{"Check at least one measure to compare.", 0};
  return wanted;
}

}  // namespace orv::windows
