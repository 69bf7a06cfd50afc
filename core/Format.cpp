#include "core/Format.h"

#include "core/Numbers.h"
#include "core/Text.h"
#include "core/VehicleRecord.h"

namespace orv::core {

UnitSystem unitSystemOf(std::string_view unitText) {
  const auto t = trimBlanks(unitText);
  return !t.empty() && upperChar(t.front()) == 'M' ? UnitSystem::Metric : UnitSystem::Imperial;
}

bool isNotAvailable(std::string_view value) {
  const auto t = trimBlanks(value);
  return t.empty() || t == "-1" || t == "N/A";
}

std::string F_FORMAT(std::string_view value, double factor, int kind, UnitSystem units) {
  if (isNotAvailable(value)) return "N/A";
  const auto t = trimBlanks(value);
  if (units == UnitSystem::Metric) {
    switch (kind) {
      case kLength:
        return std::string(t) + " cm";
      case kWeight:
        return std::string(t) + " kg";
      default:
        return std::string(value);
    }
  }
  const double n = numericReading(value) * factor;
  // The pattern follows the factor, not the unit kind.
  std::string text = factor == kKgToPounds ? formatWholeTwoDigits(n) : formatOneDecimal(n);
  if (kind == kLength) text += " in";
  if (kind == kWeight) text += " lb";
  return text;
}

std::string formatField(const VehicleRecord& record, Field field, UnitSystem units, int kind) {
  if (field == WD) return std::string(record.stored(WD));
  return F_FORMAT(record.stored(field), kFields[field].factor, kind, units);
}

std::string shownMeasurement(const VehicleRecord& record, Field field, UnitSystem units) {
  if (field == WD) return std::string(record.shownWeightDistribution());
  return formatField(record, field, units, field == CW ? kWeight : kLength);
}

}  // namespace orv::core
