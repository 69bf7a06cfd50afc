#include "output/similar/Measures.h"

#include <algorithm>
#include <cmath>

#include "core/Numbers.h"
#include "core/Text.h"
#include "output/json/JsonWriter.h"
#include "output/sheet/DerivedValues.h"

namespace orv::output {

std::optional<double> typedNumber(std::string_view text) {
  const std::string_view t = core::trimBlanks(text);
  if (t.empty() || t.size() > kMaxNumberLength || !core::isDecimalNumber(t) ||
      t.find_first_of("eE") != core::npos)
    return std::nullopt;
  return core::numericReading(t);
}

using namespace core;

std::vector<Criterion> defaultCriteria(std::span<const Field> fields) {
  std::vector<Criterion> by;
  for (const Field field : fields) by.push_back({field, defaultTolerance(field)});
  return by;
}

std::optional<Field> measureNamed(std::string_view code) {
  const std::string upper = toUpper(code);
  for (int i = A; i < WD; ++i) {
    if (kFields[i].code == upper) return static_cast<Field>(i);
  }
  return std::nullopt;
}

std::string measureList(std::span<const Criterion> by, std::string_view lastJoin) {
  std::string out;
  for (std::size_t i = 0; i < by.size(); ++i) {
    if (i > 0) out += i + 1 == by.size() ? lastJoin : ", ";
    out += codeOf(by[i].field);
  }
  return out;
}

std::optional<double> withinTolerance(double difference, double tolerance) {
  const double size = std::fabs(difference);
  // No division by zero; and a difference beyond any number (values near the largest double)
  // is beyond every tolerance.
  if (!(tolerance > 0.0)) return size == 0.0 ? std::optional(0.0) : std::nullopt;
  const double distance = size / tolerance;
  return distance <= 1.0 ? std::optional(distance) : std::nullopt;
}

Likeness likeness(const Measurements& reference, const Measurements& values,
                  std::span<const Criterion> by) {
  Likeness result{false, true, 0.0};
  for (const Criterion& c : by) {
    const auto& mine = reference[c.field];
    const auto& theirs = values[c.field];
    if (!theirs || !mine) return {true, false, 0.0};
    if (!result.match) continue;  // still checked for a lacking measure
    if (const auto distance = withinTolerance(*theirs - *mine, c.tolerance))
      result.distance = std::max(result.distance, *distance);
    else
      result = {false, false, 0.0};
  }
  return result;
}

std::string_view unitOf(Field field, UnitSystem units) {
  return unitText(quantityOf(field), units);
}

std::string shownValue(const std::optional<double>& value, Field field, UnitSystem units) {
  if (!value) return "N/A";
  return F_FORMAT(jsonNumber(*value), kFields[field].factor, kNoUnit, units);
}

std::string shownAmount(double amount, Field field, UnitSystem units) {
  return formatOneDecimal(units == UnitSystem::Metric ? amount : amount * kFields[field].factor);
}

}  // namespace orv::output
